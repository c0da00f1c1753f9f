// The record services: the version that reaches the host is corrected by tag
// and size first, and the load and save emulate the preference records on
// top of the host's 12-byte "other" records.
#include <cstring>

#include "host/record_bytes.h"
#include "host/record_key_layout.h"
#include "host/record_translation.h"
#include "host/service_wrappers.h"

namespace {

namespace other_record {
constexpr unsigned long kTagPrefix = 0x6F740000;  // o, t
constexpr int kSize = 12;                         // six 16-bit words
constexpr short kComparator = -2;                 // of every run, and of a map's 0
constexpr unsigned long kVersion = 0x0F000200;
}  // namespace other_record

// Records that the host fills only in part: the rest must read as zero.
struct ClearedRecord {
    unsigned long tag;
    long bytes;
};
constexpr ClearedRecord kClearedRecords[] = {
    {0x4F044958, 48},
    {0x4F096649, 108},
};

// A record that hosts without it answer from its "other" record.
constexpr unsigned long kFallbackTag = 0x534F5344;       // S, O, S, D
constexpr unsigned long kFallbackOtherTag = 0x6F745344;  // o, t, S, D
constexpr long kFallbackSize = 66;

// Callers written for versions before this one save their records as the
// host has them, preference tags included.
constexpr unsigned long kLastUntranslatedVersion = 0x07FFFFFF;

using LoadProc = short(WINAPI*)(unsigned long, void*, void*, long*, unsigned long);
using SaveProc = short(WINAPI*)(unsigned long, void*, void*, long, unsigned long);
using DeleteProc = short(WINAPI*)(unsigned long, void*, unsigned long);

// The plug-in's bindings of the host's load and save. The host must offer
// them; one that does not answers 0 and the arguments stay untouched.
int CallLoadService(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    static BoundService<LoadProc> service;
    LoadProc proc = Bind(service, "FX_LoadEData");
    return proc ? proc(tag, key, buffer, size, version) : 0;
}

int CallSaveService(unsigned long tag, void* key, void* buffer, long size, unsigned long version)
{
    static BoundService<SaveProc> service;
    SaveProc proc = Bind(service, "FX_SaveEData");
    return proc ? proc(tag, key, buffer, size, version) : 0;
}

unsigned long Corrected(unsigned long tag, long size, unsigned long version)
{
    HandleEnigmaVersion(tag, size, &version);
    return version;
}

long Clamped(long value, long limit)
{
    return value < 0 ? 0 : (value > limit ? limit : value);
}

void MakeOtherKey(unsigned char* key, short comparator, short incident)
{
    std::memset(key, 0, record_key::kSize);
    WriteU16(key, record_key::kComparator, static_cast<unsigned short>(comparator));
    WriteU16(key, record_key::kIncident, static_cast<unsigned short>(incident));
}

// Cleared first, so that a record the host lacks reads as zeros, never as
// the words of the record loaded before it.
void LoadOther(unsigned long tag, short comparator, short incident, unsigned char* record)
{
    unsigned char key[record_key::kSize];
    MakeOtherKey(key, comparator, incident);
    std::memset(record, 0, other_record::kSize);
    long size = other_record::kSize;
    CallLoadService(tag, key, record, &size, other_record::kVersion);
}

bool SaveOther(unsigned long tag, short comparator, short incident, unsigned char* record)
{
    unsigned char key[record_key::kSize];
    MakeOtherKey(key, comparator, incident);
    return CallSaveService(tag, key, record, other_record::kSize, other_record::kVersion) != 0;
}

// One row of a map array, read.
struct MapField {
    unsigned long otherTag;
    short comparator;
    short incident;
    int offset;
    int wordOffset;  // in bytes, into the "other" record
    int size;
    int conversion;
};

MapField ReadField(const PREFERENCE_LOCATION_MAPRECORD& row)
{
    using namespace preference_map_record;
    const short comparator = ReadS16(row.bytes, kComparator);
    return MapField{other_record::kTagPrefix | (static_cast<unsigned long>(row.bytes[kOtherTagThird]) << 8) |
                        row.bytes[kOtherTagFourth],
                    comparator == 0 ? other_record::kComparator : comparator,
                    ReadS16(row.bytes, kIncident),
                    ReadU16(row.bytes, kFieldOffset),
                    2 * ReadU16(row.bytes, kWordIndex),
                    ReadU16(row.bytes, kFieldSize),
                    static_cast<int>(ReadU32(row.bytes, kConversion))};
}

bool SameOtherRecord(const MapField& a, const MapField& b)
{
    return a.otherTag == b.otherTag && a.comparator == b.comparator && a.incident == b.incident;
}

long StructureSize(const PREFERENCE_LOCATION_MAPRECORD* array, int count)
{
    long total = 0;
    for (int i = 0; i < count; ++i) {
        total += ReadU16(array[i].bytes, preference_map_record::kFieldSize);
    }
    return total;
}

// A 2-byte field as its word holds it, and the word as the field: the same
// change both ways. The low byte is widened with zeros in both directions,
// so a value loaded and saved unchanged leaves its word unchanged.
unsigned short ConvertWord(unsigned short value, int conversion)
{
    switch (conversion) {
    case MAP_ARRAY_BOOL_INVERTED:
        return value == 0 ? 1 : 0;
    case MAP_ARRAY_LOW_BYTE:
        return value & 0xFF;
    default:
        return value;
    }
}

// Visits each "other" record that a map names once, with the rows it feeds
// in array order: Open, Field per row, Close.
template <typename Visitor>
void VisitOtherRecords(PREFERENCE_LOCATION_MAPRECORD* array, int count, Visitor& visitor)
{
    for (int i = 0; i < count; ++i) {
        WriteU16(array[i].bytes, preference_map_record::kHandled, 0);
    }
    for (int i = 0; i < count; ++i) {
        if (ReadU16(array[i].bytes, preference_map_record::kHandled) != 0) {
            continue;
        }
        const MapField other = ReadField(array[i]);
        visitor.Open(other);
        for (int j = i; j < count; ++j) {
            const MapField field = ReadField(array[j]);
            if (ReadU16(array[j].bytes, preference_map_record::kHandled) == 0 && SameOtherRecord(field, other)) {
                visitor.Field(field);
                WriteU16(array[j].bytes, preference_map_record::kHandled, 1);
            }
        }
        visitor.Close(other);
    }
}

class StructureLoader {
public:
    explicit StructureLoader(void* structure) : _structure(structure) {}
    void Open(const MapField& other) { LoadOther(other.otherTag, other.comparator, other.incident, _record); }
    void Field(const MapField& field)
    {
        if (field.size == 4) {
            long value = makePrefsFourbyte(ReadS16(_record, field.wordOffset), ReadS16(_record, field.wordOffset + 2),
                                           field.conversion);
            WriteU32(_structure, field.offset, static_cast<unsigned long>(value));
        } else {
            WriteU16(_structure, field.offset, ConvertWord(ReadU16(_record, field.wordOffset), field.conversion));
        }
    }
    void Close(const MapField&) {}

private:
    void* _structure;
    unsigned char _record[other_record::kSize];
};

class StructureSaver {
public:
    explicit StructureSaver(const void* structure) : _structure(structure) {}
    void Open(const MapField& other)
    {
        LoadOther(other.otherTag, other.comparator, other.incident, _record);
        _changed = false;
    }
    void Field(const MapField& field)
    {
        if (field.size == 4) {
            short first = ReadS16(_record, field.wordOffset);
            short second = ReadS16(_record, field.wordOffset + 2);
            long value = ReadS32(_structure, field.offset);
            if (value != makePrefsFourbyte(first, second, field.conversion)) {
                makePrefsTwobytes(value, &first, &second, field.conversion);
                WriteU16(_record, field.wordOffset, static_cast<unsigned short>(first));
                WriteU16(_record, field.wordOffset + 2, static_cast<unsigned short>(second));
                _changed = true;
            }
        } else {
            unsigned short value = ConvertWord(ReadU16(_structure, field.offset), field.conversion);
            if (value != ReadU16(_record, field.wordOffset)) {
                WriteU16(_record, field.wordOffset, value);
                _changed = true;
            }
        }
    }
    void Close(const MapField& other)
    {
        if (_changed && !SaveOther(other.otherTag, other.comparator, other.incident, _record)) {
            _failed = true;
        }
    }
    bool Failed() const { return _failed; }

private:
    const void* _structure;
    unsigned char _record[other_record::kSize];
    bool _changed = false;
    bool _failed = false;
};

// Structures are written and read whole: a buffer smaller than the
// structure is refused, before anything is asked or touched.
int LoadStructure(PREFERENCE_LOCATION_MAPRECORD* array, int count, void* buffer, long* size)
{
    const long total = StructureSize(array, count);
    if (buffer != nullptr && *size < total) {
        return 0;
    }
    *size = total;
    if (buffer != nullptr) {
        StructureLoader loader(buffer);
        VisitOtherRecords(array, count, loader);
    }
    return 1;
}

int SaveStructure(PREFERENCE_LOCATION_MAPRECORD* array, int count, void* buffer, long size)
{
    if (buffer == nullptr || size < StructureSize(array, count)) {
        return 0;
    }
    StructureSaver saver(buffer);
    VisitOtherRecords(array, count, saver);
    return saver.Failed() ? 0 : 1;
}

struct OtherRun {
    unsigned long otherTag;  // 0: the preference tag has no run
    int length;
    int firstIncident;
};

OtherRun RunOf(unsigned long tag, short comparator)
{
    OtherRun run;
    mapPrefTag(tag, comparator, &run.otherTag, &run.length, &run.firstIncident);
    return run;
}

int LoadRun(const OtherRun& run, void* buffer, long* size)
{
    const long total = other_record::kSize * run.length;
    if (buffer == nullptr) {
        *size = total;
        return 1;
    }
    if (*size < total) {
        return 0;
    }
    unsigned char* records = static_cast<unsigned char*>(buffer);
    for (int i = 0; i < run.length; ++i) {
        LoadOther(run.otherTag, other_record::kComparator, static_cast<short>(run.firstIncident + i),
                  records + other_record::kSize * i);
    }
    *size = total;
    return 1;
}

int SaveRun(const OtherRun& run, void* buffer, long size)
{
    if (buffer == nullptr || size < other_record::kSize * run.length) {
        return 0;
    }
    // Every record is offered to the host; one it refuses fails the save.
    unsigned char* records = static_cast<unsigned char*>(buffer);
    bool saved = true;
    for (int i = 0; i < run.length; ++i) {
        saved = SaveOther(run.otherTag, other_record::kComparator, static_cast<short>(run.firstIncident + i),
                          records + other_record::kSize * i) &&
                saved;
    }
    return saved ? 1 : 0;
}

long ClearedBytes(unsigned long tag)
{
    for (const ClearedRecord& record : kClearedRecords) {
        if (record.tag == tag) {
            return record.bytes;
        }
    }
    return 0;
}

bool AnyNonZero(const void* buffer, long count)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(buffer);
    for (long i = 0; i < count; ++i) {
        if (bytes[i] != 0) {
            return true;
        }
    }
    return false;
}

// The host lacks the record: it exists when its "other" record does, and
// reads as zeros.
int LoadFallback(const void* key, void* buffer, long* size, long capacity)
{
    unsigned char otherKey[record_key::kSize];
    std::memcpy(otherKey, key, record_key::kSize);
    WriteU16(otherKey, record_key::kIncident, 0);
    unsigned char record[other_record::kSize];
    long recordSize = other_record::kSize;
    if (!CallLoadService(kFallbackOtherTag, otherKey, record, &recordSize, other_record::kVersion)) {
        return 0;
    }
    if (buffer == nullptr) {
        *size = kFallbackSize;
    } else {
        std::memset(buffer, 0, Clamped(capacity, kFallbackSize));
    }
    return 1;
}

}  // namespace

int WINAPI FX_LoadEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    const unsigned long corrected = Corrected(tag, size == nullptr ? 0 : *size, version);
    // Without a key or a size there is nothing to translate by.
    if (key == nullptr || size == nullptr) {
        return CallLoadService(tag, key, buffer, size, corrected);
    }
    // A first answer of the host sets the size to the record's; the answer
    // that follows must still get no more than the caller's capacity.
    const long capacity = *size;
    const long clearable = buffer == nullptr ? 0 : ClearedBytes(tag);
    if (clearable > 0) {
        const long cleared = Clamped(capacity, clearable);
        std::memset(buffer, 0, cleared);
        if (!CallLoadService(tag, key, buffer, size, corrected)) {
            return AnyNonZero(buffer, cleared) ? 1 : 0;
        }
        *size = capacity;
    }
    if (tag == kFallbackTag) {
        if (!CallLoadService(tag, key, buffer, size, corrected)) {
            return LoadFallback(key, buffer, size, capacity);
        }
        *size = capacity;
    }

    const short comparator = ReadS16(key, record_key::kComparator);
    PREFERENCE_LOCATION_MAPRECORD* array = nullptr;
    int count = 0;
    if (mapPrefStruct(tag, comparator, &array, &count)) {
        return LoadStructure(array, count, buffer, size);
    }
    const OtherRun run = RunOf(tag, comparator);
    if (run.otherTag != 0) {
        return LoadRun(run, buffer, size);
    }
    return CallLoadService(tag, key, buffer, size, corrected);
}

int WINAPI FX_SaveEData(unsigned long tag, void* key, void* buffer, long size, unsigned long version)
{
    const unsigned long corrected = Corrected(tag, size, version);
    if (version <= kLastUntranslatedVersion || key == nullptr) {
        return CallSaveService(tag, key, buffer, size, corrected);
    }
    const short comparator = ReadS16(key, record_key::kComparator);
    PREFERENCE_LOCATION_MAPRECORD* array = nullptr;
    int count = 0;
    if (mapPrefStruct(tag, comparator, &array, &count)) {
        return SaveStructure(array, count, buffer, size);
    }
    const OtherRun run = RunOf(tag, comparator);
    if (run.otherTag != 0) {
        return SaveRun(run, buffer, size);
    }
    return CallSaveService(tag, key, buffer, size, corrected);
}

int WINAPI FX_CreateEData(unsigned long tag, void* key, void* buffer, long size, unsigned long version)
{
    const unsigned long corrected = Corrected(tag, size, version);
    static BoundService<SaveProc> service;
    SaveProc proc = Bind(service, "FX_CreateEData");
    return proc ? proc(tag, key, buffer, size, corrected) : 0;
}

int WINAPI FX_DeleteEData(unsigned long tag, void* key, unsigned long version)
{
    static BoundService<DeleteProc> service;
    DeleteProc proc = Bind(service, "FX_DeleteEData");
    return proc ? proc(tag, key, version) : 0;
}

int WINAPI FX_NextEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    const unsigned long corrected = Corrected(tag, size == nullptr ? 0 : *size, version);
    static BoundService<LoadProc> service;
    LoadProc proc = Bind(service, "FX_NextEData");
    return proc ? proc(tag, key, buffer, size, corrected) : 0;
}

int WINAPI FX_PreviousEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    const unsigned long corrected = Corrected(tag, size == nullptr ? 0 : *size, version);
    static BoundService<LoadProc> service;
    LoadProc proc = Bind(service, "FX_PreviousEData");
    return proc ? proc(tag, key, buffer, size, corrected) : 0;
}

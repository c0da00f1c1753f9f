// Record version translation against the workbench host: version
// corrections and developer warnings, preference structures and runs of
// "other" records, the special tags, and the map tables themselves.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "host/record_bytes.h"
#include "host/record_translation.h"
#include "host/service_wrappers.h"
#include "workbench/workbench.h"

namespace {

using workbench::Bytes;
using workbench::RecordKey;

constexpr unsigned long kMeasure = 0x534F4D53;     // SOMS
constexpr unsigned long kStaffStyle = 0x534F5353;  // SOSS
constexpr unsigned long kStaffStyle2 = 0x4F025353;
constexpr unsigned long kStaff = 0x534F4953;       // SOIS
constexpr unsigned long kTextBlock = 0x534F5458;   // SOTX
constexpr unsigned long kGfhold = 0x53444746;      // SDGF
constexpr unsigned long kShapeExpr = 0x6F74444F;   // otDO
constexpr unsigned long kPageFormat = 0x70665046;  // pfPF
constexpr unsigned long kExtract = 0x70664558;     // pfEX
constexpr unsigned long kPlayback = 0x7066504C;    // pfPL
constexpr unsigned long kSmartShape = 0x70665353;  // pfSS
constexpr unsigned long kPianoBrace = 0x70665042;  // pfPB
constexpr unsigned long kRepeat = 0x70665250;      // pfRP
constexpr unsigned long kMiscDoc = 0x70664D53;     // pfMS
constexpr unsigned long kSize = 0x70665349;        // pfSI
constexpr unsigned long kDistance = 0x70664450;    // pfDP
constexpr unsigned long kStaffNames = 0x7066534E;  // pfSN
constexpr unsigned long kGG = 0x70664747;          // pfGG
constexpr unsigned long kMM = 0x70664D4D;          // pfMM
constexpr unsigned long kCleared48 = 0x4F044958;
constexpr unsigned long kCleared108 = 0x4F096649;
constexpr unsigned long kFallback = 0x534F5344;    // SOSD
constexpr unsigned long kFallbackOther = 0x6F745344;

constexpr unsigned long Ot(const char (&name)[3])
{
    return 0x6F740000 | (static_cast<unsigned long>(name[0]) << 8) | static_cast<unsigned long>(name[1]);
}

constexpr unsigned kMinusTwo = 0xFFFE;

const char kTextBlockWarning[] = "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter";
const char kGfholdWarning[] = "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter";
const char kShapeWarning[] =
    "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter";

struct Key {
    unsigned char bytes[8] = {};
    Key(unsigned comparator, unsigned incident = 0)
    {
        WriteU16(bytes, 0, comparator);
        WriteU16(bytes, 2, incident);
    }
};

class RecordTranslation : public ::testing::Test {
protected:
    void SetUp() override
    {
        Host().CloseAll();
        _store = &Host().Open(std::make_unique<workbench::Document>()).records;
        Host().ClearCalls();
        Host().hostAlerts.clear();
    }
    void TearDown() override { Host().CloseAll(); }

    static workbench::Workbench& Host() { return workbench::Workbench::Instance(); }

    void PutOther(unsigned long tag, unsigned comparator, unsigned incident, std::array<unsigned, 6> words)
    {
        Bytes record(12);
        for (int i = 0; i < 6; ++i) {
            WriteU16(record.data(), 2 * i, words[i]);
        }
        _store->Put(tag, RecordKey::FromNumbers(comparator, incident), record);
    }

    // Word `word` of a stored "other" record; -1 when the record is missing.
    long StoredWord(unsigned long tag, unsigned comparator, unsigned incident, int word) const
    {
        const Bytes* record = _store->Find(tag, RecordKey::FromNumbers(comparator, incident));
        return record == nullptr ? -1 : ReadU16(record->data(), 2 * word);
    }

    static int CallsTo(const char* service, unsigned long tag)
    {
        int count = 0;
        for (const workbench::ServiceCall& call : Host().Calls()) {
            count += std::string(call.service) == service && call.tag == tag ? 1 : 0;
        }
        return count;
    }
    static int CallsTo(const char* service)
    {
        int count = 0;
        for (const workbench::ServiceCall& call : Host().Calls()) {
            count += std::string(call.service) == service ? 1 : 0;
        }
        return count;
    }

    // The version with which a load of that size reached the host.
    static unsigned long LoadedVersion(unsigned long tag, long size, unsigned long version)
    {
        Key key(1);
        unsigned char buffer[128];
        long capacity = size;
        FX_LoadEData(tag, key.bytes, size == 0 ? nullptr : buffer, &capacity, version);
        return Host().Calls().empty() ? 0 : Host().Calls().back().version;
    }

    workbench::DocumentStore* _store = nullptr;
};

TEST_F(RecordTranslation, LoadCorrectsTheVersionByTagAndSize)
{
    EXPECT_EQ(LoadedVersion(kMeasure, 26, 0x09000000), 0x0A000000u);
    EXPECT_EQ(LoadedVersion(kMeasure, 26, 0x0F000200), 0x0F000200u);
    EXPECT_EQ(LoadedVersion(kMeasure, 24, 0x0F000200), 0x09000000u);
    EXPECT_EQ(LoadedVersion(kMeasure, 24, 0x05000000), 0x09000000u);
    EXPECT_EQ(LoadedVersion(kMeasure, 0, 0x05000000), 0x05000000u);
    EXPECT_EQ(LoadedVersion(kMeasure, 30, 0x05000000), 0x05000000u);

    EXPECT_EQ(LoadedVersion(kStaffStyle, 28, 0x05000000), 0x0A000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle, 24, 0x05000000), 0x06000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle, 24, 0x07000000), 0x07000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle, 22, 0x0F000200), 0x05000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle2, 28, 0x09000000), 0x0A000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle2, 24, 0x05000000), 0x06000000u);
    EXPECT_EQ(LoadedVersion(kStaffStyle2, 22, 0x0A000000), 0x05000000u);

    EXPECT_EQ(LoadedVersion(kStaff, 66, 0x0F000000), 0x05000000u);
    EXPECT_EQ(LoadedVersion(kStaff, 102, 0x0F000000), 0x08000000u);
    EXPECT_EQ(LoadedVersion(kStaff, 114, 0x0F000000), 0x0F000000u);

    EXPECT_EQ(LoadedVersion(kTextBlock, 48, 0x0F000200), 0x08000000u);
    EXPECT_EQ(LoadedVersion(kTextBlock, 48, 0x07000000), 0x07000000u);
    EXPECT_EQ(LoadedVersion(kTextBlock, 26, 0x0F000200), 0x0F000200u);
    EXPECT_EQ(LoadedVersion(kGfhold, 12, 0x0A000000), 0x08000000u);
    EXPECT_EQ(LoadedVersion(kShapeExpr, 12, 0x0F000200), 0x08000000u);
    EXPECT_EQ(LoadedVersion(kShapeExpr, 12, 0x06000000), 0x06000000u);

    // The tag decides, not the size alone.
    EXPECT_EQ(LoadedVersion(0x534F4D54, 24, 0x0F000200), 0x0F000200u);
    EXPECT_TRUE(Host().hostAlerts.empty());
}

TEST_F(RecordTranslation, EveryServiceButDeleteCorrectsTheVersion)
{
    Key key(1);
    unsigned char buffer[24] = {};
    EXPECT_EQ(FX_SaveEData(kMeasure, key.bytes, buffer, 24, 0x0F000200), 1);
    EXPECT_EQ(Host().Calls().back().version, 0x09000000u);
    EXPECT_EQ(FX_CreateEData(kMeasure, key.bytes, buffer, 24, 0x0F000200), 1);
    EXPECT_STREQ(Host().Calls().back().service, "FX_CreateEData");
    EXPECT_EQ(Host().Calls().back().version, 0x09000000u);

    Key walk(0);
    long size = 24;
    EXPECT_EQ(FX_NextEData(kMeasure, walk.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(Host().Calls().back().version, 0x09000000u);
    EXPECT_EQ(ReadU16(walk.bytes, 0), 1u);
    size = 24;
    EXPECT_EQ(FX_PreviousEData(kMeasure, walk.bytes, buffer, &size, 0x0F000200), 0);
    EXPECT_STREQ(Host().Calls().back().service, "FX_PreviousEData");
    EXPECT_EQ(Host().Calls().back().version, 0x09000000u);

    EXPECT_EQ(FX_DeleteEData(kMeasure, key.bytes, 0x05000000), 1);
    EXPECT_STREQ(Host().Calls().back().service, "FX_DeleteEData");
    EXPECT_EQ(Host().Calls().back().version, 0x05000000u);
    EXPECT_EQ(_store->Find(kMeasure, RecordKey::FromNumbers(1)), nullptr);
}

TEST_F(RecordTranslation, InconsistentVersionsWarnTheDeveloperEveryTime)
{
    EXPECT_EQ(LoadedVersion(kTextBlock, 26, 0x08000000), 0x09000000u);
    ASSERT_EQ(Host().hostAlerts.size(), 1u);
    EXPECT_EQ(Host().hostAlerts[0], kTextBlockWarning);
    EXPECT_EQ(LoadedVersion(kTextBlock, 26, 0x08000000), 0x09000000u);
    ASSERT_EQ(Host().hostAlerts.size(), 2u);
    EXPECT_EQ(Host().hostAlerts[1], kTextBlockWarning);
    EXPECT_EQ(LoadedVersion(kTextBlock, 26, 0x09000000), 0x09000000u);
    EXPECT_EQ(Host().hostAlerts.size(), 2u);

    EXPECT_EQ(LoadedVersion(kGfhold, 10, 0x08FFFFFF), 0x09000000u);
    ASSERT_EQ(Host().hostAlerts.size(), 3u);
    EXPECT_EQ(Host().hostAlerts[2], kGfholdWarning);

    Key key(1);
    unsigned char buffer[34] = {};
    EXPECT_EQ(FX_SaveEData(kShapeExpr, key.bytes, buffer, 34, 0x05000000), 1);
    EXPECT_EQ(Host().Calls().back().version, 0x09000000u);
    ASSERT_EQ(Host().hostAlerts.size(), 4u);
    EXPECT_EQ(Host().hostAlerts[3], kShapeWarning);
    EXPECT_EQ(FX_CreateEData(kShapeExpr, key.bytes, buffer, 34, 0x09000000), 1);
    EXPECT_EQ(Host().hostAlerts.size(), 4u);
}

TEST_F(RecordTranslation, MapAndRunLookUpsFollowTagAndComparator)
{
    PREFERENCE_LOCATION_MAPRECORD* array = nullptr;
    int count = -1;
    EXPECT_TRUE(mapPrefStruct(kPageFormat, 0, &array, &count));
    EXPECT_EQ(array, _EDTPageFormatPrefsScore_MAP_ARRAY);
    EXPECT_EQ(count, 22);
    EXPECT_TRUE(mapPrefStruct(kDistance, 7, &array, &count));
    EXPECT_EQ(array, _EDTDistancePrefs_MAP_ARRAY);
    EXPECT_EQ(count, 36);

    PREFERENCE_LOCATION_MAPRECORD sentinel[1];
    array = sentinel;
    count = 99;
    EXPECT_FALSE(mapPrefStruct(kPageFormat, 1, &array, &count));
    EXPECT_EQ(array, sentinel);
    EXPECT_EQ(count, 99);
    EXPECT_FALSE(mapPrefStruct(kStaffNames, 0, &array, &count));
    EXPECT_EQ(array, nullptr);
    EXPECT_EQ(count, 0);

    unsigned long other = 1;
    int length = 1;
    int first = 1;
    mapPrefTag(kStaffNames, 1, &other, &length, &first);
    EXPECT_EQ(other, 0x6F743430u);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(first, 0);
    mapPrefTag(kStaffNames, 128, &other, &length, &first);
    EXPECT_EQ(first, 127);
    mapPrefTag(kStaffNames, 129, &other, &length, &first);
    EXPECT_EQ(other, 0u);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(first, 0);
    mapPrefTag(kStaffNames, 0, &other, &length, &first);
    EXPECT_EQ(other, 0u);
    mapPrefTag(0x70664762, 4, &other, &length, &first);  // pfGb
    EXPECT_EQ(other, 0x6F743938u);
    EXPECT_EQ(first, 3);
    mapPrefTag(0x70664762, 5, &other, &length, &first);
    EXPECT_EQ(other, 0u);
    mapPrefTag(0x70664773, 2, &other, &length, &first);  // pfGs, only 1
    EXPECT_EQ(other, 0u);
    mapPrefTag(kPageFormat, 1, &other, &length, &first);
    EXPECT_EQ(other, 0x6F743737u);
    EXPECT_EQ(length, 4);
    mapPrefTag(kPageFormat, 0, &other, &length, &first);
    EXPECT_EQ(other, 0u);
    mapPrefTag(0x70665458, -5, &other, &length, &first);  // pfTX, any comparator
    EXPECT_EQ(other, 0x6F743738u);
    EXPECT_EQ(length, 8);
    EXPECT_EQ(first, 0);
    mapPrefTag(kGG, 3, &other, &length, &first);
    EXPECT_EQ(length, 11);
    mapPrefTag(kPianoBrace, 0, &other, &length, &first);
    EXPECT_EQ(other, 0u);
}

TEST_F(RecordTranslation, FourByteFieldsJoinAndSplitTheirWords)
{
    EXPECT_EQ(makePrefsFourbyte(0x1234, 0x5678, 1), 0x12345678L);
    EXPECT_EQ(makePrefsFourbyte(-1, -32768, 1), -32768L);
    EXPECT_EQ(makePrefsFourbyte(0x5678, 0x1234, 2), 0x12345678L);
    EXPECT_EQ(makePrefsFourbyte(-2, 0, 2), 65534L);
    EXPECT_EQ(makePrefsFourbyte(0x1234, 0x5678, 0), 0L);
    EXPECT_EQ(makePrefsFourbyte(0x1234, 0x5678, 4), 0L);

    short first = 7;
    short second = 7;
    makePrefsTwobytes(0x12345678, &first, &second, 1);
    EXPECT_EQ(first, 0x1234);
    EXPECT_EQ(second, 0x5678);
    makePrefsTwobytes(-2, &first, &second, 2);
    EXPECT_EQ(first, -2);
    EXPECT_EQ(second, -1);
    makePrefsTwobytes(0x12345678, &first, &second, 3);
    EXPECT_EQ(first, -2);
    EXPECT_EQ(second, -1);
}

// One map's rows, read by the offsets of the host's 18-byte layout.
struct MapSummary {
    int count = 0;
    long bytes = 0;
    bool coveredOnce = true;
    bool wordsInRecord = true;
    bool fourByteFieldsJoinWords = true;
    int conversions[5] = {};
    std::set<std::string> otherTags;
    std::set<std::string> keys;
};

MapSummary Summarize(unsigned long tag)
{
    MapSummary summary;
    PREFERENCE_LOCATION_MAPRECORD* array = nullptr;
    if (!mapPrefStruct(tag, 0, &array, &summary.count)) {
        return summary;
    }
    int owner[128];
    std::fill(owner, owner + 128, -1);
    std::set<std::string> words;
    for (int i = 0; i < summary.count; ++i) {
        const unsigned char* row = array[i].bytes;
        const std::string other = std::string("ot") + static_cast<char>(row[2]) + static_cast<char>(row[3]);
        const std::string key = std::to_string(ReadS16(row, 4)) + "/" + std::to_string(ReadS16(row, 6));
        const int offset = ReadU16(row, 8);
        const int word = ReadU16(row, 10);
        const int size = ReadU16(row, 12);
        const unsigned long conversion = ReadU32(row, 14);
        summary.otherTags.insert(other);
        summary.keys.insert(key);
        summary.bytes += size;
        if (conversion < 5) {
            ++summary.conversions[conversion];
        }
        summary.wordsInRecord = summary.wordsInRecord && word + size / 2 <= 6;
        summary.fourByteFieldsJoinWords = summary.fourByteFieldsJoinWords && (size != 4 || conversion == 1);
        for (int w = 0; w < size / 2; ++w) {
            summary.coveredOnce = summary.coveredOnce && words.insert(other + ":" + key + ":" + std::to_string(word + w)).second;
        }
        for (int b = offset; b < offset + size; ++b) {
            summary.coveredOnce = summary.coveredOnce && b < 128 && owner[b] == -1;
            if (b < 128) {
                owner[b] = i;
            }
        }
    }
    for (long b = 0; b < summary.bytes; ++b) {
        summary.coveredOnce = summary.coveredOnce && b < 128 && owner[b] != -1;
    }
    return summary;
}

TEST_F(RecordTranslation, MapTablesCoverTheirStructuresWithTheHostsRecords)
{
    struct Expected {
        unsigned long tag;
        int count;
        long bytes;
        int highFirst, inverted, lowByte;
        std::set<std::string> otherTags;
        std::set<std::string> keys;
    };
    const Expected maps[] = {
        {kPageFormat, 22, 48, 2, 0, 0,
         {"ot01", "ot02", "ot03", "ot13", "ot14", "ot15", "ot16", "ot17", "ot39"}, {"0/0"}},
        {kExtract, 25, 50, 0, 0, 0, {"ot77"}, {"0/4", "0/5", "0/6", "0/7", "0/8"}},
        {kPlayback, 7, 14, 0, 0, 0, {"ot13", "ot36", "ot37", "ot39"}, {"0/0"}},
        {kSmartShape, 43, 96, 5, 0, 6,
         {"ot11", "ot12", "ot50", "ot51", "ot53", "ot69", "ot92", "ot93", "ot97", "otFI"},
         {"0/0", "0/1", "11/0", "12/0"}},
        {kPianoBrace, 11, 44, 11, 0, 0, {"ot45", "ot60", "ot61", "ot64", "ot65"}, {"0/0"}},
        {kRepeat, 20, 40, 0, 0, 0, {"ot05", "ot70", "ot71", "ot72", "ot76"}, {"0/0"}},
        {kMiscDoc, 49, 104, 3, 1, 2,
         {"ot01", "ot03", "ot05", "ot09", "ot12", "ot13", "ot15", "ot16", "ot17", "ot19", "ot20",
          "ot23", "ot27", "ot31", "ot36", "ot41", "ot44", "ot62", "ot76", "ot93", "otFI"},
         {"0/0", "0/1", "0/2", "10/0"}},
        {kSize, 23, 54, 4, 0, 0,
         {"ot01", "ot03", "ot14", "ot20", "ot21", "ot23", "ot27", "ot58", "ot59", "ot62", "ot64",
          "ot67", "ot68", "ot69", "ot97"},
         {"0/0"}},
        {kDistance, 36, 76, 2, 0, 0,
         {"ot01", "ot13", "ot14", "ot18", "ot19", "ot20", "ot21", "ot22", "ot27", "ot39", "ot59",
          "ot65", "ot67", "ot68", "ot77"},
         {"0/0", "0/4"}},
    };
    for (const Expected& expected : maps) {
        SCOPED_TRACE(expected.tag);
        MapSummary summary = Summarize(expected.tag);
        EXPECT_EQ(summary.count, expected.count);
        EXPECT_EQ(summary.bytes, expected.bytes);
        EXPECT_TRUE(summary.coveredOnce);
        EXPECT_TRUE(summary.wordsInRecord);
        EXPECT_TRUE(summary.fourByteFieldsJoinWords);
        EXPECT_EQ(summary.conversions[1], expected.highFirst);
        EXPECT_EQ(summary.conversions[2], 0);
        EXPECT_EQ(summary.conversions[3], expected.inverted);
        EXPECT_EQ(summary.conversions[4], expected.lowByte);
        EXPECT_EQ(summary.otherTags, expected.otherTags);
        EXPECT_EQ(summary.keys, expected.keys);
    }
}

TEST_F(RecordTranslation, MapTablesKeepTheTellingRows)
{
    struct Row {
        const PREFERENCE_LOCATION_MAPRECORD* array;
        int index;
        const char* other;
        short comparator, incident, word, offset, size;
        unsigned long conversion;
    };
    const Row rows[] = {
        {_EDTPageFormatPrefsScore_MAP_ARRAY, 0, "14", 0, 0, 0, 0, 4, 1},
        {_EDTPageFormatPrefsScore_MAP_ARRAY, 13, "17", 0, 0, 3, 30, 2, 0},
        {_EDTPageFormatPrefsScore_MAP_ARRAY, 14, "17", 0, 0, 2, 32, 2, 0},
        {_EDTExtractPrefs_MAP_ARRAY, 21, "77", 0, 7, 4, 46, 2, 0},
        {_EDTExtractPrefs_MAP_ARRAY, 23, "77", 0, 8, 0, 42, 2, 0},
        {_EDTSmartShapePrefs_MAP_ARRAY, 8, "FI", 12, 0, 0, 16, 4, 1},
        {_EDTSmartShapePrefs_MAP_ARRAY, 12, "12", 0, 0, 5, 28, 2, 4},
        {_EDTMiscDocPrefs_MAP_ARRAY, 6, "36", 0, 0, 1, 12, 2, 3},
        {_EDTMiscDocPrefs_MAP_ARRAY, 46, "41", 0, 1, 3, 96, 4, 1},
    };
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.index);
        const unsigned char* row = expected.array[expected.index].bytes;
        EXPECT_EQ(static_cast<char>(row[2]), expected.other[0]);
        EXPECT_EQ(static_cast<char>(row[3]), expected.other[1]);
        EXPECT_EQ(ReadS16(row, 4), expected.comparator);
        EXPECT_EQ(ReadS16(row, 6), expected.incident);
        EXPECT_EQ(ReadU16(row, 8), expected.offset);
        EXPECT_EQ(ReadU16(row, 10), expected.word);
        EXPECT_EQ(ReadU16(row, 12), expected.size);
        EXPECT_EQ(ReadU32(row, 14), expected.conversion);
    }
}

TEST_F(RecordTranslation, SizeQueriesOfStructuresAndRunsNeverAskTheHost)
{
    const struct {
        unsigned long tag;
        unsigned comparator;
        long size;
    } queries[] = {
        {kPianoBrace, 0, 44}, {kPageFormat, 0, 48}, {kExtract, 0, 50},   {kPlayback, 0, 14},
        {kSmartShape, 0, 96}, {kRepeat, 0, 40},     {kMiscDoc, 0, 104},  {kSize, 0, 54},
        {kDistance, 0, 76},   {kPageFormat, 1, 48}, {kStaffNames, 5, 12}, {kGG, 0, 132},
    };
    for (const auto& query : queries) {
        SCOPED_TRACE(query.tag);
        Key key(query.comparator);
        long size = 0;
        EXPECT_EQ(FX_LoadEData(query.tag, key.bytes, nullptr, &size, 0x0F000200), 1);
        EXPECT_EQ(size, query.size);
    }
    EXPECT_TRUE(Host().Calls().empty());
}

TEST_F(RecordTranslation, StructureLoadAssemblesFieldsLoadingEachOtherRecordOnce)
{
    PutOther(Ot("45"), kMinusTwo, 0, {0x0001, 0x0002, 0x0003, 0x0004, 0xFFFF, 0xFFFE});
    PutOther(Ot("60"), kMinusTwo, 0, {0x0010, 0x0020, 0x0030, 0x0040, 0x0050, 0x0060});
    PutOther(Ot("61"), kMinusTwo, 0, {0, 0x0100, 0, 0x0200, 0, 0x0300});
    PutOther(Ot("64"), kMinusTwo, 0, {0x7FFF, 0x8000, 9, 9, 9, 9});
    PutOther(Ot("65"), kMinusTwo, 0, {0, 44, 9, 9, 9, 9});
    unsigned char buffer[48];
    std::memset(buffer, 0xEE, sizeof buffer);
    Key key(0);
    long size = 44;
    EXPECT_EQ(FX_LoadEData(kPianoBrace, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 44);
    EXPECT_EQ(ReadU32(buffer, 0), 0x00010002u);
    EXPECT_EQ(ReadU32(buffer, 4), 0x00030004u);
    EXPECT_EQ(ReadU32(buffer, 8), 0xFFFFFFFEu);
    EXPECT_EQ(ReadU32(buffer, 12), 0x00100020u);
    EXPECT_EQ(ReadU32(buffer, 20), 0x00500060u);
    EXPECT_EQ(ReadU32(buffer, 32), 0x00000300u);
    EXPECT_EQ(ReadU32(buffer, 36), 0x7FFF8000u);
    EXPECT_EQ(ReadU32(buffer, 40), 44u);
    EXPECT_EQ(buffer[44], 0xEE);

    ASSERT_EQ(Host().Calls().size(), 5u);
    for (const workbench::ServiceCall& call : Host().Calls()) {
        EXPECT_STREQ(call.service, "FX_LoadEData");
        EXPECT_EQ(call.key.Number(0), kMinusTwo);
        EXPECT_EQ(call.key.Number(1), 0u);
        EXPECT_EQ(call.size, 12);
        EXPECT_EQ(call.version, 0x0F000200u);
    }
    EXPECT_EQ(CallsTo("FX_LoadEData", Ot("45")), 1);
    EXPECT_EQ(CallsTo("FX_LoadEData", kPianoBrace), 0);
}

TEST_F(RecordTranslation, PageFormatOfTheScoreIsAStructureOfAPartARun)
{
    PutOther(Ot("14"), kMinusTwo, 0, {0x0001, 0x0200, 0x0003, 0x0004, 0, 0});
    PutOther(Ot("17"), kMinusTwo, 0, {0x0170, 0x0171, 0x0172, 0x0173, 0x0174, 0});
    unsigned char buffer[48];
    Key score(0);
    long size = 48;
    EXPECT_EQ(FX_LoadEData(kPageFormat, score.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 48);
    EXPECT_EQ(ReadU32(buffer, 0), 0x00010200u);
    EXPECT_EQ(ReadU16(buffer, 4), 0x0003u);
    EXPECT_EQ(ReadU16(buffer, 30), 0x0173u);
    EXPECT_EQ(ReadU16(buffer, 32), 0x0172u);
    EXPECT_EQ(ReadU16(buffer, 34), 0x0170u);
    EXPECT_EQ(ReadU16(buffer, 42), 0u);  // ot39 is missing: its fields read zero
    EXPECT_EQ(CallsTo("FX_LoadEData"), 9);
    EXPECT_EQ(CallsTo("FX_LoadEData", Ot("17")), 1);

    Host().ClearCalls();
    for (unsigned incident = 0; incident < 4; ++incident) {
        PutOther(Ot("77"), kMinusTwo, incident, {incident, 1, 2, 3, 4, 0x7700 + incident});
    }
    std::memset(buffer, 0xEE, sizeof buffer);
    Key part(1);
    size = 48;
    EXPECT_EQ(FX_LoadEData(kPageFormat, part.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 48);
    EXPECT_EQ(ReadU16(buffer, 0), 0u);
    EXPECT_EQ(ReadU16(buffer, 10), 0x7700u);
    EXPECT_EQ(ReadU16(buffer, 12), 1u);
    EXPECT_EQ(ReadU16(buffer, 46), 0x7703u);
    ASSERT_EQ(Host().Calls().size(), 4u);
    EXPECT_EQ(Host().Calls()[3].key.Number(0), kMinusTwo);
    EXPECT_EQ(Host().Calls()[3].key.Number(1), 3u);

    // Any other comparator is the host's own record.
    Host().ClearCalls();
    _store->Put(kPageFormat, RecordKey::FromNumbers(2), Bytes(48, 0x42));
    Key other(2);
    size = 48;
    EXPECT_EQ(FX_LoadEData(kPageFormat, other.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[47], 0x42);
    ASSERT_EQ(Host().Calls().size(), 1u);
    EXPECT_EQ(Host().Calls()[0].tag, kPageFormat);
}

TEST_F(RecordTranslation, ConvertedFieldsLoadAsTheirStructuresHoldThem)
{
    PutOther(Ot("36"), kMinusTwo, 0, {0, 0, 0, 0, 0, 0});
    PutOther(Ot("12"), kMinusTwo, 1, {0x1280, 0xFF7F, 0, 0, 0, 0});
    PutOther(Ot("41"), kMinusTwo, 1, {0, 0, 0, 0xFFFF, 0xFFFC, 0x4141});
    unsigned char misc[104];
    Key key(0);
    long size = 104;
    EXPECT_EQ(FX_LoadEData(kMiscDoc, key.bytes, misc, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU16(misc, 12), 1u);
    EXPECT_EQ(ReadU16(misc, 10), 0x0080u);
    EXPECT_EQ(ReadU16(misc, 14), 0x007Fu);
    EXPECT_EQ(ReadS32(misc, 96), -4L);
    EXPECT_EQ(ReadU16(misc, 102), 0x4141u);

    PutOther(Ot("36"), kMinusTwo, 0, {0, 5, 0, 0, 0, 0});
    EXPECT_EQ(FX_LoadEData(kMiscDoc, key.bytes, misc, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU16(misc, 12), 0u);

    // A font of the smart shapes lives under comparator 12, not -2.
    Host().ClearCalls();
    PutOther(Ot("FI"), 12, 0, {0x0001, 0x0002, 0, 0, 0, 0x0099});
    PutOther(Ot("12"), kMinusTwo, 0, {0, 0, 0, 0, 0, 0xAB12});
    unsigned char shapes[96];
    size = 96;
    EXPECT_EQ(FX_LoadEData(kSmartShape, key.bytes, shapes, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU32(shapes, 16), 0x00010002u);
    EXPECT_EQ(ReadU16(shapes, 26), 0x0099u);
    EXPECT_EQ(ReadU16(shapes, 28), 0x0012u);
    EXPECT_EQ(CallsTo("FX_LoadEData", Ot("FI")), 2);  // comparators 12 and 11

    PutOther(Ot("77"), kMinusTwo, 7, {0, 0, 0, 0, 0x0747, 0});
    PutOther(Ot("77"), kMinusTwo, 8, {0x0842, 0, 0, 0, 0, 0});
    unsigned char extract[50];
    size = 50;
    EXPECT_EQ(FX_LoadEData(kExtract, key.bytes, extract, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU16(extract, 46), 0x0747u);
    EXPECT_EQ(ReadU16(extract, 42), 0x0842u);
}

TEST_F(RecordTranslation, StructureLoadIntoASmallerBufferIsRefused)
{
    PutOther(Ot("45"), kMinusTwo, 0, {1, 2, 3, 4, 5, 6});
    unsigned char buffer[44];
    std::memset(buffer, 0xEE, sizeof buffer);
    Key key(0);
    long size = 43;
    EXPECT_EQ(FX_LoadEData(kPianoBrace, key.bytes, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(size, 43);
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(buffer[43], 0xEE);
    EXPECT_TRUE(Host().Calls().empty());

    size = 44;
    EXPECT_EQ(FX_LoadEData(kPianoBrace, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU32(buffer, 0), 0x00010002u);
}

TEST_F(RecordTranslation, StructureSaveWritesOnlyTheOtherRecordsThatChanged)
{
    PutOther(Ot("45"), kMinusTwo, 0, {0x0001, 0x0002, 0x0003, 0x0004, 0xFFFF, 0xFFFE});
    PutOther(Ot("60"), kMinusTwo, 0, {1, 1, 1, 1, 1, 1});
    PutOther(Ot("61"), kMinusTwo, 0, {2, 2, 2, 2, 2, 2});
    PutOther(Ot("64"), kMinusTwo, 0, {3, 3, 3, 3, 3, 3});
    PutOther(Ot("65"), kMinusTwo, 0, {4, 4, 4, 4, 4, 4});
    unsigned char buffer[44];
    Key key(0);
    long size = 44;
    ASSERT_EQ(FX_LoadEData(kPianoBrace, key.bytes, buffer, &size, 0x0F000200), 1);

    Host().ClearCalls();
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, buffer, 44, 0x0F000200), 1);
    EXPECT_EQ(CallsTo("FX_LoadEData"), 5);
    EXPECT_EQ(CallsTo("FX_LoadEData", Ot("61")), 1);
    EXPECT_EQ(CallsTo("FX_SaveEData"), 0);

    Host().ClearCalls();
    WriteU32(buffer, 36, 0x12345678);
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, buffer, 44, 0x0F000200), 1);
    ASSERT_EQ(CallsTo("FX_SaveEData"), 1);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("64")), 1);
    EXPECT_EQ(Host().Calls().back().size, 12);
    EXPECT_EQ(Host().Calls().back().version, 0x0F000200u);
    EXPECT_EQ(Host().Calls().back().key.Number(0), kMinusTwo);
    EXPECT_EQ(StoredWord(Ot("64"), kMinusTwo, 0, 0), 0x1234);
    EXPECT_EQ(StoredWord(Ot("64"), kMinusTwo, 0, 1), 0x5678);
    EXPECT_EQ(StoredWord(Ot("64"), kMinusTwo, 0, 2), 3);
    EXPECT_EQ(StoredWord(Ot("45"), kMinusTwo, 0, 4), 0xFFFF);
}

TEST_F(RecordTranslation, ConvertedFieldsSaveBackIntoTheirWords)
{
    PutOther(Ot("36"), kMinusTwo, 0, {0, 1, 0, 0, 0, 0});
    PutOther(Ot("12"), kMinusTwo, 1, {0x0080, 0x0010, 0, 0, 0, 0});
    unsigned char misc[104];
    Key key(0);
    long size = 104;
    ASSERT_EQ(FX_LoadEData(kMiscDoc, key.bytes, misc, &size, 0x0F000200), 1);
    ASSERT_EQ(ReadU16(misc, 10), 0x0080u);

    // A low byte of 0x80 saved unchanged leaves its word as it was.
    EXPECT_EQ(FX_SaveEData(kMiscDoc, key.bytes, misc, 104, 0x0F000200), 1);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("12")), 0);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("36")), 0);

    WriteU16(misc, 12, 1);        // inverted flag: the word becomes 0
    WriteU16(misc, 14, 0x1234);   // only the low byte is kept
    EXPECT_EQ(FX_SaveEData(kMiscDoc, key.bytes, misc, 104, 0x0F000200), 1);
    EXPECT_EQ(StoredWord(Ot("36"), kMinusTwo, 0, 1), 0);
    EXPECT_EQ(StoredWord(Ot("12"), kMinusTwo, 1, 0), 0x0080);
    EXPECT_EQ(StoredWord(Ot("12"), kMinusTwo, 1, 1), 0x0034);

    WriteU16(misc, 12, 0);
    EXPECT_EQ(FX_SaveEData(kMiscDoc, key.bytes, misc, 104, 0x0F000200), 1);
    EXPECT_EQ(StoredWord(Ot("36"), kMinusTwo, 0, 1), 1);
}

TEST_F(RecordTranslation, StructureSaveRefusesShortBuffersAndSkipsOldCallers)
{
    unsigned char buffer[44] = {};
    Key key(0);
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, nullptr, 44, 0x0F000200), 0);
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, buffer, 22, 0x0F000200), 0);
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, buffer, 43, 0x0F000200), 0);
    EXPECT_TRUE(Host().Calls().empty());

    // Callers of versions before 0x08000000 save the preference record as is.
    EXPECT_EQ(FX_SaveEData(kPianoBrace, key.bytes, buffer, 44, 0x07FFFFFF), 1);
    ASSERT_EQ(Host().Calls().size(), 1u);
    EXPECT_EQ(Host().Calls()[0].tag, kPianoBrace);
    EXPECT_EQ(Host().Calls()[0].version, 0x07FFFFFFu);
    EXPECT_NE(_store->Find(kPianoBrace, RecordKey::FromNumbers(0)), nullptr);
}

TEST_F(RecordTranslation, StructureSaveCreatesAMissingOtherRecordFromItsFieldsAlone)
{
    PutOther(Ot("36"), kMinusTwo, 0, {0x3600, 0x3601, 0x3602, 0x3603, 0x3604, 0x3605});
    unsigned char playback[14] = {};
    WriteU16(playback, 6, 0x0037);  // ot37 word 0
    WriteU16(playback, 2, 0x3600);  // as stored
    WriteU16(playback, 4, 0x3602);
    Key key(0);
    EXPECT_EQ(FX_SaveEData(kPlayback, key.bytes, playback, 14, 0x0F000200), 1);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("36")), 0);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("37")), 1);
    EXPECT_EQ(StoredWord(Ot("37"), kMinusTwo, 0, 0), 0x0037);
    for (int word = 1; word < 6; ++word) {
        EXPECT_EQ(StoredWord(Ot("37"), kMinusTwo, 0, word), 0);
    }
}

TEST_F(RecordTranslation, RunsLoadAndSaveConsecutiveOtherRecords)
{
    PutOther(Ot("40"), kMinusTwo, 0, {0x4000, 1, 2, 3, 4, 5});
    PutOther(Ot("40"), kMinusTwo, 4, {0x4004, 1, 2, 3, 4, 5});
    unsigned char buffer[12];
    Key first(1);
    long size = 12;
    EXPECT_EQ(FX_LoadEData(kStaffNames, first.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU16(buffer, 0), 0x4000u);
    Key fifth(5);
    EXPECT_EQ(FX_LoadEData(kStaffNames, fifth.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(ReadU16(buffer, 0), 0x4004u);
    EXPECT_EQ(Host().Calls().back().key.Number(1), 4u);

    Host().ClearCalls();
    _store->Put(kStaffNames, RecordKey::FromNumbers(129), Bytes(12, 0x29));
    Key beyond(129);
    EXPECT_EQ(FX_LoadEData(kStaffNames, beyond.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[11], 0x29);
    ASSERT_EQ(Host().Calls().size(), 1u);
    EXPECT_EQ(Host().Calls()[0].tag, kStaffNames);

    // A buffer one record short of the run is refused untouched.
    Host().ClearCalls();
    unsigned char run[132];
    std::memset(run, 0xEE, sizeof run);
    Key any(0);
    size = 121;
    EXPECT_EQ(FX_LoadEData(kGG, any.bytes, run, &size, 0x0F000200), 0);
    EXPECT_EQ(size, 121);
    EXPECT_EQ(run[0], 0xEE);
    EXPECT_TRUE(Host().Calls().empty());
    size = 132;
    EXPECT_EQ(FX_LoadEData(kGG, any.bytes, run, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 132);
    EXPECT_EQ(run[131], 0);  // the host has none of them: zeros
    EXPECT_EQ(CallsTo("FX_LoadEData", Ot("88")), 11);

    Host().ClearCalls();
    unsigned char pair[24];
    for (int i = 0; i < 24; ++i) {
        pair[i] = static_cast<unsigned char>(i);
    }
    EXPECT_EQ(FX_SaveEData(kMM, any.bytes, nullptr, 24, 0x0F000200), 0);
    EXPECT_EQ(FX_SaveEData(kMM, any.bytes, pair, 23, 0x0F000200), 0);
    EXPECT_TRUE(Host().Calls().empty());
    EXPECT_EQ(FX_SaveEData(kMM, any.bytes, pair, 24, 0x0F000200), 1);
    EXPECT_EQ(CallsTo("FX_SaveEData", Ot("25")), 2);
    EXPECT_EQ(StoredWord(Ot("25"), kMinusTwo, 0, 0), 0x0100);
    EXPECT_EQ(StoredWord(Ot("25"), kMinusTwo, 1, 0), 0x0D0C);
    EXPECT_EQ(StoredWord(Ot("25"), kMinusTwo, 1, 5), 0x1716);
}

TEST_F(RecordTranslation, PartlyFilledRecordsAreClearedWithinTheCallersSize)
{
    unsigned char buffer[120];
    std::memset(buffer, 0xEE, sizeof buffer);
    Key key(1);
    long size = 60;
    EXPECT_EQ(FX_LoadEData(kCleared48, key.bytes, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[47], 0);
    EXPECT_EQ(buffer[48], 0xEE);

    std::memset(buffer, 0xEE, sizeof buffer);
    size = 20;
    EXPECT_EQ(FX_LoadEData(kCleared48, key.bytes, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(buffer[19], 0);
    EXPECT_EQ(buffer[20], 0xEE);

    // The record is there: asked twice, never filled beyond the caller's size.
    Host().ClearCalls();
    _store->Put(kCleared108, RecordKey::FromNumbers(1), Bytes(116, 0x66));
    std::memset(buffer, 0xEE, sizeof buffer);
    size = 108;
    EXPECT_EQ(FX_LoadEData(kCleared108, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[107], 0x66);
    EXPECT_EQ(buffer[108], 0xEE);
    EXPECT_EQ(size, 116);
    ASSERT_EQ(CallsTo("FX_LoadEData", kCleared108), 2);
    EXPECT_EQ(Host().Calls()[1].size, 108);

    // Without a buffer there is nothing to clear.
    Host().ClearCalls();
    size = 0;
    EXPECT_EQ(FX_LoadEData(kCleared108, key.bytes, nullptr, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 116);
    EXPECT_EQ(CallsTo("FX_LoadEData"), 1);
}

TEST_F(RecordTranslation, MissingRecordIsAnsweredFromItsOtherRecord)
{
    unsigned char buffer[80];
    std::memset(buffer, 0xEE, sizeof buffer);
    Key key(5, 3);
    long size = 70;
    EXPECT_EQ(FX_LoadEData(kFallback, key.bytes, buffer, &size, 0x0F000200), 0);
    ASSERT_EQ(Host().Calls().size(), 2u);
    EXPECT_EQ(Host().Calls()[1].tag, kFallbackOther);
    EXPECT_EQ(Host().Calls()[1].key.Number(0), 5u);
    EXPECT_EQ(Host().Calls()[1].key.Number(1), 0u);
    EXPECT_EQ(Host().Calls()[1].size, 12);
    EXPECT_EQ(Host().Calls()[1].version, 0x0F000200u);
    EXPECT_EQ(buffer[0], 0xEE);

    PutOther(kFallbackOther, 5, 0, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(FX_LoadEData(kFallback, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[65], 0);
    EXPECT_EQ(buffer[66], 0xEE);
    std::memset(buffer, 0xEE, sizeof buffer);
    size = 40;
    EXPECT_EQ(FX_LoadEData(kFallback, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[39], 0);
    EXPECT_EQ(buffer[40], 0xEE);
    size = 0;
    EXPECT_EQ(FX_LoadEData(kFallback, key.bytes, nullptr, &size, 0x0F000200), 1);
    EXPECT_EQ(size, 66);

    // The host has it: its second answer is the result.
    Host().ClearCalls();
    _store->Put(kFallback, RecordKey::FromNumbers(5, 3), Bytes(72, 0x53));
    std::memset(buffer, 0xEE, sizeof buffer);
    size = 66;
    EXPECT_EQ(FX_LoadEData(kFallback, key.bytes, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[65], 0x53);
    EXPECT_EQ(buffer[66], 0xEE);
    EXPECT_EQ(size, 72);
    EXPECT_EQ(CallsTo("FX_LoadEData", kFallback), 2);
    EXPECT_EQ(CallsTo("FX_LoadEData", kFallbackOther), 0);
}

}  // namespace

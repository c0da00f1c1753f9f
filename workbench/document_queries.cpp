// Reading measures, regions, the staff order and staves back out of a
// document's records.
#include "workbench/document_queries.h"

#include <windows.h>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"

namespace workbench {

int MeasureCount(const Document& document)
{
    int count = 0;
    while (count < 0x7FFF &&
           document.records.Contains(measure_record::kTag, RecordKey::FromNumbers(static_cast<unsigned>(count + 1)))) {
        ++count;
    }
    return count;
}

namespace {

// A record's 16-bit field, or 0 when the record is too short to hold it.
unsigned Field(const Bytes& bytes, int offset)
{
    return bytes.size() >= static_cast<size_t>(offset) + 2 ? ReadU16(bytes.data(), offset) : 0;
}

const Bytes* SystemStaff(const Document& document, int inci)
{
    return document.records.Find(system_staff_record::kTag,
                                 RecordKey::FromNumbers(system_staff_record::kScoreList, static_cast<unsigned>(inci)));
}

}  // namespace

std::vector<int> StaffOrder(const Document& document)
{
    std::vector<int> staves;
    while (staves.size() < 0x7FFF) {
        const Bytes* record = SystemStaff(document, static_cast<int>(staves.size()));
        if (record == nullptr) {
            break;
        }
        staves.push_back(static_cast<int>(Field(*record, system_staff_record::kStaff)));
    }
    return staves;
}

int StaffInSlot(const Document& document, int slot)
{
    const Bytes* record = slot < 1 ? nullptr : SystemStaff(document, slot - 1);
    return record == nullptr ? 0 : static_cast<int>(Field(*record, system_staff_record::kStaff));
}

Region WholeRegion(const Document& document)
{
    Region whole{};
    int measures = MeasureCount(document);
    int slots = static_cast<int>(StaffOrder(document).size());
    if (slots == 0 || measures == 0) {
        return whole;
    }
    WriteU16(whole.data(), region_record::kStartSlot, 1);
    WriteU16(whole.data(), region_record::kStartMeasure, 1);
    WriteU16(whole.data(), region_record::kEndSlot, static_cast<unsigned>(slots));
    WriteU16(whole.data(), region_record::kEndMeasure, static_cast<unsigned>(measures));
    WriteU32(whole.data(), region_record::kEndPos, region_record::kEndOfMeasure);
    return whole;
}

bool IsEmptyRegion(const unsigned char* region)
{
    return ReadU16(region, region_record::kStartMeasure) == 0 && ReadU16(region, region_record::kEndMeasure) == 0;
}

bool IsRegionInDocument(const Document& document, const unsigned char* region)
{
    if (IsEmptyRegion(region)) {
        return true;
    }
    int slots = static_cast<int>(StaffOrder(document).size());
    int measures = MeasureCount(document);
    auto within = [](int value, int last) { return value >= 1 && value <= last; };
    return ReadU16(region, region_record::kStartList) == 0 && ReadU16(region, region_record::kEndList) == 0 &&
           within(ReadS16(region, region_record::kStartSlot), slots) && within(ReadS16(region, region_record::kEndSlot), slots) &&
           within(ReadS16(region, region_record::kStartMeasure), measures) &&
           within(ReadS16(region, region_record::kEndMeasure), measures);
}

int StaffAtPosition(const Document& document, const RecordKey& key)
{
    const int staff = key.Number(0);
    const int measure = key.Number(1);
    return SlotOfStaff(document, staff) != 0 && measure >= 1 && measure <= MeasureCount(document) ? staff : 0;
}

int SlotOfStaff(const Document& document, int staff)
{
    if (staff < 1) {
        return 0;  // a slot whose record names no staff is no staff's slot
    }
    const std::vector<int> order = StaffOrder(document);
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == staff) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

short FontNumber(const Document& document, const char* name)
{
    for (size_t i = 0; name != nullptr && i < document.fonts.size(); ++i) {
        if (!document.fonts[i].empty() && lstrcmpiA(document.fonts[i].c_str(), name) == 0) {
            return static_cast<short>(i + 1);
        }
    }
    return 0;
}

std::string RawText(const Document& document, unsigned long tag, unsigned number, bool* found)
{
    const Bytes* bytes = document.records.Find(tag, RecordKey::FromNumbers(number));
    *found = bytes != nullptr;
    if (bytes == nullptr) {
        return std::string();
    }
    std::string text;
    for (unsigned char byte : *bytes) {
        if (byte == 0) {
            break;
        }
        text += static_cast<char>(byte);
    }
    return text;
}

std::string TextOfBlock(const Document& document, unsigned block)
{
    const Bytes* record = document.records.Find(text_block::kTag, RecordKey::FromNumbers(block));
    if (record == nullptr) {
        return std::string();
    }
    bool found = false;
    return RawText(document, raw_text::kTagPrefix | Field(*record, text_block::kRawTextKind),
                   Field(*record, text_block::kRawTextNumber), &found);
}

StaffSummary DescribeStaff(const Document& document, int slot, unsigned long hostVersion)
{
    StaffSummary staff;
    if (slot < 1 || SystemStaff(document, slot - 1) == nullptr) {
        return staff;
    }
    staff.slot = slot;
    staff.number = StaffInSlot(document, slot);
    const unsigned item = static_cast<unsigned>(staff.number);
    const Bytes* record = document.records.Find(staff_record::kTag, RecordKey::FromNumbers(item));
    staff.hasRecord = record != nullptr;
    if (record == nullptr) {
        return staff;
    }
    unsigned flags = Field(*record, staff_record::kNotationFlags);
    staff.notation = (flags & staff_record::kPercussionNotation) != 0  ? "percussion"
                     : (flags & staff_record::kTablatureNotation) != 0 ? "tablature"
                                                                   : "standard";
    staff.transposition = static_cast<int>(Field(*record, staff_record::kTransposition));

    staff.name = TextOfBlock(document, Field(*record, staff_record::kFullNameTextBlock));

    unsigned tagLow = Field(*record, staff_record::kPercussionTagSuffix);
    unsigned percussionItem = Field(*record, staff_record::kPercussionItemNo);
    const Bytes* percussion =
        tagLow == 0 || percussionItem == 0
            ? nullptr
            : document.records.Find(percussion_staff::kTagHigh | tagLow, RecordKey::FromNumbers(percussionItem));
    if (percussion != nullptr) {
        staff.layout = static_cast<int>(Field(*percussion, percussion_staff::kLayout));
        staff.layoutName = RawText(document, layout_name::kTag, static_cast<unsigned>(staff.layout), &staff.layoutNamed);
        unsigned long noteTag = layout_note::TagFor(hostVersion);
        while (document.records.Contains(noteTag, RecordKey::FromNumbers(static_cast<unsigned>(staff.layout),
                                                                          static_cast<unsigned>(staff.layoutNotes)))) {
            ++staff.layoutNotes;
        }
    }

    if (const Bytes* definition = document.records.Find(instrument_def::kTag, RecordKey::FromNumbers(item))) {
        staff.hasInstrument = true;
        staff.midiMap = Field(*definition, instrument_def::kMidiMap);
    }
    return staff;
}

}  // namespace workbench

// Tags, sizes and byte offsets of the host records and service records that
// the workbench builds, reads and fills.
#pragma once

namespace workbench {

namespace staff_record {
constexpr unsigned long kTag = 0x534F4953;
constexpr int kSize = 114;
constexpr int kFlags = 10;            // notation style bits
constexpr int kTransposition = 20;
constexpr int kFullNameBlock = 30;    // text block holding the full name
constexpr int kPercussionTagLow = 90; // low half of the percussion record's tag
constexpr int kPercussionItem = 92;
constexpr unsigned kPercussionFlag = 0x2000;
constexpr unsigned kTablatureFlag = 0x0200;
}  // namespace staff_record

namespace text_block {
constexpr unsigned long kTag = 0x534F5458;
constexpr int kSize = 26;
constexpr int kRawTextNumber = 0;
constexpr int kDefault8 = 8;          // 100 in every new block
constexpr int kFlags = 14;
constexpr int kRawTextKind = 24;      // low half of the raw text's tag
constexpr unsigned kDefault8Value = 100;
constexpr unsigned kNewBlockFlags = 0x1A08;
}  // namespace text_block

namespace raw_text {
constexpr unsigned long kTagHigh = 0x74780000;
constexpr unsigned kBlockKind = 0x626C;  // "tx" + "bl": texts of text blocks
}  // namespace raw_text

namespace measure_record {
constexpr unsigned long kTag = 0x534F4D53;
constexpr int kSize = 26;
constexpr int kKey = 2;
constexpr int kBeats = 4;
constexpr int kBeatDuration = 6;  // 1024 to a quarter note
}  // namespace measure_record

namespace percussion_staff {
constexpr unsigned long kTag = 0x6F744453;
constexpr unsigned long kTagHigh = 0x6F740000;
constexpr int kSize = 12;
constexpr int kLayout = 0;
}  // namespace percussion_staff

namespace instrument_def {
constexpr unsigned long kTag = 0x6F744F43;
constexpr int kSize = 12;
constexpr int kMidiMap = 6;  // 0: General MIDI
}  // namespace instrument_def

namespace layout_note {
constexpr unsigned long kTagBefore17 = 0x6F744469;
constexpr unsigned long kTagFrom17 = 0x4F024469;
constexpr unsigned long kFirstVersionOfNewTag = 0x11000000;
constexpr int kSize = 12;
constexpr int kTypeAndOrder = 0;  // type in bits 0-11, order number in 12-15
constexpr int kStaffPosition = 2;
constexpr unsigned long TagFor(unsigned long hostVersion)
{
    return hostVersion < kFirstVersionOfNewTag ? kTagBefore17 : kTagFrom17;
}
}  // namespace layout_note

namespace layout_name {
constexpr unsigned long kTag = 0x6F73444C;  // a raw text numbered by the layout
}  // namespace layout_name

// EREGION, the host's region record.
namespace region {
constexpr int kSize = 20;
constexpr int kStartList = 0;
constexpr int kStartSlot = 2;
constexpr int kStartMeasure = 4;
constexpr int kStartPosition = 6;
constexpr int kEndList = 10;
constexpr int kEndSlot = 12;
constexpr int kEndMeasure = 14;
constexpr int kEndPosition = 16;
constexpr unsigned long kMeasureEnd = 0x7FFFFFFF;
}  // namespace region

// The record FX_GetCurrentWindowInfo fills.
namespace window_info {
constexpr int kWindow = 260;
constexpr int kPageView = 268;
constexpr int kZoom = 270;
constexpr int kPage = 272;
}  // namespace window_info

// The record FinaleExtensionEnumerate fills.
namespace menu_entry {
constexpr int kSize = 196;
constexpr int kText = 0;
constexpr int kDescription = 64;
constexpr int kName = 128;
constexpr int kTextSize = 64;
}  // namespace menu_entry

// FinPathSpec2009.
constexpr int kPathRecordSize = 260;

}  // namespace workbench

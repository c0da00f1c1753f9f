// EREGION, the host's 20-byte region record, by byte offset: what
// FCMusicRegion reads and writes and the workbench host fills.
#pragma once

namespace region_record {
constexpr int kSize = 20;
constexpr int kStartList = 0;
constexpr int kStartSlot = 2;
constexpr int kStartMeasure = 4;
constexpr int kStartPos = 6;
constexpr int kEndList = 10;
constexpr int kEndSlot = 12;
constexpr int kEndMeasure = 14;
constexpr int kEndPos = 16;
constexpr long kEndOfMeasure = 0x7FFFFFFF;  // the end of a measure as a position
// A region's measures are the numbers of the host's measure records.
constexpr unsigned long kMeasureTag = 0x534F4D53;  // S, O, M, S
}  // namespace region_record

// The host's staff record by byte offset: what FCStaff reads and the
// workbench host builds.
#pragma once

namespace staff_record {
constexpr unsigned long kTag = 0x534F4953;  // S, O, I, S
// The staff as it stands at one position of one cell, in the same layout.
constexpr unsigned long kSpecTag = 0x534F5343;  // S, O, S, C
constexpr int kSize = 114;
constexpr int kNotationFlags = 10;
constexpr int kTransposition = 20;
constexpr int kIndependentFlags = 22;
constexpr int kFullNameTextBlock = 30;
constexpr int kAbbreviatedNameTextBlock = 32;
constexpr int kPercussionTagSuffix = 90;  // low half of the percussion record's tag
constexpr int kPercussionItemNo = 92;
constexpr unsigned kPercussionNotation = 0x2000;
constexpr unsigned kTablatureNotation = 0x0200;
constexpr unsigned kWideTransposition = 0x2000;  // in the transposition word
constexpr unsigned kIndependentKeys = 0x8000;     // cells may have keys of their own
}  // namespace staff_record

// Text blocks and raw texts by byte offset: what FCTextBlock reads and writes
// and the workbench host builds.
#pragma once

namespace text_block {
constexpr unsigned long kTag = 0x534F5458;  // S, O, T, X
constexpr int kSize = 26;
constexpr int kRawTextNumber = 0;
constexpr int kNewBlockValue = 8;
constexpr int kFlags = 14;
constexpr int kRawTextKind = 24;  // low half of the raw text's tag
constexpr unsigned kNewBlockValueDefault = 100;
constexpr unsigned kNewFlags = 0x1A08;
}  // namespace text_block

namespace raw_text {
constexpr unsigned long kTagPrefix = 0x74780000;  // t, x
constexpr unsigned kBlockKind = 0x626C;           // b, l: the texts of ordinary text blocks
}  // namespace raw_text

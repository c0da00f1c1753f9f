// The host's record of a cell's own key and time signature by byte offset:
// what FCIndependentCellDetail reads and the workbench host builds.
#pragma once

namespace independent_cell_detail {
constexpr unsigned long kTag = 0x6474464C;  // d, t, F, L
constexpr int kSize = 10;
constexpr int kKey = 0;
constexpr int kFlags = 8;
constexpr unsigned kHasKey = 0x0800;  // in the word at kFlags: the key at kKey is in effect
}  // namespace independent_cell_detail

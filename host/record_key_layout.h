// The host's 8-byte record key by byte offset: what the record services and
// the data records fill, and what the workbench host orders its records by.
#pragma once

namespace record_key {
constexpr int kSize = 8;
// 16-bit numbers at offsets 0, 2, 4 and 6, compared in that order.
constexpr int kNumbers = 4;
constexpr int NumberOffset(int index)
{
    return 2 * index;
}
constexpr int kComparator = NumberOffset(0);  // the first number; signed for preference records
constexpr int kIncident = NumberOffset(1);    // the second
}  // namespace record_key

// The host's group record and system staff record by byte offset: what
// FCGroup and FCSystemStaff read and write and the workbench host builds.
#pragma once

namespace group_record {
constexpr unsigned long kTag = 0x53444E47;  // S, D, N, G
constexpr int kSize = 32;
constexpr int kFirstStaff = 0;  // staff numbers
constexpr int kLastStaff = 2;
constexpr int kFullNameBlock = 4;  // text blocks holding the names
constexpr int kAbbreviatedNameBlock = 22;
// Hosts before 0x10000000 keep the record in their older version; the fields
// above sit at the same offsets in both.
constexpr unsigned long kFirstVersionOfNewLayout = 0x10000000;
constexpr unsigned long VersionFor(unsigned long hostVersion)
{
    return hostVersion < kFirstVersionOfNewLayout ? 0x09000000 : 0x0F000200;
}
}  // namespace group_record

// One entry of a staff order list: the list number is the comparison number,
// the position in the list the inci.
namespace system_staff_record {
constexpr unsigned long kTag = 0x534F4975;  // S, O, I, u
constexpr int kSize = 24;
constexpr int kStaff = 0;
constexpr unsigned kScoreList = 0;  // the score's staff order, top to bottom
}  // namespace system_staff_record

// The inspector window's control IDs and the note list's columns.
#pragma once

namespace control_id {
inline constexpr int kReport = 1;
inline constexpr int kClose = 2;
inline constexpr int kStaffLabel = 101;
inline constexpr int kStaffName = 102;
inline constexpr int kLayoutLabel = 103;
inline constexpr int kLayoutName = 104;
inline constexpr int kMapLabel = 105;
inline constexpr int kMapName = 106;
inline constexpr int kLayoutTotal = 108;
inline constexpr int kMapTotal = 110;
inline constexpr int kSortPopup = 112;
inline constexpr int kNoteList = 113;
}  // namespace control_id

inline constexpr int kValueFields[] = {control_id::kStaffName, control_id::kLayoutName, control_id::kMapName,
                                       control_id::kLayoutTotal, control_id::kMapTotal};

struct Column {
    const char* title;
    int width;
};
inline constexpr Column kColumns[] = {
    {"Name", 120}, {"Mapped MIDI", 80}, {"Staff Position", 80}, {"GM/Default", 80}};
inline constexpr int kColumnCount = 4;
// The sorting order that a click on each column's header chooses.
inline constexpr int kColumnSortingOrders[kColumnCount] = {1, 2, 3, 4};

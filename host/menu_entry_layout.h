// The menu entry record that FinaleExtensionEnumerate fills, by byte offset:
// what the plug-in writes and the workbench host reads.
#pragma once

namespace menu_entry {
constexpr int kSize = 196;  // at least: the host may pass a longer record
constexpr int kText = 0;
constexpr int kDescription = 64;
constexpr int kName = 128;
constexpr int kTextSize = 64;  // each text field, NUL-padded
constexpr int kFirstWord = 192;
constexpr int kSecondWord = 194;
}  // namespace menu_entry

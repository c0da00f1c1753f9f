// The host's frame of entries (EXTGF2005a) by byte offset, as far as the
// framework touches it: what CleanTGF reads and writes and the workbench
// host hands out.
#pragma once

namespace frame_record {
constexpr int kEntries = 14;      // pointer to the first entry
constexpr int kEntryCount = 18;   // signed 16-bit
}  // namespace frame_record
namespace frame_entry {
constexpr int kSize = 146;
constexpr int kFlags = 8;         // 32-bit
constexpr int kNoteCount = 14;    // signed 16-bit, 0 to 12
constexpr int kNotes = 16;        // 12 slots of 10 bytes
constexpr int kNoteSlots = 12;
constexpr int kNoteSlotSize = 10;
constexpr unsigned long kRestHasNoteRecord = 0x01000000;
}  // namespace frame_entry
namespace note_slot {
constexpr int kIdentifier = 4;    // signed 16-bit
constexpr int kFlags = 6;         // 32-bit; bits 16-20 repeat the identifier
constexpr unsigned long kIdentifierBits = 0x001F0000;
constexpr unsigned long kRestNote = 0x80000000;
}  // namespace note_slot

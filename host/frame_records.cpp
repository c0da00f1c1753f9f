// Frames of entries (EXTGF2005a): the counted load and free, and the cleaning
// that every frame gets before it goes back to the host.
#include <cstring>

#include "host/frame_layout.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"

long _LoadedTGFCounter = 0;
bool _CanAddNoteRecordToRests = true;

namespace {
unsigned char* NoteSlot(unsigned char* entry, int slot)
{
    return entry + frame_entry::kNotes + slot * frame_entry::kNoteSlotSize;
}

void CleanEntry(unsigned char* entry)
{
    const int stored = ReadS16(entry, frame_entry::kNoteCount);
    // A count outside the slots the entry has would reach past it; a
    // negative one uses no slot, but makes no rest of the entry either.
    int count = stored;
    if (count < 0) {
        count = 0;
    } else if (count > frame_entry::kNoteSlots) {
        count = frame_entry::kNoteSlots;
    }

    int highest = 0;
    for (int i = 0; i < count; ++i) {
        int id = ReadS16(NoteSlot(entry, i), note_slot::kIdentifier);
        if (id > highest) {
            highest = id;
        }
    }
    for (int i = 0; i < count; ++i) {
        int id = ReadS16(NoteSlot(entry, i), note_slot::kIdentifier);
        bool shared = false;
        for (int j = 0; j < count && !shared; ++j) {
            shared = j != i && ReadS16(NoteSlot(entry, j), note_slot::kIdentifier) == id;
        }
        if (id == 0 || shared) {
            ++highest;
            WriteU16(NoteSlot(entry, i), note_slot::kIdentifier, static_cast<unsigned>(highest));
        }
    }
    for (int i = 0; i < count; ++i) {
        unsigned char* slot = NoteSlot(entry, i);
        unsigned long id = ReadU16(slot, note_slot::kIdentifier) & 0x1F;
        unsigned long flags = ReadU32(slot, note_slot::kFlags);
        WriteU32(slot, note_slot::kFlags, (flags & ~note_slot::kIdentifierBits) | (id << 16));
    }
    for (int i = count; i < frame_entry::kNoteSlots; ++i) {
        std::memset(NoteSlot(entry, i), 0, frame_entry::kNoteSlotSize);
    }
    if (stored == 0 && _CanAddNoteRecordToRests) {
        WriteU32(entry, frame_entry::kFlags, ReadU32(entry, frame_entry::kFlags) | frame_entry::kRestHasNoteRecord);
        WriteU16(entry, frame_entry::kNoteCount, 1);
        WriteU32(NoteSlot(entry, 0), note_slot::kFlags, note_slot::kRestNote);
    }
}
}  // namespace

void CleanTGF(void* frame)
{
    int entries = ReadS16(frame, frame_record::kEntryCount);
    unsigned char* entry = reinterpret_cast<unsigned char*>(ReadU32(frame, frame_record::kEntries));
    if (entries <= 0 || entry == nullptr) {
        return;
    }
    for (int e = 0; e < entries; ++e) {
        CleanEntry(entry + e * frame_entry::kSize);
    }
}

void* WINAPI FX_LoadTGF(unsigned short instrumentList, short slot, short measure, short layer, short flags,
                        long version)
{
    static BoundService<void*(WINAPI*)(unsigned short, short, short, short, short, long)> service;
    ++_LoadedTGFCounter;
    auto proc = Bind(service, "FX_LoadTGF");
    return proc ? proc(instrumentList, slot, measure, layer, flags, version) : nullptr;
}

long WINAPI FX_FreeTGF(void* frame, long version)
{
    static BoundService<long(WINAPI*)(void*, long)> service;
    --_LoadedTGFCounter;
    auto proc = Bind(service, "FX_FreeTGF");
    return proc ? proc(frame, version) : 0;
}

int WINAPI FX_SaveTGF(void* frame, long version)
{
    static BoundService<short(WINAPI*)(void*, long)> service;
    CleanTGF(frame);
    auto proc = Bind(service, "FX_SaveTGF");
    return proc ? proc(frame, version) : 0;
}

int WINAPI FX_InsertEXENTRY(void* frame, short entry, short flags, long version)
{
    static BoundService<short(WINAPI*)(void*, short, short, long)> service;
    CleanTGF(frame);
    auto proc = Bind(service, "FX_InsertEXENTRY");
    return proc ? proc(frame, entry, flags, version) : 0;
}

int WINAPI FX_DeleteEXENTRY(void* frame, short entry, short flags, long version)
{
    static BoundService<short(WINAPI*)(void*, short, short, long)> service;
    CleanTGF(frame);
    auto proc = Bind(service, "FX_DeleteEXENTRY");
    return proc ? proc(frame, entry, flags, version) : 0;
}

int WINAPI FX_ReduceEntries(void* frame, long version)
{
    static BoundService<short(WINAPI*)(void*, long)> service;
    CleanTGF(frame);
    auto proc = Bind(service, "FX_ReduceEntries");
    return proc ? proc(frame, version) : 0;
}

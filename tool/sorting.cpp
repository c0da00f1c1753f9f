// The sorting orders of the note list.
#include "tool/sorting.h"

#include <cstring>

#include "tool/percussion_notes.h"

const char* const _SortingOrderDescriptions[kSortingOrderCount] = {
    "Percussion Layout Index", "Note Name", "Mapped MIDI Note", "Staff Position", "General MIDI Note",
};

FCGlobalUserSettings _GlobalUserSettings = {0};

namespace {
int Ascending(int a, int b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}
}  // namespace

int FCPercussionNoteListSorter::Compare(__FCBase* a, __FCBase* b)
{
    auto* first = static_cast<FCPercussionNoteInfo*>(a);
    auto* second = static_cast<FCPercussionNoteInfo*>(b);
    switch (_GlobalUserSettings.sortingOrder) {
    case 0:
        return Ascending(static_cast<short>(first->layoutIndex), static_cast<short>(second->layoutIndex));
    case 1:
        return std::strcmp(first->noteName.GetCString(), second->noteName.GetCString());
    case 2:
        // Unmapped notes (-1) go to the end.
        if (first->mappedMidiNote == -1 || second->mappedMidiNote == -1) {
            return (first->mappedMidiNote == -1 ? 1 : 0) - (second->mappedMidiNote == -1 ? 1 : 0);
        }
        return Ascending(first->mappedMidiNote, second->mappedMidiNote);
    case 3:
        return -Ascending(first->staffPosition, second->staffPosition);
    case 4:
        return Ascending(first->generalMidiNote, second->generalMidiNote);
    default:
        return 0;
    }
}

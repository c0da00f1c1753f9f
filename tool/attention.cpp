// The note lines that need attention, their colours and their explanations.
#include "tool/attention.h"

#include "tool/percussion_notes.h"
#include "tool/report.h"

namespace {

struct AttentionColours {
    int reason;
    COLORREF text;
    COLORREF background;
    // A selected line keeps its colour, darker, instead of the selection's.
    COLORREF selectedText;
    COLORREF selectedBackground;
};

// Strongest first.
constexpr AttentionColours kColours[] = {
    {kAttentionSharedNote, RGB(128, 0, 0), RGB(255, 214, 214), RGB(255, 255, 255), RGB(160, 0, 0)},
    {kAttentionUnmapped, RGB(64, 64, 64), RGB(224, 224, 224), RGB(255, 255, 255), RGB(96, 96, 96)},
    {kAttentionOffGeneralMidi, RGB(112, 72, 0), RGB(255, 236, 179), RGB(255, 255, 255), RGB(140, 90, 0)},
};

}  // namespace

int CalcNoteAttention(FCPercussionNoteInfos* notes, int index)
{
    FCPercussionNoteInfo* note = notes->GetItemAt(index);
    if (note == nullptr) {
        return 0;
    }
    if (note->mappedMidiNote == -1) {
        return kAttentionUnmapped;
    }
    int reasons = 0;
    for (int i = 0; i < notes->GetCount(); ++i) {
        FCPercussionNoteInfo* other = notes->GetItemAt(i);
        if (i != index && other != nullptr && other->mappedMidiNote == note->mappedMidiNote) {
            reasons |= kAttentionSharedNote;
        }
    }
    // Without a General MIDI note there is nothing to differ from.
    if (note->generalMidiNote != -1 && note->mappedMidiNote != note->generalMidiNote) {
        reasons |= kAttentionOffGeneralMidi;
    }
    return reasons;
}

bool GetAttentionColours(int reasons, bool selected, COLORREF* text, COLORREF* background)
{
    for (const AttentionColours& colours : kColours) {
        if ((reasons & colours.reason) != 0) {
            *text = selected ? colours.selectedText : colours.text;
            *background = selected ? colours.selectedBackground : colours.background;
            return true;
        }
    }
    return false;
}

void CreateAttentionText(FCPercussionNoteInfos* notes, int index, FCString* text)
{
    text->SetCString("");
    int reasons = CalcNoteAttention(notes, index);
    if (reasons == 0) {
        return;
    }
    FCPercussionNoteInfo* note = notes->GetItemAt(index);
    if ((reasons & kAttentionUnmapped) != 0) {
        text->Append("Not mapped: plays nothing");
        return;
    }
    if ((reasons & kAttentionSharedNote) != 0) {
        text->Append("Shares MIDI note ");
        AppendMidiNoteText(text, note->mappedMidiNote);
        const char* separator = " with ";
        for (int i = 0; i < notes->GetCount(); ++i) {
            FCPercussionNoteInfo* other = notes->GetItemAt(i);
            if (i != index && other != nullptr && other->mappedMidiNote == note->mappedMidiNote) {
                text->Append(separator);
                text->Append(&other->noteName);
                separator = ", ";
            }
        }
    }
    if ((reasons & kAttentionOffGeneralMidi) != 0) {
        if (text->GetLength() > 0) {
            text->Append("\r\n");
        }
        text->Append("Mapped to ");
        AppendMidiNoteText(text, note->mappedMidiNote);
        text->Append("; General MIDI: ");
        AppendMidiNoteText(text, note->generalMidiNote);
    }
}

// Why a note line of the report needs attention: a MIDI note that other lines
// share, no MIDI note at all, or a note other than the General MIDI one.
#pragma once

#include <windows.h>

class FCString;
class FCPercussionNoteInfos;

// Reasons, as bits; a note line may have two (shared and off General MIDI).
constexpr int kAttentionSharedNote = 1;
constexpr int kAttentionUnmapped = 2;
constexpr int kAttentionOffGeneralMidi = 4;

// The reasons of the note line at `index`; 0 when it needs no attention or
// there is no such line.
int CalcNoteAttention(FCPercussionNoteInfos* notes, int index);

// The colours a line is drawn in for its strongest reason (a shared note
// outranks the others); false, and nothing set, for a line without reasons.
bool GetAttentionColours(int reasons, bool selected, COLORREF* text, COLORREF* background);

// Sets `text` to the reasons of the line at `index`, strongest first, one per
// line; empty when there are none.
void CreateAttentionText(FCPercussionNoteInfos* notes, int index, FCString* text);

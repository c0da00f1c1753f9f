// The texts of the report's note list.
#pragma once

class FCString;

// A MIDI note as the report shows it: the number, then the host's name of
// the note, as in "38 ('D2')".
void AppendMidiNoteText(FCString* text, int note);

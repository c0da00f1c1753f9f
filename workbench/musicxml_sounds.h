// Which General MIDI percussion note a MusicXML instrument plays, from its
// standard sound ID and its name.
#pragma once

#include <string>

namespace workbench {

// The General MIDI note (35 to 81) of the instrument, or -1. A known sound
// ID decides, the name choosing among its notes (open or pedal hi-hat, high
// or floor tom); without a known sound ID the name alone decides.
long GeneralMidiNoteOf(const std::string& sound, const std::string& name);

}  // namespace workbench

// The services on notes: layers and MIDI note names.
#include <string>

#include "workbench/host_services.h"
#include "workbench/paths.h"
#include "workbench/workbench.h"

using workbench::Workbench;

extern "C" short WINAPI HostGetMaxLayers(long version)
{
    Workbench::Instance().Log("FX_GetMaxLayers", static_cast<unsigned long>(version));
    return 4;
}

// Names with sharps and octave numbers, middle C (60) being "C4".
extern "C" long WINAPI HostMidiNoteToString(short note, char* buffer, short size, short, long version)
{
    static const char* const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    Workbench::Instance().Log("FX_MidiNoteToString", static_cast<unsigned long>(version));
    if (note < 0 || note > 127) {
        workbench::CopyText(buffer, size, "");
        return 0;
    }
    std::string name = std::string(kNames[note % 12]) + std::to_string(note / 12 - 1);
    return workbench::CopyText(buffer, size, name) ? 1 : 0;
}

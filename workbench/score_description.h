// A score as a file describes it, in the terms a user thinks in: staves,
// percussion layouts, measures, selection, files, fonts, view, and raw
// records. Every document reader fills one; the record builder alone turns
// it into the host's records. `line` is where an entry was written, for
// messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/document.h"

namespace workbench {

enum class Notation { kStandard, kPercussion, kTablature };

struct StaffDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    std::optional<std::string> name;  // 8-bit host text, text tags included
    std::optional<std::string> abbreviatedName;
    Notation notation = Notation::kStandard;
    long layout = 0;  // 0: none
    long midiMap = 0;  // 0: General MIDI
    bool instrument = true;  // the staff has an instrument definition
    long interval = 0;
    long alteration = 0;
};

// A note type given by its sound instead of its number: the builder takes
// the note type table's type of the General MIDI note, or else makes a type
// of its own named `name`.
struct NoteSound {
    long generalMidi = -1;  // -1: none
    std::string name;  // 8-bit host text
};

struct LayoutNoteDescription {
    long type = 0;
    long order = 0;
    long position = 0;
    std::optional<NoteSound> sound;  // set: `type` and `order` come from it
    long midiNote = -1;  // for a made MIDI map; -1: unmapped
};

struct LayoutDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    std::optional<std::string> name;
    std::vector<LayoutNoteDescription> notes;
};

// `count` measures alike.
struct MeasureRun {
    long count = 1;
    long beats = 4;
    long beatDuration = 1024;
    unsigned keyWord = 0;
};

// A percussion MIDI map the workbench writes into a file of its own: note
// name list `name` maps the notes of layout `layout` to their MIDI notes.
struct MadeMidiMap {
    unsigned number = 0;
    std::string name;  // 8-bit host text
    long layout = 0;
};

struct RawRecord {
    int line = 0;
    unsigned long tag = 0;
    RecordKey key;
    Bytes bytes;
};

struct Range {
    long first = 0;
    long last = 0;
};

struct SelectionDescription {
    int line = 0;
    Range slots;
    Range measures;
};

struct ScoreDescription {
    std::string name;  // empty: the file's name
    std::string noteTypeFile;  // full Windows path; empty: the workbench's own
    std::vector<MidiMapFile> midiMaps;
    std::string madeMapModel;  // the device model of the made maps' file
    std::vector<MadeMidiMap> madeMidiMaps;
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]; empty: not given
    std::vector<MeasureRun> measures;
    std::vector<LayoutDescription> layouts;
    std::vector<StaffDescription> staves;  // in score order
    std::optional<SelectionDescription> selection;
    std::optional<DocumentView> view;
    std::vector<RawRecord> rawRecords;  // built last, over what the rest made
};

}  // namespace workbench

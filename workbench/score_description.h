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
    Notation notation = Notation::kStandard;
    long layout = 0;  // 0: none
    long midiMap = 0;  // 0: General MIDI
    bool instrument = true;  // the staff has an instrument definition
    long interval = 0;
    long alteration = 0;
};

struct LayoutNoteDescription {
    int line = 0;
    long type = 0;
    long order = 0;
    long position = 0;
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
    int noteTypeLine = 0;  // where <noteTypes> was written
    std::vector<MidiMapFile> midiMaps;
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]; empty: not given
    std::vector<MeasureRun> measures;
    std::vector<LayoutDescription> layouts;
    std::vector<StaffDescription> staves;  // in score order
    std::optional<SelectionDescription> selection;
    std::optional<DocumentView> view;
    std::vector<RawRecord> rawRecords;  // built last, over what the rest made
};

}  // namespace workbench

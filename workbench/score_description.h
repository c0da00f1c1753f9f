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

// The score's staff order, top to bottom: every staff once.
struct StaffOrderDescription {
    int line = 0;
    std::vector<long> staves;
};

struct GroupDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    long first = 0;  // staff numbers
    long last = 0;
    std::optional<std::string> name;  // 8-bit host texts, text tags included
    std::optional<std::string> abbreviation;
};

struct TextRepeatDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    std::optional<std::string> text;  // none: no text record
};

struct PlacedTextRepeatDescription {
    int line = 0;
    long measure = 0;
    long textRepeat = 0;  // the definition's number
};

struct PageTextDescription {
    int line = 0;
    long page = 1;
    std::string text;
};

struct ScoreDescription {
    std::string name;  // empty: the file's name
    std::string noteTypeFile;  // full Windows path; empty: the workbench's own
    std::vector<MidiMapFile> midiMaps;
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]; empty: not given
    std::vector<MeasureRun> measures;
    std::vector<LayoutDescription> layouts;
    std::vector<StaffDescription> staves;  // in score order
    std::optional<SelectionDescription> selection;
    std::optional<StaffOrderDescription> staffOrder;  // none: the staves in file order
    std::vector<GroupDescription> groups;
    std::vector<TextRepeatDescription> textRepeats;
    std::vector<PlacedTextRepeatDescription> placedTextRepeats;
    std::vector<PageTextDescription> pageTexts;
    std::optional<DocumentView> view;
    std::vector<RawRecord> rawRecords;  // built last, over what the rest made
};

}  // namespace workbench

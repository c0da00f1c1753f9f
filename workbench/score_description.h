// A score as a file describes it, in the terms a user thinks in: staves,
// percussion layouts, measures, selection, files, fonts, view, and raw
// records. Every document reader fills one; the record builder alone turns
// it into the host's records. `line` is where an entry was written, for
// messages.
#pragma once

#include <map>
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
    bool independentKeys = false;  // cells may have keys of their own
};

// A note type given by its sound instead of its number: the builder takes
// the note type table's type of the General MIDI note, or else makes a type
// of its own named `name`.
struct NoteSound {
    long generalMidi = -1;  // -1: none
    std::string name;  // 8-bit host text
};

struct LayoutNoteDescription {
    int line = 0;
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

// `count` measures alike. Styles, states and modes are the codes of the
// measure record (measure_words.h names them).
struct MeasureRun {
    long count = 1;
    long beats = 4;
    long beatDuration = 1024;
    unsigned keyWord = 0;
    long displayBeats = 0;  // the time signature shown; 0: none given
    long displayBeatDuration = 0;
    int barline = 0;
    int leftBarline = 0;
    int showKey = 0;
    int showTime = 0;
    int positioning = 1;
    bool fullNames = false;
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

// Staves in measures: a key of their own, and their music by layer.
struct CellDescription {
    int line = 0;
    long staff = 0;
    Range measures;
    std::optional<unsigned> keyWord;
    std::map<int, std::vector<long>> layers;  // entry durations by 0-based layer
};

struct SelectionDescription {
    int line = 0;
    Range slots;
    Range measures;
};

// A font of a record by the name of a <font>, with size and effect bits.
struct FontSetting {
    std::string name;
    long size = 12;
    long effects = 0;
};

// How measure numbers look in the score or in the parts. An empty enclosure
// is twelve zero bytes.
struct NumberFormatting {
    std::optional<FontSetting> startFont;
    std::optional<FontSetting> multipleFont;
    std::optional<FontSetting> multiMeasureFont;
    Bytes startEnclosure;
    Bytes multipleEnclosure;
    long startPosition = 0;
    long multiplePosition = 0;
    bool onSystemStart = false;
    bool multiples = false;
    bool hideFirst = false;
    bool multiMeasureRanges = false;
    bool topStaff = false;
    bool bottomStaff = false;
};

struct MeasureNumberRegionDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    Range measures;
    long startNumber = 1;
    long startChar = '0';
    long base = 10;
    bool doubleUp = false;
    bool countFromOne = true;
    bool noZero = false;
    std::string prefix;  // 8-bit host texts of up to 23 characters
    std::string suffix;
    long id = 0;  // 0: the region's number
    bool partsUseScore = true;
    NumberFormatting score;
    std::optional<NumberFormatting> parts;  // none: the score's
};

struct CategoryDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    std::optional<FontSetting> font;
    long alignment = 0;
    long horizontalOffset = 0;
    long verticalOffset = 0;
};

struct TextExpressionDescription {
    int line = 0;
    long number = 0;  // 0: the next after the highest so far
    std::string text;  // 8-bit host text, text tags included
    std::string description;
    long category = 0;  // 0: none
    unsigned rehearsalMark = 0;  // the style, 1 to 6; 0: no rehearsal mark
    Bytes enclosure;  // empty: none
};

// An expression placed in a measure: a text expression, or (shape) something
// that is none.
struct PlacedExpressionDescription {
    int line = 0;
    long measure = 0;
    long definition = 0;
    bool shape = false;
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
    int noteTypeLine = 0;  // where <noteTypes> was written
    std::vector<MidiMapFile> midiMaps;
    std::string madeMapModel;  // the device model of the made maps' file
    std::vector<MadeMidiMap> madeMidiMaps;
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]; empty: not given
    std::vector<MeasureRun> measures;
    std::vector<LayoutDescription> layouts;
    std::vector<StaffDescription> staves;  // in score order
    std::vector<CellDescription> cells;
    std::optional<SelectionDescription> selection;
    std::optional<StaffOrderDescription> staffOrder;  // none: the staves in file order
    std::vector<GroupDescription> groups;
    std::vector<TextRepeatDescription> textRepeats;
    std::vector<PlacedTextRepeatDescription> placedTextRepeats;
    std::vector<PageTextDescription> pageTexts;
    std::optional<DocumentView> view;
    std::vector<MeasureNumberRegionDescription> measureNumberRegions;
    std::vector<CategoryDescription> categories;
    std::vector<TextExpressionDescription> textExpressions;
    std::vector<PlacedExpressionDescription> expressions;
    std::vector<RawRecord> rawRecords;  // built last, over what the rest made
    std::vector<LinkedPart> parts;  // in the file's order
};

}  // namespace workbench

// What the MusicXML reader gathers of one part before the part becomes a
// staff: its names, instruments, measures and the notes its instruments play.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <tinyxml2.h>

#include "workbench/score_description.h"
#include "workbench/xml_element_reader.h"

namespace workbench {

struct MusicXmlInstrument {
    std::string id;
    std::string name;  // host text
    std::string sound;  // the standard sound ID; empty: none
    long midiNote = -1;  // -1: none
};

// A note as played: its instrument's ID (empty: none given) and its staff
// position, steps above the middle line.
struct MusicXmlNote {
    std::string instrument;
    long position = 0;
};

struct MusicXmlPart {
    int line = 0;  // of its <score-part>
    std::string id;
    std::string name;  // host texts
    std::string abbreviation;
    std::vector<MusicXmlInstrument> instruments;  // as declared
    // Each measure's content: a <measure> of the part in a partwise score,
    // the part's <part> inside a <measure> in a timewise one.
    std::vector<const tinyxml2::XMLElement*> measures;

    // Read from the measures.
    bool percussion = false;  // unpitched notes or a percussion clef
    bool tablature = false;
    bool transposes = false;
    std::vector<MusicXmlNote> notes;
    std::vector<MeasureRun> runs;  // time and key signatures, measure by measure
};

// Reads the measures of the part: signatures, clefs and notes.
bool ReadPartMeasures(ElementReader& reader, MusicXmlPart* part);

// The element's text as a whole number from min to max.
bool ReadWholeText(ElementReader& reader, const tinyxml2::XMLElement* element, long min, long max, long* value);

}  // namespace workbench

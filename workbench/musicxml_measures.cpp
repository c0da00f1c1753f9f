// Reading the measures of a MusicXML part: time and key signatures, clefs,
// and where each instrument's notes sit on the staff.
#include <cstring>
#include <string>

#include "workbench/musicxml_part.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;

constexpr long kStepsPerOctave = 7;

// What the measures carry from one to the next.
struct PartState {
    MeasureRun run;  // count 1
    long middleLine = 4 * kStepsPerOctave + 6;  // B4, as in the treble and the percussion clef
};

// The parent's step letter and octave (<step> and <octave>, or their
// display- forms) as steps from C0.
bool ReadStepAndOctave(ElementReader& reader, const XMLElement* parent, const char* stepName,
                       const char* octaveName, long* steps)
{
    static const char kSteps[] = "CDEFGAB";
    const XMLElement* step = parent->FirstChildElement(stepName);
    const XMLElement* octave = parent->FirstChildElement(octaveName);
    if (step == nullptr || octave == nullptr) {
        return reader.Fail(parent, "needs both <" + std::string(stepName) + "> and <" + octaveName + ">");
    }
    const char* letter = step->GetText() == nullptr ? "" : step->GetText();
    const char* at = letter[0] != '\0' && letter[1] == '\0' ? std::strchr(kSteps, letter[0]) : nullptr;
    if (at == nullptr) {
        return reader.Fail(step, "holds \"" + std::string(letter) + "\", not a step from A to G");
    }
    long number = 0;
    if (!ReadWholeText(reader, octave, 0, 9, &number)) {
        return false;
    }
    *steps = number * kStepsPerOctave + (at - kSteps);
    return true;
}

// A clef of the part's first staff moves the middle line: the line the
// clef's sign sits on (counted from the bottom) holds G4, F3 or C4.
bool ReadClef(ElementReader& reader, const XMLElement* clef, PartState* state, MusicXmlPart* part)
{
    const char* number = clef->Attribute("number");
    if (number != nullptr && std::strcmp(number, "1") != 0) {
        return true;
    }
    const XMLElement* signElement = clef->FirstChildElement("sign");
    const char* sign = signElement == nullptr || signElement->GetText() == nullptr ? "" : signElement->GetText();
    struct Sign {
        const char* name;
        long line;
        long steps;  // of the note on that line
    };
    static const Sign kSigns[] = {{"G", 2, 4 * kStepsPerOctave + 4}, {"F", 4, 3 * kStepsPerOctave + 3},
                                  {"C", 3, 4 * kStepsPerOctave}};
    part->percussion = part->percussion || std::strcmp(sign, "percussion") == 0;
    part->tablature = part->tablature || std::strcmp(sign, "TAB") == 0;
    state->middleLine = 4 * kStepsPerOctave + 6;
    for (const Sign& known : kSigns) {
        if (std::strcmp(sign, known.name) == 0) {
            long line = known.line;
            const XMLElement* lineElement = clef->FirstChildElement("line");
            if (lineElement != nullptr && !ReadWholeText(reader, lineElement, 1, 5, &line)) {
                return false;
            }
            state->middleLine = known.steps + (3 - line) * 2;
        }
    }
    return true;
}

// "3", or "3+2" for beats grouped.
bool ReadBeats(ElementReader& reader, const XMLElement* beats, long* total)
{
    std::string text = beats->GetText() == nullptr ? "" : beats->GetText();
    *total = 0;
    size_t at = 0;
    while (true) {
        size_t plus = text.find('+', at);
        long part = 0;
        if (!ParseNumber(text.substr(at, plus == std::string::npos ? std::string::npos : plus - at).c_str(), &part) ||
            part < 1 || (*total += part) > 128) {
            return reader.Fail(beats, "holds \"" + text + "\", not a number of beats from 1 to 128");
        }
        if (plus == std::string::npos) {
            return true;
        }
        at = plus + 1;
    }
}

bool ReadAttributes(ElementReader& reader, const XMLElement* attributes, PartState* state, MusicXmlPart* part)
{
    MeasureRun& run = state->run;
    if (const XMLElement* key = attributes->FirstChildElement("key")) {
        if (const XMLElement* fifths = key->FirstChildElement("fifths")) {
            long sharps = 0;
            if (!ReadWholeText(reader, fifths, -7, 7, &sharps)) {
                return false;
            }
            const XMLElement* mode = key->FirstChildElement("mode");
            bool minor = mode != nullptr && mode->GetText() != nullptr && std::strcmp(mode->GetText(), "minor") == 0;
            run.keyWord = (minor ? 0x100u : 0u) | (static_cast<unsigned>(sharps) & 0xFF);
        }
    }
    if (const XMLElement* time = attributes->FirstChildElement("time")) {
        const XMLElement* beats = time->FirstChildElement("beats");
        const XMLElement* type = time->FirstChildElement("beat-type");
        long unit = 4;
        if (beats != nullptr && type != nullptr) {
            if (!ReadBeats(reader, beats, &run.beats) || !ReadWholeText(reader, type, 1, 64, &unit)) {
                return false;
            }
            if ((unit & (unit - 1)) != 0) {
                return reader.Fail(type, "holds " + std::to_string(unit) + ", not a power of two");
            }
            run.beatDuration = 4096 / unit;  // a whole note is 4096 units
        }
    }
    for (const XMLElement* clef = attributes->FirstChildElement("clef"); clef != nullptr;
         clef = clef->NextSiblingElement("clef")) {
        if (!ReadClef(reader, clef, state, part)) {
            return false;
        }
    }
    part->transposes = part->transposes || attributes->FirstChildElement("transpose") != nullptr;
    return true;
}

// Unpitched notes sit where their display step and octave say, on the
// middle line without them; pitched notes where their pitch is written.
bool ReadNote(ElementReader& reader, const XMLElement* note, const PartState& state, MusicXmlPart* part)
{
    if (note->FirstChildElement("rest") != nullptr) {
        return true;
    }
    MusicXmlNote played;
    long steps = state.middleLine;
    if (const XMLElement* unpitched = note->FirstChildElement("unpitched")) {
        part->percussion = true;
        if (unpitched->FirstChildElement() != nullptr &&
            !ReadStepAndOctave(reader, unpitched, "display-step", "display-octave", &steps)) {
            return false;
        }
    } else if (const XMLElement* pitch = note->FirstChildElement("pitch")) {
        if (!ReadStepAndOctave(reader, pitch, "step", "octave", &steps)) {
            return false;
        }
    } else {
        return true;
    }
    played.position = steps - state.middleLine;
    if (const XMLElement* instrument = note->FirstChildElement("instrument")) {
        const char* id = instrument->Attribute("id");
        played.instrument = id == nullptr ? "" : id;
    }
    part->notes.push_back(played);
    return true;
}

}  // namespace

bool ReadWholeText(ElementReader& reader, const XMLElement* element, long min, long max, long* value)
{
    std::string text = element->GetText() == nullptr ? "" : element->GetText();
    size_t first = text.find_first_not_of(" \t\r\n");
    size_t last = text.find_last_not_of(" \t\r\n");
    std::string trimmed = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    long parsed = 0;
    if (!ParseNumber(trimmed.c_str(), &parsed) || parsed < min || parsed > max) {
        return reader.Fail(element, "holds \"" + trimmed + "\", not a whole number from " + std::to_string(min) +
                                        " to " + std::to_string(max));
    }
    *value = parsed;
    return true;
}

bool ReadPartMeasures(ElementReader& reader, MusicXmlPart* part)
{
    PartState state;
    for (const XMLElement* measure : part->measures) {
        for (const XMLElement* child = measure->FirstChildElement(); child != nullptr;
             child = child->NextSiblingElement()) {
            bool ok = std::strcmp(child->Name(), "attributes") == 0 ? ReadAttributes(reader, child, &state, part)
                      : std::strcmp(child->Name(), "note") == 0     ? ReadNote(reader, child, state, part)
                                                                    : true;
            if (!ok) {
                return false;
            }
        }
        const MeasureRun* last = part->runs.empty() ? nullptr : &part->runs.back();
        if (last != nullptr && last->beats == state.run.beats && last->beatDuration == state.run.beatDuration &&
            last->keyWord == state.run.keyWord) {
            ++part->runs.back().count;
        } else {
            part->runs.push_back(state.run);
        }
    }
    return true;
}

}  // namespace workbench

// MusicXML read into a score description. The part list gives the parts,
// their names and instruments; each part's measures give its notes; a part
// with unpitched notes or a percussion clef becomes a percussion staff with a
// layout of one note per instrument and, when its instruments name MIDI
// notes, a MIDI map of its own. README.md tells the conventions.
#include "workbench/musicxml_reader.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "workbench/musicxml_part.h"
#include "workbench/musicxml_sounds.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;

constexpr long kMostMeasures = 32767;

std::string HostTextOf(const XMLElement* element)
{
    bool lossy = false;
    return element == nullptr ? std::string() : ToHostText(element->GetText(), &lossy);
}

MusicXmlPart* FindPart(std::vector<MusicXmlPart>& parts, const char* id)
{
    for (MusicXmlPart& part : parts) {
        if (id != nullptr && part.id == id) {
            return &part;
        }
    }
    return nullptr;
}

bool ReadInstruments(ElementReader& reader, const XMLElement* scorePart, MusicXmlPart* part)
{
    for (const XMLElement* element = scorePart->FirstChildElement("score-instrument"); element != nullptr;
         element = element->NextSiblingElement("score-instrument")) {
        MusicXmlInstrument instrument;
        const char* id = nullptr;
        if (!reader.Required(element, "id", &id)) {
            return false;
        }
        instrument.id = id;
        instrument.name = HostTextOf(element->FirstChildElement("instrument-name"));
        instrument.name = instrument.name.empty() ? instrument.id : instrument.name;
        const XMLElement* sound = element->FirstChildElement("instrument-sound");
        instrument.sound = sound == nullptr || sound->GetText() == nullptr ? "" : sound->GetText();
        part->instruments.push_back(instrument);
    }
    for (const XMLElement* element = scorePart->FirstChildElement("midi-instrument"); element != nullptr;
         element = element->NextSiblingElement("midi-instrument")) {
        const XMLElement* unpitched = element->FirstChildElement("midi-unpitched");
        long number = 0;
        if (unpitched == nullptr) {
            continue;
        }
        if (!ReadWholeText(reader, unpitched, 1, 128, &number)) {
            return false;
        }
        for (MusicXmlInstrument& instrument : part->instruments) {
            const char* id = element->Attribute("id");
            if (id != nullptr && instrument.id == id) {
                instrument.midiNote = number - 1;  // MusicXML counts MIDI notes from 1
            }
        }
    }
    return true;
}

bool ReadPartList(ElementReader& reader, const XMLElement* root, std::vector<MusicXmlPart>* parts)
{
    const XMLElement* list = root->FirstChildElement("part-list");
    if (list == nullptr) {
        return reader.Fail(root, "has no <part-list>");
    }
    for (const XMLElement* element = list->FirstChildElement("score-part"); element != nullptr;
         element = element->NextSiblingElement("score-part")) {
        MusicXmlPart part;
        part.line = element->GetLineNum();
        const char* id = nullptr;
        if (!reader.Required(element, "id", &id)) {
            return false;
        }
        if (FindPart(*parts, id) != nullptr) {
            return reader.Fail(element, "id=\"" + std::string(id) + "\" is given twice");
        }
        part.id = id;
        part.name = HostTextOf(element->FirstChildElement("part-name"));
        part.name = part.name.empty() ? part.id : part.name;
        part.abbreviation = HostTextOf(element->FirstChildElement("part-abbreviation"));
        if (!ReadInstruments(reader, element, &part)) {
            return false;
        }
        parts->push_back(part);
    }
    if (parts->empty()) {
        return reader.Fail(list, "has no <score-part>");
    }
    return true;
}

// The part the element's "id" names; null, after the message, when none.
MusicXmlPart* NamedPart(ElementReader& reader, std::vector<MusicXmlPart>& parts, const XMLElement* element)
{
    const char* id = element->Attribute("id");
    MusicXmlPart* part = FindPart(parts, id);
    if (part == nullptr) {
        reader.Fail(element, "id=\"" + std::string(id == nullptr ? "" : id) + "\" is not a part of the <part-list>");
    }
    return part;
}

// Partwise: <measure>s of <part>s; timewise: <part>s of <measure>s.
bool GatherMeasures(ElementReader& reader, const XMLElement* root, std::vector<MusicXmlPart>* parts)
{
    const bool partwise = std::strcmp(root->Name(), "score-partwise") == 0;
    const char* outerName = partwise ? "part" : "measure";
    const char* innerName = partwise ? "measure" : "part";
    for (const XMLElement* outer = root->FirstChildElement(outerName); outer != nullptr;
         outer = outer->NextSiblingElement(outerName)) {
        MusicXmlPart* owner = partwise ? NamedPart(reader, *parts, outer) : nullptr;
        if (partwise && owner == nullptr) {
            return false;
        }
        for (const XMLElement* inner = outer->FirstChildElement(innerName); inner != nullptr;
             inner = inner->NextSiblingElement(innerName)) {
            MusicXmlPart* part = partwise ? owner : NamedPart(reader, *parts, inner);
            if (part == nullptr) {
                return false;
            }
            part->measures.push_back(inner);
        }
    }
    for (const MusicXmlPart& part : *parts) {
        if (part.measures.empty()) {
            return reader.Fail(part.line, "part \"" + part.id + "\" has no measures");
        }
        if (part.measures.size() != parts->front().measures.size()) {
            return reader.Fail(part.line, "part \"" + part.id + "\" has " + std::to_string(part.measures.size()) +
                                              " measures, part \"" + parts->front().id + "\" " +
                                              std::to_string(parts->front().measures.size()));
        }
    }
    if (parts->front().measures.size() > static_cast<size_t>(kMostMeasures)) {
        return reader.Fail(root, "has more than " + std::to_string(kMostMeasures) + " measures");
    }
    return true;
}

// One layout note per instrument, declared ones first, then those only the
// notes name; notes naming none play the first. Each sits where most of its
// notes do (the first such position on a tie), on the middle line unplayed.
LayoutDescription PercussionLayout(const MusicXmlPart& part, long number)
{
    std::vector<MusicXmlInstrument> instruments = part.instruments;
    for (const MusicXmlNote& note : part.notes) {
        bool known = note.instrument.empty();
        for (const MusicXmlInstrument& instrument : instruments) {
            known = known || instrument.id == note.instrument;
        }
        if (!known) {
            instruments.push_back(MusicXmlInstrument{note.instrument, note.instrument, "", -1});
        }
    }
    if (instruments.empty() && !part.notes.empty()) {
        instruments.push_back(MusicXmlInstrument{"", part.name, "", -1});
    }
    LayoutDescription layout;
    layout.line = part.line;
    layout.number = number;
    layout.name = part.name;
    for (const MusicXmlInstrument& instrument : instruments) {
        std::vector<std::pair<long, long>> counts;  // position, notes there; in order of first use
        for (const MusicXmlNote& note : part.notes) {
            bool plays = note.instrument == instrument.id ||
                         (note.instrument.empty() && instrument.id == instruments.front().id);
            if (!plays) {
                continue;
            }
            size_t i = 0;
            while (i < counts.size() && counts[i].first != note.position) {
                ++i;
            }
            if (i == counts.size()) {
                counts.emplace_back(note.position, 0);
            }
            ++counts[i].second;
        }
        LayoutNoteDescription entry;
        long most = 0;
        for (const auto& [position, count] : counts) {
            if (count > most) {
                most = count;
                entry.position = position;
            }
        }
        entry.sound = NoteSound{GeneralMidiNoteOf(instrument.sound, instrument.name), instrument.name};
        entry.midiNote = instrument.midiNote;
        layout.notes.push_back(entry);
    }
    return layout;
}

// The measures of the first part that does not transpose (its keys are the
// concert keys), else of the first part.
void TakeMeasures(const std::vector<MusicXmlPart>& parts, ScoreDescription* score)
{
    const MusicXmlPart* chosen = &parts.front();
    for (const MusicXmlPart& part : parts) {
        if (!part.transposes) {
            chosen = &part;
            break;
        }
    }
    score->measures = chosen->runs;
}

void TakeTitle(const XMLElement* root, ScoreDescription* score)
{
    const XMLElement* work = root->FirstChildElement("work");
    for (const XMLElement* title : {root->FirstChildElement("movement-title"),
                                    work == nullptr ? nullptr : work->FirstChildElement("work-title")}) {
        if (score->name.empty()) {
            score->name = HostTextOf(title);
        }
    }
}

}  // namespace

bool IsMusicXml(const tinyxml2::XMLDocument& xml)
{
    const XMLElement* root = xml.RootElement();
    return root != nullptr &&
           (std::strcmp(root->Name(), "score-partwise") == 0 || std::strcmp(root->Name(), "score-timewise") == 0);
}

bool ReadMusicXml(const tinyxml2::XMLDocument& xml, ElementReader& reader, ScoreDescription* score)
{
    const XMLElement* root = xml.RootElement();
    std::vector<MusicXmlPart> parts;
    if (!ReadPartList(reader, root, &parts) || !GatherMeasures(reader, root, &parts)) {
        return false;
    }
    for (MusicXmlPart& part : parts) {
        if (!ReadPartMeasures(reader, &part)) {
            return false;
        }
    }
    TakeTitle(root, score);
    TakeMeasures(parts, score);
    score->madeMapModel = "MusicXML";
    std::map<std::string, int> mapNames;
    for (const MusicXmlPart& part : parts) {
        StaffDescription staff;
        staff.line = part.line;
        staff.name = part.name;
        if (!part.abbreviation.empty()) {
            staff.abbreviatedName = part.abbreviation;
        }
        staff.notation = part.percussion ? Notation::kPercussion
                         : part.tablature ? Notation::kTablature
                                          : Notation::kStandard;
        if (part.percussion) {
            staff.layout = static_cast<long>(score->layouts.size()) + 1;
            score->layouts.push_back(PercussionLayout(part, staff.layout));
            bool mapped = false;
            for (const LayoutNoteDescription& note : score->layouts.back().notes) {
                mapped = mapped || note.midiNote >= 0;
            }
            if (mapped) {
                // Note name lists are found by name: a name taken twice gets the part's ID.
                std::string name = mapNames.count(part.name) != 0 ? part.name + " (" + part.id + ")" : part.name;
                ++mapNames[part.name];
                staff.midiMap = static_cast<long>(score->madeMidiMaps.size()) + 1;
                score->madeMidiMaps.push_back(MadeMidiMap{static_cast<unsigned>(staff.midiMap), name, staff.layout});
            }
        }
        score->staves.push_back(staff);
    }
    return true;
}

}  // namespace workbench

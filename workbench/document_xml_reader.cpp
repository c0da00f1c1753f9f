// The workbench's own document format: a <document> of staves, layouts,
// measures, files, fonts, selection, view and raw records, read into a score
// description. The format is described in README.md.
#include "workbench/document_xml_reader.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "workbench/document_xml_measures.h"
#include "workbench/document_text_check.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

bool ReadNoteTypes(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    if (!score->noteTypeFile.empty()) {
        return reader.Fail(element, "is given twice");
    }
    score->noteTypeLine = element->GetLineNum();
    return reader.CheckAttributes(element, {"file"}) && reader.CheckNoContent(element) &&
           reader.FilePath(element, &score->noteTypeFile);
}

bool ReadMidiMap(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    MidiMapFile map;
    map.line = element->GetLineNum();
    long number = 0;
    const char* reference = nullptr;
    const char* numberText = nullptr;
    if (!reader.CheckAttributes(element, {"number", "file", "reference"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "number", &numberText) || !reader.Number(element, "number", 1, 65535, &number) ||
        !reader.FilePath(element, &map.path) || !reader.Required(element, "reference", &reference)) {
        return false;
    }
    for (const MidiMapFile& other : score->midiMaps) {
        if (other.number == static_cast<unsigned>(number)) {
            return reader.Fail(element, "number " + std::to_string(number) + " is given twice");
        }
    }
    map.number = static_cast<unsigned>(number);
    // Compared byte for byte with the names in the map file, so kept as written.
    map.reference = reference;
    score->midiMaps.push_back(map);
    return true;
}

bool ReadFont(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    std::vector<std::string>& fonts = score->fonts;
    long number = static_cast<long>(fonts.size()) + 1;
    const char* nameText = nullptr;
    std::string name;
    if (!reader.CheckAttributes(element, {"number", "name"}) || !reader.CheckNoContent(element) ||
        !reader.Number(element, "number", 1, 32767, &number) || !reader.Required(element, "name", &nameText) ||
        !reader.HostText(element, "name", &name)) {
        return false;
    }
    if (name.empty() || name.size() > 255) {
        return reader.Fail(element, "name must have 1 to 255 characters");
    }
    if (number <= static_cast<long>(fonts.size()) && !fonts[number - 1].empty()) {
        return reader.Fail(element, "number " + std::to_string(number) + " is given twice");
    }
    if (number > static_cast<long>(fonts.size())) {
        fonts.resize(number);
    }
    fonts[number - 1] = name;
    return true;
}

bool ReadLayout(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    LayoutDescription layout;
    layout.line = element->GetLineNum();
    if (!reader.CheckAttributes(element, {"number", "name"}) ||
        !reader.Number(element, "number", 1, 32767, &layout.number)) {
        return false;
    }
    if (element->Attribute("name") != nullptr) {
        std::string name;
        if (!reader.HostText(element, "name", &name)) {
            return false;
        }
        layout.name = name;
    }
    bool read = reader.ChildElements(element, {"note"}, [&](const XMLElement* note) {
        LayoutNoteDescription entry;
        entry.line = note->GetLineNum();
        const char* type = nullptr;
        if (!reader.CheckAttributes(note, {"type", "order", "position"}) || !reader.CheckNoContent(note) ||
            !reader.Required(note, "type", &type) || !reader.Number(note, "type", 0, 4095, &entry.type) ||
            !reader.Number(note, "order", -8, 7, &entry.order) ||
            !reader.Number(note, "position", -32768, 32767, &entry.position)) {
            return false;
        }
        layout.notes.push_back(entry);
        return true;
    });
    if (!read) {
        return false;
    }
    score->layouts.push_back(std::move(layout));
    return true;
}

bool ReadStaff(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    StaffDescription staff;
    staff.line = element->GetLineNum();
    int style = 0;
    int instrument = 0;
    int independentKeys = 1;
    if (!reader.CheckAttributes(element, {"number", "name", "style", "layout", "midiMap", "instrument",
                                          "transposeInterval", "transposeAlteration", "independentKeys"}) ||
        !reader.CheckNoContent(element) || !reader.Number(element, "number", 1, 32767, &staff.number) ||
        !reader.Choice(element, "style", {"standard", "percussion", "tablature"}, &style) ||
        !reader.Number(element, "layout", 1, 32767, &staff.layout) ||
        !reader.Number(element, "midiMap", 0, 65535, &staff.midiMap) ||
        !reader.Choice(element, "instrument", {"yes", "none"}, &instrument) ||
        !reader.Number(element, "transposeInterval", -128, 127, &staff.interval) ||
        !reader.Number(element, "transposeAlteration", -32, 31, &staff.alteration) ||
        !reader.Choice(element, "independentKeys", {"yes", "no"}, &independentKeys)) {
        return false;
    }
    staff.independentKeys = independentKeys == 0;
    staff.notation = static_cast<Notation>(style);
    staff.instrument = instrument == 0;
    if (element->Attribute("name") != nullptr) {
        std::string name;
        if (!reader.HostText(element, "name", &name)) {
            return false;
        }
        staff.name = name;
    }
    if (staff.layout != 0 && staff.notation != Notation::kPercussion) {
        return reader.Fail(element, "has a layout, which only a percussion staff takes");
    }
    if (!staff.instrument && element->Attribute("midiMap") != nullptr) {
        return reader.Fail(element, "has a MIDI map but no instrument definition to hold it");
    }
    bool narrow = staff.interval >= -32 && staff.interval <= 31;
    bool wide = staff.alteration >= -8 && staff.alteration <= 7;
    if (!narrow && !wide) {
        return reader.Fail(element, "transposition is out of range: an interval beyond -32 to 31 takes an alteration "
                             "from -8 to 7");
    }
    score->staves.push_back(staff);
    return true;
}

bool ReadSelection(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    if (score->selection) {
        return reader.Fail(element, "is given twice");
    }
    SelectionDescription selection;
    selection.line = element->GetLineNum();
    if (!reader.CheckAttributes(element, {"staves", "measures"}) || !reader.CheckNoContent(element) ||
        !reader.ParseRange(element, "staves", 32767, &selection.slots) ||
        !reader.ParseRange(element, "measures", 32767, &selection.measures)) {
        return false;
    }
    score->selection = selection;
    return true;
}

// layers="1, 3": the layers shown, 1 to 4, apart by commas or spaces; all
// when not given.
bool ReadShownLayers(ElementReader& reader, const XMLElement* element, unsigned* shown)
{
    const char* layers = element->Attribute("layers");
    if (layers == nullptr) {
        return true;
    }
    *shown = 0;
    for (const char* c = layers; *c != '\0'; ++c) {
        const bool apart = c == layers || *(c - 1) == ',' || *(c - 1) == ' ';
        if (*c >= '1' && *c <= '4' && apart && (*shown & (1u << (*c - '1'))) == 0) {
            *shown |= 1u << (*c - '1');
        } else if (*c != ',' && *c != ' ') {
            return reader.Fail(element, "layers=\"" + std::string(layers) + "\" is not a list of layers 1 to 4");
        }
    }
    return true;
}

bool ReadView(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    if (score->view) {
        return reader.Fail(element, "is given twice");
    }
    DocumentView view;
    int scroll = view.pageView ? 0 : 1;
    long zoom = view.zoom;
    long page = view.page;
    if (!reader.CheckAttributes(element, {"pageView", "zoom", "page", "layers"}) || !reader.CheckNoContent(element) ||
        !reader.Choice(element, "pageView", {"yes", "no"}, &scroll) ||
        !reader.Number(element, "zoom", 10, 800, &zoom) ||
        !reader.Number(element, "page", 1, 32767, &page) || !ReadShownLayers(reader, element, &view.shownLayers)) {
        return false;
    }
    view.pageView = scroll == 0;
    view.zoom = static_cast<int>(zoom);
    view.page = static_cast<int>(page);
    score->view = view;
    return true;
}

bool ReadRecord(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    RawRecord record;
    record.line = element->GetLineNum();
    const char* tag = nullptr;
    if (!reader.CheckAttributes(element, {"tag", "key", "text"}) || !reader.Required(element, "tag", &tag)) {
        return false;
    }
    long number = 0;
    if (std::strlen(tag) == 4 && !(tag[0] == '0' && (tag[1] == 'x' || tag[1] == 'X'))) {
        for (int i = 0; i < 4; ++i) {
            record.tag = (record.tag << 8) | static_cast<unsigned char>(tag[i]);
        }
    } else if ((tag[0] == '0' && (tag[1] == 'x' || tag[1] == 'X')) && std::strlen(tag) <= 10 &&
               ParseNumber(tag, &number)) {
        record.tag = std::strtoul(tag + 2, nullptr, 16);
    } else {
        return reader.Fail(element, "tag=\"" + Shortened(tag) + "\" is neither 4 characters nor a hexadecimal 0x...");
    }

    std::string key = element->Attribute("key") != nullptr ? element->Attribute("key") : "0";
    for (char& c : key) {
        c = c == ',' ? ' ' : c;
    }
    int count = 0;
    size_t at = 0;
    while ((at = key.find_first_not_of(' ', at)) != std::string::npos) {
        size_t end = key.find(' ', at);
        std::string part = key.substr(at, end == std::string::npos ? std::string::npos : end - at);
        long value = 0;
        if (count == 4 || !ParseNumber(part.c_str(), &value) || value < 0 || value > 65535) {
            return reader.Fail(element, "key=\"" + Shortened(element->Attribute("key")) +
                                     "\" is not one to four numbers from 0 to 65535");
        }
        record.key.SetNumber(count++, static_cast<unsigned>(value));
        at = end;
    }
    if (count == 0) {
        return reader.Fail(element, "key is empty");
    }

    const char* hex = element->GetText();
    if (hex != nullptr && IsBlank(hex)) {
        hex = nullptr;
    }
    if (element->Attribute("text") != nullptr) {
        std::string text;
        if (hex != nullptr || !reader.HostText(element, "text", &text)) {
            return hex != nullptr ? reader.Fail(element, "has both text=\"...\" and bytes") : false;
        }
        record.bytes.assign(text.begin(), text.end());
        record.bytes.push_back(0);
    } else if (hex != nullptr && !reader.HexBytes(element, hex, &record.bytes)) {
        return false;
    }
    for (const XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const XMLElement* inner = child->ToElement()) {
            return reader.Fail(inner->GetLineNum(), "unknown element <" + Shortened(inner->Name()) + "> in <record>");
        }
    }
    for (const RawRecord& other : score->rawRecords) {
        if (other.tag == record.tag && other.key == record.key) {
            return reader.Fail(element, "names the same record as line " + std::to_string(other.line));
        }
    }
    score->rawRecords.push_back(std::move(record));
    return true;
}

using ElementRead = bool (*)(ElementReader&, const XMLElement*, ScoreDescription*);

bool ReadElement(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    struct Handler {
        const char* name;
        ElementRead read;
    };
    static const Handler handlers[] = {
        {"noteTypes", ReadNoteTypes}, {"midiMap", ReadMidiMap},     {"font", ReadFont},
        {"measures", ReadMeasures},   {"layout", ReadLayout},       {"staff", ReadStaff},
        {"selection", ReadSelection}, {"view", ReadView},           {"record", ReadRecord},
        {"measureNumbers", ReadMeasureNumbers}, {"category", ReadCategory},
        {"textExpression", ReadTextExpression}, {"expression", ReadExpression},
        {"cell", ReadCell},
        {"part", ReadPart},
        {"staffOrder", ReadStaffOrder}, {"group", ReadGroup},
        {"textRepeat", ReadTextRepeat}, {"placedTextRepeat", ReadPlacedTextRepeat}, {"pageText", ReadPageText},
    };
    for (const Handler& handler : handlers) {
        if (std::strcmp(handler.name, element->Name()) == 0) {
            return handler.read(reader, element, score);
        }
    }
    return reader.Fail(element->GetLineNum(), "unknown element <" + Shortened(element->Name()) + ">");
}

}  // namespace

bool IsWorkbenchDocument(const tinyxml2::XMLDocument& xml)
{
    const XMLElement* root = xml.RootElement();
    return root != nullptr && std::strcmp(root->Name(), "document") == 0;
}

bool ReadWorkbenchDocument(const tinyxml2::XMLDocument& xml, ElementReader& reader, ScoreDescription* score)
{
    const XMLElement* root = xml.RootElement();
    if (const XMLElement* other = root == nullptr ? nullptr : root->NextSiblingElement()) {
        return reader.Fail(other->GetLineNum(), "a second top-level element <" + Shortened(other->Name()) + ">");
    }
    if (!IsWorkbenchDocument(xml)) {
        return reader.Fail(root == nullptr ? 1 : root->GetLineNum(),
                           "the top-level element must be <document>, or for MusicXML <score-partwise> or "
                           "<score-timewise>");
    }
    if (!reader.CheckAttributes(root, {"name"}) || !reader.HostText(root, "name", &score->name)) {
        return false;
    }
    for (const XMLNode* child = root->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const XMLElement* element = child->ToElement()) {
            if (!ReadElement(reader, element, score)) {
                return false;
            }
        } else if (const tinyxml2::XMLText* text = child->ToText()) {
            if (!IsBlank(text->Value())) {
                return reader.Fail(root, "holds text, which it does not take");
            }
        }
    }
    return true;
}

}  // namespace workbench

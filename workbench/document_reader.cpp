// Reading workbench document files into the host's records.
#include "workbench/document_reader.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <tinyxml2.h>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/paths.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

enum class Notation { kStandard, kPercussion, kTablature };

struct StaffEntry {
    int line;
    long number;  // 0: the next after the highest so far
    std::optional<std::string> name;
    Notation notation;
    long layout;  // 0: none
    long midiMap;
    bool instrument;
    long interval;
    long alteration;
};

struct LayoutNote {
    long type;
    long order;
    long position;
};

struct LayoutEntry {
    int line;
    long number;
    std::optional<std::string> name;
    std::vector<LayoutNote> notes;
};

struct MeasureRun {
    long count;
    long beats;
    long beatDuration;
    unsigned keyWord;
};

struct RawRecord {
    int line;
    unsigned long tag;
    RecordKey key;
    Bytes bytes;
};

struct Range {
    long first;
    long last;
};

struct SelectionEntry {
    int line;
    Range slots;
    Range measures;
};

const char* DescribeXmlError(tinyxml2::XMLError error)
{
    switch (error) {
    case tinyxml2::XML_ERROR_PARSING_ELEMENT:
        return "a malformed element";
    case tinyxml2::XML_ERROR_PARSING_ATTRIBUTE:
        return "a malformed attribute";
    case tinyxml2::XML_ERROR_PARSING_TEXT:
        return "malformed text";
    case tinyxml2::XML_ERROR_PARSING_CDATA:
        return "a malformed CDATA section";
    case tinyxml2::XML_ERROR_PARSING_COMMENT:
        return "a malformed comment";
    case tinyxml2::XML_ERROR_PARSING_DECLARATION:
        return "a malformed declaration";
    case tinyxml2::XML_ERROR_PARSING_UNKNOWN:
        return "an unknown markup";
    case tinyxml2::XML_ERROR_EMPTY_DOCUMENT:
        return "no element at all";
    case tinyxml2::XML_ERROR_MISMATCHED_ELEMENT:
        return "an end tag that does not match its start tag";
    case tinyxml2::XML_ELEMENT_DEPTH_EXCEEDED:
        return "elements nested too deeply";
    default:
        return "malformed XML";
    }
}

// A whole number written in decimal or, after "0x", in hexadecimal.
bool ParseNumber(const char* text, long* value)
{
    if (text == nullptr || *text == '\0') {
        return false;
    }
    const char* digits = text;
    bool negative = *digits == '-';
    if (*digits == '-' || *digits == '+') {
        ++digits;
    }
    int base = 10;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits += 2;
    }
    if (*digits == '\0') {
        return false;
    }
    for (const char* c = digits; *c != '\0'; ++c) {
        bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(*c)) != 0
                             : std::isdigit(static_cast<unsigned char>(*c)) != 0;
        if (!ok) {
            return false;
        }
    }
    if (std::strlen(digits) > 9) {
        return false;  // beyond any range the format knows
    }
    long magnitude = std::strtol(digits, nullptr, base);
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool IsBlank(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c) {
        if (!std::isspace(static_cast<unsigned char>(*c))) {
            return false;
        }
    }
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Reader {
public:
    Reader(const std::string& fileName, const std::string& folder, unsigned long hostVersion)
        : _fileName(fileName), _folder(folder), _hostVersion(hostVersion)
    {
    }

    std::unique_ptr<Document> Read(const tinyxml2::XMLDocument& xml, std::string* error);

private:
    bool Fail(int line, const std::string& message)
    {
        _error = _fileName + ":" + std::to_string(line) + ": " + message;
        return false;
    }
    bool Fail(const XMLElement* element, const std::string& message)
    {
        return Fail(element->GetLineNum(), "<" + std::string(element->Name()) + "> " + message);
    }

    bool CheckAttributes(const XMLElement* element, std::initializer_list<const char*> allowed);
    bool CheckNoContent(const XMLElement* element);
    bool Required(const XMLElement* element, const char* attribute, const char** value);
    bool Number(const XMLElement* element, const char* attribute, long min, long max, long* value);
    bool Choice(const XMLElement* element, const char* attribute, std::initializer_list<const char*> choices,
                int* index);
    bool HostText(const XMLElement* element, const char* attribute, std::string* text);
    bool FilePath(const XMLElement* element, std::string* path);
    bool ParseRange(const XMLElement* element, const char* attribute, long max, Range* range);

    bool ReadElement(const XMLElement* element);
    bool ReadNoteTypes(const XMLElement* element);
    bool ReadMidiMap(const XMLElement* element);
    bool ReadFont(const XMLElement* element);
    bool ReadMeasures(const XMLElement* element);
    bool ReadLayout(const XMLElement* element);
    bool ReadStaff(const XMLElement* element);
    bool ReadSelection(const XMLElement* element);
    bool ReadView(const XMLElement* element);
    bool ReadRecord(const XMLElement* element);

    bool Build();
    bool BuildLayouts();
    bool BuildStaves();
    bool BuildSelection();
    void PutRawText(unsigned long tag, unsigned number, const std::string& text);

    std::string _fileName;
    std::string _folder;
    unsigned long _hostVersion;
    std::string _error;

    std::unique_ptr<Document> _document;
    std::vector<StaffEntry> _staves;
    std::vector<LayoutEntry> _layouts;
    std::vector<MeasureRun> _measures;
    std::vector<RawRecord> _raw;
    std::optional<SelectionEntry> _selection;
    bool _haveNoteTypes = false;
    bool _haveView = false;
};

bool Reader::CheckAttributes(const XMLElement* element, std::initializer_list<const char*> allowed)
{
    for (const tinyxml2::XMLAttribute* attribute = element->FirstAttribute(); attribute != nullptr;
         attribute = attribute->Next()) {
        bool known = false;
        for (const char* name : allowed) {
            known = known || std::strcmp(name, attribute->Name()) == 0;
        }
        if (!known) {
            return Fail(element, "has an unknown attribute \"" + std::string(attribute->Name()) + "\"");
        }
    }
    return true;
}

// Only <document> and <layout> hold elements, and only <record> text.
bool Reader::CheckNoContent(const XMLElement* element)
{
    for (const XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const XMLElement* inner = child->ToElement()) {
            return Fail(inner->GetLineNum(), "unknown element <" + std::string(inner->Name()) + "> in <" +
                                                 element->Name() + ">");
        }
        if (const tinyxml2::XMLText* text = child->ToText()) {
            if (!IsBlank(text->Value())) {
                return Fail(element, "holds text, which it does not take");
            }
        }
    }
    return true;
}

bool Reader::Required(const XMLElement* element, const char* attribute, const char** value)
{
    *value = element->Attribute(attribute);
    if (*value == nullptr) {
        return Fail(element, "needs the attribute \"" + std::string(attribute) + "\"");
    }
    return true;
}

bool Reader::Number(const XMLElement* element, const char* attribute, long min, long max, long* value)
{
    const char* text = element->Attribute(attribute);
    if (text == nullptr) {
        return true;  // the caller's default stays
    }
    long parsed = 0;
    if (!ParseNumber(text, &parsed) || parsed < min || parsed > max) {
        return Fail(element, std::string(attribute) + "=\"" + text + "\" is not a whole number from " +
                                 std::to_string(min) + " to " + std::to_string(max));
    }
    *value = parsed;
    return true;
}

bool Reader::Choice(const XMLElement* element, const char* attribute, std::initializer_list<const char*> choices,
                    int* index)
{
    const char* text = element->Attribute(attribute);
    if (text == nullptr) {
        return true;
    }
    std::string expected;
    int i = 0;
    for (const char* choice : choices) {
        if (std::strcmp(choice, text) == 0) {
            *index = i;
            return true;
        }
        expected += (i == 0 ? "" : i + 1 == static_cast<int>(choices.size()) ? " or " : ", ") + std::string(choice);
        ++i;
    }
    return Fail(element, std::string(attribute) + "=\"" + text + "\" is not " + expected);
}

// The file is UTF-8; the host's texts are 8-bit, in the Windows Latin 1 code page.
bool Reader::HostText(const XMLElement* element, const char* attribute, std::string* text)
{
    const char* utf8 = element->Attribute(attribute);
    if (utf8 == nullptr || *utf8 == '\0') {
        text->clear();
        return true;
    }
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    std::vector<wchar_t> units(wide > 0 ? wide : 1);
    BOOL lossy = FALSE;
    int narrow = 0;
    if (wide > 0 && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, units.data(), wide) == wide) {
        narrow = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, units.data(), wide, nullptr, 0, "?", &lossy);
    }
    if (narrow <= 0 || lossy) {
        return Fail(element, std::string(attribute) + "=\"" + utf8 +
                                 "\" has characters the host's 8-bit texts cannot hold");
    }
    std::vector<char> bytes(narrow);
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, units.data(), wide, bytes.data(), narrow, "?", &lossy);
    text->assign(bytes.data());
    return true;
}

bool Reader::FilePath(const XMLElement* element, std::string* path)
{
    const char* file = nullptr;
    if (!Required(element, "file", &file)) {
        return false;
    }
    *path = PathBeside(_folder, file);
    if (path->empty()) {
        return Fail(element, "file=\"" + std::string(file) + "\" cannot be made a full path");
    }
    return true;
}

// "A" or "A-B", each from 1 to max.
bool Reader::ParseRange(const XMLElement* element, const char* attribute, long max, Range* range)
{
    const char* text = nullptr;
    if (!Required(element, attribute, &text)) {
        return false;
    }
    std::string written(text);
    size_t dash = written.find('-', 1);
    std::string first = written.substr(0, dash);
    std::string last = dash == std::string::npos ? first : written.substr(dash + 1);
    long a = 0;
    long b = 0;
    if (!ParseNumber(first.c_str(), &a) || !ParseNumber(last.c_str(), &b) || a < 1 || b < 1 || a > max ||
        b > max) {
        return Fail(element, std::string(attribute) + "=\"" + text + "\" is not a number or range (A-B) within 1 to " +
                                 std::to_string(max));
    }
    *range = Range{a, b};
    return true;
}

bool Reader::ReadNoteTypes(const XMLElement* element)
{
    if (_haveNoteTypes) {
        return Fail(element, "is given twice");
    }
    _haveNoteTypes = true;
    return CheckAttributes(element, {"file"}) && CheckNoContent(element) &&
           FilePath(element, &_document->noteTypeFile);
}

bool Reader::ReadMidiMap(const XMLElement* element)
{
    MidiMapFile map;
    long number = 0;
    const char* reference = nullptr;
    const char* numberText = nullptr;
    if (!CheckAttributes(element, {"number", "file", "reference"}) || !CheckNoContent(element) ||
        !Required(element, "number", &numberText) || !Number(element, "number", 1, 65535, &number) ||
        !FilePath(element, &map.path) || !Required(element, "reference", &reference)) {
        return false;
    }
    for (const MidiMapFile& other : _document->midiMaps) {
        if (other.number == static_cast<unsigned>(number)) {
            return Fail(element, "number " + std::to_string(number) + " is given twice");
        }
    }
    map.number = static_cast<unsigned>(number);
    // Compared byte for byte with the names in the map file, so kept as written.
    map.reference = reference;
    _document->midiMaps.push_back(map);
    return true;
}

bool Reader::ReadFont(const XMLElement* element)
{
    std::vector<std::string>& fonts = _document->fonts;
    long number = static_cast<long>(fonts.size()) + 1;
    const char* nameText = nullptr;
    std::string name;
    if (!CheckAttributes(element, {"number", "name"}) || !CheckNoContent(element) ||
        !Number(element, "number", 1, 32767, &number) || !Required(element, "name", &nameText) ||
        !HostText(element, "name", &name)) {
        return false;
    }
    if (name.empty() || name.size() > 255) {
        return Fail(element, "name must have 1 to 255 characters");
    }
    if (number <= static_cast<long>(fonts.size()) && !fonts[number - 1].empty()) {
        return Fail(element, "number " + std::to_string(number) + " is given twice");
    }
    if (number > static_cast<long>(fonts.size())) {
        fonts.resize(number);
    }
    fonts[number - 1] = name;
    return true;
}

bool Reader::ReadMeasures(const XMLElement* element)
{
    long count = 0;
    long key = 0;
    int mode = 0;
    const char* countText = nullptr;
    if (!CheckAttributes(element, {"count", "time", "key", "mode"}) || !CheckNoContent(element) ||
        !Required(element, "count", &countText) || !Number(element, "count", 1, 32767, &count) ||
        !Number(element, "key", -7, 7, &key) || !Choice(element, "mode", {"major", "minor"}, &mode)) {
        return false;
    }
    long beats = 4;
    long unit = 4;
    if (const char* time = element->Attribute("time")) {
        std::string written(time);
        size_t slash = written.find('/');
        bool ok = slash != std::string::npos && ParseNumber(written.substr(0, slash).c_str(), &beats) &&
                  ParseNumber(written.substr(slash + 1).c_str(), &unit) && beats >= 1 && beats <= 128;
        ok = ok && (unit == 1 || unit == 2 || unit == 4 || unit == 8 || unit == 16 || unit == 32 || unit == 64);
        if (!ok) {
            return Fail(element, "time=\"" + written + "\" is not a time signature such as 3/4 or 6/8");
        }
    }
    long total = count;
    for (const MeasureRun& run : _measures) {
        total += run.count;
    }
    if (total > 32767) {
        return Fail(element, "makes more than 32767 measures");
    }
    // A whole note is 4096 units.
    _measures.push_back(MeasureRun{count, beats, 4096 / unit,
                                   (static_cast<unsigned>(mode) << 8) | (static_cast<unsigned>(key) & 0xFF)});
    return true;
}

bool Reader::ReadLayout(const XMLElement* element)
{
    LayoutEntry layout{element->GetLineNum(), 0, std::nullopt, {}};
    if (!CheckAttributes(element, {"number", "name"}) || !Number(element, "number", 1, 32767, &layout.number)) {
        return false;
    }
    if (element->Attribute("name") != nullptr) {
        std::string name;
        if (!HostText(element, "name", &name)) {
            return false;
        }
        layout.name = name;
    }
    for (const XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const tinyxml2::XMLText* text = child->ToText()) {
            if (!IsBlank(text->Value())) {
                return Fail(element, "holds text, which it does not take");
            }
        }
        const XMLElement* note = child->ToElement();
        if (note == nullptr) {
            continue;
        }
        if (std::strcmp(note->Name(), "note") != 0) {
            return Fail(note->GetLineNum(), "unknown element <" + std::string(note->Name()) + "> in <layout>");
        }
        LayoutNote entry{0, 0, 0};
        const char* type = nullptr;
        if (!CheckAttributes(note, {"type", "order", "position"}) || !CheckNoContent(note) ||
            !Required(note, "type", &type) || !Number(note, "type", 0, 4095, &entry.type) ||
            !Number(note, "order", -8, 7, &entry.order) || !Number(note, "position", -32768, 32767, &entry.position)) {
            return false;
        }
        layout.notes.push_back(entry);
    }
    _layouts.push_back(std::move(layout));
    return true;
}

bool Reader::ReadStaff(const XMLElement* element)
{
    StaffEntry staff{element->GetLineNum(), 0, std::nullopt, Notation::kStandard, 0, 0, true, 0, 0};
    int style = 0;
    int instrument = 0;
    if (!CheckAttributes(element, {"number", "name", "style", "layout", "midiMap", "instrument", "transposeInterval",
                                   "transposeAlteration"}) ||
        !CheckNoContent(element) || !Number(element, "number", 1, 32767, &staff.number) ||
        !Choice(element, "style", {"standard", "percussion", "tablature"}, &style) ||
        !Number(element, "layout", 1, 32767, &staff.layout) || !Number(element, "midiMap", 0, 65535, &staff.midiMap) ||
        !Choice(element, "instrument", {"yes", "none"}, &instrument) ||
        !Number(element, "transposeInterval", -128, 127, &staff.interval) ||
        !Number(element, "transposeAlteration", -32, 31, &staff.alteration)) {
        return false;
    }
    staff.notation = static_cast<Notation>(style);
    staff.instrument = instrument == 0;
    if (element->Attribute("name") != nullptr) {
        std::string name;
        if (!HostText(element, "name", &name)) {
            return false;
        }
        staff.name = name;
    }
    if (staff.layout != 0 && staff.notation != Notation::kPercussion) {
        return Fail(element, "has a layout, which only a percussion staff takes");
    }
    if (!staff.instrument && element->Attribute("midiMap") != nullptr) {
        return Fail(element, "has a MIDI map but no instrument definition to hold it");
    }
    bool narrow = staff.interval >= -32 && staff.interval <= 31;
    bool wide = staff.alteration >= -8 && staff.alteration <= 7;
    if (!narrow && !wide) {
        return Fail(element, "transposition is out of range: an interval beyond -32 to 31 takes an alteration "
                             "from -8 to 7");
    }
    _staves.push_back(staff);
    return true;
}

bool Reader::ReadSelection(const XMLElement* element)
{
    if (_selection) {
        return Fail(element, "is given twice");
    }
    SelectionEntry selection{element->GetLineNum(), {}, {}};
    if (!CheckAttributes(element, {"staves", "measures"}) || !CheckNoContent(element) ||
        !ParseRange(element, "staves", 32767, &selection.slots) ||
        !ParseRange(element, "measures", 32767, &selection.measures)) {
        return false;
    }
    _selection = selection;
    return true;
}

bool Reader::ReadView(const XMLElement* element)
{
    if (_haveView) {
        return Fail(element, "is given twice");
    }
    _haveView = true;
    DocumentView& view = _document->view;
    int scroll = view.pageView ? 0 : 1;
    long zoom = view.zoom;
    long page = view.page;
    if (!CheckAttributes(element, {"pageView", "zoom", "page"}) || !CheckNoContent(element) ||
        !Choice(element, "pageView", {"yes", "no"}, &scroll) || !Number(element, "zoom", 10, 800, &zoom) ||
        !Number(element, "page", 1, 32767, &page)) {
        return false;
    }
    view.pageView = scroll == 0;
    view.zoom = static_cast<int>(zoom);
    view.page = static_cast<int>(page);
    return true;
}

bool Reader::ReadRecord(const XMLElement* element)
{
    RawRecord record{element->GetLineNum(), 0, {}, {}};
    const char* tag = nullptr;
    if (!CheckAttributes(element, {"tag", "key", "text"}) || !Required(element, "tag", &tag)) {
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
        return Fail(element, "tag=\"" + std::string(tag) + "\" is neither 4 characters nor a hexadecimal 0x...");
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
            return Fail(element, "key=\"" + std::string(element->Attribute("key")) +
                                     "\" is not one to four numbers from 0 to 65535");
        }
        record.key.SetNumber(count++, static_cast<unsigned>(value));
        at = end;
    }
    if (count == 0) {
        return Fail(element, "key is empty");
    }

    const char* hex = element->GetText();
    if (hex != nullptr && IsBlank(hex)) {
        hex = nullptr;
    }
    if (element->Attribute("text") != nullptr) {
        std::string text;
        if (hex != nullptr || !HostText(element, "text", &text)) {
            return hex != nullptr ? Fail(element, "has both text=\"...\" and bytes") : false;
        }
        record.bytes.assign(text.begin(), text.end());
        record.bytes.push_back(0);
    } else if (hex != nullptr) {
        int high = -1;
        for (const char* c = hex; *c != '\0'; ++c) {
            if (std::isspace(static_cast<unsigned char>(*c))) {
                continue;
            }
            int digit = HexDigit(*c);
            if (digit < 0) {
                return Fail(element, "bytes: '" + std::string(1, *c) + "' is not a hexadecimal digit");
            }
            if (high < 0) {
                high = digit;
            } else {
                record.bytes.push_back(static_cast<unsigned char>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0) {
            return Fail(element, "bytes: an odd number of hexadecimal digits");
        }
    }
    for (const XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const XMLElement* inner = child->ToElement()) {
            return Fail(inner->GetLineNum(), "unknown element <" + std::string(inner->Name()) + "> in <record>");
        }
    }
    for (const RawRecord& other : _raw) {
        if (other.tag == record.tag && other.key == record.key) {
            return Fail(element, "names the same record as line " + std::to_string(other.line));
        }
    }
    _raw.push_back(std::move(record));
    return true;
}

bool Reader::ReadElement(const XMLElement* element)
{
    const char* name = element->Name();
    struct Handler {
        const char* name;
        bool (Reader::*read)(const XMLElement*);
    };
    static const Handler handlers[] = {
        {"noteTypes", &Reader::ReadNoteTypes}, {"midiMap", &Reader::ReadMidiMap}, {"font", &Reader::ReadFont},
        {"measures", &Reader::ReadMeasures},   {"layout", &Reader::ReadLayout},   {"staff", &Reader::ReadStaff},
        {"selection", &Reader::ReadSelection}, {"view", &Reader::ReadView},       {"record", &Reader::ReadRecord},
    };
    for (const Handler& handler : handlers) {
        if (std::strcmp(handler.name, name) == 0) {
            return (this->*handler.read)(element);
        }
    }
    return Fail(element->GetLineNum(), "unknown element <" + std::string(name) + ">");
}

void Reader::PutRawText(unsigned long tag, unsigned number, const std::string& text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    _document->records.Put(tag, RecordKey::FromNumbers(number), std::move(bytes));
}

bool Reader::BuildLayouts()
{
    std::set<long> numbers;
    long highest = 0;
    const unsigned long noteTag = layout_note::TagFor(_hostVersion);
    for (LayoutEntry& layout : _layouts) {
        if (layout.number == 0) {
            layout.number = highest + 1;
        }
        if (layout.number > 32767) {
            return Fail(layout.line, "<layout> needs a number: the one after the highest is beyond 32767");
        }
        if (!numbers.insert(layout.number).second) {
            return Fail(layout.line, "<layout> number " + std::to_string(layout.number) + " is given twice");
        }
        highest = layout.number > highest ? layout.number : highest;
        for (size_t inci = 0; inci < layout.notes.size(); ++inci) {
            const LayoutNote& note = layout.notes[inci];
            Bytes bytes(layout_note::kSize, 0);
            WriteU16(bytes.data(), layout_note::kTypeAndOrder,
                     static_cast<unsigned>(note.type) | ((static_cast<unsigned>(note.order) & 0xF) << 12));
            WriteU16(bytes.data(), layout_note::kStaffPosition, static_cast<unsigned>(note.position));
            _document->records.Put(noteTag,
                                   RecordKey::FromNumbers(static_cast<unsigned>(layout.number),
                                                          static_cast<unsigned>(inci)),
                                   std::move(bytes));
        }
        if (layout.name) {
            PutRawText(layout_name::kTag, static_cast<unsigned>(layout.number), *layout.name);
        }
    }
    return true;
}

// The host's transposition word: the compact form when both values fit it,
// otherwise the form flagged with 0x2000 and its wider interval.
unsigned TranspositionWord(long interval, long alteration)
{
    if (interval >= -32 && interval <= 31) {
        return ((static_cast<unsigned>(interval) & 0x3F) << 6) | (static_cast<unsigned>(alteration) & 0x3F);
    }
    return 0x2000 | ((static_cast<unsigned>(alteration) & 0xF) << 8) | (static_cast<unsigned>(interval) & 0xFF);
}

bool Reader::BuildStaves()
{
    std::set<long> numbers;
    long highest = 0;
    unsigned texts = 0;
    for (StaffEntry& staff : _staves) {
        if (staff.number == 0) {
            staff.number = highest + 1;
        }
        if (staff.number > 32767) {
            return Fail(staff.line, "<staff> needs a number: the one after the highest is beyond 32767");
        }
        if (!numbers.insert(staff.number).second) {
            return Fail(staff.line, "<staff> number " + std::to_string(staff.number) + " is given twice");
        }
        highest = staff.number > highest ? staff.number : highest;
        const unsigned item = static_cast<unsigned>(staff.number);

        Bytes record(staff_record::kSize, 0);
        unsigned flags = staff.notation == Notation::kPercussion  ? staff_record::kPercussionFlag
                         : staff.notation == Notation::kTablature ? staff_record::kTablatureFlag
                                                                  : 0;
        WriteU16(record.data(), staff_record::kFlags, flags);
        WriteU16(record.data(), staff_record::kTransposition, TranspositionWord(staff.interval, staff.alteration));
        if (staff.name) {
            // Text block and raw text share the number.
            ++texts;
            Bytes block(text_block::kSize, 0);
            WriteU16(block.data(), text_block::kRawTextNumber, texts);
            WriteU16(block.data(), text_block::kDefault8, text_block::kDefault8Value);
            WriteU16(block.data(), text_block::kFlags, text_block::kNewBlockFlags);
            WriteU16(block.data(), text_block::kRawTextKind, raw_text::kBlockKind);
            _document->records.Put(text_block::kTag, RecordKey::FromNumbers(texts), std::move(block));
            PutRawText(raw_text::kTagHigh | raw_text::kBlockKind, texts, *staff.name);
            WriteU16(record.data(), staff_record::kFullNameBlock, texts);
        }
        if (staff.layout != 0) {
            bool known = false;
            for (const LayoutEntry& layout : _layouts) {
                known = known || layout.number == staff.layout;
            }
            if (!known) {
                return Fail(staff.line, "<staff> layout " + std::to_string(staff.layout) + " is not defined");
            }
            // The percussion record is numbered by the staff.
            Bytes percussion(percussion_staff::kSize, 0);
            WriteU16(percussion.data(), percussion_staff::kLayout, static_cast<unsigned>(staff.layout));
            _document->records.Put(percussion_staff::kTag, RecordKey::FromNumbers(item), std::move(percussion));
            WriteU16(record.data(), staff_record::kPercussionTagLow, percussion_staff::kTag & 0xFFFF);
            WriteU16(record.data(), staff_record::kPercussionItem, item);
        }
        // A map number without a <midiMap> is kept: the host then cannot
        // locate the map, which plug-ins must be able to meet.
        if (staff.instrument) {
            Bytes definition(instrument_def::kSize, 0);
            WriteU16(definition.data(), instrument_def::kMidiMap, static_cast<unsigned>(staff.midiMap));
            _document->records.Put(instrument_def::kTag, RecordKey::FromNumbers(item), std::move(definition));
        }
        _document->records.Put(staff_record::kTag, RecordKey::FromNumbers(item), std::move(record));
        _document->staves.push_back(static_cast<int>(staff.number));
    }
    return true;
}

bool Reader::BuildSelection()
{
    long measures = 0;
    for (const MeasureRun& run : _measures) {
        measures += run.count;
    }
    if (!_selection) {
        return true;  // nothing selected: an empty region
    }
    const SelectionEntry& selection = *_selection;
    long slots = static_cast<long>(_staves.size());
    if (selection.slots.first > slots || selection.slots.last > slots) {
        return Fail(selection.line, "<selection> staves go beyond the " + std::to_string(slots) + " staves");
    }
    if (selection.measures.first > measures || selection.measures.last > measures) {
        return Fail(selection.line, "<selection> measures go beyond the " + std::to_string(measures) + " measures");
    }
    unsigned char* region = _document->selection.data();
    WriteU16(region, region::kStartSlot, static_cast<unsigned>(selection.slots.first));
    WriteU16(region, region::kStartMeasure, static_cast<unsigned>(selection.measures.first));
    WriteU32(region, region::kStartPosition, 0);
    WriteU16(region, region::kEndSlot, static_cast<unsigned>(selection.slots.last));
    WriteU16(region, region::kEndMeasure, static_cast<unsigned>(selection.measures.last));
    WriteU32(region, region::kEndPosition, region::kMeasureEnd);
    return true;
}

bool Reader::Build()
{
    unsigned measure = 0;
    for (const MeasureRun& run : _measures) {
        for (long i = 0; i < run.count; ++i) {
            Bytes bytes(measure_record::kSize, 0);
            WriteU16(bytes.data(), measure_record::kKey, run.keyWord);
            WriteU16(bytes.data(), measure_record::kBeats, static_cast<unsigned>(run.beats));
            WriteU16(bytes.data(), measure_record::kBeatDuration, static_cast<unsigned>(run.beatDuration));
            _document->records.Put(measure_record::kTag, RecordKey::FromNumbers(++measure), std::move(bytes));
        }
    }
    if (!BuildLayouts() || !BuildStaves() || !BuildSelection()) {
        return false;
    }
    // Raw records come last and replace what the friendly elements made.
    for (RawRecord& record : _raw) {
        _document->records.Put(record.tag, record.key, std::move(record.bytes));
    }
    return true;
}

std::unique_ptr<Document> Reader::Read(const tinyxml2::XMLDocument& xml, std::string* error)
{
    _document = std::make_unique<Document>();
    const XMLElement* root = xml.RootElement();
    bool ok = true;
    for (const XMLElement* other = root == nullptr ? nullptr : root->NextSiblingElement(); ok && other != nullptr;
         other = other->NextSiblingElement()) {
        ok = Fail(other->GetLineNum(), "a second top-level element <" + std::string(other->Name()) + ">");
    }
    if (ok && (root == nullptr || std::strcmp(root->Name(), "document") != 0)) {
        ok = Fail(root == nullptr ? 1 : root->GetLineNum(), "the top-level element must be <document>");
    }
    ok = ok && CheckAttributes(root, {"name"}) && HostText(root, "name", &_document->name);
    for (const XMLNode* child = ok ? root->FirstChild() : nullptr; ok && child != nullptr;
         child = child->NextSibling()) {
        if (const XMLElement* element = child->ToElement()) {
            ok = ReadElement(element);
        } else if (const tinyxml2::XMLText* text = child->ToText()) {
            ok = IsBlank(text->Value()) || Fail(root, "holds text, which it does not take");
        }
    }
    ok = ok && Build();
    if (!ok) {
        if (error != nullptr) {
            *error = _error;
        }
        return nullptr;
    }
    if (_document->name.empty()) {
        _document->name = FileNameOf(_fileName);
    }
    return std::move(_document);
}

std::unique_ptr<Document> ReadParsed(const tinyxml2::XMLDocument& xml, const std::string& fileName,
                                     const std::string& folder, unsigned long hostVersion, std::string* error)
{
    if (xml.Error()) {
        if (error != nullptr) {
            *error = fileName + ":" + std::to_string(xml.ErrorLineNum()) + ": not well-formed XML: " +
                     DescribeXmlError(xml.ErrorID());
        }
        return nullptr;
    }
    return Reader(fileName, folder, hostVersion).Read(xml, error);
}

}  // namespace

std::unique_ptr<Document> ReadDocumentText(const char* xml, const std::string& fileName, const std::string& folder,
                                           unsigned long hostVersion, std::string* error)
{
    tinyxml2::XMLDocument parsed;
    parsed.Parse(xml == nullptr ? "" : xml);
    return ReadParsed(parsed, fileName, folder, hostVersion, error);
}

std::unique_ptr<Document> ReadDocumentFile(const std::string& path, unsigned long hostVersion, std::string* error)
{
    std::string full = FullPath(path);
    tinyxml2::XMLDocument parsed;
    tinyxml2::XMLError loaded = full.empty() ? tinyxml2::XML_ERROR_FILE_NOT_FOUND : parsed.LoadFile(full.c_str());
    if (loaded == tinyxml2::XML_ERROR_FILE_NOT_FOUND || loaded == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED ||
        loaded == tinyxml2::XML_ERROR_FILE_READ_ERROR) {
        if (error != nullptr) {
            *error = path + ": " +
                     (loaded == tinyxml2::XML_ERROR_FILE_READ_ERROR ? "cannot read the file" : "cannot open the file");
        }
        return nullptr;
    }
    std::unique_ptr<Document> document = ReadParsed(parsed, path, FolderOf(full), hostVersion, error);
    if (document) {
        document->path = full;
    }
    return document;
}

}  // namespace workbench

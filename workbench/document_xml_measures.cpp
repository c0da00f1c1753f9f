// Reading <measures> and <cell>: time signatures, keys, barlines, show
// states and positioning of measures, and the keys and music of cells.
#include "workbench/document_xml_measures.h"

#include <cctype>
#include <string>

#include "workbench/document_text_check.h"
#include "workbench/measure_words.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;

constexpr long kWholeNote = 4096;  // in the host's units, 1024 to a quarter
constexpr int kLayers = 4;
constexpr long kLongestEntry = 65535;
constexpr size_t kMostEntries = 32767;  // the frame counts them in 16 bits

// "N/D", D a power of two up to 64, as a beat count and a beat duration.
bool ReadTime(ElementReader& reader, const XMLElement* element, const char* attribute, long* beats, long* duration)
{
    const char* time = element->Attribute(attribute);
    if (time == nullptr) {
        return true;
    }
    std::string written(time);
    size_t slash = written.find('/');
    long count = 0;
    long unit = 0;
    bool ok = slash != std::string::npos && ParseNumber(written.substr(0, slash).c_str(), &count) &&
              ParseNumber(written.substr(slash + 1).c_str(), &unit) && count >= 1 && count <= 128;
    ok = ok && (unit == 1 || unit == 2 || unit == 4 || unit == 8 || unit == 16 || unit == 32 || unit == 64);
    if (!ok) {
        return reader.Fail(element, std::string(attribute) + "=\"" + Shortened(written) +
                                        "\" is not a time signature such as 3/4 or 6/8");
    }
    *beats = count;
    *duration = kWholeNote / unit;
    return true;
}

// key= (sharps, or flats when negative) with mode= (major, minor) or with
// ownKey= (the number of a key the host defines itself, 2 to 255) as the
// host's key word. `given` tells whether any of them was written.
bool ReadKey(ElementReader& reader, const XMLElement* element, unsigned* word, bool* given)
{
    long key = 0;
    int mode = 0;
    long own = 0;
    if (!reader.Number(element, "key", -7, 7, &key) || !reader.Choice(element, "mode", kModeWords, &mode) ||
        !reader.Number(element, "ownKey", 2, 255, &own)) {
        return false;
    }
    if (own != 0 && element->Attribute("mode") != nullptr) {
        return reader.Fail(element, "has both mode and ownKey: a key of the host's own has no mode");
    }
    const unsigned high = own != 0 ? static_cast<unsigned>(own) : static_cast<unsigned>(mode);
    *word = (high << 8) | (static_cast<unsigned>(key) & 0xFF);
    *given = element->Attribute("key") != nullptr || element->Attribute("mode") != nullptr || own != 0;
    return true;
}

// One entry: a note value (w, h, q, e, s, t) with any dots, or a duration
// in the host's units.
bool ParseEntry(const std::string& token, long* duration)
{
    if (std::isdigit(static_cast<unsigned char>(token[0]))) {
        return ParseNumber(token.c_str(), duration) && *duration >= 1 && *duration <= kLongestEntry;
    }
    static const char kValues[] = "whqest";
    const char* value = std::strchr(kValues, token[0]);
    if (value == nullptr) {
        return false;
    }
    long part = kWholeNote >> (value - kValues);
    *duration = part;
    for (size_t i = 1; i < token.size(); ++i) {
        if (token[i] != '.' || part == 1) {
            return false;
        }
        part /= 2;
        *duration += part;
    }
    return true;
}

bool ReadLayer(ElementReader& reader, const XMLElement* element, CellDescription* cell)
{
    long number = 0;
    const char* numberText = nullptr;
    const char* entries = nullptr;
    if (!reader.CheckAttributes(element, {"number", "entries"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "number", &numberText) || !reader.Number(element, "number", 1, kLayers, &number) ||
        !reader.Required(element, "entries", &entries)) {
        return false;
    }
    std::vector<long>& durations = cell->layers[static_cast<int>(number) - 1];
    if (!durations.empty()) {
        return reader.Fail(element, "number " + std::to_string(number) + " is given twice");
    }
    std::string written(entries);
    for (char& c : written) {
        c = std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    size_t at = 0;
    while ((at = written.find_first_not_of(' ', at)) != std::string::npos) {
        size_t end = written.find(' ', at);
        std::string token = written.substr(at, end == std::string::npos ? std::string::npos : end - at);
        long duration = 0;
        if (!ParseEntry(token, &duration)) {
            return reader.Fail(element, "entries: \"" + token + "\" is neither a note value (w, h, q, e, s, t, "
                                        "dots after it) nor a duration from 1 to " + std::to_string(kLongestEntry));
        }
        if (durations.size() == kMostEntries) {
            return reader.Fail(element, "has more than " + std::to_string(kMostEntries) + " entries");
        }
        durations.push_back(duration);
        at = end;
    }
    if (durations.empty()) {
        return reader.Fail(element, "has no entries");
    }
    return true;
}

}  // namespace

bool ReadMeasures(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    MeasureRun run;
    const char* countText = nullptr;
    bool keyGiven = false;
    int fullNames = 1;
    if (!reader.CheckAttributes(element, {"count", "time", "key", "mode", "ownKey", "displayTime", "barline",
                                          "leftBarline", "showKey", "showTime", "positioning", "fullNames"}) ||
        !reader.CheckNoContent(element) || !reader.Required(element, "count", &countText) ||
        !reader.Number(element, "count", 1, 32767, &run.count) || !ReadKey(reader, element, &run.keyWord, &keyGiven) ||
        !ReadTime(reader, element, "time", &run.beats, &run.beatDuration) ||
        !ReadTime(reader, element, "displayTime", &run.displayBeats, &run.displayBeatDuration) ||
        !reader.Choice(element, "barline", kBarlineWords, &run.barline) ||
        !reader.Choice(element, "leftBarline", kBarlineWords, &run.leftBarline) ||
        !reader.Choice(element, "showKey", kShowWords, &run.showKey) ||
        !reader.Choice(element, "showTime", kShowWords, &run.showTime) ||
        !reader.Choice(element, "positioning", kPositioningWords, &run.positioning) ||
        !reader.Choice(element, "fullNames", {"yes", "no"}, &fullNames)) {
        return false;
    }
    run.fullNames = fullNames == 0;
    long total = run.count;
    for (const MeasureRun& before : score->measures) {
        total += before.count;
    }
    if (total > 32767) {
        return reader.Fail(element, "makes more than 32767 measures");
    }
    score->measures.push_back(run);
    return true;
}

bool ReadCell(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    CellDescription cell;
    cell.line = element->GetLineNum();
    const char* staffText = nullptr;
    unsigned keyWord = 0;
    bool keyGiven = false;
    if (!reader.CheckAttributes(element, {"staff", "measures", "key", "mode", "ownKey"}) ||
        !reader.Required(element, "staff", &staffText) || !reader.Number(element, "staff", 1, 32767, &cell.staff) ||
        !reader.ParseRange(element, "measures", 32767, &cell.measures) ||
        !ReadKey(reader, element, &keyWord, &keyGiven)) {
        return false;
    }
    if (keyGiven) {
        cell.keyWord = keyWord;
    }
    if (!reader.ChildElements(element, {"layer"},
                              [&](const XMLElement* layer) { return ReadLayer(reader, layer, &cell); })) {
        return false;
    }
    if (!cell.keyWord && cell.layers.empty()) {
        return reader.Fail(element, "has neither a key nor a layer");
    }
    score->cells.push_back(std::move(cell));
    return true;
}

}  // namespace workbench

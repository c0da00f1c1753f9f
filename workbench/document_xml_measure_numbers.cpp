// <measureNumbers>: a measure number region with its score and parts
// formatting, read into a score description; and the <enclosure> element
// that regions and text expressions share.
#include <cstring>
#include <string>

#include "framework/score/measure_number_layout.h"
#include "workbench/document_xml_reader.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

// Which of the words of a show="..." list sets which flag.
struct ShowWord {
    const char* word;
    bool NumberFormatting::*flag;
};

constexpr ShowWord kShowWords[] = {
    {"systemStart", &NumberFormatting::onSystemStart}, {"multiples", &NumberFormatting::multiples},
    {"hideFirst", &NumberFormatting::hideFirst},       {"multiMeasureRanges", &NumberFormatting::multiMeasureRanges},
    {"top", &NumberFormatting::topStaff},              {"bottom", &NumberFormatting::bottomStaff},
};

bool ReadShow(ElementReader& reader, const XMLElement* element, NumberFormatting* formatting)
{
    const char* show = element->Attribute("show");
    std::string words = show == nullptr ? "" : show;
    size_t at = 0;
    while ((at = words.find_first_not_of(' ', at)) != std::string::npos) {
        size_t end = words.find(' ', at);
        std::string word = words.substr(at, end == std::string::npos ? std::string::npos : end - at);
        bool known = false;
        for (const ShowWord& entry : kShowWords) {
            if (word == entry.word) {
                formatting->*entry.flag = known = true;
            }
        }
        if (!known) {
            return reader.Fail(element, "show: \"" + word + "\" is not systemStart, multiples, hideFirst, "
                                        "multiMeasureRanges, top or bottom");
        }
        at = end;
    }
    return true;
}

bool ReadNumberFont(ElementReader& reader, const XMLElement* element, NumberFormatting* formatting)
{
    int of = 0;
    const char* ofText = nullptr;
    const char* name = nullptr;
    if (!reader.CheckAttributes(element, {"of", "name", "size", "effects"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "of", &ofText) || !reader.Required(element, "name", &name) ||
        !reader.Choice(element, "of", {"start", "multiples", "multiMeasure"}, &of)) {
        return false;
    }
    std::optional<FontSetting>* fonts[] = {&formatting->startFont, &formatting->multipleFont,
                                           &formatting->multiMeasureFont};
    if (fonts[of]->has_value()) {
        return reader.Fail(element, "of=\"" + std::string(ofText) + "\" is given twice");
    }
    return reader.Font(element, "name", fonts[of]);
}

bool ReadFormatting(ElementReader& reader, const XMLElement* element, NumberFormatting* formatting)
{
    if (!reader.CheckAttributes(element, {"show", "startPosition", "multiplePosition"}) ||
        !ReadShow(reader, element, formatting) ||
        !reader.Number(element, "startPosition", -32768, 32767, &formatting->startPosition) ||
        !reader.Number(element, "multiplePosition", -32768, 32767, &formatting->multiplePosition)) {
        return false;
    }
    return reader.ChildElements(element, {"font", "enclosure"}, [&](const XMLElement* inner) {
        if (std::strcmp(inner->Name(), "font") == 0) {
            return ReadNumberFont(reader, inner, formatting);
        }
        int of = 0;
        const char* ofText = nullptr;
        if (!reader.CheckAttributes(inner, {"of"}) || !reader.Required(inner, "of", &ofText) ||
            !reader.Choice(inner, "of", {"start", "multiples"}, &of)) {
            return false;
        }
        Bytes* enclosure = of == 0 ? &formatting->startEnclosure : &formatting->multipleEnclosure;
        if (!enclosure->empty()) {
            return reader.Fail(inner, "of=\"" + std::string(ofText) + "\" is given twice");
        }
        return ReadEnclosure(reader, inner, enclosure);
    });
}

bool ReadAffix(ElementReader& reader, const XMLElement* element, const char* attribute, std::string* text)
{
    if (!reader.HostText(element, attribute, text)) {
        return false;
    }
    // The field keeps its NUL.
    if (text->size() >= static_cast<size_t>(measure_number_region::kAffixSize)) {
        return reader.Fail(element, std::string(attribute) + " has more than " +
                                        std::to_string(measure_number_region::kAffixSize - 1) + " characters");
    }
    return true;
}

}  // namespace

bool ReadEnclosure(ElementReader& reader, const XMLElement* element, Bytes* bytes)
{
    bytes->clear();
    const char* hex = element->GetText();
    if (!reader.HexBytes(element, hex == nullptr ? "" : hex, bytes)) {
        return false;
    }
    for (const XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const XMLElement* inner = child->ToElement()) {
            return reader.Fail(inner->GetLineNum(), "unknown element <" + std::string(inner->Name()) +
                                                        "> in <enclosure>");
        }
    }
    if (bytes->size() != static_cast<size_t>(enclosure_record::kSize)) {
        return reader.Fail(element, "needs " + std::to_string(enclosure_record::kSize) + " bytes, not " +
                                        std::to_string(bytes->size()));
    }
    return true;
}

bool ReadMeasureNumbers(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    MeasureNumberRegionDescription region;
    region.line = element->GetLineNum();
    int style = 0;
    if (!reader.CheckAttributes(element, {"number", "measures", "start", "style", "base", "startCharacter",
                                          "doubleUp", "countFromOne", "noZero", "prefix", "suffix", "id",
                                          "partsUseScore"}) ||
        !reader.Number(element, "number", 1, 32767, &region.number) ||
        !reader.ParseRange(element, "measures", 32767, &region.measures) ||
        !reader.Number(element, "start", -32767, 32767, &region.startNumber) ||
        !reader.Choice(element, "style", {"digits", "letters"}, &style)) {
        return false;
    }
    if (style == 1) {
        region.base = 26;
        region.startChar = 'a';
        region.doubleUp = true;
        region.countFromOne = false;
    }
    std::string character;
    if (!reader.Number(element, "base", 1, 32767, &region.base) ||
        !reader.HostText(element, "startCharacter", &character) ||
        !reader.YesNo(element, "doubleUp", &region.doubleUp) ||
        !reader.YesNo(element, "countFromOne", &region.countFromOne) ||
        !reader.YesNo(element, "noZero", &region.noZero) || !ReadAffix(reader, element, "prefix", &region.prefix) ||
        !ReadAffix(reader, element, "suffix", &region.suffix) || !reader.Number(element, "id", 1, 32767, &region.id)) {
        return false;
    }
    if (element->Attribute("startCharacter") != nullptr) {
        if (character.size() != 1) {
            return reader.Fail(element, "startCharacter must be one character");
        }
        region.startChar = static_cast<signed char>(character[0]);
    }
    if (region.base == 1 && !region.doubleUp) {
        return reader.Fail(element, "base 1 numbers only with doubleUp=\"yes\"");
    }
    bool scoreGiven = false;
    bool read = reader.ChildElements(element, {"score", "parts"}, [&](const XMLElement* inner) {
        bool isScore = std::strcmp(inner->Name(), "score") == 0;
        if (isScore ? scoreGiven : region.parts.has_value()) {
            return reader.Fail(inner, "is given twice");
        }
        NumberFormatting formatting;
        if (!ReadFormatting(reader, inner, &formatting)) {
            return false;
        }
        if (isScore) {
            region.score = formatting;
            scoreGiven = true;
        } else {
            region.parts = formatting;
        }
        return true;
    });
    if (!read) {
        return false;
    }
    // Separate formatting for the parts is used unless told otherwise.
    region.partsUseScore = !region.parts;
    if (!reader.YesNo(element, "partsUseScore", &region.partsUseScore)) {
        return false;
    }
    score->measureNumberRegions.push_back(std::move(region));
    return true;
}

}  // namespace workbench

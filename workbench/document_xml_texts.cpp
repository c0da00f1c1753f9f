// Text repeats and page texts of the workbench's document format:
// <textRepeat>, <placedTextRepeat> and <pageText>, read into a score
// description.
#include <string>

#include "workbench/document_xml_reader.h"

namespace workbench {

using tinyxml2::XMLElement;

bool ReadTextRepeat(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    TextRepeatDescription repeat;
    repeat.line = element->GetLineNum();
    if (!reader.CheckAttributes(element, {"number", "text"}) || !reader.CheckNoContent(element) ||
        !reader.Number(element, "number", 1, 32767, &repeat.number) ||
        !reader.OptionalHostText(element, "text", &repeat.text)) {
        return false;
    }
    score->textRepeats.push_back(repeat);
    return true;
}

bool ReadPlacedTextRepeat(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    PlacedTextRepeatDescription placed;
    placed.line = element->GetLineNum();
    const char* ignored = nullptr;
    if (!reader.CheckAttributes(element, {"measure", "textRepeat"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "measure", &ignored) ||
        !reader.Number(element, "measure", 1, 32767, &placed.measure) ||
        !reader.Required(element, "textRepeat", &ignored) ||
        !reader.Number(element, "textRepeat", 1, 32767, &placed.textRepeat)) {
        return false;
    }
    score->placedTextRepeats.push_back(placed);
    return true;
}

bool ReadPageText(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    PageTextDescription page;
    page.line = element->GetLineNum();
    const char* ignored = nullptr;
    if (!reader.CheckAttributes(element, {"page", "text"}) || !reader.CheckNoContent(element) ||
        !reader.Number(element, "page", 1, 32767, &page.page) || !reader.Required(element, "text", &ignored) ||
        !reader.HostText(element, "text", &page.text)) {
        return false;
    }
    score->pageTexts.push_back(page);
    return true;
}

}  // namespace workbench

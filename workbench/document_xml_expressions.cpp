// <category>, <textExpression> and <expression>: expression categories, text
// expression definitions and the expressions placed in measures, read into a
// score description.
#include <string>

#include "workbench/document_xml_reader.h"

namespace workbench {

using tinyxml2::XMLElement;

bool ReadCategory(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    CategoryDescription category;
    category.line = element->GetLineNum();
    if (!reader.CheckAttributes(element, {"number", "font", "size", "effects", "alignment", "horizontalOffset",
                                          "verticalOffset"}) ||
        !reader.CheckNoContent(element) || !reader.Number(element, "number", 1, 16383, &category.number) ||
        !reader.Font(element, "font", &category.font) ||
        !reader.Number(element, "alignment", -32768, 32767, &category.alignment) ||
        !reader.Number(element, "horizontalOffset", -32768, 32767, &category.horizontalOffset) ||
        !reader.Number(element, "verticalOffset", -32768, 32767, &category.verticalOffset)) {
        return false;
    }
    score->categories.push_back(category);
    return true;
}

bool ReadTextExpression(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    TextExpressionDescription definition;
    definition.line = element->GetLineNum();
    int style = -1;
    if (!reader.CheckAttributes(element, {"number", "text", "description", "category", "rehearsalMark"}) ||
        !reader.Number(element, "number", 1, 32767, &definition.number) ||
        !reader.HostText(element, "text", &definition.text) ||
        !reader.HostText(element, "description", &definition.description) ||
        !reader.Number(element, "category", 1, 16383, &definition.category) ||
        !reader.Choice(element, "rehearsalMark",
                       {"letters", "letterNumbers", "lowerLetters", "lowerLetterNumbers", "numbers", "measureNumber"},
                       &style)) {
        return false;
    }
    definition.rehearsalMark = static_cast<unsigned>(style + 1);
    bool read = reader.ChildElements(element, {"enclosure"}, [&](const XMLElement* inner) {
        if (!definition.enclosure.empty()) {
            return reader.Fail(inner, "is given twice");
        }
        return reader.CheckAttributes(inner, {}) && ReadEnclosure(reader, inner, &definition.enclosure);
    });
    if (!read) {
        return false;
    }
    score->textExpressions.push_back(std::move(definition));
    return true;
}

bool ReadExpression(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    PlacedExpressionDescription expression;
    expression.line = element->GetLineNum();
    const char* measure = nullptr;
    if (!reader.CheckAttributes(element, {"measure", "definition", "shape"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "measure", &measure) ||
        !reader.Number(element, "measure", 1, 32767, &expression.measure) ||
        !reader.Number(element, "definition", 1, 32767, &expression.definition) ||
        !reader.Number(element, "shape", 1, 32767, &expression.definition)) {
        return false;
    }
    expression.shape = element->Attribute("shape") != nullptr;
    if (expression.shape == (element->Attribute("definition") != nullptr)) {
        return reader.Fail(element, "needs either a definition or a shape");
    }
    score->expressions.push_back(expression);
    return true;
}

}  // namespace workbench

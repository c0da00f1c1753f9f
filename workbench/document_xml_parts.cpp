// The <part> element of the workbench's document format: a linked part of
// the score, with its ID and name.
#include "workbench/document_xml_reader.h"

namespace workbench {

bool ReadPart(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score)
{
    LinkedPart part;
    long id = 0;
    const char* text = nullptr;
    if (!reader.CheckAttributes(element, {"id", "name"}) || !reader.CheckNoContent(element) ||
        !reader.Required(element, "id", &text) || !reader.Number(element, "id", 1, 32767, &id) ||
        !reader.Required(element, "name", &text) || !reader.HostText(element, "name", &part.name)) {
        return false;
    }
    for (const LinkedPart& other : score->parts) {
        if (other.id == id) {
            return reader.Fail(element, "id " + std::to_string(id) + " is given twice");
        }
    }
    part.id = static_cast<int>(id);
    score->parts.push_back(std::move(part));
    return true;
}

}  // namespace workbench

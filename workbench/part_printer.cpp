// Printing a document's score and linked parts, the current one marked.
#include "workbench/document_printer.h"
#include "workbench/linked_parts.h"
#include "workbench/output.h"

namespace workbench {

std::string DescribeParts(const Document& document)
{
    if (document.parts.empty()) {
        return "";  // the score alone, always current
    }
    std::string text = "  parts:";
    for (int id = 0; id != -1; id = NextPartID(document, id)) {
        text += std::string(id == 0 ? " " : ", ") + std::to_string(id) + " " + Quoted(PartName(document, id)) +
                (id == document.currentPart ? " (current)" : "");
    }
    return text + "\n";
}

}  // namespace workbench

// Printing the open documents, and a document's score and linked parts, the
// current one of each marked.
#include <memory>
#include <vector>

#include "workbench/document_printer.h"
#include "workbench/linked_parts.h"
#include "workbench/output.h"

namespace workbench {
namespace {

// One entry of a list: its number and quoted name, after a space or a comma.
std::string Entry(bool first, int number, const std::string& name, bool current)
{
    return std::string(first ? " " : ", ") + std::to_string(number) + " " + Quoted(name) +
           (current ? " (current)" : "");
}

}  // namespace

std::string DescribeParts(const Document& document)
{
    if (document.parts.empty()) {
        return "";  // the score alone, always current
    }
    std::string text = "  parts:";
    for (int id = 0; id != -1; id = NextPartID(document, id)) {
        text += Entry(id == 0, id, PartName(document, id), id == document.currentPart);
    }
    return text + "\n";
}

std::string DescribeOpenDocuments(const std::vector<std::unique_ptr<Document>>& documents, const Document& current,
                                  unsigned long hostVersion)
{
    if (documents.size() < 2) {
        return DescribeDocument(current, hostVersion);
    }
    std::string text = "open documents:";
    for (const auto& document : documents) {
        text += Entry(document == documents.front(), document->number, document->name, document.get() == &current);
    }
    text += "\n";
    for (const auto& document : documents) {
        text += DescribeDocument(*document, hostVersion);
    }
    return text;
}

}  // namespace workbench

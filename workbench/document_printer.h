// A document as text, for scripts and people: its staves as the records
// describe them, then every record.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "workbench/document.h"

namespace workbench {

std::string DescribeDocument(const Document& document, unsigned long hostVersion);
// The score and the linked parts in the host's order, the current one
// marked; nothing for a document without linked parts.
std::string DescribeParts(const Document& document);
// The current document; with several open, a line naming them all, the
// current one marked, then each in number order.
std::string DescribeOpenDocuments(const std::vector<std::unique_ptr<Document>>& documents, const Document& current,
                                  unsigned long hostVersion);

}  // namespace workbench

// A document as text, for scripts and people: its staves as the records
// describe them, then every record.
#pragma once

#include <string>

#include "workbench/document.h"

namespace workbench {

std::string DescribeDocument(const Document& document, unsigned long hostVersion);
// The score and the linked parts in the host's order, the current one
// marked; nothing for a document without linked parts.
std::string DescribeParts(const Document& document);

}  // namespace workbench

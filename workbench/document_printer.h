// A document as text, for scripts and people: its staves as the records
// describe them, then every record.
#pragma once

#include <string>

#include "workbench/document.h"

namespace workbench {

std::string DescribeDocument(const Document& document, unsigned long hostVersion);

}  // namespace workbench

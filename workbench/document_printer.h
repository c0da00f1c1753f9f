// A document as text, for scripts and people: its staves as the records
// describe them, then every record.
#pragma once

#include <string>

#include "workbench/document.h"

namespace workbench {

std::string DescribeDocument(const Document& document, unsigned long hostVersion);

// group_text_printer.cpp: staff groups, text repeats and page texts read
// back, a line each; and the reading of one record of their tags or of the
// staff order, empty for any other tag.
std::string DescribeGroupsAndTexts(const Document& document);
std::string DecodedGroupOrTextRecord(unsigned long tag, const Bytes& bytes);

}  // namespace workbench

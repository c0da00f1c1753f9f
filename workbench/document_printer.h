// A document as text, for scripts and people: its staves as the records
// describe them, then every record.
#pragma once

#include <string>

#include "workbench/document.h"

namespace workbench {

std::string DescribeDocument(const Document& document, unsigned long hostVersion);

// Measures and cells (measure_printer.cpp): a measure or independent key
// record in words, empty for records of other tags; the layers shown, the
// cells' music and the frames still out, as lines.
std::string DescribeScoreRecord(unsigned long tag, const Bytes& bytes);
std::string DescribeMusic(const Document& document);

}  // namespace workbench

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

// "0x" and the value in at least `digits` hexadecimal digits.
std::string Hex(unsigned long value, int digits);
// Each byte as a space and two hexadecimal digits.
std::string HexBytes(const Bytes& bytes);

// Friendly readings of the records of one concern, in the printer of their
// own; empty for records of other tags or sizes.
std::string DecodeMeasureNumberRecord(unsigned long tag, const Bytes& bytes);
std::string DecodeExpressionRecord(unsigned long tag, const Bytes& bytes);
// Measures and cells (measure_printer.cpp): a measure or independent key
// record in words, empty for records of other tags; the layers shown, the
// cells' music and the frames still out, as lines.
std::string DescribeScoreRecord(unsigned long tag, const Bytes& bytes);
std::string DescribeMusic(const Document& document);

// group_text_printer.cpp: staff groups, text repeats and page texts read
// back, a line each; and the reading of one record of their tags or of the
// staff order, empty for any other tag.
std::string DescribeGroupsAndTexts(const Document& document);
std::string DecodedGroupOrTextRecord(unsigned long tag, const Bytes& bytes);

}  // namespace workbench

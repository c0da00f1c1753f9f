// Checks of a document file's bytes before it is parsed, for faults the XML
// parser would pass on silently or report in words that miss the point: an
// empty file, a file in UTF-16 or not in UTF-8, character references to NUL
// (which would cut a text short) and entities the format does not define.
#pragma once

#include <cstddef>
#include <string>

namespace workbench {

// False with "FILE:LINE: ..." (or "FILE: ..." for the file as a whole) in
// `error`, FILE being `fileName`.
bool CheckDocumentText(const char* text, size_t size, const std::string& fileName, std::string* error);

// A text for a message: a very long one cut to its start and "...".
std::string Shortened(const std::string& text);

}  // namespace workbench

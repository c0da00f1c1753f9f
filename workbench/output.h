// What FINALE.EXE prints: lines to standard output, flushed at once so that
// they interleave rightly with the plug-in's alerts, errors to standard error.
#pragma once

#include <string>

namespace workbench {

void PrintLine(const std::string& line);
// Lines of a text that ends in a line break, as one write.
void PrintText(const std::string& text);
void PrintError(const std::string& message);

// A text on one printed line: line breaks, tabs, quotes and backslashes escaped.
std::string Escaped(const std::string& text);
// The escaped text in double quotes.
std::string Quoted(const std::string& text);

}  // namespace workbench

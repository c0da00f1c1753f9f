// What FINALE.EXE prints: lines to standard output, flushed at once so that
// they interleave rightly with the plug-in's alerts, errors to standard error.
#pragma once

#include <string>

namespace workbench {

void PrintLine(const std::string& line);
// Lines of a text that ends in a line break, as one write.
void PrintText(const std::string& text);
void PrintError(const std::string& message);

// Standard output and error write UTF-8 with bare line feeds, as Linux
// tools expect; called once before anything is printed.
void UseLineFeeds();

// A host text (8-bit, in the Windows Latin 1 code page) in UTF-8.
std::string Utf8FromHost(const std::string& text);
// A host text on one printed line, in UTF-8: line breaks, tabs, quotes and
// backslashes escaped.
std::string Escaped(const std::string& text);
// The escaped text in double quotes.
std::string Quoted(const std::string& text);
// The same for a text that is UTF-8 already.
std::string QuotedUtf8(const std::string& text);

}  // namespace workbench

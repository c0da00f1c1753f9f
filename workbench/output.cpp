// Printing lines and escaping texts for them.
#include "workbench/output.h"

#include <cstdio>

namespace workbench {

void PrintLine(const std::string& line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintText(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

void PrintError(const std::string& message)
{
    std::fprintf(stderr, "FINALE.EXE: %s\n", message.c_str());
    std::fflush(stderr);
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Quoted(const std::string& text)
{
    return "\"" + Escaped(text) + "\"";
}

}  // namespace workbench

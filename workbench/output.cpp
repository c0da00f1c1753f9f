// Printing lines and escaping texts for them.
#include "workbench/output.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "workbench/code_pages.h"

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

void UseLineFeeds()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

std::string Utf8FromHost(const std::string& text)
{
    return Recode(text, kHostCodePage, CP_UTF8);
}

namespace {

std::string EscapedUtf8(const std::string& text)
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

}  // namespace

std::string Escaped(const std::string& text)
{
    return EscapedUtf8(Utf8FromHost(text));
}

std::string Quoted(const std::string& text)
{
    return "\"" + Escaped(text) + "\"";
}

std::string QuotedUtf8(const std::string& text)
{
    return "\"" + EscapedUtf8(text) + "\"";
}

}  // namespace workbench

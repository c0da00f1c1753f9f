// One pass over a document file's bytes: its encoding, then its entities.
#include "workbench/document_text_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace workbench {
namespace {

constexpr size_t kShownLength = 60;

class Scan {
public:
    Scan(const char* text, size_t size, const std::string& fileName, std::string* error)
        : _text(text), _size(size), _fileName(fileName), _error(error)
    {
    }

    bool Run();

private:
    // Line and column (1-based, in bytes) of the byte at `at`.
    std::pair<int, size_t> Where(size_t at) const;
    bool Fail(size_t at, const std::string& message);
    // Length of the UTF-8 character at `at`; 0 when the bytes are none.
    size_t CharacterLength(size_t at) const;
    bool CheckReference(size_t at, size_t* length);
    // Skips from `at` past `end`; false when it never comes.
    bool SkipPast(size_t* at, const char* end);

    const char* _text;
    size_t _size;
    const std::string& _fileName;
    std::string* _error;
};

std::pair<int, size_t> Scan::Where(size_t at) const
{
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < at && i < _size; ++i) {
        if (_text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return {line, at - lineStart + 1};
}

bool Scan::Fail(size_t at, const std::string& message)
{
    *_error = _fileName + ":" + std::to_string(Where(at).first) + ": " + message;
    return false;
}

size_t Scan::CharacterLength(size_t at) const
{
    const unsigned char first = static_cast<unsigned char>(_text[at]);
    if (first < 0x80) {
        return 1;
    }
    size_t length = first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
                                                          : first >= 0xF0 && first <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > _size) {
        return 0;
    }
    unsigned long code = first & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(_text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
    static const unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

bool Scan::CheckReference(size_t at, size_t* length)
{
    size_t end = at + 1;
    while (end < _size && end - at < 40 && _text[end] != ';' && _text[end] != '<' && _text[end] != '&' &&
           _text[end] != '"' && _text[end] != '\'' && static_cast<unsigned char>(_text[end]) > ' ') {
        ++end;
    }
    if (end >= _size || _text[end] != ';') {
        return Fail(at, "a '&' that begins no entity (write &amp; for the character itself)");
    }
    const std::string name(_text + at + 1, end - at - 1);
    *length = end - at + 1;
    static const char* const kDefined[] = {"amp", "lt", "gt", "quot", "apos"};
    for (const char* defined : kDefined) {
        if (name == defined) {
            return true;
        }
    }
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
        if (!digits.empty() && digits.find_first_not_of(allowed) == std::string::npos) {
            const size_t significant = digits.find_first_not_of('0');
            const unsigned long code = significant == std::string::npos || digits.size() - significant > 8
                                           ? (significant == std::string::npos ? 0 : 0x110000)
                                           : std::strtoul(digits.c_str() + significant, nullptr, hex ? 16 : 10);
            if (code == 0) {
                return Fail(at, "&" + name + "; is the character NUL, which no text can hold");
            }
            if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                return Fail(at, "&" + name + "; is not a Unicode character");
            }
            return true;
        }
    }
    return Fail(at, "the entity &" + Shortened(name) +
                        "; is not defined (a document knows &amp; &lt; &gt; &quot; &apos; and &#N;)");
}

bool Scan::SkipPast(size_t* at, const char* end)
{
    const size_t length = std::strlen(end);
    for (size_t i = *at; i + length <= _size; ++i) {
        if (std::memcmp(_text + i, end, length) == 0) {
            *at = i + length;
            return true;
        }
    }
    *at = _size;
    return false;
}

bool Scan::Run()
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(_text);
    if ((_size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) ||
        (_size >= 2 && (bytes[0] == 0 || bytes[1] == 0))) {
        *_error = _fileName + ": the file is in UTF-16; documents are UTF-8 (save it as UTF-8)";
        return false;
    }
    bool blank = true;
    for (size_t at = 0; at < _size;) {
        const unsigned char c = bytes[at];
        if (c == 0) {
            return Fail(at, "a NUL byte at column " + std::to_string(Where(at).second) + ": the file is not UTF-8 text");
        }
        const size_t length = CharacterLength(at);
        if (length == 0) {
            char shown[8];
            std::snprintf(shown, sizeof shown, "0x%02X", c);
            return Fail(at, std::string("the file is not UTF-8: byte ") + shown + " at column " +
                                std::to_string(Where(at).second) +
                                " is not part of a UTF-8 character (save the file as UTF-8)");
        }
        blank = blank && (c == ' ' || c == '\t' || c == '\r' || c == '\n');
        at += length;
    }
    if (blank) {
        *_error = _fileName + ": the file is empty";
        return false;
    }
    for (size_t at = 0; at < _size;) {
        // Most bytes begin nothing to look at: no call for them.
        if (_text[at] != '<' && _text[at] != '&') {
            ++at;
        } else if (std::strncmp(_text + at, "<!--", 4) == 0) {
            SkipPast(&at, "-->");
        } else if (std::strncmp(_text + at, "<![CDATA[", 9) == 0) {
            SkipPast(&at, "]]>");
        } else if (std::strncmp(_text + at, "<?", 2) == 0) {
            SkipPast(&at, "?>");
        } else if (std::strncmp(_text + at, "<!", 2) == 0) {
            SkipPast(&at, ">");
        } else if (_text[at] == '&') {
            size_t length = 0;
            if (!CheckReference(at, &length)) {
                return false;
            }
            at += length;
        } else {
            ++at;
        }
    }
    return true;
}

}  // namespace

bool CheckDocumentText(const char* text, size_t size, const std::string& fileName, std::string* error)
{
    return Scan(text, size, fileName, error).Run();
}

std::string Shortened(const std::string& text)
{
    if (text.size() <= kShownLength + 3) {
        return text;
    }
    size_t cut = kShownLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not within a UTF-8 character
    }
    return text.substr(0, cut) + "...";
}

}  // namespace workbench

// Checked reading of XML attributes, with messages that say where.
#include "workbench/xml_element_reader.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "workbench/document_text_check.h"
#include "workbench/paths.h"

namespace workbench {

const char* DescribeXmlError(tinyxml2::XMLError error)
{
    switch (error) {
    case tinyxml2::XML_ERROR_PARSING_ELEMENT:
        return "a malformed element";
    case tinyxml2::XML_ERROR_PARSING_ATTRIBUTE:
        return "a malformed attribute";
    case tinyxml2::XML_ERROR_PARSING_TEXT:
        return "malformed text";
    case tinyxml2::XML_ERROR_PARSING_CDATA:
        return "a malformed CDATA section";
    case tinyxml2::XML_ERROR_PARSING_COMMENT:
        return "a malformed comment";
    case tinyxml2::XML_ERROR_PARSING_DECLARATION:
        return "a malformed declaration";
    case tinyxml2::XML_ERROR_PARSING_UNKNOWN:
        return "an unknown markup";
    case tinyxml2::XML_ERROR_EMPTY_DOCUMENT:
        return "no element at all";
    case tinyxml2::XML_ERROR_MISMATCHED_ELEMENT:
        return "an end tag that does not match its start tag";
    case tinyxml2::XML_ELEMENT_DEPTH_EXCEEDED:
        return "elements nested too deeply";
    default:
        return "malformed XML";
    }
}

// A whole number written in decimal or, after "0x", in hexadecimal.
bool ParseNumber(const char* text, long* value)
{
    if (text == nullptr || *text == '\0') {
        return false;
    }
    const char* digits = text;
    bool negative = *digits == '-';
    if (*digits == '-' || *digits == '+') {
        ++digits;
    }
    int base = 10;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits += 2;
    }
    if (*digits == '\0') {
        return false;
    }
    for (const char* c = digits; *c != '\0'; ++c) {
        bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(*c)) != 0
                             : std::isdigit(static_cast<unsigned char>(*c)) != 0;
        if (!ok) {
            return false;
        }
    }
    while (digits[0] == '0' && digits[1] != '\0') {
        ++digits;  // leading zeros say nothing
    }
    if (std::strlen(digits) > 9) {
        // Beyond any range the format knows: kept beyond them all.
        *value = negative ? LONG_MIN : LONG_MAX;
        return true;
    }
    long magnitude = std::strtol(digits, nullptr, base);
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool IsBlank(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c) {
        if (!std::isspace(static_cast<unsigned char>(*c))) {
            return false;
        }
    }
    return true;
}

bool ElementReader::Fail(int line, const std::string& message)
{
    _error = _fileName + ":" + std::to_string(line) + ": " + message;
    return false;
}

bool ElementReader::Fail(const tinyxml2::XMLElement* element, const std::string& message)
{
    return Fail(element->GetLineNum(), "<" + std::string(element->Name()) + "> " + message);
}

bool ElementReader::CheckAttributes(const tinyxml2::XMLElement* element, std::initializer_list<const char*> allowed)
{
    for (const tinyxml2::XMLAttribute* attribute = element->FirstAttribute(); attribute != nullptr;
         attribute = attribute->Next()) {
        bool known = false;
        for (const char* name : allowed) {
            known = known || std::strcmp(name, attribute->Name()) == 0;
        }
        if (!known) {
            return Fail(element, "has an unknown attribute \"" + Shortened(attribute->Name()) + "\"");
        }
    }
    return true;
}

bool ElementReader::CheckNoContent(const tinyxml2::XMLElement* element)
{
    for (const tinyxml2::XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const tinyxml2::XMLElement* inner = child->ToElement()) {
            return Fail(inner->GetLineNum(), "unknown element <" + Shortened(inner->Name()) + "> in <" +
                                                 element->Name() + ">");
        }
        if (const tinyxml2::XMLText* text = child->ToText()) {
            if (!IsBlank(text->Value())) {
                return Fail(element, "holds text, which it does not take");
            }
        }
    }
    return true;
}

bool ElementReader::Required(const tinyxml2::XMLElement* element, const char* attribute, const char** value)
{
    *value = element->Attribute(attribute);
    if (*value == nullptr) {
        return Fail(element, "needs the attribute \"" + std::string(attribute) + "\"");
    }
    return true;
}

bool ElementReader::Number(const tinyxml2::XMLElement* element, const char* attribute, long min, long max, long* value)
{
    const char* text = element->Attribute(attribute);
    if (text == nullptr) {
        return true;  // the caller's default stays
    }
    long parsed = 0;
    if (!ParseNumber(text, &parsed) || parsed < min || parsed > max) {
        const bool tooLong = parsed == LONG_MAX || parsed == LONG_MIN;
        return Fail(element, std::string(attribute) + "=\"" + Shortened(text) + "\" " +
                                 (tooLong ? "has too many digits for" : "is not") + " a whole number from " +
                                 std::to_string(min) + " to " + std::to_string(max));
    }
    *value = parsed;
    return true;
}

bool ElementReader::Choice(const tinyxml2::XMLElement* element, const char* attribute,
                           std::initializer_list<const char*> choices, int* index)
{
    const char* text = element->Attribute(attribute);
    if (text == nullptr) {
        return true;
    }
    std::string expected;
    int i = 0;
    for (const char* choice : choices) {
        if (std::strcmp(choice, text) == 0) {
            *index = i;
            return true;
        }
        expected += (i == 0 ? "" : i + 1 == static_cast<int>(choices.size()) ? " or " : ", ") + std::string(choice);
        ++i;
    }
    return Fail(element, std::string(attribute) + "=\"" + Shortened(text) + "\" is not " + expected);
}

// The file is UTF-8; the host's texts are 8-bit, in the Windows Latin 1 code page.
bool ElementReader::HostText(const tinyxml2::XMLElement* element, const char* attribute, std::string* text)
{
    const char* utf8 = element->Attribute(attribute);
    if (utf8 == nullptr || *utf8 == '\0') {
        text->clear();
        return true;
    }
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    std::vector<wchar_t> units(wide > 0 ? wide : 1);
    BOOL lossy = FALSE;
    int narrow = 0;
    if (wide > 0 && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, units.data(), wide) == wide) {
        narrow = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, units.data(), wide, nullptr, 0, "?", &lossy);
    }
    if (narrow <= 0 || lossy) {
        return Fail(element, std::string(attribute) + "=\"" + Shortened(utf8) +
                                 "\" has characters the host's 8-bit texts cannot hold");
    }
    std::vector<char> bytes(narrow);
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, units.data(), wide, bytes.data(), narrow, "?", &lossy);
    text->assign(bytes.data());
    return true;
}

bool ElementReader::FilePath(const tinyxml2::XMLElement* element, std::string* path)
{
    const char* file = nullptr;
    if (!Required(element, "file", &file)) {
        return false;
    }
    *path = std::strlen(file) < MAX_PATH ? PathBeside(_folder, file) : std::string();
    if (std::strlen(file) >= MAX_PATH || path->size() >= MAX_PATH) {
        return Fail(element, "file=\"" + Shortened(file) + "\" makes a path too long (" +
                                 std::to_string(std::max(std::strlen(file), path->size())) + " characters; at most " +
                                 std::to_string(MAX_PATH - 1) + ")");
    }
    if (path->empty()) {
        return Fail(element, "file=\"" + Shortened(file) + "\" cannot be made a full path");
    }
    return true;
}

bool ElementReader::ParseRange(const tinyxml2::XMLElement* element, const char* attribute, long max, Range* range)
{
    const char* text = nullptr;
    if (!Required(element, attribute, &text)) {
        return false;
    }
    std::string written(text);
    size_t dash = written.find('-', 1);
    std::string first = written.substr(0, dash);
    std::string last = dash == std::string::npos ? first : written.substr(dash + 1);
    long a = 0;
    long b = 0;
    if (!ParseNumber(first.c_str(), &a) || !ParseNumber(last.c_str(), &b) || a < 1 || b < 1 || a > max ||
        b > max) {
        return Fail(element, std::string(attribute) + "=\"" + Shortened(text) + "\" is not a number or range (A-B) within 1 to " +
                                 std::to_string(max));
    }
    if (a > b) {
        return Fail(element, std::string(attribute) + "=\"" + text + "\" is a reversed range: write " +
                                 std::to_string(b) + "-" + std::to_string(a));
    }
    *range = Range{a, b};
    return true;
}

}  // namespace workbench

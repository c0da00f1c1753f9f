// Checked reading of XML attributes, with messages that say where.
#include "workbench/xml_element_reader.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "workbench/code_pages.h"
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
    return ChildElements(element, {}, [](const tinyxml2::XMLElement*) { return true; });
}

bool ElementReader::ChildElements(const tinyxml2::XMLElement* element, std::initializer_list<const char*> names,
                                  const std::function<bool(const tinyxml2::XMLElement*)>& visit)
{
    for (const tinyxml2::XMLNode* child = element->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (const tinyxml2::XMLText* text = child->ToText()) {
            if (!IsBlank(text->Value())) {
                return Fail(element, "holds text, which it does not take");
            }
        }
        const tinyxml2::XMLElement* inner = child->ToElement();
        if (inner == nullptr) {
            continue;
        }
        bool known = false;
        for (const char* name : names) {
            known = known || std::strcmp(inner->Name(), name) == 0;
        }
        if (!known) {
            return Fail(inner->GetLineNum(), "unknown element <" + Shortened(inner->Name()) + "> in <" +
                                                 element->Name() + ">");
        }
        if (!visit(inner)) {
            return false;
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

bool ElementReader::YesNo(const tinyxml2::XMLElement* element, const char* attribute, bool* value)
{
    int choice = *value ? 0 : 1;
    if (!Choice(element, attribute, {"yes", "no"}, &choice)) {
        return false;
    }
    *value = choice == 0;
    return true;
}

bool ElementReader::Font(const tinyxml2::XMLElement* element, const char* nameAttribute,
                         std::optional<FontSetting>* font)
{
    FontSetting setting;
    if (!HostText(element, nameAttribute, &setting.name) || !Number(element, "size", 1, 32767, &setting.size) ||
        !Number(element, "effects", 0, 65535, &setting.effects)) {
        return false;
    }
    if (setting.name.empty()) {
        if (element->Attribute("size") != nullptr || element->Attribute("effects") != nullptr) {
            return Fail(element, "has a font size or effects but no font \"" + std::string(nameAttribute) + "\"");
        }
        return true;
    }
    *font = setting;
    return true;
}

// Files are UTF-8; the host's texts are 8-bit, in the Windows Latin 1 code page.
std::string ToHostText(const char* utf8, bool* lossy)
{
    return Recode(utf8 != nullptr ? utf8 : "", CP_UTF8, kHostCodePage, lossy);
}

bool ElementReader::HostText(const tinyxml2::XMLElement* element, const char* attribute, std::string* text)
{
    const char* utf8 = element->Attribute(attribute);
    bool lossy = false;
    *text = ToHostText(utf8, &lossy);
    if (lossy) {
        return Fail(element, std::string(attribute) + "=\"" + Shortened(utf8) +
                                 "\" has characters the host's 8-bit texts cannot hold");
    }
    return true;
}

bool ElementReader::OptionalHostText(const tinyxml2::XMLElement* element, const char* attribute,
                                     std::optional<std::string>* text)
{
    if (element->Attribute(attribute) == nullptr) {
        return true;
    }
    std::string read;
    if (!HostText(element, attribute, &read)) {
        return false;
    }
    *text = read;
    return true;
}

bool ElementReader::FilePath(const tinyxml2::XMLElement* element, std::string* path)
{
    const char* file = nullptr;
    if (!Required(element, "file", &file)) {
        return false;
    }
    bool lossy = false;
    const std::string local = PathFromUtf8(file, &lossy);
    if (lossy) {
        return Fail(element, "file=\"" + Shortened(file) + "\" has characters that Windows' code page here cannot hold");
    }
    *path = std::strlen(file) < MAX_PATH ? PathBeside(_folder, local) : std::string();
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

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

bool ElementReader::HexBytes(const tinyxml2::XMLElement* element, const char* hex, Bytes* bytes)
{
    int high = -1;
    for (const char* c = hex; *c != '\0'; ++c) {
        if (std::isspace(static_cast<unsigned char>(*c))) {
            continue;
        }
        int digit = HexDigit(*c);
        if (digit < 0) {
            return Fail(element, "bytes: '" + std::string(1, *c) + "' is not a hexadecimal digit");
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes->push_back(static_cast<unsigned char>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) {
        return Fail(element, "bytes: an odd number of hexadecimal digits");
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

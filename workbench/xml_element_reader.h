// Reading the attributes of XML elements with checks and messages that name
// the file, the line and the element: what every XML document reader of the
// workbench shares.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include <tinyxml2.h>

#include "workbench/score_description.h"

namespace workbench {

// A whole number written in decimal or, after "0x", in hexadecimal.
bool ParseNumber(const char* text, long* value);
bool IsBlank(const char* text);
// What tinyxml2's error means, in words.
const char* DescribeXmlError(tinyxml2::XMLError error);
// UTF-8 as the host's 8-bit text; characters it cannot hold become '?', a
// text that is not UTF-8 comes back empty, and `lossy` tells of both.
std::string ToHostText(const char* utf8, bool* lossy);

class ElementReader {
public:
    // `folder` (a full Windows path) is where relative file paths start.
    ElementReader(std::string fileName, std::string folder)
        : _fileName(std::move(fileName)), _folder(std::move(folder))
    {
    }

    // Each check answers false after recording the message "FILE:LINE: ...".
    bool Fail(int line, const std::string& message);
    bool Fail(const tinyxml2::XMLElement* element, const std::string& message);
    const std::string& Error() const { return _error; }

    bool CheckAttributes(const tinyxml2::XMLElement* element, std::initializer_list<const char*> allowed);
    // Neither elements nor text other than white space.
    bool CheckNoContent(const tinyxml2::XMLElement* element);
    // Visits the child elements in order; one not among `names`, or text other
    // than white space, fails. A visit answering false stops the walk.
    bool ChildElements(const tinyxml2::XMLElement* element, std::initializer_list<const char*> names,
                       const std::function<bool(const tinyxml2::XMLElement*)>& visit);
    bool Required(const tinyxml2::XMLElement* element, const char* attribute, const char** value);
    // An absent attribute leaves `*value` as it was.
    bool Number(const tinyxml2::XMLElement* element, const char* attribute, long min, long max, long* value);
    bool Choice(const tinyxml2::XMLElement* element, const char* attribute, std::initializer_list<const char*> choices,
                int* index);
    // The attribute's UTF-8 text as the host's 8-bit text; empty when absent.
    bool HostText(const tinyxml2::XMLElement* element, const char* attribute, std::string* text);
    // As HostText; an absent attribute leaves `*text` without a value.
    bool OptionalHostText(const tinyxml2::XMLElement* element, const char* attribute,
                          std::optional<std::string>* text);
    // The required attribute "file" as a full Windows path.
    bool FilePath(const tinyxml2::XMLElement* element, std::string* path);
    // "yes" or "no"; an absent attribute leaves `*value` as it was.
    bool YesNo(const tinyxml2::XMLElement* element, const char* attribute, bool* value);
    // A font by the name in `nameAttribute` (none: the font stays unset), with
    // the attributes "size" and "effects".
    bool Font(const tinyxml2::XMLElement* element, const char* nameAttribute, std::optional<FontSetting>* font);
    // Pairs of hexadecimal digits, white space anywhere between the pairs.
    bool HexBytes(const tinyxml2::XMLElement* element, const char* hex, Bytes* bytes);
    // "A" or "A-B", each from 1 to max.
    bool ParseRange(const tinyxml2::XMLElement* element, const char* attribute, long max, Range* range);

private:
    std::string _fileName;
    std::string _folder;
    std::string _error;
};

}  // namespace workbench

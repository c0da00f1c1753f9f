// The staff order and staff groups of the workbench's document format:
// <staffOrder> and <group>, read into a score description.
#include <string>

#include "workbench/document_xml_reader.h"

namespace workbench {
namespace {

using tinyxml2::XMLElement;

// Numbers from 1 to 32767 apart by spaces or commas; at least one.
bool ReadStaffList(ElementReader& reader, const XMLElement* element, const char* attribute, std::vector<long>* staves)
{
    const char* text = nullptr;
    if (!reader.Required(element, attribute, &text)) {
        return false;
    }
    std::string written(text);
    for (char& c : written) {
        c = c == ',' ? ' ' : c;
    }
    size_t at = 0;
    while ((at = written.find_first_not_of(' ', at)) != std::string::npos) {
        size_t end = written.find(' ', at);
        long staff = 0;
        if (!ParseNumber(written.substr(at, end == std::string::npos ? std::string::npos : end - at).c_str(), &staff) ||
            staff < 1 || staff > 32767) {
            break;
        }
        staves->push_back(staff);
        at = end;
    }
    if (at != std::string::npos || staves->empty()) {
        return reader.Fail(element, std::string(attribute) + "=\"" + text +
                                        "\" is not a list of staff numbers from 1 to 32767");
    }
    return true;
}

}  // namespace

bool ReadStaffOrder(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    if (score->staffOrder) {
        return reader.Fail(element, "is given twice");
    }
    StaffOrderDescription order;
    order.line = element->GetLineNum();
    if (!reader.CheckAttributes(element, {"staves"}) || !reader.CheckNoContent(element) ||
        !ReadStaffList(reader, element, "staves", &order.staves)) {
        return false;
    }
    score->staffOrder = order;
    return true;
}

bool ReadGroup(ElementReader& reader, const XMLElement* element, ScoreDescription* score)
{
    GroupDescription group;
    group.line = element->GetLineNum();
    const char* ignored = nullptr;
    if (!reader.CheckAttributes(element, {"number", "first", "last", "name", "abbreviation"}) ||
        !reader.CheckNoContent(element) || !reader.Number(element, "number", 1, 32767, &group.number) ||
        !reader.Required(element, "first", &ignored) || !reader.Number(element, "first", 1, 32767, &group.first) ||
        !reader.Required(element, "last", &ignored) || !reader.Number(element, "last", 1, 32767, &group.last) ||
        !reader.OptionalHostText(element, "name", &group.name) ||
        !reader.OptionalHostText(element, "abbreviation", &group.abbreviation)) {
        return false;
    }
    score->groups.push_back(group);
    return true;
}

}  // namespace workbench

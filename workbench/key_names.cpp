// Reading key names.
#include "workbench/key_names.h"

#include <windows.h>

#include <cctype>

namespace workbench {
namespace {

std::string Lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool TakePrefix(std::string* name, const char* prefix)
{
    std::string start(prefix);
    if (Lower(name->substr(0, start.size())) != start || name->size() == start.size()) {
        return false;
    }
    name->erase(0, start.size());
    return true;
}

}  // namespace

bool ParseKeyName(const std::string& name, KeyPress* press)
{
    std::string rest = name;
    *press = KeyPress();
    for (bool more = true; more;) {
        more = false;
        if (TakePrefix(&rest, "ctrl+")) {
            press->control = more = true;
        }
        if (TakePrefix(&rest, "shift+")) {
            press->shift = more = true;
        }
    }
    if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
        press->key = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(rest[0])));
        return true;
    }
    std::string key = Lower(rest);
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'f' && key.find_first_not_of("0123456789", 1) == std::string::npos) {
        int number = std::stoi(key.substr(1));
        press->key = VK_F1 + static_cast<unsigned>(number) - 1;
        return number >= 1 && number <= 12;
    }
    static const struct {
        const char* name;
        unsigned int key;
    } kNamed[] = {{"apps", VK_APPS},   {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},
                  {"space", VK_SPACE}, {"up", VK_UP},        {"down", VK_DOWN},     {"left", VK_LEFT},
                  {"right", VK_RIGHT}, {"home", VK_HOME},    {"end", VK_END},       {"delete", VK_DELETE},
                  {"pageup", VK_PRIOR}, {"pagedown", VK_NEXT}};
    for (const auto& named : kNamed) {
        if (key == named.name) {
            press->key = named.key;
            return true;
        }
    }
    return false;
}

}  // namespace workbench

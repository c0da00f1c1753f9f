// Keys as a script names them: "Ctrl+C", "Shift+F10", "Apps", "Down".
#pragma once

#include <string>

namespace workbench {

struct KeyPress {
    unsigned int key = 0;  // the virtual-key code
    bool control = false;
    bool shift = false;
};

// False for a name that is no key: a letter or digit, F1 to F12, or one of
// Apps, Enter, Escape, Tab, Space, Up, Down, Left, Right, Home, End, Delete,
// PageUp, PageDown; before it any of "Ctrl+" and "Shift+" (any letter case).
bool ParseKeyName(const std::string& name, KeyPress* press);

}  // namespace workbench

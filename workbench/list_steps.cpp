// Script steps in a plug-in's list view, taken as a user takes them: a click
// on a column header, a key pressed in a control, a right click on a row;
// and reading the clipboard that such steps fill.
#include <windows.h>

#include <commctrl.h>

#include "workbench/key_names.h"
#include "workbench/menu_watch.h"
#include "workbench/message_loop.h"
#include "workbench/output.h"
#include "workbench/script.h"

namespace workbench {
namespace {

LPARAM PointParam(const RECT& rect)
{
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The menu a step opened has been answered by now; a wrong answer fails it.
bool MenuAnswered(std::string* error)
{
    ProcessPendingMessages();
    *error = TakeMenuError();
    return error->empty();
}

}  // namespace

HWND Script::ListViewControl(const Step& step, std::string* error) const
{
    HWND window = PluginWindow(error);
    if (window == nullptr) {
        return nullptr;
    }
    HWND control = GetDlgItem(window, step.first);
    char type[32] = {};
    GetClassNameA(control, type, sizeof type);
    if (control == nullptr || lstrcmpiA(type, WC_LISTVIEWA) != 0) {
        *error = "the plug-in window has no list view " + std::to_string(step.first);
        return nullptr;
    }
    if (!IsWindowEnabled(control)) {
        *error = "control " + std::to_string(step.first) + " is disabled";
        return nullptr;
    }
    return control;
}

bool Script::ClickHeader(const Step& step, std::string* error)
{
    HWND list = ListViewControl(step, error);
    if (list == nullptr) {
        return false;
    }
    auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT place = {};
    if (header == nullptr || !SendMessageA(header, HDM_GETITEMRECT, step.second - 1, reinterpret_cast<LPARAM>(&place))) {
        *error = "list view " + std::to_string(step.first) + " has no column " + std::to_string(step.second);
        return false;
    }
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(place));
    PostMessageA(header, WM_LBUTTONUP, 0, PointParam(place));
    return true;
}

bool Script::RightClick(const Step& step, std::string* error)
{
    HWND list = ListViewControl(step, error);
    if (list == nullptr) {
        return false;
    }
    RECT place = {};
    place.left = LVIR_BOUNDS;
    if (!SendMessageA(list, LVM_GETITEMRECT, step.second - 1, reinterpret_cast<LPARAM>(&place))) {
        *error = "list view " + std::to_string(step.first) + " has no row " + std::to_string(step.second);
        return false;
    }
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, PointParam(place));
    PostMessageA(list, WM_RBUTTONUP, 0, PointParam(place));
    return MenuAnswered(error);
}

bool Script::PressKey(const Step& step, std::string* error)
{
    HWND window = PluginWindow(error);
    HWND control = window != nullptr ? GetDlgItem(window, step.first) : nullptr;
    KeyPress press;
    if (window == nullptr || !ParseKeyName(step.text, &press)) {
        return false;
    }
    if (control == nullptr) {
        *error = "the plug-in window has no control " + std::to_string(step.first);
        return false;
    }
    SetFocus(control);
    // The modifiers are held while the key goes down, as GetKeyState tells.
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE held[256];
    std::copy(saved, saved + 256, held);
    held[VK_CONTROL] = held[VK_LCONTROL] = press.control ? 0x80 : 0;
    held[VK_SHIFT] = held[VK_LSHIFT] = press.shift ? 0x80 : 0;
    SetKeyboardState(held);
    LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(press.key, MAPVK_VK_TO_VSC)) << 16;
    SendMessageA(control, WM_KEYDOWN, press.key, down);
    SendMessageA(control, WM_KEYUP, press.key, down | 0xC0000000);
    SetKeyboardState(saved);
    return MenuAnswered(error);
}

bool Script::PrintClipboard(std::string* error)
{
    if (!OpenClipboard(nullptr)) {
        *error = "cannot open the clipboard";
        return false;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    std::string lines = text == nullptr ? "clipboard: no text\n" : "clipboard:\n";
    for (const char* line = text; line != nullptr && *line != '\0';) {
        const char* end = line;
        while (*end != '\0' && *end != '\r' && *end != '\n') {
            ++end;
        }
        lines += "  " + Quoted(std::string(line, end)) + "\n";
        end += (end[0] == '\r' && end[1] == '\n') ? 2 : (*end != '\0' ? 1 : 0);
        line = end;
    }
    if (text != nullptr) {
        GlobalUnlock(data);
    }
    CloseClipboard();
    PrintText(lines);
    return true;
}

}  // namespace workbench

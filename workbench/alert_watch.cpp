// A CBT hook on the workbench's thread that sees message boxes activate,
// prints them and presses the chosen button.
#include "workbench/alert_watch.h"

#include <set>
#include <vector>

#include "workbench/output.h"
#include "workbench/window_printer.h"

namespace workbench {
namespace {

HHOOK g_hook;
Answer g_answer = Answer::kOk;
std::set<HWND> g_answered;  // boxes already printed, until they are destroyed

// The message text of a box: its static item 0xFFFF.
std::string BoxText(HWND box)
{
    return WindowText(GetDlgItem(box, 0xFFFF));
}

std::string ButtonLabel(HWND button)
{
    std::string label;
    for (char c : WindowText(button)) {
        if (c != '&') {
            label += c;
        }
    }
    return label;
}

void PrintAndAnswer(HWND box)
{
    std::string line = "alert " + Quoted(WindowText(box)) + ": " + Escaped(BoxText(box));
    int button = ButtonForAnswer(box, g_answer);
    if (button != 0) {
        line += " [" + ButtonLabel(GetDlgItem(box, button)) + "]";
        // Posted: the box reads it in its own modal loop once it is up.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
    PrintLine(line);
}

LRESULT CALLBACK WatchAlerts(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsMessageBox(window) && g_answered.insert(window).second) {
        PrintAndAnswer(window);
    } else if (code == HCBT_DESTROYWND) {
        g_answered.erase(window);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

// A button the box shows; its own style, since the box itself may not be
// visible yet while it activates.
bool IsShownButton(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0 && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

bool IsMessageBox(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    // Plug-in dialogs come from templates in the plug-in's module; message
    // boxes belong to the system's (Wine gives them none).
    HMODULE owner = reinterpret_cast<HMODULE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    return lstrcmpA(name, "#32770") == 0 && (owner == nullptr || owner == GetModuleHandleA("user32.dll"));
}

int ButtonForAnswer(HWND box, Answer answer)
{
    std::vector<int> order;
    switch (answer) {
    case Answer::kOk:
        order = {IDOK, IDYES, IDRETRY, IDCONTINUE};
        break;
    case Answer::kYes:
        order = {IDYES, IDOK, IDRETRY, IDCONTINUE};
        break;
    case Answer::kNo:
        order = {IDNO, IDCANCEL, IDABORT, IDIGNORE};
        break;
    case Answer::kCancel:
        order = {IDCANCEL, IDNO, IDABORT, IDIGNORE};
        break;
    }
    for (int id : order) {
        HWND button = GetDlgItem(box, id);
        if (button != nullptr && IsShownButton(button)) {
            return id;
        }
    }
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsShownButton(child)) {
            return GetDlgCtrlID(child);
        }
    }
    return 0;
}

bool StartAlertWatch()
{
    g_hook = SetWindowsHookExA(WH_CBT, WatchAlerts, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}

void StopAlertWatch()
{
    if (g_hook != nullptr) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
    g_answered.clear();
}

void SetAlertAnswer(Answer answer)
{
    g_answer = answer;
}

}  // namespace workbench

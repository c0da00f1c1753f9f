// Menu watching: a CBT hook sees a menu window made, and a message filter
// hook, which the menu's own loop calls, reads the menu once it is up and
// answers it with the keys a user would press.
#include "workbench/menu_watch.h"

#include <windows.h>

#include "workbench/output.h"

namespace workbench {
namespace {

HHOOK g_windows;
HHOOK g_filter;
std::string g_entry;
std::string g_error;
bool g_menuPending = false;

bool IsMenuWindow(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32768") == 0;
}

BOOL CALLBACK FindShownMenu(HWND window, LPARAM found)
{
    if (IsMenuWindow(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

std::string EntryText(HMENU menu, int position)
{
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    std::string plain;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&') {
            plain += *c;
        }
    }
    return plain;
}

// Posted to the menu, which reads them in its own loop.
void PostKey(HWND menuWindow, UINT key)
{
    LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(menuWindow, WM_KEYDOWN, key, down);
    PostMessageA(menuWindow, WM_KEYUP, key, down | 0xC0000000);
}

void PrintAndAnswer(HWND menuWindow)
{
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
    std::string line = "context menu:";
    int downs = 0;
    int chosenDowns = 0;
    bool disabled = false;
    for (int position = 0; position < count; ++position) {
        UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        if ((state & MF_SEPARATOR) != 0) {
            continue;
        }
        // The arrow keys step over separators only.
        ++downs;
        std::string text = EntryText(menu, position);
        bool grayed = (state & (MF_GRAYED | MF_DISABLED)) != 0;
        line += std::string(downs == 1 ? " " : ", ") + Quoted(text) + (grayed ? " (disabled)" : "");
        if (text == g_entry && chosenDowns == 0) {
            chosenDowns = downs;
            disabled = grayed;
        }
    }
    if (g_entry.empty() || chosenDowns == 0 || disabled) {
        if (!g_entry.empty()) {
            g_error = "the context menu has no " + std::string(chosenDowns == 0 ? "" : "enabled ") + "entry " +
                      Quoted(g_entry);
        }
        PrintLine(line + " [closed]");
        PostKey(menuWindow, VK_ESCAPE);
        return;
    }
    PrintLine(line + " [" + g_entry + "]");
    for (int i = 0; i < chosenDowns; ++i) {
        PostKey(menuWindow, VK_DOWN);
    }
    PostKey(menuWindow, VK_RETURN);
}

LRESULT CALLBACK WatchWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && IsMenuWindow(reinterpret_cast<HWND>(wParam))) {
        g_menuPending = true;
        // Wakes the menu's loop once it is up, so that the filter sees it.
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    }
    return CallNextHookEx(g_windows, code, wParam, lParam);
}

LRESULT CALLBACK WatchMenuLoop(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && g_menuPending) {
        HWND menuWindow = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindShownMenu, reinterpret_cast<LPARAM>(&menuWindow));
        if (menuWindow != nullptr) {
            g_menuPending = false;
            PrintAndAnswer(menuWindow);
        }
    }
    return CallNextHookEx(g_filter, code, wParam, lParam);
}

}  // namespace

bool StartMenuWatch()
{
    DWORD thread = GetCurrentThreadId();
    g_windows = SetWindowsHookExA(WH_CBT, WatchWindows, nullptr, thread);
    g_filter = SetWindowsHookExA(WH_MSGFILTER, WatchMenuLoop, nullptr, thread);
    return g_windows != nullptr && g_filter != nullptr;
}

void StopMenuWatch()
{
    for (HHOOK* hook : {&g_windows, &g_filter}) {
        if (*hook != nullptr) {
            UnhookWindowsHookEx(*hook);
            *hook = nullptr;
        }
    }
}

void SetMenuEntry(const std::string& entry)
{
    g_entry = entry;
}

std::string TakeMenuError()
{
    std::string error = g_error;
    g_error.clear();
    return error;
}

}  // namespace workbench

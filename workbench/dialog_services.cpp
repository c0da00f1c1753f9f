// The dialog services: plug-in dialogs built from the plug-in's own templates,
// their messages forwarded to the plug-in's procedure, and the item services.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "workbench/host_services.h"
#include "workbench/workbench.h"

namespace workbench {
namespace {

// Value kinds of FX_GetDlgItemVal and FX_SetDlgItemVal.
constexpr short kPopupEntryKind = 0;
constexpr short kIntegerKind = 3;
// Value kind of FX_GetDlgItemUser and FX_SetDlgItemUser: a decimal number.
constexpr short kDecimalKind = 0;

// What FX_Dialog hands to the new dialog; it lives for the creating call.
struct DialogStart {
    HostDialogProc proc;
    void* window;
    bool modal;
};

void Unregister(HWND dialog)
{
    auto& dialogs = Workbench::Instance().pluginDialogs;
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                                 [dialog](const Workbench::PluginDialog& entry) { return entry.window == dialog; }),
                  dialogs.end());
}

const Workbench::PluginDialog* FindPluginDialog(HWND dialog)
{
    for (const auto& entry : Workbench::Instance().pluginDialogs) {
        if (entry.window == dialog) {
            return &entry;
        }
    }
    return nullptr;
}

// A window the main window owns opens to the right of it, beside the staff
// list rather than over it, as far as the screen allows; the plug-in may
// still place it elsewhere.
void PlaceBesideOwner(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT main;
    RECT frame;
    if (owner == nullptr || owner != Workbench::Instance().mainWindow || !GetWindowRect(owner, &main) ||
        !GetWindowRect(dialog, &frame)) {
        return;
    }
    const int width = frame.right - frame.left;
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    int left = main.right + 8;
    if (left + width > screen) {
        left = screen - width > 0 ? screen - width : 0;
    }
    SetWindowPos(dialog, nullptr, left, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Messages before WM_INITDIALOG have no plug-in procedure yet and get the
// dialog manager's defaults.
INT_PTR CALLBACK ForwardingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        PlaceBesideOwner(dialog);
        const auto* start = reinterpret_cast<const DialogStart*>(lParam);
        Workbench::Instance().pluginDialogs.push_back(
            Workbench::PluginDialog{dialog, start->modal, start->proc, start->window});
        // The plug-in gets its window object as the initialisation value.
        lParam = reinterpret_cast<LPARAM>(start->window);
    }
    // Copied: the procedure may open or close dialogs, which moves the entries.
    const Workbench::PluginDialog* entry = FindPluginDialog(dialog);
    if (entry == nullptr) {
        return FALSE;
    }
    HostDialogProc proc = entry->proc;
    void* window = entry->object;
    if (message == WM_NCDESTROY) {
        Unregister(dialog);
    }
    return proc(dialog, message, static_cast<unsigned int>(wParam), static_cast<long>(lParam), window);
}

// At most four decimals, without trailing zeros or a trailing point.
std::string DecimalText(double value)
{
    // The widest double has 309 digits before the point.
    char text[400];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') {
            shown.pop_back();
        }
    }
    // Values that round to nothing show no sign.
    return shown == "-0" ? "0" : shown;
}

}  // namespace
}  // namespace workbench

using namespace workbench;

extern "C" long WINAPI HostDialog(short id, HostDialogProc proc, HWND parent, short modal, void* window, long)
{
    HMODULE module = nullptr;
    // The template is in the module that holds the procedure: the plug-in.
    if (proc == nullptr ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(proc), &module)) {
        return 0;
    }
    LPCSTR name = MAKEINTRESOURCEA(static_cast<unsigned short>(id));
    if (FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_DIALOG)) == nullptr) {
        return 0;
    }
    // Plug-in windows stay above the main window, which owns them.
    if (parent == nullptr) {
        parent = Workbench::Instance().mainWindow;
    }
    DialogStart start{proc, window, modal != 0};
    auto init = reinterpret_cast<LPARAM>(&start);
    if (start.modal) {
        // Returns once FX_EndDialog has ended the dialog.
        return DialogBoxParamA(module, name, parent, ForwardingProc, init) > 0 ? 1 : 0;
    }
    return reinterpret_cast<long>(CreateDialogParamA(module, name, parent, ForwardingProc, init));
}

extern "C" long WINAPI HostEndDialog(HWND dialog, long)
{
    const Workbench::PluginDialog* entry = FindPluginDialog(dialog);
    // Only dialogs made for a plug-in are the plug-in's to end.
    if (entry == nullptr) {
        return 0;
    }
    if (entry->modal) {
        return EndDialog(dialog, 1);
    }
    return ::DestroyWindow(dialog);
}

extern "C" long WINAPI HostSetDlgString(HWND dialog, long item, const char* text, long)
{
    return SetDlgItemTextA(dialog, item, text != nullptr ? text : "");
}

extern "C" long WINAPI HostGetDlgString(HWND dialog, long item, char* buffer, short size, long)
{
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    // Cut to the buffer and always ended, also when the item does not exist.
    buffer[0] = '\0';
    return static_cast<long>(GetDlgItemTextA(dialog, item, buffer, size));
}

extern "C" long WINAPI HostGetDlgItemVal(HWND dialog, long item, short kind, long)
{
    switch (kind) {
    case kPopupEntryKind: {
        LRESULT selected = SendDlgItemMessageA(dialog, item, CB_GETCURSEL, 0, 0);
        return selected == CB_ERR ? 0 : static_cast<long>(selected) + 1;
    }
    case kIntegerKind:
        return static_cast<long>(static_cast<int>(GetDlgItemInt(dialog, item, nullptr, TRUE)));
    default:
        return 0;
    }
}

extern "C" long WINAPI HostSetDlgItemVal(HWND dialog, long item, short kind, long value, long)
{
    switch (kind) {
    case kPopupEntryKind: {
        if (GetDlgItem(dialog, item) == nullptr) {
            return 0;
        }
        // Entry 0 clears the selection, which the combo box answers with CB_ERR.
        long index = value - 1;
        return SendDlgItemMessageA(dialog, item, CB_SETCURSEL, index, 0) == index ? 1 : 0;
    }
    case kIntegerKind:
        return SetDlgItemInt(dialog, item, static_cast<UINT>(value), TRUE);
    default:
        return 0;
    }
}

extern "C" long WINAPI HostGetDlgItemUser(HWND dialog, long item, short kind, double* value, long)
{
    HWND control = GetDlgItem(dialog, item);
    if (control == nullptr || kind != kDecimalKind || value == nullptr) {
        return 0;
    }
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
    // A field that does not start with a number reads 0, as the C library reads it.
    *value = std::atof(text.c_str());
    return 1;
}

extern "C" long WINAPI HostSetDlgItemUser(HWND dialog, long item, short kind, double value, long)
{
    // Infinities and NaN have no decimal text; the field keeps its own.
    if (GetDlgItem(dialog, item) == nullptr || kind != kDecimalKind || !std::isfinite(value)) {
        return 0;
    }
    return SetDlgItemTextA(dialog, item, DecimalText(value).c_str()) ? 1 : 0;
}

extern "C" long WINAPI HostEnableDlgItem(HWND dialog, long item, short enable, long)
{
    HWND control = GetDlgItem(dialog, item);
    if (control == nullptr) {
        return 0;
    }
    EnableWindow(control, enable != 0);
    return 1;
}

extern "C" long WINAPI HostShowHideDlgItem(HWND dialog, long item, short show, long)
{
    HWND control = GetDlgItem(dialog, item);
    if (control == nullptr) {
        return 0;
    }
    ShowWindow(control, show != 0 ? SW_SHOW : SW_HIDE);
    return 1;
}

extern "C" HWND WINAPI HostGetDlgCntl(HWND dialog, long item, long)
{
    return GetDlgItem(dialog, item);
}

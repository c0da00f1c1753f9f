// The message loop and the modeless plug-in dialogs' keyboard messages.
#include "workbench/message_loop.h"

#include "workbench/workbench.h"

namespace workbench {

bool IsPluginDialogMessage(MSG* message)
{
    // A copy: a dialog may open or close others while it handles a key.
    const std::vector<Workbench::PluginDialog> dialogs = Workbench::Instance().pluginDialogs;
    for (const Workbench::PluginDialog& dialog : dialogs) {
        if (!dialog.modal && IsWindow(dialog.window) && IsDialogMessageA(dialog.window, message)) {
            return true;
        }
    }
    // Tab moves between the main window's fields; other keys stay with the field.
    HWND main = Workbench::Instance().mainWindow;
    return main != nullptr && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
           message->wParam == VK_TAB && IsDialogMessageA(main, message);
}

namespace {
void Dispatch(MSG* message)
{
    if (!IsPluginDialogMessage(message)) {
        TranslateMessage(message);
        DispatchMessageA(message);
    }
}
}  // namespace

bool ProcessPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that ends the program
            return false;
        }
        Dispatch(&message);
    }
    return true;
}

int RunMessageLoop()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) {
            return 1;
        }
        Dispatch(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace workbench

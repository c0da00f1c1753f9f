// userroutine: the dialog procedure of every framework window. It turns the
// dialog's messages into calls of the window's handlers.
#include "framework/ui/controls.h"
#include "framework/ui/resource_window.h"

namespace {

// A command from a control with a role goes to the matching button handler;
// anything else, also from an ID no control has, to HandleCommand.
long HandleCommandMessage(FCUserWindow* window, unsigned int wParam)
{
    // Dialog item IDs are 16-bit values, as the controls keep them.
    FCControl* control = window->FindControl(static_cast<short>(LOWORD(wParam)));
    if (control == nullptr || control->GetCommandRole() == FCControl::kNoRole) {
        return window->HandleCommand(control) ? 1 : 0;
    }
    switch (control->GetCommandRole()) {
    case FCControl::kOkRole:
        window->OkButtonPressed();
        break;
    case FCControl::kCloseRole:
        window->CloseButtonPressed();
        break;
    case FCControl::kCancelRole:
        window->CancelButtonPressed();
        break;
    default:
        break;
    }
    return 1;
}

}  // namespace

long WINAPI userroutine(HWND dialog, unsigned long message, unsigned int wParam, long lParam, void* data)
{
    if (data == nullptr) {
        return 0;
    }
    auto* window = static_cast<FCResourceWindow*>(data);
    // The host is not built to take exceptions back: whatever a handler
    // throws ends here, as a message not handled.
    try {
        switch (message) {
        case WM_INITDIALOG:
            window->_hWnd = dialog;
            window->_SetupInternalWindowCode();
            window->InitWindow();
            return 0;
        case WM_SHOWWINDOW:
            // A position restored while the dialog was built is applied once
            // more when it first appears, after the host has placed it.
            if (window->_firstShowPending && window->_positionRestored) {
                window->RestorePosition();
            }
            window->_firstShowPending = false;
            window->_positionRestored = false;
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_RESTORED) {
                window->_HandleResizeChange(LOWORD(lParam), HIWORD(lParam));
            }
            return 0;
        case WM_GETMINMAXINFO:
            if (auto* limits = reinterpret_cast<MINMAXINFO*>(lParam)) {
                limits->ptMinTrackSize.x = window->_minTrackWidth;
                limits->ptMinTrackSize.y = window->_minTrackHeight;
                limits->ptMaxTrackSize.x = window->_maxTrackWidth;
                limits->ptMaxTrackSize.y = window->_maxTrackHeight;
            }
            return 0;
        case WM_ACTIVATE:
            window->HandleActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            window->CloseButtonPressed();
            return 0;
        case WM_DESTROY:
            window->_DialogDestroyed(dialog);
            return 0;
        case WM_TIMER:
            window->HandleTimer(static_cast<short>(wParam));
            return 0;
        case WM_COMMAND:
            return HandleCommandMessage(window, wParam);
        case WM_NOTIFY:
            return window->HandleWMNotify(wParam, lParam) ? 1 : 0;
        default:
            return 0;
        }
    } catch (...) {
        return 0;
    }
}

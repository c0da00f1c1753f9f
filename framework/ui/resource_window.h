// FCResourceWindow, a window whose dialog the host builds from a template in
// the plug-in's resources, and userroutine, the one dialog procedure that
// turns the dialog's messages into the window's handlers.
#pragma once

#include <windows.h>

#include "framework/ui/user_window.h"
#include "host/service_wrappers.h"

// The host calls it for every message of the dialog from WM_INITDIALOG on,
// with `data` the FCResourceWindow that asked for the dialog.
long WINAPI userroutine(HWND dialog, unsigned long message, unsigned int wParam, long lParam, void* data);

class FCResourceWindow : public FCUserWindow {
public:
    explicit FCResourceWindow(int resourceID) : _resourceID(resourceID) {}
    // Ends the dialog first, so that the host never calls a destroyed window.
    ~FCResourceWindow() override;

    void CloseWindow() override;
    // Notifications of the common controls; false for every code.
    virtual bool HandleWMNotify(unsigned int wParam, long lParam);

    // An existing dialog is only shown and activated; otherwise the host
    // creates a new one.
    void ShowModeless(HWND parent);
    void ShowModeless(FCUserWindow* parent);
    // Returns when the dialog has ended; the result is always 0.
    int ExecuteModal(HWND parent);
    int ExecuteModal(FCUserWindow* parent);
    void DestroyWindow();
    void _SetupInternalWindowCode();
    // The dialog is gone, whoever ended it (the host may close it, or end):
    // the window forgets it, so that the next show makes a new one.
    void _DialogDestroyed(HWND dialog);

private:
    void HandleListNotification(FCControl* control, const NMHDR* header, long lParam);

    int _resourceID;
    // The window's record of how its dialog was asked for; the host keeps
    // its own copy of the procedure, and the owner comes from the handle.
    FinaleDialogProc _dialogProc = nullptr;
    FCUserWindow* _parentWindow = nullptr;
};

// FCUI: alert boxes and the host's view, for the window the plug-in was
// invoked under. No method reads the object, so any FCUI serves.
#pragma once

#include <windows.h>

#include "framework/data/base.h"

class FCString;

class FCUI : public __FCBase {
public:
    // The host's menu items that MenuCommand can execute, by their host numbers.
    enum MENU_COMMANDS {
        MENUCMD_NONE = 0,
        MENUCMD_ITEM_12106,
        MENUCMD_ITEM_12112,
        MENUCMD_ITEM_10602,
        MENUCMD_ITEM_35622,
        MENUCMD_ITEM_10611,
        MENUCMD_ITEM_10612,
        MENUCMD_ITEM_10613,
        MENUCMD_ITEM_10614,
        MENUCMD_ITEM_10615,
        MENUCMD_ITEM_10616,
        MENUCMD_ITEM_10617,
        MENUCMD_ITEM_10618,
        MENUCMD_ITEM_10619,
    };

    explicit FCUI(HWND hostWindow = nullptr) : _hostWindow(hostWindow) {}
    HWND GetHostWindow() const { return _hostWindow; }

    // Message boxes owned by the active window; the message must not be null.
    void AlertError(const char* message, const char* title);
    void AlertError(FCString* message, FCString* title);
    // 0 for Yes, 1 for No, 2 when the box could not be shown.
    int AlertYesNo(const char* message, const char* title);
    int AlertYesNo(FCString* message, FCString* title);
    void AlertNeutral(const char* message, const char* title);
    void AlertNeutral(FCString* message, FCString* title);
    void AlertInfo(const char* message, const char* title);
    void AlertInfo(FCString* message, FCString* title);

    bool MenuCommand(int command);
    void RedrawDocument();

    // The host's view; defaults when the host cannot tell.
    bool IsPageView();
    int GetCurrentPage();
    int GetZoomLevel();
    HWND GetDocumentWindow();

    // Staff 0 scrolls to the first staff that exists.
    void MoveToMeasure(int measure, int staff);
    void Beep();
    int GetScreenHeight();

private:
    HWND _hostWindow;
};

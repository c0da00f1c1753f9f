// The basic controls of a dialog: FCControl, FCCtrlStatic, FCCtrlPopup,
// FCCtrlButton. A control names a dialog item by its ID and reaches it
// through its owner window's dialog whenever it is used; the item found is
// kept while it is still that dialog's child with that ID.
#pragma once

#include <windows.h>

#include "framework/data/base.h"

class FCString;
class FCUserWindow;

class FCControl : public __FCBase {
public:
    // What a WM_COMMAND from the control does (the dialog procedure reads it).
    enum CommandRole { kNoRole = 0, kOkRole = 1, kCloseRole = 2, kCancelRole = 3 };

    // What the dialog procedure may ask of a control.
    enum ControlType { kPlainControl = 0, kUpDownControl = 1, kDataListControl = 2 };

    explicit FCControl(int controlID) : _controlID(static_cast<short>(controlID)) {}
    const char* ClassName() const override { return "FCControl"; }
    virtual int _GetControlType() { return kPlainControl; }
    // A null text empties the control.
    virtual void SetText(FCString* text);
    // Texts are read through a 5000-byte buffer and arrive cut to it.
    virtual void GetText(FCString* text);

    // Attributes.
    short GetControlID() const { return _controlID; }
    FCUserWindow* GetOwnerWindow() const { return _ownerWindow; }
    void SetOwnerWindow(FCUserWindow* window) { _ownerWindow = window; }
    int GetCommandRole() const { return _commandRole; }
    void SetCommandRole(int role) { _commandRole = role; }
    bool GetVisible();
    // Client coordinates of the owner dialog; a buffered move answers with
    // its target.
    int GetLeft();
    int GetTop();
    // Always the live control's outer size.
    int GetWidth();
    int GetHeight();

    // Operations.
    void SetVisible(bool visible);
    // While the owner buffers, the three record the change instead.
    void MoveRelative(int dx, int dy);
    void MoveAbsolute(int x, int y);
    void ResizeRelative(int dw, int dh);
    // Acts at once, also while the owner buffers.
    void SetWidth(int width);

    // Buffered movement (control_movement.cpp).
    bool _IsChangePending() const { return _movePending || _resizePending; }
    void _ClearPendingChange();
    // Adds the recorded change to a deferred batch; null when Windows refuses.
    HDWP _DeferPendingChange(HDWP batch);
    // Draws the control whole where it now is.
    void _DrawAtNewPlace();

protected:
    // The owner's dialog; null while there is none.
    HWND _GetDialog() const;
    HWND _GetWindow() const;
    // A message to the control, sent through its dialog.
    long _SendItemMessage(unsigned int message, unsigned int wParam, long lParam) const;

private:
    // Top-left of the live control in the owner's client coordinates.
    POINT LivePosition() const;
    RECT LiveRect() const;
    void PlaceAt(int x, int y);

    bool _movePending = false;
    bool _resizePending = false;
    int _pendingX = 0;
    int _pendingY = 0;
    int _pendingWidth = 0;
    int _pendingHeight = 0;
    short _controlID;
    FCUserWindow* _ownerWindow = nullptr;
    int _commandRole = kNoRole;
    // The item last found and the dialog it was found in.
    mutable HWND _window = nullptr;
    mutable HWND _windowDialog = nullptr;
};

// A static text.
class FCCtrlStatic : public FCControl {
public:
    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlStatic"; }
    // Shows the number in decimal.
    void SetInteger(int value);
};

// A combo box in drop-down-list style. Its selection is read and set through
// the host's dialog value services with value kind 0 (1-based entries).
class FCCtrlPopup : public FCControl {
public:
    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlPopup"; }
    void Clear();
    // A null text adds an empty entry.
    void AddString(FCString* text);
    void DeleteItem(int index);
    int GetCount();
};

// A push button: it reacts through its command role or the window's
// HandleCommand, and keeps the class name of its base.
class FCCtrlButton : public FCControl {
public:
    using FCControl::FCControl;
};

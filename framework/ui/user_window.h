// FCUserWindow: the abstract dialog window, the owning list of its controls,
// with its size limits, stored position, buffered control movement and the
// defaults of every handler the dialog procedure calls.
#pragma once

#include <windows.h>

#include "framework/data/collection.h"

class FCControl;

// The framework's positioning never changes a window's place among the
// others, nor activates it.
constexpr UINT kKeepOrderFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

class FCUserWindow : public __FCCollection {
public:
    FCUserWindow() = default;

    // Handlers, called by the dialog procedure (userroutine).
    virtual void CloseWindow() = 0;
    // Locks the tracking size to the window's present size and measures the
    // client area; a subclass calls it first and may widen the limits after.
    virtual void InitWindow();
    virtual void CloseButtonPressed();
    virtual void OkButtonPressed();
    virtual void CancelButtonPressed();
    // True when the command was handled; `control` is null for IDs that no
    // control of the window has.
    virtual bool HandleCommand(FCControl* control);
    virtual void HandleUpDownPressed(FCControl* control, int delta);
    virtual void HandleTimer(short timerID);
    virtual void HandleActivate(bool active);
    virtual void HandleResize(int newWidth, int newHeight, int oldWidth, int oldHeight);

    // Attributes.
    HWND GetWindowHandle() const { return _hWnd; }
    // The first control whose ID (16-bit, sign-extended) is `id`, or null.
    FCControl* FindControl(int id) const;
    bool IsBufferingControlMovement() const { return _movementBuffered; }
    // Stored values, or -1 unless both a position and a size are stored.
    int GetStoredX() const;
    int GetStoredY() const;
    int GetStoredWidth() const;
    int GetStoredHeight() const;

    // Operations.
    void Activate();
    void _HandleResizeChange(int newClientWidth, int newClientHeight);
    // Keeps the present screen position (and outer size) in the object, so
    // that it outlives the dialog; without a dialog the stored one stays.
    void StorePosition(bool withSize);
    // False when no position is stored.
    bool RestorePosition();
    void SetRestorePositionData(int x, int y, int width, int height);
    void SetWidth(int width);

    // Buffered control movement (control_movement.cpp): moves and resizes of
    // the controls are recorded between these two calls and applied at the
    // end in one deferred batch.
    void StartBufferControlMovement();
    bool EndBufferControlMovement();

protected:
    HWND _hWnd = nullptr;
    int _maxTrackWidth = 0;
    int _minTrackWidth = 0;
    int _maxTrackHeight = 0;
    int _minTrackHeight = 0;
    int _clientWidth = 0;
    int _clientHeight = 0;
    bool _positionStored = false;
    int _storedX = 0;
    int _storedY = 0;
    bool _sizeStored = false;
    int _storedWidth = 0;
    int _storedHeight = 0;
    bool _movementBuffered = false;
    bool _firstShowPending = false;
    bool _positionRestored = false;
    bool _closed = false;

private:
    void CloseUnlessClosed();
    void ClearPendingChanges();
    bool ApplyPendingChanges();

    friend long WINAPI userroutine(HWND dialog, unsigned long message, unsigned int wParam, long lParam,
                                   void* data);
};

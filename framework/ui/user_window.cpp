// FCUserWindow: handler defaults, size limits, control look-up and the
// stored window position.
#include "framework/ui/user_window.h"

#include "framework/ui/controls.h"

void FCUserWindow::InitWindow()
{
    _closed = false;
    RECT window = {};
    GetWindowRect(_hWnd, &window);
    _minTrackWidth = _maxTrackWidth = window.right - window.left;
    _minTrackHeight = _maxTrackHeight = window.bottom - window.top;
    RECT client = {};
    GetClientRect(_hWnd, &client);
    _clientWidth = client.right - client.left;
    _clientHeight = client.bottom - client.top;
}

void FCUserWindow::CloseUnlessClosed()
{
    if (!_closed) {
        CloseWindow();
    }
}

void FCUserWindow::CloseButtonPressed()
{
    CloseUnlessClosed();
}

void FCUserWindow::OkButtonPressed()
{
    CloseUnlessClosed();
}

void FCUserWindow::CancelButtonPressed()
{
    CloseUnlessClosed();
}

bool FCUserWindow::HandleCommand(FCControl*)
{
    return false;
}

void FCUserWindow::HandleUpDownPressed(FCControl*, int) {}

void FCUserWindow::HandleTimer(short) {}

void FCUserWindow::HandleActivate(bool) {}

void FCUserWindow::HandleResize(int, int, int, int) {}

FCControl* FCUserWindow::FindControl(int id) const
{
    for (int i = 0; i < GetCount(); ++i) {
        auto* control = static_cast<FCControl*>(GetItemAt(i));
        if (control != nullptr && control->GetControlID() == id) {
            return control;
        }
    }
    return nullptr;
}

void FCUserWindow::Activate()
{
    SetActiveWindow(_hWnd);
}

void FCUserWindow::_HandleResizeChange(int newClientWidth, int newClientHeight)
{
    HandleResize(newClientWidth, newClientHeight, _clientWidth, _clientHeight);
    _clientWidth = newClientWidth;
    _clientHeight = newClientHeight;
}

void FCUserWindow::StorePosition(bool withSize)
{
    RECT window;
    // Without a dialog there is nothing to keep; an earlier position stays.
    if (!GetWindowRect(_hWnd, &window)) {
        return;
    }
    _positionStored = true;
    _storedX = window.left;
    _storedY = window.top;
    _storedWidth = window.right - window.left;
    _storedHeight = window.bottom - window.top;
    _sizeStored = withSize;
}

bool FCUserWindow::RestorePosition()
{
    if (!_positionStored) {
        return false;
    }
    SetWindowPos(_hWnd, nullptr, _storedX, _storedY, _storedWidth, _storedHeight,
                 kKeepOrderFlags | (_sizeStored ? 0 : SWP_NOSIZE));
    _positionRestored = true;
    return true;
}

void FCUserWindow::SetRestorePositionData(int x, int y, int width, int height)
{
    _storedX = x;
    _storedY = y;
    _storedWidth = width;
    _storedHeight = height;
    _positionStored = true;
    _sizeStored = true;
}

int FCUserWindow::GetStoredX() const
{
    return _positionStored && _sizeStored ? _storedX : -1;
}

int FCUserWindow::GetStoredY() const
{
    return _positionStored && _sizeStored ? _storedY : -1;
}

int FCUserWindow::GetStoredWidth() const
{
    return _positionStored && _sizeStored ? _storedWidth : -1;
}

int FCUserWindow::GetStoredHeight() const
{
    return _positionStored && _sizeStored ? _storedHeight : -1;
}

void FCUserWindow::SetWidth(int width)
{
    RECT window = {};
    GetWindowRect(_hWnd, &window);
    SetWindowPos(_hWnd, nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | kKeepOrderFlags);
    RECT client;
    if (GetClientRect(_hWnd, &client)) {
        _clientWidth = client.right - client.left;
        _clientHeight = client.bottom - client.top;
    }
}

// FCControl, FCCtrlStatic and FCCtrlPopup: each operation is one host dialog
// service or one Windows message to the control.
#include "framework/ui/controls.h"

#include "framework/data/string.h"
#include "framework/ui/user_window.h"
#include "host/service_wrappers.h"

namespace {
// The host's dialog value kind of integers shown as text.
constexpr short kIntegerKind = 3;
// Texts of controls are read through a buffer of this many bytes.
constexpr short kTextBufferSize = 5000;
}  // namespace

HWND FCControl::_GetDialog() const
{
    return _ownerWindow != nullptr ? _ownerWindow->GetWindowHandle() : nullptr;
}

// GetDlgItem asks the window server for the dialog's children each time,
// which costs more than most messages to the item (a list of thousands of
// rows would pay it per row). A window of this process is checked locally:
// the item kept is used while it is alive, the dialog's child and has the ID.
HWND FCControl::_GetWindow() const
{
    HWND dialog = _GetDialog();
    if (_window == nullptr || _windowDialog != dialog || !IsWindow(_window) || GetParent(_window) != dialog ||
        static_cast<short>(GetDlgCtrlID(_window)) != _controlID) {
        _window = GetDlgItem(dialog, _controlID);
        _windowDialog = dialog;
    }
    return _window;
}

long FCControl::_SendItemMessage(unsigned int message, unsigned int wParam, long lParam) const
{
    HWND window = _GetWindow();
    return window != nullptr ? static_cast<long>(SendMessageA(window, message, wParam, lParam)) : 0;
}

RECT FCControl::LiveRect() const
{
    RECT rect = {};
    GetWindowRect(_GetWindow(), &rect);
    return rect;
}

POINT FCControl::LivePosition() const
{
    RECT rect = LiveRect();
    POINT corner = {rect.left, rect.top};
    ScreenToClient(_GetDialog(), &corner);
    return corner;
}

void FCControl::SetVisible(bool visible)
{
    ShowWindow(_GetWindow(), visible ? SW_SHOW : SW_HIDE);
}

bool FCControl::GetVisible()
{
    return IsWindowVisible(_GetWindow()) != FALSE;
}

int FCControl::GetLeft()
{
    return _movePending ? _pendingX : LivePosition().x;
}

int FCControl::GetTop()
{
    return _movePending ? _pendingY : LivePosition().y;
}

int FCControl::GetWidth()
{
    RECT rect = LiveRect();
    return rect.right - rect.left;
}

int FCControl::GetHeight()
{
    RECT rect = LiveRect();
    return rect.bottom - rect.top;
}

void FCControl::SetText(FCString* text)
{
    FX_SetDlgString(_GetDialog(), _controlID, text != nullptr ? text->GetCString() : "", kFinaleInterfaceVersion);
}

void FCControl::GetText(FCString* text)
{
    if (text == nullptr) {
        return;
    }
    char buffer[kTextBufferSize];
    buffer[0] = '\0';
    FX_GetDlgString(_GetDialog(), _controlID, buffer, kTextBufferSize, kFinaleInterfaceVersion);
    // The host cuts the text to the buffer; the last byte ends it whatever it did.
    buffer[kTextBufferSize - 1] = '\0';
    text->SetCString(buffer);
}

void FCCtrlStatic::SetInteger(int value)
{
    FX_SetDlgItemVal(_GetDialog(), GetControlID(), kIntegerKind, value, kFinaleInterfaceVersion);
}

void FCCtrlPopup::Clear()
{
    _SendItemMessage(CB_RESETCONTENT, 0, 0);
}

void FCCtrlPopup::AddString(FCString* text)
{
    const char* entry = text != nullptr ? text->GetCString() : "";
    _SendItemMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
}

void FCCtrlPopup::DeleteItem(int index)
{
    _SendItemMessage(CB_DELETESTRING, index, 0);
}

int FCCtrlPopup::GetCount()
{
    return static_cast<int>(_SendItemMessage(CB_GETCOUNT, 0, 0));
}

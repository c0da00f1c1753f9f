// FCResourceWindow: showing and ending its dialog through the host's dialog
// services, and the common-control notifications of its controls.
#include "framework/ui/resource_window.h"

#include <commctrl.h>

#include "framework/ui/controls.h"
#include "framework/ui/data_list.h"
#include "framework/ui/up_down.h"

namespace {
// FX_Dialog's choice between the two kinds of dialog.
constexpr short kModeless = 0;
constexpr short kModal = 1;
// The check-box state image of a list-view item (index 2 is checked).
constexpr UINT kCheckedStateImage = 0x2000;

HWND HandleOf(FCUserWindow* window)
{
    return window != nullptr ? window->GetWindowHandle() : nullptr;
}
}  // namespace

FCResourceWindow::~FCResourceWindow()
{
    DestroyWindow();
}

void FCResourceWindow::CloseWindow()
{
    _closed = true;
    DestroyWindow();
}

void FCResourceWindow::_SetupInternalWindowCode()
{
    _firstShowPending = true;
}

void FCResourceWindow::_DialogDestroyed(HWND dialog)
{
    if (dialog == _hWnd) {
        _hWnd = nullptr;
        _dialogProc = nullptr;
    }
}

void FCResourceWindow::ShowModeless(HWND parent)
{
    if (_hWnd != nullptr) {
        ShowWindow(_hWnd, SW_SHOWNORMAL);
        Activate();
        return;
    }
    _dialogProc = userroutine;
    FX_Dialog(static_cast<short>(_resourceID), userroutine, parent, kModeless, this, kFinaleInterfaceVersion);
}

void FCResourceWindow::ShowModeless(FCUserWindow* parent)
{
    _parentWindow = parent;
    ShowModeless(HandleOf(parent));
}

int FCResourceWindow::ExecuteModal(HWND parent)
{
    _dialogProc = userroutine;
    FX_Dialog(static_cast<short>(_resourceID), userroutine, parent, kModal, this, kFinaleInterfaceVersion);
    return 0;
}

int FCResourceWindow::ExecuteModal(FCUserWindow* parent)
{
    _parentWindow = parent;
    return ExecuteModal(HandleOf(parent));
}

void FCResourceWindow::DestroyWindow()
{
    if (_hWnd == nullptr) {
        return;
    }
    FX_EndDialog(_hWnd, kFinaleInterfaceVersion);
    _hWnd = nullptr;
    _dialogProc = nullptr;
}

bool FCResourceWindow::HandleWMNotify(unsigned int wParam, long lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    FCControl* control = FindControl(static_cast<short>(LOWORD(wParam)));
    if (header == nullptr || control == nullptr) {
        return false;
    }
    switch (header->code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
    case LVN_ITEMCHANGED:
    case NM_DBLCLK:
        HandleListNotification(control, header, lParam);
        break;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        if (FCUserWindow* owner = control->GetOwnerWindow()) {
            owner->HandleCommand(control);
        }
        break;
    case UDN_DELTAPOS: {
        const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
        // Arrows of an up-down without a buddy count the other way round.
        bool setsBuddy = (GetWindowLongA(header->hwndFrom, GWL_STYLE) & UDS_SETBUDDYINT) != 0;
        int delta = setsBuddy ? change->iDelta : -change->iDelta;
        auto* upDown = control->_GetControlType() == FCControl::kUpDownControl ? static_cast<FCCtrlUpDown*>(control)
                                                                               : nullptr;
        if (upDown != nullptr && upDown->GetConnectedEdit() != nullptr) {
            upDown->_HandleConnectedEditEvent(delta);
        } else {
            HandleUpDownPressed(control, delta);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

// The records of these codes carry rows of a data list; a list view that no
// data list drives is left alone.
void FCResourceWindow::HandleListNotification(FCControl* control, const NMHDR* header, long lParam)
{
    if (control->_GetControlType() != FCControl::kDataListControl) {
        return;
    }
    auto* list = static_cast<FCCtrlDataList*>(control);
    switch (header->code) {
    case LVN_GETDISPINFOA: {
        auto* request = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        auto* row = reinterpret_cast<FCDataListRow*>(request->item.lParam);
        request->item.pszText = const_cast<char*>(FCCtrlDataList::_GetCellCText(row, request->item.iSubItem));
        break;
    }
    case LVN_GETDISPINFOW: {
        auto* request = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        auto* row = reinterpret_cast<FCDataListRow*>(request->item.lParam);
        const short* text = FCCtrlDataList::_GetCellUnicodeText(row, request->item.iSubItem);
        request->item.pszText = reinterpret_cast<wchar_t*>(const_cast<short*>(text));
        break;
    }
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        UINT changed = change->uNewState ^ change->uOldState;
        if ((changed & kCheckedStateImage) != 0) {
            list->HandleCheckChange(change->iItem, (change->uNewState & kCheckedStateImage) != 0);
        }
        if ((changed & LVIS_SELECTED) != 0) {
            if ((change->uNewState & LVIS_SELECTED) != 0) {
                list->HandleSelectChange(change->iItem);
            } else {
                list->HandleUnselect();
            }
        }
        break;
    }
    case NM_DBLCLK:
        list->HandleDoubleClick();
        break;
    default:
        break;
    }
}

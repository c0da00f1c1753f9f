// Control movement: moves and resizes of controls, at once or recorded while
// the window buffers, and the deferred batch that applies the recorded ones.
#include "framework/ui/controls.h"
#include "framework/ui/user_window.h"

void FCUserWindow::ClearPendingChanges()
{
    for (int i = 0; i < GetCount(); ++i) {
        if (auto* control = static_cast<FCControl*>(GetItemAt(i))) {
            control->_ClearPendingChange();
        }
    }
}

void FCUserWindow::StartBufferControlMovement()
{
    ClearPendingChanges();
    _movementBuffered = true;
}

bool FCUserWindow::ApplyPendingChanges()
{
    int count = 0;
    for (int i = 0; i < GetCount(); ++i) {
        auto* control = static_cast<FCControl*>(GetItemAt(i));
        if (control != nullptr && control->_IsChangePending()) {
            ++count;
        }
    }
    if (count == 0) {
        return false;
    }
    HDWP batch = BeginDeferWindowPos(count);
    if (batch == nullptr) {
        return false;
    }
    for (int i = 0; i < GetCount(); ++i) {
        auto* control = static_cast<FCControl*>(GetItemAt(i));
        if (control == nullptr || !control->_IsChangePending()) {
            continue;
        }
        // A refused change has already released the batch: nothing moves.
        batch = control->_DeferPendingChange(batch);
        if (batch == nullptr) {
            return false;
        }
    }
    if (!EndDeferWindowPos(batch)) {
        return false;
    }
    for (int i = 0; i < GetCount(); ++i) {
        auto* control = static_cast<FCControl*>(GetItemAt(i));
        if (control != nullptr && control->_IsChangePending()) {
            control->_DrawAtNewPlace();
        }
    }
    return true;
}

bool FCUserWindow::EndBufferControlMovement()
{
    if (!_movementBuffered) {
        return false;
    }
    // A batch that fails is dropped with the buffer: otherwise every later
    // move would only be recorded, waiting for an end that may never come.
    bool applied = ApplyPendingChanges();
    ClearPendingChanges();
    _movementBuffered = false;
    return applied;
}

void FCControl::_ClearPendingChange()
{
    _movePending = false;
    _resizePending = false;
}

HDWP FCControl::_DeferPendingChange(HDWP batch)
{
    UINT flags = kKeepOrderFlags | (_movePending ? 0 : SWP_NOMOVE) | (_resizePending ? 0 : SWP_NOSIZE);
    return DeferWindowPos(batch, _GetWindow(), nullptr, _pendingX, _pendingY, _pendingWidth, _pendingHeight, flags);
}

void FCControl::_DrawAtNewPlace()
{
    // A host may keep the pixels a moved control had, which the dialog's own
    // painting of its new area then covers: the control is drawn anew, after
    // the dialog.
    RedrawWindow(_GetWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FCControl::PlaceAt(int x, int y)
{
    if (_ownerWindow != nullptr && _ownerWindow->IsBufferingControlMovement()) {
        _movePending = true;
        _pendingX = x;
        _pendingY = y;
        return;
    }
    SetWindowPos(_GetWindow(), nullptr, x, y, 0, 0, SWP_NOSIZE | kKeepOrderFlags);
    _DrawAtNewPlace();
}

void FCControl::MoveRelative(int dx, int dy)
{
    POINT position = LivePosition();
    PlaceAt(position.x + dx, position.y + dy);
}

void FCControl::MoveAbsolute(int x, int y)
{
    PlaceAt(x, y);
}

void FCControl::ResizeRelative(int dw, int dh)
{
    int width = GetWidth() + dw;
    int height = GetHeight() + dh;
    if (_ownerWindow != nullptr && _ownerWindow->IsBufferingControlMovement()) {
        _resizePending = true;
        _pendingWidth = width;
        _pendingHeight = height;
        return;
    }
    SetWindowPos(_GetWindow(), nullptr, 0, 0, width, height, SWP_NOMOVE | kKeepOrderFlags);
    _DrawAtNewPlace();
}

void FCControl::SetWidth(int width)
{
    SetWindowPos(_GetWindow(), nullptr, 0, 0, width, GetHeight(), SWP_NOMOVE | kKeepOrderFlags);
    _DrawAtNewPlace();
}

// FCCtrlUpDown: the control's range, and the connected edit field stepped
// as an integer or as a decimal number through the host's value services.
#include "framework/ui/up_down.h"

#include <commctrl.h>

#include <climits>
#include <cmath>

#include "framework/ui/edit.h"
#include "host/service_wrappers.h"

namespace {
// The host's dialog value kinds: integers shown as text, decimal numbers.
constexpr short kIntegerKind = 3;
constexpr short kDecimalKind = 0;

template <typename Number>
Number Clamped(Number value, Number min, Number max)
{
    // Raised first, so that a crossed range ends at its maximum.
    value = value < min ? min : value;
    return value > max ? max : value;
}

// Whole units of a decimal limit; limits beyond an int end at its bounds
// (a plain conversion of those would be undefined).
int WholeUnits(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= INT_MIN) {
        return INT_MIN;
    }
    return value < INT_MAX ? static_cast<int>(value) : INT_MAX;
}
}  // namespace

unsigned long FCCtrlUpDown::Range()
{
    return static_cast<unsigned long>(_SendItemMessage(UDM_GETRANGE, 0, 0));
}

void FCCtrlUpDown::SetRange(int min, int max)
{
    _SendItemMessage(UDM_SETRANGE, 0, MAKELPARAM(max, min));
}

int FCCtrlUpDown::GetMinimum()
{
    if (_connectedEdit == nullptr) {
        return HIWORD(Range());
    }
    return _connectionKind == kIntegerConnection ? _integerMinimum : WholeUnits(_decimalMinimum);
}

int FCCtrlUpDown::GetMaximum()
{
    if (_connectedEdit == nullptr) {
        return LOWORD(Range());
    }
    return _connectionKind == kIntegerConnection ? _integerMaximum : WholeUnits(_decimalMaximum);
}

void FCCtrlUpDown::ConnectIntegerEdit(FCCtrlEdit* edit, int min, int max)
{
    _connectionKind = kIntegerConnection;
    _connectedEdit = edit;
    _integerMinimum = min;
    _integerMaximum = max;
}

void FCCtrlUpDown::ConnectDecimalEdit(FCCtrlEdit* edit, double min, double max)
{
    _connectionKind = kDecimalConnection;
    _connectedEdit = edit;
    _decimalMinimum = min;
    _decimalMaximum = max;
}

void FCCtrlUpDown::_HandleConnectedEditEvent(int delta)
{
    if (_connectedEdit == nullptr) {
        return;
    }
    HWND dialog = _GetDialog();
    long item = _connectedEdit->GetControlID();
    if (_connectionKind == kIntegerConnection) {
        // Summed wide, so that a value near the ends of an int cannot overflow.
        long long value = static_cast<long long>(_connectedEdit->GetInteger(0, 0)) + delta;
        value = Clamped<long long>(value, _integerMinimum, _integerMaximum);
        FX_SetDlgItemVal(dialog, item, kIntegerKind, static_cast<long>(value), kFinaleInterfaceVersion);
        return;
    }
    double value = 0;
    FX_GetDlgItemUser(dialog, item, kDecimalKind, &value, kFinaleInterfaceVersion);
    value = Clamped(value, _decimalMinimum, _decimalMaximum) + delta;
    value = Clamped(value, _decimalMinimum, _decimalMaximum);
    FX_SetDlgItemUser(dialog, item, kDecimalKind, value, kFinaleInterfaceVersion);
}

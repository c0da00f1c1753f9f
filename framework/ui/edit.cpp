// FCCtrlEdit: the integer through the host's value kind 3, the decimal
// number through the field's text, and the edit messages.
#include "framework/ui/edit.h"

#include <cstdio>

#include "framework/data/string.h"
#include "host/service_wrappers.h"

namespace {
// The host's dialog value kind of integers shown as text.
constexpr short kIntegerKind = 3;
}  // namespace

int FCCtrlEdit::GetInteger(int min, int max)
{
    int value = FX_GetDlgItemVal(_GetDialog(), GetControlID(), kIntegerKind, kFinaleInterfaceVersion);
    if (min < max) {
        if (value < min) {
            value = min;
        }
        if (value > max) {
            value = max;
        }
    }
    return value;
}

void FCCtrlEdit::AdjustIntegerWithin(int min, int max)
{
    int shown = GetInteger(0, 0);
    int value = shown < min ? min : shown;
    if (value > max) {
        value = max;
    }
    if (value != shown) {
        FX_SetDlgItemVal(_GetDialog(), GetControlID(), kIntegerKind, value, kFinaleInterfaceVersion);
    }
}

void FCCtrlEdit::SetFloat(float value)
{
    // The widest float has 39 digits before the point.
    char text[64];
    std::snprintf(text, sizeof text, "%0.2f", static_cast<double>(value));
    FCString shown(text);
    SetText(&shown);
}

float FCCtrlEdit::GetFloat(float min, float max)
{
    FCString text;
    GetText(&text);
    float value = text.GetFloat();
    if (value < min) {
        return min > max ? max : min;
    }
    return value > max ? max : value;
}

void FCCtrlEdit::SelectAll()
{
    _SendItemMessage(EM_SETSEL, 0, -1);
}

void FCCtrlEdit::SetMaxLength(short length)
{
    _SendItemMessage(EM_LIMITTEXT, static_cast<unsigned int>(length), 0);
}

void FCCtrlEdit::SetReadOnly(bool readOnly)
{
    _SendItemMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

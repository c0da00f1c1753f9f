// FCCtrlEdit, an edit field read and written as text, as an integer through
// the host's dialog value services, or as a decimal number.
#pragma once

#include "framework/ui/controls.h"

class FCCtrlEdit : public FCControl {
public:
    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlEdit"; }
    void GetText(FCString* text) override { FCControl::GetText(text); }

    // Attributes.
    // The value shown, clamped into [min, max] when min is below max.
    int GetInteger(int min, int max);
    // The value shown, read as the C library reads it; min wins over max
    // when they cross.
    float GetFloat(float min, float max);

    // Operations.
    // Writes the clamped value only when it differs from the value shown,
    // so that an edit in range keeps its caret and selection.
    void AdjustIntegerWithin(int min, int max);
    // Shown with two decimals.
    void SetFloat(float value);
    void SelectAll();
    void SetMaxLength(short length);
    void SetReadOnly(bool readOnly);
};

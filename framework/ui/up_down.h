// FCCtrlUpDown, an up-down control whose arrows either reach the window's
// HandleUpDownPressed or step a connected edit field within a range.
#pragma once

#include "framework/ui/controls.h"

class FCCtrlEdit;

class FCCtrlUpDown : public FCControl {
public:
    // What the connected edit field holds.
    enum ConnectionKind { kDecimalConnection = 0, kIntegerConnection = 1 };

    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlUpDown"; }
    int _GetControlType() override { return kUpDownControl; }

    // Attributes. With a connected edit field the range is the connection's
    // (a decimal one cut to whole numbers), otherwise the control's.
    int GetMinimum();
    int GetMaximum();
    FCCtrlEdit* GetConnectedEdit() const { return _connectedEdit; }

    // Operations.
    void SetRange(int min, int max);
    // From now on the arrows step the edit field's number by whole units,
    // kept within [min, max]; the window's HandleUpDownPressed hears no more
    // of them.
    void ConnectIntegerEdit(FCCtrlEdit* edit, int min, int max);
    void ConnectDecimalEdit(FCCtrlEdit* edit, double min, double max);
    // Called by the dialog procedure for a press of the arrows.
    void _HandleConnectedEditEvent(int delta);

private:
    unsigned long Range();

    int _connectionKind = kDecimalConnection;
    FCCtrlEdit* _connectedEdit = nullptr;
    int _integerMinimum = 0;
    int _integerMaximum = 0;
    double _decimalMinimum = 0;
    double _decimalMaximum = 0;
};

// FCCtrlListBox, a list box of text entries with one selection; indexes
// are 0-based.
#pragma once

#include "framework/ui/controls.h"

class FCCtrlListBox : public FCControl {
public:
    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlListBox"; }

    // Attributes.
    int GetCount();
    // -1 when none.
    int GetSelectedItem();

    // Operations. A null text stands for the empty text.
    void Clear();
    void AddString(FCString* text);
    void InsertItem(int index, FCString* text);
    void DeleteItem(int index);
    // -1 clears the selection.
    void SetSelectedItem(int index);
    void ClearSelection();
    // Replaces an existing entry and keeps the selection as it was; an index
    // that names no entry changes nothing.
    void SetItemText(int index, FCString* text);

private:
    long SendText(unsigned int message, int index, FCString* text);
};

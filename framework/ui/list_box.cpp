// FCCtrlListBox: one list-box message per operation.
#include "framework/ui/list_box.h"

#include "framework/data/string.h"

long FCCtrlListBox::SendText(unsigned int message, int index, FCString* text)
{
    const char* entry = text != nullptr ? text->GetCString() : "";
    return _SendItemMessage(message, static_cast<unsigned int>(index), reinterpret_cast<long>(entry));
}

void FCCtrlListBox::Clear()
{
    _SendItemMessage(LB_RESETCONTENT, 0, 0);
}

void FCCtrlListBox::AddString(FCString* text)
{
    SendText(LB_ADDSTRING, 0, text);
}

void FCCtrlListBox::InsertItem(int index, FCString* text)
{
    SendText(LB_INSERTSTRING, index, text);
}

void FCCtrlListBox::DeleteItem(int index)
{
    _SendItemMessage(LB_DELETESTRING, static_cast<unsigned int>(index), 0);
}

int FCCtrlListBox::GetCount()
{
    return static_cast<int>(_SendItemMessage(LB_GETCOUNT, 0, 0));
}

int FCCtrlListBox::GetSelectedItem()
{
    return static_cast<int>(_SendItemMessage(LB_GETCURSEL, 0, 0));
}

void FCCtrlListBox::SetSelectedItem(int index)
{
    _SendItemMessage(LB_SETCURSEL, static_cast<unsigned int>(index), 0);
}

void FCCtrlListBox::ClearSelection()
{
    SetSelectedItem(-1);
}

void FCCtrlListBox::SetItemText(int index, FCString* text)
{
    // Inserting at -1, or at the count, would append an entry instead.
    if (index < 0 || index >= GetCount()) {
        return;
    }
    int selected = GetSelectedItem();
    DeleteItem(index);
    InsertItem(index, text);
    SetSelectedItem(selected);
}

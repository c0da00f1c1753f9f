// FCCtrlDataList and FCDataListRow: list-view messages for columns, rows,
// styles and selection, and the cell texts handed out on request.
#include "framework/ui/data_list.h"

#include <commctrl.h>

namespace {
// Indexes beyond any existing column or line append at the end.
constexpr unsigned int kAppendColumn = 1000;
constexpr int kAppendLine = 10000;
constexpr long kLastRedrawnLine = 1000;
// Units of the Unicode cell buffer, the terminating 0 included.
constexpr int kUnicodeBufferUnits = 512;
const char kMissingCell[] = "???";
const short kMissingUnicodeCell[] = {'?', '?', '?', 0};
}  // namespace

long FCCtrlDataList::Send(unsigned int message, unsigned int wParam, long lParam)
{
    return static_cast<long>(SendMessageA(_GetWindow(), message, wParam, lParam));
}

void FCCtrlDataList::HandleSelectChange(int) {}

void FCCtrlDataList::HandleUnselect() {}

void FCCtrlDataList::HandleCheckChange(int line, bool checked)
{
    if (FCDataListRow* row = GetItemAt(line)) {
        row->_checked = checked;
    }
}

void FCCtrlDataList::HandleDoubleClick() {}

bool FCCtrlDataList::AddColumn(FCString* title, int width)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title != nullptr ? title->GetCString() : "");
    column.iSubItem = 0;
    return Send(LVM_INSERTCOLUMNA, kAppendColumn, reinterpret_cast<LPARAM>(&column)) != -1;
}

int FCCtrlDataList::GetColumnCount(bool)
{
    auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

int FCCtrlDataList::GetColumnWidth(int column)
{
    auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    RECT rect = {};
    if (!SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect))) {
        return -1;
    }
    return rect.right - rect.left;
}

void FCCtrlDataList::DeleteAllColumns()
{
    int count = GetColumnCount(false);
    for (int i = 0; i < count; ++i) {
        Send(LVM_DELETECOLUMN, 0, 0);
    }
}

unsigned long FCCtrlDataList::ExtendedStyle()
{
    return static_cast<unsigned long>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

void FCCtrlDataList::AddExtendedStyle(unsigned long style)
{
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<long>(ExtendedStyle() | style));
}

void FCCtrlDataList::UseLeftCheckboxColumn()
{
    AddExtendedStyle(LVS_EX_CHECKBOXES);
}

void FCCtrlDataList::UseGrid()
{
    AddExtendedStyle(LVS_EX_GRIDLINES);
}

void FCCtrlDataList::UseFullRowSelect()
{
    AddExtendedStyle(LVS_EX_FULLROWSELECT);
}

bool FCCtrlDataList::HasCheckboxes()
{
    return (ExtendedStyle() & LVS_EX_CHECKBOXES) != 0;
}

int FCCtrlDataList::AddRow(FCDataListRow* row)
{
    if (row == nullptr) {
        return -1;
    }
    // Without a control, Windows would answer the insertion with 0, a line.
    if (_GetWindow() == nullptr) {
        delete row;
        return -1;
    }
    // The control holds only the row; it asks for the texts when it paints.
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_DI_SETITEM;
    item.iItem = kAppendLine;
    item.iSubItem = 0;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = reinterpret_cast<LPARAM>(row);
    int line = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (line < 0) {
        delete row;
        return -1;
    }
    row->_MakeConnection(this, line);
    return line;
}

FCDataListRow* FCCtrlDataList::GetItemAt(int line)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = line;
    item.iSubItem = 0;
    item.lParam = 0;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<FCDataListRow*>(item.lParam);
}

int FCCtrlDataList::GetCount()
{
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

bool FCCtrlDataList::DeleteRow(int line)
{
    FCDataListRow* row = GetItemAt(line);
    bool deleted = Send(LVM_DELETEITEM, line, 0) != 0;
    if (deleted) {
        delete row;
    }
    return deleted;
}

void FCCtrlDataList::DeleteAll()
{
    if (GetCount() == 0) {
        return;
    }
    // Drawn once at the end, not once per line deleted.
    Send(WM_SETREDRAW, FALSE, 0);
    // A line the control refuses to delete would otherwise be asked for forever.
    while (GetCount() > 0 && DeleteRow(0)) {
    }
    EndRowUpdate();
}

void FCCtrlDataList::ReconnectAll()
{
    int count = GetCount();
    for (int line = 0; line < count; ++line) {
        if (FCDataListRow* row = GetItemAt(line)) {
            row->_MakeConnection(this, line);
        }
    }
}

void FCCtrlDataList::Redraw()
{
    Send(LVM_REDRAWITEMS, 0, kLastRedrawnLine);
}

void FCCtrlDataList::StartRowUpdate(int rowCount)
{
    if (_GetWindow() == nullptr) {
        return;
    }
    Send(WM_SETREDRAW, FALSE, 0);
    if (rowCount > GetCount()) {
        Send(LVM_SETITEMCOUNT, rowCount, LVSICF_NOINVALIDATEALL);
    }
}

void FCCtrlDataList::EndRowUpdate()
{
    if (_GetWindow() == nullptr) {
        return;
    }
    Send(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(_GetWindow(), nullptr, TRUE);
}

void FCCtrlDataList::SelectLine(int line, bool ensureVisible)
{
    LVITEMA item = {};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, line, reinterpret_cast<LPARAM>(&item));
    Send(LVM_SETSELECTIONMARK, 0, line);
    if (ensureVisible) {
        Send(LVM_ENSUREVISIBLE, line, FALSE);
    }
}

int FCCtrlDataList::GetSelectedLine()
{
    return static_cast<int>(Send(LVM_GETSELECTIONMARK, 0, 0));
}

void FCCtrlDataList::ScrollToTop()
{
    if (GetCount() > 0) {
        Send(LVM_ENSUREVISIBLE, 0, FALSE);
    }
}

FCString* FCCtrlDataList::CellString(FCDataListRow* row, int column)
{
    if (row == nullptr || column < 0 || column >= row->GetCount()) {
        return nullptr;
    }
    return row->GetItemAt(column);
}

const char* FCCtrlDataList::_GetCellCText(FCDataListRow* row, int column)
{
    FCString* text = CellString(row, column);
    return text != nullptr ? text->GetCString() : kMissingCell;
}

const short* FCCtrlDataList::_GetCellUnicodeText(FCDataListRow* row, int column)
{
    // Shared by all lists: the control copies a text before it asks again.
    static short unicodebuffer[kUnicodeBufferUnits];
    FCString* text = CellString(row, column);
    if (text == nullptr) {
        return kMissingUnicodeCell;
    }
    int length = text->GetLength();
    if (length > kUnicodeBufferUnits - 1) {
        length = kUnicodeBufferUnits - 1;
    }
    for (int i = 0; i < length; ++i) {
        unicodebuffer[i] = text->GetItemAt(i);
    }
    unicodebuffer[length] = 0;
    return unicodebuffer;
}

void FCDataListRow::SetCheck(bool checked)
{
    _checked = checked;
    if (_line < 0 || _dataList == nullptr) {
        return;
    }
    LVITEMA item = {};
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    _dataList->Send(LVM_SETITEMSTATE, _line, reinterpret_cast<LPARAM>(&item));
}

void FCDataListRow::_MakeConnection(FCCtrlDataList* list, int line)
{
    _dataList = list;
    _line = line;
    // An unchecked row of a list without check boxes has no image to show,
    // and the control gives every line the unchecked image when check boxes
    // come; the state message would only cost its change notifications.
    if (_checked || list == nullptr || list->HasCheckboxes()) {
        SetCheck(_checked);
    }
}

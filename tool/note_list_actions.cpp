// What the inspector's note list does beyond showing rows: sorting by a
// click on a column header, colours and tips for the rows that need
// attention, and copying the report with Ctrl+C or its context menu.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "tool/attention.h"
#include "tool/drumwell_controls.h"
#include "tool/drumwell_window.h"
#include "tool/percussion_notes.h"

namespace {

enum MenuCommand { kCopyReport = 1, kCopySelectedRows = 2 };

// Copies text into a buffer of `size` units that the list view handed over,
// cut to fit.
template <typename Unit>
void CopyToBuffer(const char* text, Unit* buffer, int size)
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    int length = 0;
    for (; text[length] != '\0' && length < size - 1; ++length) {
        buffer[length] = static_cast<Unit>(static_cast<unsigned char>(text[length]));
    }
    buffer[length] = 0;
}

void AppendLine(FCString* text, int label, int value, FCDrumwellWindow* window)
{
    FCString part;
    window->FindControl(label)->GetText(&part);
    part.TrimWhitespace();
    text->Append(&part);
    text->Append("\t");
    window->FindControl(value)->GetText(&part);
    text->Append(&part);
    text->Append("\r\n");
}

bool PutOnClipboard(HWND owner, const char* text)
{
    size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return false;
    }
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text, size);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    bool taken = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!taken) {
        GlobalFree(memory);
    }
    return taken;
}

}  // namespace

bool FCDrumwellWindow::HasReportRows()
{
    int count = _pNoteList->GetCount();
    return _reportValid && count > 0 && count == _PercussionNoteList.GetCount();
}

bool FCDrumwellWindow::IsLineSelected(int line)
{
    return SendDlgItemMessageA(GetWindowHandle(), control_id::kNoteList, LVM_GETITEMSTATE, line, LVIS_SELECTED) != 0;
}

void FCDrumwellWindow::SortByColumn(int column)
{
    if (column < 0 || column >= kColumnCount || !HasReportRows()) {
        return;
    }
    int order = kColumnSortingOrders[column];
    FX_SetDlgItemVal(GetWindowHandle(), control_id::kSortPopup, 0, order + 1, kFinaleInterfaceVersion);
    ApplySortingOrder(order);
}

long FCDrumwellWindow::AnswerCustomDraw(long lParam)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    int reasons = CalcNoteAttention(&_PercussionNoteList, static_cast<int>(draw->nmcd.dwItemSpec));
    bool selected = (draw->nmcd.uItemState & CDIS_SELECTED) != 0;
    if (!GetAttentionColours(reasons, selected, &draw->clrText, &draw->clrTextBk)) {
        return CDRF_DODEFAULT;
    }
    // The list would paint a selected row in the selection's colours.
    draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    return CDRF_NEWFONT;
}

void FCDrumwellWindow::AnswerInfoTip(long lParam, bool unicode)
{
    FCString text;
    int line = unicode ? reinterpret_cast<NMLVGETINFOTIPW*>(lParam)->iItem
                       : reinterpret_cast<NMLVGETINFOTIPA*>(lParam)->iItem;
    CreateAttentionText(&_PercussionNoteList, line, &text);
    // A row that needs no attention keeps the list's own tip.
    if (text.GetLength() == 0) {
        return;
    }
    if (unicode) {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(lParam);
        CopyToBuffer(text.GetCString(), tip->pszText, tip->cchTextMax);
    } else {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPA*>(lParam);
        CopyToBuffer(text.GetCString(), tip->pszText, tip->cchTextMax);
    }
}

bool FCDrumwellWindow::CopyReport(bool selectedOnly)
{
    if (!HasReportRows()) {
        return false;
    }
    FCString text;
    AppendLine(&text, control_id::kStaffLabel, control_id::kStaffName, this);
    AppendLine(&text, control_id::kLayoutLabel, control_id::kLayoutName, this);
    AppendLine(&text, control_id::kMapLabel, control_id::kMapName, this);
    text.Append("\r\n");
    for (int column = 0; column < kColumnCount; ++column) {
        text.Append(column == 0 ? "" : "\t");
        text.Append(kColumns[column].title);
    }
    text.Append("\r\n");
    int copied = 0;
    for (int line = 0; line < _pNoteList->GetCount(); ++line) {
        FCDataListRow* row = _pNoteList->GetItemAt(line);
        if (row == nullptr || (selectedOnly && !IsLineSelected(line))) {
            continue;
        }
        for (int column = 0; column < row->GetCount(); ++column) {
            text.Append(column == 0 ? "" : "\t");
            text.Append(row->GetItemAt(column));
        }
        text.Append("\r\n");
        ++copied;
    }
    return copied > 0 && PutOnClipboard(GetWindowHandle(), text.GetCString());
}

void FCDrumwellWindow::ShowContextMenu(int x, int y)
{
    if (!HasReportRows()) {
        return;
    }
    bool anySelected = false;
    for (int line = 0; line < _pNoteList->GetCount(); ++line) {
        anySelected = anySelected || IsLineSelected(line);
    }
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return;
    }
    AppendMenuA(menu, MF_STRING, kCopyReport, "Copy Report");
    AppendMenuA(menu, MF_STRING | (anySelected ? 0 : MF_GRAYED), kCopySelectedRows, "Copy Selected Rows");
    int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, GetWindowHandle(), nullptr);
    DestroyMenu(menu);
    if (command == kCopyReport || command == kCopySelectedRows) {
        CopyReport(command == kCopySelectedRows);
    }
}

bool FCDrumwellWindow::HandleWMNotify(unsigned int wParam, long lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || FindControl(static_cast<short>(LOWORD(wParam))) != _pNoteList || !HasReportRows()) {
        return FCResourceWindow::HandleWMNotify(wParam, lParam);
    }
    switch (header->code) {
    case LVN_COLUMNCLICK:
        SortByColumn(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
        return false;
    case NM_CUSTOMDRAW:
        // A dialog answers a notification through its message result.
        SetWindowLongPtrA(GetWindowHandle(), DWLP_MSGRESULT, AnswerCustomDraw(lParam));
        return true;
    case LVN_GETINFOTIPA:
    case LVN_GETINFOTIPW:
        AnswerInfoTip(lParam, header->code == LVN_GETINFOTIPW);
        return false;
    case LVN_KEYDOWN: {
        WORD key = reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey;
        bool control = GetKeyState(VK_CONTROL) < 0;
        bool shift = GetKeyState(VK_SHIFT) < 0;
        if (key == 'C' && control) {
            CopyReport(false);
        } else if (key == VK_APPS || (key == VK_F10 && shift)) {
            // From the keyboard the menu opens at the list's top left corner.
            POINT corner = {0, 0};
            ClientToScreen(header->hwndFrom, &corner);
            ShowContextMenu(corner.x, corner.y);
        }
        return false;
    }
    case NM_RCLICK: {
        DWORD place = GetMessagePos();
        ShowContextMenu(static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place)));
        return false;
    }
    default:
        return FCResourceWindow::HandleWMNotify(wParam, lParam);
    }
}

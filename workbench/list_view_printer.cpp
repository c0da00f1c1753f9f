// What the owner of a list view answers about a row, asked the way the list
// itself asks: the custom-draw notification for the row's colours, the info
// tip notification for its tooltip.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "workbench/output.h"
#include "workbench/window_printer.h"

namespace workbench {
namespace {

bool g_showColours = false;
int g_hoveredControl = -1;
int g_hoveredRow = -1;

std::string ColourName(COLORREF colour)
{
    if (colour == CLR_DEFAULT) {
        return "default";
    }
    if (colour == CLR_NONE) {
        return "none";
    }
    char name[8];
    std::snprintf(name, sizeof name, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return name;
}

LPARAM RowParam(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

LRESULT AskOwner(HWND list, NMHDR* header, UINT code)
{
    header->hwndFrom = list;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    header->code = code;
    return SendMessageA(GetParent(list), WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

// Empty when the owner leaves the drawing to the list.
std::string Colours(HWND list, int row)
{
    NMLVCUSTOMDRAW draw = {};
    HDC context = GetDC(list);
    draw.nmcd.hdc = context;
    GetClientRect(list, &draw.nmcd.rc);
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    bool drawsRows = (AskOwner(list, &draw.nmcd.hdr, NM_CUSTOMDRAW) & CDRF_NOTIFYITEMDRAW) != 0;
    std::string text;
    if (drawsRows) {
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.nmcd.rc.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&draw.nmcd.rc));
        UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED));
        draw.nmcd.uItemState = ((state & LVIS_SELECTED) != 0 ? CDIS_SELECTED : 0) |
                               ((state & LVIS_FOCUSED) != 0 ? CDIS_FOCUS : 0);
        draw.nmcd.lItemlParam = RowParam(list, row);
        draw.clrText = static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0));
        draw.clrTextBk = static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0));
        AskOwner(list, &draw.nmcd.hdr, NM_CUSTOMDRAW);
        text = "      colours: text " + ColourName(draw.clrText) + " on " + ColourName(draw.clrTextBk) + "\n";
    }
    ReleaseDC(list, context);
    return text;
}

std::string Tooltip(HWND list, int row)
{
    char tip[INFOTIPSIZE] = {};
    NMLVGETINFOTIPA request = {};
    request.dwFlags = LVGIT_UNFOLDED;
    request.pszText = tip;
    request.cchTextMax = sizeof tip;
    request.iItem = row;
    request.lParam = RowParam(list, row);
    AskOwner(list, &request.hdr, LVN_GETINFOTIPA);
    tip[sizeof tip - 1] = '\0';
    return "      tooltip: " + (tip[0] == '\0' ? std::string("none") : Quoted(tip)) + "\n";
}

}  // namespace

void ShowRowColours(bool show)
{
    g_showColours = show;
}

void SetHoveredRow(int control, int row)
{
    g_hoveredControl = control;
    g_hoveredRow = row;
}

std::string DescribeRowAnswers(HWND list, int row)
{
    std::string text = g_showColours ? Colours(list, row) : std::string();
    if (GetDlgCtrlID(list) == g_hoveredControl && row == g_hoveredRow - 1) {
        text += Tooltip(list, row);
    }
    return text;
}

}  // namespace workbench

// Printing a window's controls, entries, list rows, up-down ranges and tree nodes.
#include "workbench/window_printer.h"

#include <commctrl.h>

#include <vector>

#include "workbench/output.h"

namespace workbench {
namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Combo boxes and list boxes: one message set each.
struct EntryMessages {
    UINT count;
    UINT length;
    UINT text;
    UINT selected;
};

std::string Entries(HWND control, const EntryMessages& messages)
{
    LRESULT count = SendMessageA(control, messages.count, 0, 0);
    LRESULT selected = SendMessageA(control, messages.selected, 0, 0);
    std::string line = "    entries:";
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(control, messages.length, static_cast<WPARAM>(i), 0);
        std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(control, messages.text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        line += std::string(i == 0 ? " " : ", ") + std::to_string(i + 1) + " " + Quoted(text.data()) +
                (i == selected ? " (selected)" : "");
    }
    return count > 0 ? line + "\n" : "    entries: none\n";
}

std::string ListView(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns = header == nullptr ? 0 : static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    std::string text = "    columns:";
    for (int column = 0; column < columns; ++column) {
        char name[260] = {};
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT;
        info.pszText = name;
        info.cchTextMax = sizeof name;
        SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
        text += std::string(column == 0 ? " " : " | ") + Quoted(name);
    }
    text += columns == 0 ? " none\n" : "\n";
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        text += "    row " + std::to_string(row + 1) + ":";
        for (int column = 0; column < (columns > 0 ? columns : 1); ++column) {
            char cell[1024] = {};
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = cell;
            item.cchTextMax = sizeof cell;
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            text += std::string(column == 0 ? " " : " | ") + Quoted(cell);
        }
        bool selected = SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
        text += selected ? " (selected)\n" : "\n";
        text += DescribeRowAnswers(list, row);
    }
    return text;
}

std::string UpDown(HWND upDown)
{
    int min = 0;
    int max = 0;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    auto position = static_cast<int>(SendMessageA(upDown, UDM_GETPOS32, 0, 0));
    return "    range " + std::to_string(min) + " to " + std::to_string(max) + ", position " +
           std::to_string(position) + "\n";
}

// The items from `item` on and their sub-items, one line each, indented by depth.
std::string TreeItems(HWND tree, HTREEITEM item, HTREEITEM selected, int depth)
{
    std::string text;
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        char caption[1024] = {};
        TVITEMA info = {};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = caption;
        info.cchTextMax = sizeof caption;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        text += std::string(6 + 2 * depth, ' ') + Quoted(caption) + (item == selected ? " (selected)\n" : "\n");
        text += TreeItems(tree, TreeView_GetChild(tree, item), selected, depth + 1);
    }
    return text;
}

std::string Tree(HWND tree)
{
    std::string items = TreeItems(tree, TreeView_GetRoot(tree), TreeView_GetSelection(tree), 0);
    return items.empty() ? "    nodes: none\n" : "    nodes:\n" + items;
}

bool IsCheckable(HWND button)
{
    LONG type = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
           type == BS_3STATE || type == BS_AUTO3STATE;
}

std::string Control(HWND control)
{
    std::string name = ClassOf(control);
    std::string text = "  [" + std::to_string(static_cast<short>(GetDlgCtrlID(control))) + "] " + name + " " +
                       Quoted(WindowText(control)) + (IsWindowEnabled(control) ? " enabled" : " disabled");
    if ((GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) == 0) {
        text += ", hidden";
    }
    if (lstrcmpiA(name.c_str(), "Button") == 0 && IsCheckable(control)) {
        text += SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? ", checked" : ", not checked";
    }
    text += "\n";
    if (lstrcmpiA(name.c_str(), "ComboBox") == 0) {
        text += Entries(control, {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL});
    } else if (lstrcmpiA(name.c_str(), "ListBox") == 0) {
        text += Entries(control, {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL});
    } else if (lstrcmpiA(name.c_str(), WC_LISTVIEWA) == 0) {
        text += ListView(control);
    } else if (lstrcmpiA(name.c_str(), UPDOWN_CLASSA) == 0) {
        text += UpDown(control);
    } else if (lstrcmpiA(name.c_str(), WC_TREEVIEWA) == 0) {
        text += Tree(control);
    }
    return text;
}

std::string Size(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data());
}

std::string DescribeWindow(HWND window)
{
    std::string text = "window " + Quoted(WindowText(window)) + "\n";
    // Children in Z order, which for a dialog is the tab order of its template.
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        text += Control(child);
    }
    return text;
}

std::string DescribeGeometry(HWND window)
{
    RECT frame = {};
    RECT client = {};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    std::string text = "geometry of " + Quoted(WindowText(window)) + ": at " + std::to_string(frame.left) + "," +
                       std::to_string(frame.top) + ", " + Size(frame.right - frame.left, frame.bottom - frame.top) +
                       ", client " + Size(client.right, client.bottom) + "\n";
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place = {};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        text += "  [" + std::to_string(static_cast<short>(GetDlgCtrlID(child))) + "] at " + std::to_string(place.left) +
                "," + std::to_string(place.top) + ", " + Size(place.right - place.left, place.bottom - place.top) + "\n";
    }
    return text;
}

}  // namespace workbench

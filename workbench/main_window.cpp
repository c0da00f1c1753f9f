// The main window of FINALE.EXE.
#include "workbench/main_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/record_bytes.h"
#include "workbench/code_pages.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/host_layouts.h"
#include "workbench/linked_parts.h"
#include "workbench/workbench.h"

namespace workbench {
namespace {

const char kClassName[] = "DrumwellWorkbenchMain";

enum : int {
    kStaffList = 10,
    kMeasureFrom,
    kMeasureTo,
    kSelectionState,
    kMeasuresLabel,
    kToLabel,
    kPartLabel,
    kPartBox,
    kOpen = 100,
    kExit,
    kUndo,
    kFirstDocument = 2000,  // then one per document number
    kFirstPlugin = 3000,    // then one per menu entry
};

std::string Text(HWND window)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A whole number typed into an edit field; 0 when there is none.
int NumberIn(HWND edit)
{
    std::string text = Text(edit);
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' || value < 1 || value > 32767 ? 0 : static_cast<int>(value);
}

void SetCell(HWND list, int row, int column, const std::string& text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, column == 0 ? 0 : row,
                 reinterpret_cast<LPARAM>(&item));
}

// A staff name as the notation program shows it: font, size and effect tags
// dropped, a doubled caret made one, flats and sharps as "b" and "#".
std::string DisplayedName(const std::string& stored)
{
    static const char* const kDropped[] = {"^font", "^Font", "^nfx", "^size"};
    std::string shown;
    for (size_t at = 0; at < stored.size();) {
        if (stored.compare(at, 2, "^^") == 0) {
            shown += '^';
            at += 2;
            continue;
        }
        size_t close = stored[at] == '^' ? stored.find(')', at) : std::string::npos;
        std::string tag = close == std::string::npos ? std::string() : stored.substr(at, close + 1 - at);
        bool dropped = false;
        for (const char* prefix : kDropped) {
            dropped = dropped || tag.compare(0, std::strlen(prefix), prefix) == 0;
        }
        if (dropped || tag == "^flat()" || tag == "^sharp()") {
            shown += tag == "^flat()" ? "b" : tag == "^sharp()" ? "#" : "";
            at = close + 1;
        } else {
            shown += stored[at++];
        }
    }
    return shown;
}

// The MIDI map column: the note name list a map number names, in the host's
// 8-bit texts (the document keeps it as UTF-8).
std::string MidiMapName(const Document& document, const StaffSummary& staff)
{
    if (!staff.hasInstrument) {
        return "(none)";
    }
    if (staff.midiMap == 0) {
        return "General MIDI";
    }
    for (const MidiMapFile& map : document.midiMaps) {
        if (map.number == staff.midiMap) {
            std::wstring wide(map.reference.size() + 1, L'\0');
            int units = MultiByteToWideChar(CP_UTF8, 0, map.reference.c_str(), -1, &wide[0],
                                            static_cast<int>(wide.size()));
            std::string name(map.reference.size() + 1, '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), units, &name[0], static_cast<int>(name.size()), "?", nullptr);
            return std::to_string(staff.midiMap) + " " + name.c_str();
        }
    }
    return std::to_string(staff.midiMap) + " (not in the document)";
}

std::string Range(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

// The workbench's messages are UTF-8; a box in Unicode shows them whole.
void ShowMessage(HWND owner, const std::string& text, UINT style)
{
    MessageBoxW(owner, Widen(text, CP_UTF8).c_str(), L"Finale workbench", style);
}

}  // namespace

bool MainWindow::Create(std::string* error)
{
    WNDCLASSA type = {};
    type.lpfnWndProc = Procedure;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kClassName;
    if (RegisterClassA(&type) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        *error = "cannot register the main window";
        return false;
    }

    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kOpen, "&Open document...");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kExit, "E&xit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    _editMenu = CreatePopupMenu();
    AppendMenuA(_editMenu, MF_STRING, kUndo, "&Undo");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(_editMenu), "&Edit");
    _documentsMenu = CreatePopupMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(_documentsMenu), "&Documents");
    _pluginMenu = CreatePopupMenu();
    const auto& entries = _plugins.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        AppendMenuA(_pluginMenu, MF_STRING, kFirstPlugin + i, entries[i].text.c_str());
    }
    if (entries.empty()) {
        AppendMenuA(_pluginMenu, MF_STRING | MF_GRAYED, 0, "(no plug-ins loaded)");
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(_pluginMenu), "&Plug-ins");

    _window = CreateWindowExA(0, kClassName, "Finale workbench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 720,
                              420, nullptr, bar, GetModuleHandleA(nullptr), this);
    if (_window == nullptr) {
        DestroyMenu(bar);
        *error = "cannot create the main window";
        return false;
    }
    Workbench& host = Workbench::Instance();
    host.mainWindow = _window;
    host.viewChanged = [this] { Refresh(); };
    Refresh();
    return true;
}

void MainWindow::Destroy()
{
    if (_window != nullptr) {
        DestroyWindow(_window);
    }
}

void MainWindow::CreateControls()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto child = [&](DWORD extended, const char* type, const char* text, DWORD style, int id) {
        HWND made = CreateWindowExA(extended, type, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, _window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return made;
    };
    _list = child(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, kStaffList);
    SendMessageA(_list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    struct Column {
        const char* title;
        int width;
    };
    static const Column kColumns[] = {{"Slot", 40},     {"Staff", 45},  {"Name", 190},
                                      {"Notation", 80}, {"Layout", 190}, {"MIDI map", 110}};
    for (int i = 0; i < 6; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.cx = kColumns[i].width;
        SendMessageA(_list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    child(0, "STATIC", "Measures:", SS_LEFT, kMeasuresLabel);
    _from = child(WS_EX_CLIENTEDGE, "EDIT", "", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, kMeasureFrom);
    child(0, "STATIC", "to", SS_CENTER, kToLabel);
    _to = child(WS_EX_CLIENTEDGE, "EDIT", "", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, kMeasureTo);
    _state = child(0, "STATIC", "", SS_LEFT | SS_ENDELLIPSIS, kSelectionState);
    child(0, "STATIC", "Part:", SS_RIGHT, kPartLabel);
    _parts = child(0, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kPartBox);
}

void MainWindow::Layout(int width, int height)
{
    const int row = height - 30;
    MoveWindow(_list, 8, 8, width - 16, row - 16, TRUE);
    MoveWindow(GetDlgItem(_window, kMeasuresLabel), 8, row + 4, 60, 18, TRUE);
    MoveWindow(_from, 70, row, 50, 22, TRUE);
    MoveWindow(GetDlgItem(_window, kToLabel), 122, row + 4, 20, 18, TRUE);
    MoveWindow(_to, 144, row, 50, 22, TRUE);
    MoveWindow(_state, 210, row + 4, std::max(0, width - 436), 18, TRUE);
    MoveWindow(GetDlgItem(_window, kPartLabel), width - 218, row + 4, 40, 18, TRUE);
    MoveWindow(_parts, width - 174, row, 166, 200, TRUE);
    // Every field, not only those that moved: the labels and the state line too.
    RedrawWindow(_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::Refresh()
{
    if (_window == nullptr) {
        return;
    }
    Workbench& host = Workbench::Instance();
    Document* document = host.Current();
    std::string title = "Finale workbench";
    if (document != nullptr) {
        title += " - " + document->name;
        if (document->currentPart != 0) {
            title += std::string(" - ") + PartName(*document, document->currentPart);
        }
    }
    SetWindowTextA(_window, title.c_str());
    _refreshing = true;
    ShowParts(document);
    // The rows are drawn once, when all are in.
    SendMessageA(_list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(_list, LVM_DELETEALLITEMS, 0, 0);
    int firstSlot = 0;
    int lastSlot = -1;
    if (document != nullptr && !IsEmptyRegion(document->selection.data())) {
        int a = ReadS16(document->selection.data(), region_record::kStartSlot);
        int b = ReadS16(document->selection.data(), region_record::kEndSlot);
        firstSlot = a < b ? a : b;
        lastSlot = a < b ? b : a;
    }
    int rows = document == nullptr ? 0 : static_cast<int>(StaffOrder(*document).size());
    SendMessageA(_list, LVM_SETITEMCOUNT, rows, LVSICF_NOINVALIDATEALL);
    for (int row = 0; row < rows; ++row) {
        StaffSummary staff = DescribeStaff(*document, row + 1, host.hostVersion);
        SetCell(_list, row, 0, std::to_string(row + 1));
        SetCell(_list, row, 1, std::to_string(staff.number));
        SetCell(_list, row, 2, DisplayedName(staff.name));
        SetCell(_list, row, 3, staff.hasRecord ? staff.notation : "(no record)");
        SetCell(_list, row, 4,
                staff.layout == 0 ? "" : std::to_string(staff.layout) + " " + staff.layoutName + " (" +
                                             std::to_string(staff.layoutNotes) + " notes)");
        SetCell(_list, row, 5, MidiMapName(*document, staff));
        if (row + 1 >= firstSlot && row + 1 <= lastSlot) {
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED;
            state.state = LVIS_SELECTED;
            SendMessageA(_list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
        }
    }
    SendMessageA(_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(_list, nullptr, TRUE);
    bool selected = lastSlot >= firstSlot;
    SetWindowTextA(_from, selected ? std::to_string(ReadS16(document->selection.data(), region_record::kStartMeasure)).c_str()
                                   : "");
    SetWindowTextA(_to, selected ? std::to_string(ReadS16(document->selection.data(), region_record::kEndMeasure)).c_str()
                                 : "");
    _refreshing = false;
    ShowSelectionState("");
}

void MainWindow::ShowParts(const Document* document)
{
    SendMessageA(_parts, CB_RESETCONTENT, 0, 0);
    for (int id = 0; document != nullptr && id != -1; id = NextPartID(*document, id)) {
        LRESULT index = SendMessageA(_parts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PartName(*document, id)));
        SendMessageA(_parts, CB_SETITEMDATA, index, id);
        if (id == document->currentPart) {
            SendMessageA(_parts, CB_SETCURSEL, index, 0);
        }
    }
    EnableWindow(_parts, document != nullptr && !document->parts.empty());
}

void MainWindow::TakePart()
{
    Document* document = Workbench::Instance().Current();
    LRESULT index = SendMessageA(_parts, CB_GETCURSEL, 0, 0);
    if (document != nullptr && index != CB_ERR) {
        SetCurrentPart(*document, static_cast<int>(SendMessageA(_parts, CB_GETITEMDATA, index, 0)));
        Refresh();
    }
}

void MainWindow::ShowSelectionState(const std::string& problem)
{
    Document* document = Workbench::Instance().Current();
    std::string text = problem;
    if (text.empty() && document != nullptr) {
        const unsigned char* selection = document->selection.data();
        text = IsEmptyRegion(selection)
                   ? "Nothing selected"
                   : "Selected: slots " +
                         Range(ReadS16(selection, region_record::kStartSlot), ReadS16(selection, region_record::kEndSlot)) +
                         ", measures " +
                         Range(ReadS16(selection, region_record::kStartMeasure), ReadS16(selection, region_record::kEndMeasure)) +
                         " of " + std::to_string(MeasureCount(*document));
    }
    SetWindowTextA(_state, text.c_str());
}

void MainWindow::TakeSelection()
{
    Document* document = Workbench::Instance().Current();
    if (_refreshing || document == nullptr) {
        return;
    }
    int first = static_cast<int>(SendMessageA(_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    int last = first;
    for (int row = first; row >= 0;
         row = static_cast<int>(SendMessageA(_list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) {
        last = row;
    }
    Region selection{};
    std::string problem;
    if (first >= 0) {
        int measures = MeasureCount(*document);
        int from = NumberIn(_from);
        int to = NumberIn(_to);
        if (Text(_from).empty() && Text(_to).empty()) {
            from = 1;
            to = measures;
        }
        if (from >= 1 && to >= 1 && to < from) {
            problem = "Measures " + std::to_string(from) + " to " + std::to_string(to) +
                      " are reversed: the first must not be above the last; nothing selected";
        } else if (from < 1 || to < from || to > measures) {
            problem = "Measures go from 1 to " + std::to_string(measures) + ": nothing selected";
        } else {
            WriteU16(selection.data(), region_record::kStartSlot, static_cast<unsigned>(first + 1));
            WriteU16(selection.data(), region_record::kStartMeasure, static_cast<unsigned>(from));
            WriteU16(selection.data(), region_record::kEndSlot, static_cast<unsigned>(last + 1));
            WriteU16(selection.data(), region_record::kEndMeasure, static_cast<unsigned>(to));
            WriteU32(selection.data(), region_record::kEndPos, region_record::kEndOfMeasure);
        }
    }
    document->selection = selection;
    ShowSelectionState(problem);
}

void MainWindow::OpenDocument()
{
    char path[MAX_PATH] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = _window;
    dialog.lpstrFilter = "Workbench documents and MusicXML (*.xml, *.musicxml, *.mxl)\0*.xml;*.musicxml;*.mxl\0"
                         "All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) {
        return;
    }
    Workbench& host = Workbench::Instance();
    std::string error;
    std::vector<std::string> warnings;
    std::unique_ptr<Document> document = ReadDocumentFile(path, host.hostVersion, &error, &warnings);
    if (!document) {
        ShowMessage(_window, error, MB_OK | MB_ICONERROR);
        return;
    }
    if (!warnings.empty()) {
        std::string text;
        for (const std::string& warning : warnings) {
            text += warning + "\n";
        }
        ShowMessage(_window, text, MB_OK | MB_ICONWARNING);
    }
    host.Open(std::move(document));
    Refresh();
}

void MainWindow::UpdateMenu(HMENU menu)
{
    Workbench& host = Workbench::Instance();
    Document* current = host.Current();
    if (menu == _editMenu) {
        bool undoable = current != nullptr && !current->undoSteps.empty() && host.journal.Depth() == 0;
        std::string text = undoable ? "&Undo " + current->undoSteps.back().name : std::string("&Undo");
        ModifyMenuA(_editMenu, kUndo, MF_BYCOMMAND | MF_STRING | (undoable ? MF_ENABLED : MF_GRAYED), kUndo,
                    text.c_str());
    } else if (menu == _documentsMenu) {
        while (GetMenuItemCount(_documentsMenu) > 0) {
            DeleteMenu(_documentsMenu, 0, MF_BYPOSITION);
        }
        for (const auto& document : host.Documents()) {
            UINT flags = MF_STRING | (document.get() == current ? MF_CHECKED : MF_UNCHECKED);
            AppendMenuA(_documentsMenu, flags, kFirstDocument + document->number, document->name.c_str());
        }
        if (host.Documents().empty()) {
            AppendMenuA(_documentsMenu, MF_STRING | MF_GRAYED, 0, "(no documents open)");
        }
    } else if (menu == _pluginMenu) {
        for (size_t i = 0; i < _plugins.Entries().size(); ++i) {
            EnableMenuItem(_pluginMenu, kFirstPlugin + i,
                           MF_BYCOMMAND | (_plugins.IsAvailable(i) ? MF_ENABLED : MF_GRAYED));
        }
    }
}

void MainWindow::Command(int id)
{
    Workbench& host = Workbench::Instance();
    if (id == kOpen) {
        OpenDocument();
    } else if (id == kExit) {
        DestroyWindow(_window);
    } else if (id == kUndo) {
        host.journal.Undo(host.Current());
        Refresh();
    } else if (id >= kFirstPlugin && id < kFirstPlugin + static_cast<int>(_plugins.Entries().size())) {
        _plugins.Invoke(static_cast<size_t>(id - kFirstPlugin), _window);
    } else if (id > kFirstDocument && id < kFirstPlugin) {
        host.SetCurrent(id - kFirstDocument);
        Refresh();
    }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_INITMENUPOPUP:
        UpdateMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_COMMAND:
        if (lParam == 0) {
            Command(LOWORD(wParam));
        } else if ((LOWORD(wParam) == kMeasureFrom || LOWORD(wParam) == kMeasureTo) && HIWORD(wParam) == EN_CHANGE) {
            TakeSelection();
        } else if (LOWORD(wParam) == kPartBox && HIWORD(wParam) == CBN_SELCHANGE) {
            TakePart();
        }
        return 0;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kStaffList && header->code == LVN_ITEMCHANGED) {
            const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) {
                TakeSelection();
            }
        }
        return 0;
    }
    case WM_DESTROY: {
        Workbench& host = Workbench::Instance();
        host.mainWindow = nullptr;
        host.viewChanged = nullptr;
        _window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    default:
        return DefWindowProcA(_window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->_window == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

}  // namespace workbench

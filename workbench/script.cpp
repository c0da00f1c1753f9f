// Running the steps of a script.
#include "workbench/script.h"

#include <commctrl.h>

#include "host/record_bytes.h"
#include "workbench/alert_watch.h"
#include "workbench/document_printer.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/host_layouts.h"
#include "workbench/key_names.h"
#include "workbench/linked_parts.h"
#include "workbench/menu_watch.h"
#include "workbench/message_loop.h"
#include "workbench/output.h"
#include "workbench/screenshot.h"
#include "workbench/window_printer.h"
#include "workbench/workbench.h"

namespace workbench {

HWND NewestPluginWindow()
{
    const auto& dialogs = Workbench::Instance().pluginDialogs;
    for (auto dialog = dialogs.rbegin(); dialog != dialogs.rend(); ++dialog) {
        if (IsWindow(dialog->window)) {
            return dialog->window;
        }
    }
    return nullptr;
}

HWND Script::PluginWindow(std::string* error) const
{
    HWND window = NewestPluginWindow();
    if (window == nullptr) {
        *error = "no plug-in window is open";
    }
    return window;
}

// Each option sets its half of the selection; a half still empty becomes
// the whole document's.
bool Script::Select(const Step& step, std::string* error)
{
    Document* document = Workbench::Instance().Current();
    if (document == nullptr) {
        *error = "no document is open";
        return false;
    }
    bool staves = step.kind == StepKind::kSelectStaves;
    int last = staves ? static_cast<int>(StaffOrder(*document).size()) : MeasureCount(*document);
    if (step.first > last || step.second > last) {
        *error = std::string("the document has ") + std::to_string(last) + (staves ? " staves" : " measures");
        return false;
    }
    unsigned char* selection = document->selection.data();
    if (IsEmptyRegion(selection)) {
        Region whole = WholeRegion(*document);
        std::copy(whole.begin(), whole.end(), document->selection.begin());
    }
    WriteU16(selection, staves ? region_record::kStartSlot : region_record::kStartMeasure, static_cast<unsigned>(step.first));
    WriteU16(selection, staves ? region_record::kEndSlot : region_record::kEndMeasure, static_cast<unsigned>(step.second));
    _window.Refresh();
    return true;
}

bool Script::Invoke(const Step& step, std::string* error)
{
    const auto& entries = _plugins.Entries();
    int entry = step.text.empty() ? step.first - 1 : _plugins.FindEntry(step.text);
    if (entry < 0 || entry >= static_cast<int>(entries.size())) {
        *error = "the Plug-ins menu has no entry " + (step.text.empty() ? std::to_string(step.first) : Quoted(step.text));
        for (size_t i = 0; i < entries.size(); ++i) {
            *error += (i == 0 ? "; its entries: " : ", ") + std::to_string(i + 1) + " " + Quoted(entries[i].text);
        }
        *error += entries.empty() ? " (no plug-ins are loaded)" : "";
        return false;
    }
    if (!_plugins.IsAvailable(static_cast<size_t>(entry))) {
        *error = Quoted(entries[entry].text) + " is not available now";
        return false;
    }
    _plugins.Invoke(static_cast<size_t>(entry), _window.Handle());
    return true;
}

bool Script::Press(const Step& step, std::string* error)
{
    HWND window = PluginWindow(error);
    if (window == nullptr) {
        return false;
    }
    HWND control = GetDlgItem(window, step.first);
    if (control == nullptr) {
        *error = "the plug-in window has no control " + std::to_string(step.first);
        return false;
    }
    if (!IsWindowEnabled(control)) {
        *error = "control " + std::to_string(step.first) + " is disabled";
        return false;
    }
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(step.first, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return true;
}

HWND Script::ComboBox(const Step& step, std::string* error) const
{
    HWND window = PluginWindow(error);
    if (window == nullptr) {
        return nullptr;
    }
    HWND control = GetDlgItem(window, step.first);
    char type[16] = {};
    GetClassNameA(control, type, sizeof type);
    if (control == nullptr || lstrcmpiA(type, "ComboBox") != 0) {
        *error = "the plug-in window has no combo box " + std::to_string(step.first);
        return nullptr;
    }
    return control;
}

bool Script::Choose(const Step& step, std::string* error)
{
    HWND control = ComboBox(step, error);
    if (control == nullptr) {
        return false;
    }
    HWND window = GetParent(control);
    LRESULT count = SendMessageA(control, CB_GETCOUNT, 0, 0);
    if (step.second > count) {
        *error = "combo box " + std::to_string(step.first) + " has " + std::to_string(count) + " entries";
        return false;
    }
    if (!IsWindowEnabled(control)) {
        *error = "control " + std::to_string(step.first) + " is disabled";
        return false;
    }
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(step.second - 1), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(step.first, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    return true;
}

HWND Script::EnabledControl(const Step& step, const char* windowClass, const char* what, std::string* error) const
{
    HWND window = PluginWindow(error);
    if (window == nullptr) {
        return nullptr;
    }
    HWND control = GetDlgItem(window, step.first);
    char type[64] = {};
    GetClassNameA(control, type, sizeof type);
    if (control == nullptr || lstrcmpiA(type, windowClass) != 0) {
        *error = std::string("the plug-in window has no ") + what + " " + std::to_string(step.first);
        return nullptr;
    }
    if (!IsWindowEnabled(control)) {
        *error = "control " + std::to_string(step.first) + " is disabled";
        return nullptr;
    }
    return control;
}

// As a user types over a field's whole text: the field has the focus and
// gets the characters one by one, so the plug-in hears every change.
bool Script::Type(const Step& step, std::string* error)
{
    HWND edit = EnabledControl(step, "Edit", "edit field", error);
    if (edit == nullptr) {
        return false;
    }
    if ((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0) {
        *error = "edit field " + std::to_string(step.first) + " is read-only";
        return false;
    }
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    if (step.text.empty()) {
        SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    }
    for (char character : step.text) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(character), 1);
    }
    return true;
}

// Mouse clicks in the middle of one arrow, which the control itself turns
// into its notifications to the plug-in.
bool Script::Spin(const Step& step, std::string* error)
{
    HWND upDown = EnabledControl(step, UPDOWN_CLASSA, "up-down", error);
    if (upDown == nullptr) {
        return false;
    }
    RECT area = {};
    GetClientRect(upDown, &area);
    bool forward = step.second > 0;
    LPARAM at = (GetWindowLongA(upDown, GWL_STYLE) & UDS_HORZ) != 0
                    ? MAKELPARAM(forward ? area.right * 3 / 4 : area.right / 4, area.bottom / 2)
                    : MAKELPARAM(area.right / 2, forward ? area.bottom / 4 : area.bottom * 3 / 4);
    for (int click = 0; click < (forward ? step.second : -step.second); ++click) {
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(upDown, WM_LBUTTONUP, 0, at);
    }
    return true;
}

bool Script::Resize(const Step& step, std::string* error)
{
    HWND window = PluginWindow(error);
    RECT frame;
    if (window == nullptr || !GetWindowRect(window, &frame)) {
        return false;
    }
    // As a user's drag: the window's own limits apply.
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + step.first, frame.bottom - frame.top + step.second,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool Script::Move(const Step& step, std::string* error)
{
    HWND window = PluginWindow(error);
    if (window == nullptr) {
        return false;
    }
    SetWindowPos(window, nullptr, step.first, step.second, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool Script::Screenshot(const Step& step, std::string* error)
{
    HWND window = NewestPluginWindow();
    if (window == nullptr) {
        window = _window.Handle();
    }
    // Let the display catch up before the pixels are read.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int round = 0; round < 5; ++round) {
        ProcessPendingMessages();
        Sleep(50);
    }
    return SaveScreenshot(window, step.text, error);
}

bool Script::ChoosePart(const Step& step, std::string* error)
{
    Document* document = Workbench::Instance().Current();
    if (document == nullptr) {
        *error = "no document is open";
        return false;
    }
    if (!SetCurrentPart(*document, step.first)) {
        std::string ids;
        for (int id = 0; id != -1; id = NextPartID(*document, id)) {
            ids += (id == 0 ? "" : ", ") + std::to_string(id);
        }
        *error = "document " + std::to_string(document->number) + " has no part " + std::to_string(step.first) +
                 " (its parts: " + ids + ")";
        return false;
    }
    _window.Refresh();
    return true;
}

// As a user's key press: the dialog manager of the message loop turns Enter
// and Escape into the dialog's commands.
bool Script::PostKey(const Step& step, std::string* error)
{
    HWND window = PluginWindow(error);
    KeyPress press;
    if (window == nullptr || !ParseKeyName(step.text, &press)) {
        return false;
    }
    HWND focus = GetFocus();
    HWND target = focus != nullptr && IsChild(window, focus) ? focus : window;
    PostMessageA(target, WM_KEYDOWN, press.key, 1);
    PostMessageA(target, WM_KEYUP, press.key, static_cast<LPARAM>(0xC0000001));
    return true;
}

bool Script::RunStep(const Step& step, std::string* error)
{
    Workbench& host = Workbench::Instance();
    switch (step.kind) {
    case StepKind::kDocument: {
        std::vector<std::string> warnings;
        std::unique_ptr<Document> document = ReadDocumentFile(step.text, host.hostVersion, error, &warnings);
        if (!document) {
            return false;
        }
        for (const std::string& warning : warnings) {
            PrintError(warning);
        }
        host.Open(std::move(document));
        _window.Refresh();
        return true;
    }
    case StepKind::kSelectStaves:
    case StepKind::kSelectMeasures:
        return Select(step, error);
    case StepKind::kInvoke:
        return Invoke(step, error);
    case StepKind::kPress:
        return Press(step, error);
    case StepKind::kChoose:
        return Choose(step, error);
    case StepKind::kType:
        return Type(step, error);
    case StepKind::kSpin:
        return Spin(step, error);
    case StepKind::kResize:
        return Resize(step, error);
    case StepKind::kMove:
        return Move(step, error);
    case StepKind::kClose: {
        HWND window = PluginWindow(error);
        if (window != nullptr) {
            SendMessageA(window, WM_CLOSE, 0, 0);
        }
        return window != nullptr;
    }
    case StepKind::kPrintWindow:
    case StepKind::kPrintGeometry: {
        HWND window = PluginWindow(error);
        if (window != nullptr) {
            PrintText(step.kind == StepKind::kPrintWindow ? DescribeWindow(window) : DescribeGeometry(window));
        }
        return window != nullptr;
    }
    case StepKind::kPrintDocument:
        if (host.Current() == nullptr) {
            *error = "no document is open";
            return false;
        }
        PrintText(DescribeOpenDocuments(host.Documents(), *host.Current(), host.hostVersion));
        return true;
    case StepKind::kPrintPlugins: {
        size_t count = _plugins.Entries().size();
        std::string text = "plug-ins menu: " + std::to_string(count) + (count == 1 ? " entry\n" : " entries\n");
        int number = 0;
        for (const MenuEntry& entry : _plugins.Entries()) {
            text += "  " + std::to_string(++number) + ": " + Quoted(entry.text) + ", " + Quoted(entry.description) +
                    ", " + Quoted(entry.name) + ", from " + _plugins.PathOf(entry) + "\n";
        }
        PrintText(text);
        return true;
    }
    case StepKind::kAnswer:
        SetAlertAnswer(step.answer);
        return true;
    case StepKind::kScreenshot:
        return Screenshot(step, error);
    case StepKind::kUndo:
        if (!host.journal.Undo(host.Current())) {
            *error = "nothing to undo";
            return false;
        }
        _window.Refresh();
        return true;
    case StepKind::kQuit:
        return true;
    case StepKind::kPart:
        return ChoosePart(step, error);
    case StepKind::kCapture: {
        HWND window = NewestPluginWindow();
        return SaveClientCapture(window != nullptr ? window : _window.Handle(), step.text, error);
    }
    case StepKind::kDestroy: {
        HWND window = PluginWindow(error);
        if (window != nullptr && !DestroyWindow(window)) {
            *error = "the plug-in window cannot be destroyed";
            return false;
        }
        return window != nullptr;
    }
    case StepKind::kKey:
        return step.first == kFocusedControl ? PostKey(step, error) : PressKey(step, error);
    case StepKind::kClickHeader:
        return ClickHeader(step, error);
    case StepKind::kRightClick:
        return RightClick(step, error);
    case StepKind::kMenu:
        SetMenuEntry(step.text);
        return true;
    case StepKind::kHover:
        SetHoveredRow(step.first, step.second);
        return true;
    case StepKind::kWithColours:
        ShowRowColours(true);
        return true;
    case StepKind::kPrintClipboard:
        return PrintClipboard(error);
    case StepKind::kDropDown: {
        HWND control = ComboBox(step, error);
        if (control != nullptr) {
            SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
        }
        return control != nullptr;
    }
    }
    return false;
}

bool Script::Run(const std::vector<Step>& steps, bool* quit)
{
    *quit = false;
    for (const Step& step : steps) {
        std::string error;
        if (!RunStep(step, &error)) {
            // A document's message names the file already.
            PrintError(step.kind == StepKind::kDocument ? error : step.option + ": " + error);
            return false;
        }
        if (!ProcessPendingMessages() || step.kind == StepKind::kQuit) {
            *quit = true;
            return true;
        }
    }
    return true;
}

}  // namespace workbench

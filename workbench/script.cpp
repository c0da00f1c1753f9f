// Running the steps of a script.
#include "workbench/script.h"

#include <commctrl.h>

#include "host/record_bytes.h"
#include "workbench/alert_watch.h"
#include "workbench/document_printer.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/host_layouts.h"
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
    int last = staves ? static_cast<int>(document->staves.size()) : MeasureCount(*document);
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
        PrintText(DescribeDocument(*host.Current(), host.hostVersion));
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

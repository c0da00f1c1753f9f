// The inspector window: its controls, the analysis run behind the report
// button, the sorted note list, and the place and order it keeps.
#include "tool/drumwell_window.h"

#include <commctrl.h>

#include <memory>

#include "framework/data/music_region.h"
#include "host/service_wrappers.h"
#include "host/undo_block.h"
#include "tool/block_handler.h"
#include "tool/drumwell_controls.h"
#include "tool/percussion_notes.h"
#include "tool/report.h"
#include "tool/sorting.h"

FCDrumwellWindow* _pMainWindow = nullptr;

namespace {

// The selected pop-up entry as a sorting order (-1 when none is selected).
int SelectedSortingOrder(HWND dialog)
{
    return FX_GetDlgItemVal(dialog, control_id::kSortPopup, 0, kFinaleInterfaceVersion) - 1;
}

FCString* MidiNoteCell(int note, const char* none)
{
    auto* text = new FCString;
    if (note == -1) {
        text->SetCString(none);
    } else {
        AppendMidiNoteText(text, note);
    }
    return text;
}

}  // namespace

FCDrumwellWindow::FCDrumwellWindow()
    : FCResourceWindow(kResourceID), _shownSortingOrder(_GlobalUserSettings.sortingOrder)
{
}

void FCDrumwellWindow::LinkControls()
{
    auto link = [this](auto* control) {
        Add(control);
        control->SetOwnerWindow(this);
        return control;
    };
    _pReportButton = link(new FCCtrlButton(control_id::kReport));
    _pReportButton->SetCommandRole(FCControl::kOkRole);
    _pCloseButton = link(new FCCtrlButton(control_id::kClose));
    _pCloseButton->SetCommandRole(FCControl::kCloseRole);
    for (int i = 0; i < kStaticCount; ++i) {
        _pStatics[i] = link(new FCCtrlStatic(kFirstStatic + i));
    }
    _pSortPopup = link(new FCCtrlPopup(control_id::kSortPopup));
    _pNoteList = link(new FCCtrlDataList(control_id::kNoteList));
}

void FCDrumwellWindow::InitWindow()
{
    _pNoteList->UseFullRowSelect();
    // Rows that stand out say why when the pointer rests on them.
    SendDlgItemMessageA(GetWindowHandle(), control_id::kNoteList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP,
                        LVS_EX_INFOTIP);
    FCResourceWindow::InitWindow();
    _pSortPopup->Clear();
    for (const char* description : _SortingOrderDescriptions) {
        FCString text(description);
        _pSortPopup->AddString(&text);
    }
    for (const Column& column : kColumns) {
        FCString title(column.title);
        _pNoteList->AddColumn(&title, column.width);
    }
    InitSettings();
    EnableControls();
    // Only the height can change: up to 80 per cent of the screen.
    int screenLimit = _ui.GetScreenHeight() * 8 / 10;
    if (screenLimit > _maxTrackHeight) {
        _maxTrackHeight = screenLimit;
    }
    RestorePosition();
}

void FCDrumwellWindow::InitSettings()
{
    FX_SetDlgItemVal(GetWindowHandle(), control_id::kSortPopup, 0, _GlobalUserSettings.sortingOrder + 1,
                     kFinaleInterfaceVersion);
}

void FCDrumwellWindow::EnableControls()
{
    short enable = _reportValid ? 1 : 0;
    for (int id = kFirstStatic; id < kFirstStatic + kStaticCount; ++id) {
        FX_EnableDlgItem(GetWindowHandle(), id, enable, kFinaleInterfaceVersion);
    }
    FX_EnableDlgItem(GetWindowHandle(), control_id::kSortPopup, enable, kFinaleInterfaceVersion);
    FX_EnableDlgItem(GetWindowHandle(), control_id::kNoteList, enable, kFinaleInterfaceVersion);
}

void FCDrumwellWindow::EnableReport()
{
    EnableControls();
}

void FCDrumwellWindow::DisableReport()
{
    _pNoteList->DeleteAll();
    _pNoteList->ScrollToTop();
    FCString none("---");
    for (int id : kValueFields) {
        Static(id)->SetText(&none);
    }
    EnableControls();
}

bool FCDrumwellWindow::ValidateRegion()
{
    FCMusicRegion region;
    region.SetCurrentSelection();
    if (region.GetStartMeasure() == 0 && region.GetEndMeasure() == 0) {
        _ui.AlertError("No staff has been selected. Please select a percussion staff and try again.",
                       "No Staff Selected");
        return false;
    }
    if (region.GetStartSlot() != region.GetEndSlot()) {
        _ui.AlertError("More than one staff have been selected. Please select only one percussion staff and try again.",
                       "Multiple Staves Selected");
        return false;
    }
    return true;
}

void FCDrumwellWindow::ProcessTask()
{
    if (!ValidateRegion()) {
        return;
    }
    FCDrumwellBlockHandler handler(Static(control_id::kStaffName), Static(control_id::kLayoutName),
                                   Static(control_id::kMapName), Static(control_id::kLayoutTotal),
                                   Static(control_id::kMapTotal));
    _PercussionNoteList.ClearAll();
    FCUndoBlock block;
    FCString name("Drumwell");
    block.Execute(&handler, &name);
    if (handler.IsError()) {
        _reportValid = false;
        DisableReport();
        FCString title("Drumwell Error");
        _ui.AlertError(handler.GetErrorMessage(), &title);
        return;
    }
    _reportValid = true;
    EnableReport();
    SortList();
    RebuildReportList();
}

void FCDrumwellWindow::OkButtonPressed()
{
    ProcessTask();
}

void FCDrumwellWindow::SortList()
{
    FCPercussionNoteListSorter sorter;
    _PercussionNoteList.Sort(&sorter);
}

void FCDrumwellWindow::RebuildReportList()
{
    _pNoteList->DeleteAll();
    _pNoteList->StartRowUpdate(_PercussionNoteList.GetCount());
    for (int i = 0; i < _PercussionNoteList.GetCount(); ++i) {
        FCPercussionNoteInfo* note = _PercussionNoteList.GetItemAt(i);
        if (note == nullptr) {
            continue;
        }
        auto* row = new FCDataListRow;
        auto* name = new FCString;
        name->SetString(&note->noteName);
        row->Add(name);
        row->Add(MidiNoteCell(note->mappedMidiNote, "---"));
        auto* position = new FCString;
        position->SetInteger(note->staffPosition);
        row->Add(position);
        row->Add(MidiNoteCell(note->generalMidiNote, "<Unknown>"));
        _pNoteList->AddRow(row);
    }
    _pNoteList->ScrollToTop();
    _pNoteList->EndRowUpdate();
}

bool FCDrumwellWindow::HandleCommand(FCControl* control)
{
    if (control == nullptr || control != _pSortPopup) {
        return false;
    }
    ApplySortingOrder(SelectedSortingOrder(GetWindowHandle()));
    return true;
}

void FCDrumwellWindow::ApplySortingOrder(int order)
{
    _GlobalUserSettings.sortingOrder = order;
    if (order != _shownSortingOrder) {
        SortList();
        RebuildReportList();
        _shownSortingOrder = order;
    }
}

void FCDrumwellWindow::CloseWindow()
{
    StorePosition(true);
    _GlobalUserSettings.sortingOrder = SelectedSortingOrder(GetWindowHandle());
    _closed = true;
    // Destroying the dialog would not free the rows its list holds.
    _pNoteList->DeleteAll();
    DestroyWindow();
}

void FCDrumwellWindow::HandleResize(int newWidth, int newHeight, int oldWidth, int oldHeight)
{
    int dx = newWidth - oldWidth;
    int dy = newHeight - oldHeight;
    StartBufferControlMovement();
    _pReportButton->MoveRelative(dx, dy);
    _pCloseButton->MoveRelative(dx, dy);
    _pNoteList->ResizeRelative(dx, dy);
    EndBufferControlMovement();
}

void DisplayUserWindow(FCUI* ui)
{
    if (_pMainWindow == nullptr) {
        _pMainWindow = new FCDrumwellWindow;
        _pMainWindow->LinkControls();
    }
    _pMainWindow->ShowModeless(ui->GetHostWindow());
}

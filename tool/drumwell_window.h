// FCDrumwellWindow: the inspector's one modeless window, and the hand-over
// from the plug-in's entry point that shows it.
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/data_list.h"
#include "framework/ui/resource_window.h"
#include "host/ui.h"

class FCDrumwellWindow : public FCResourceWindow {
public:
    static constexpr int kResourceID = 20128;

    FCDrumwellWindow();

    void CloseWindow() override;
    void InitWindow() override;
    // The report button and the Enter key run the analysis; the window stays.
    void OkButtonPressed() override;
    // Only the sorting pop-up is handled.
    bool HandleCommand(FCControl* control) override;
    // The buttons follow the bottom edge; the list grows with the window.
    void HandleResize(int newWidth, int newHeight, int oldWidth, int oldHeight) override;
    // The note list's header clicks, colours, tips, keys and context menu.
    bool HandleWMNotify(unsigned int wParam, long lParam) override;

    void LinkControls();
    void InitSettings();
    void EnableControls();
    void EnableReport();
    void DisableReport();
    // Exactly one staff must be selected; otherwise an alert says why.
    bool ValidateRegion();
    void ProcessTask();
    void SortList();
    void RebuildReportList();

    bool IsReportValid() const { return _reportValid; }

    // A column's order, as if chosen in the pop-up, which follows it.
    void SortByColumn(int column);
    // The header names and the rows, all or the selected ones, as
    // tab-separated lines on the clipboard; false when it cannot be done.
    bool CopyReport(bool selectedOnly);
    void ShowContextMenu(int x, int y);

private:
    // Sorts and rebuilds when the order differs from the one shown.
    void ApplySortingOrder(int order);
    // The list's rows stand for _PercussionNoteList after a good run.
    bool HasReportRows();
    long AnswerCustomDraw(long lParam);
    void AnswerInfoTip(long lParam, bool unicode);
    bool IsLineSelected(int line);

    static constexpr int kFirstStatic = 101;
    static constexpr int kStaticCount = 11;
    FCCtrlStatic* Static(int id) const { return _pStatics[id - kFirstStatic]; }

    FCCtrlButton* _pReportButton = nullptr;
    FCCtrlButton* _pCloseButton = nullptr;
    FCCtrlStatic* _pStatics[kStaticCount] = {};
    FCCtrlPopup* _pSortPopup = nullptr;
    FCCtrlDataList* _pNoteList = nullptr;
    FCUI _ui;
    bool _reportValid = false;
    int _shownSortingOrder;
};

// The one inspector window, made on first use and kept for the library's life.
extern FCDrumwellWindow* _pMainWindow;

void DisplayUserWindow(FCUI* ui);

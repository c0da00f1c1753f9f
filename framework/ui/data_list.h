// FCCtrlDataList, a list view in report view whose cell texts live in the
// plug-in, and FCDataListRow, one row of it: its cell strings and check state.
#pragma once

#include "framework/data/string.h"
#include "framework/ui/controls.h"

class FCCtrlDataList;

// Element i is the text of column i; the row owns its strings.
class FCDataListRow : public FCStrings {
public:
    // Shown at once when the row is in a list, else only kept.
    void SetCheck(bool checked);
    bool GetCheck() const { return _checked; }
    int GetLine() const { return _line; }
    // Ties the row to its place in a list and shows its check state there.
    void _MakeConnection(FCCtrlDataList* list, int line);

private:
    bool _checked = false;
    int _line = -1;
    FCCtrlDataList* _dataList = nullptr;

    friend class FCCtrlDataList;
};

class FCCtrlDataList : public FCControl {
public:
    using FCControl::FCControl;
    const char* ClassName() const override { return "FCCtrlDataList"; }
    int _GetControlType() override { return kDataListControl; }

    // Reports of the dialog procedure.
    virtual void HandleSelectChange(int line);
    virtual void HandleUnselect();
    // Keeps the row's check state in step with the control.
    virtual void HandleCheckChange(int line, bool checked);
    virtual void HandleDoubleClick();

    // Columns.
    // Appended at the right; false when the control refuses.
    bool AddColumn(FCString* title, int width);
    // The argument is kept for callers written for it; it changes nothing.
    int GetColumnCount(bool);
    // -1 when there is no such column.
    int GetColumnWidth(int column);
    void DeleteAllColumns();

    // Extended styles.
    void UseLeftCheckboxColumn();
    void UseGrid();
    void UseFullRowSelect();
    bool HasCheckboxes();

    // Rows. AddRow takes the row and answers its line; when there is no
    // control or it refuses the row, the row is destroyed (it was handed
    // over, and no line holds it) and the answer is -1.
    int AddRow(FCDataListRow* row);
    // Null when the line does not exist.
    FCDataListRow* GetItemAt(int line);
    int GetCount();
    // Destroys the row when the control has removed its line.
    bool DeleteRow(int line);
    void DeleteAll();
    // Lines shift on deletion; this brings every row's line up to date.
    void ReconnectAll();
    void Redraw();
    // Many rows at once: from StartRowUpdate, which tells the control how
    // many rows to make room for, drawing is held off until EndRowUpdate
    // draws the list once.
    void StartRowUpdate(int rowCount);
    void EndRowUpdate();

    // Selection and scrolling.
    void SelectLine(int line, bool ensureVisible);
    // -1 when none.
    int GetSelectedLine();
    void ScrollToTop();

    // Cell texts for the control's text requests; "???" for a missing row or
    // column. The Unicode text is cut to 511 units.
    static const char* _GetCellCText(FCDataListRow* row, int column);
    static const short* _GetCellUnicodeText(FCDataListRow* row, int column);

private:
    static FCString* CellString(FCDataListRow* row, int column);
    long Send(unsigned int message, unsigned int wParam, long lParam);
    void AddExtendedStyle(unsigned long style);
    unsigned long ExtendedStyle();

    friend class FCDataListRow;
};

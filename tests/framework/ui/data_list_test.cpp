// The data list on a real list view: columns, styles, rows shown by callback
// in both text forms, deletion, selection, check boxes and their reports.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "tests/framework/ui/test_window.h"
#include "tests/support/import_hook.h"

namespace {

FCDataListRow* MakeRow(std::initializer_list<const char*> cells)
{
    auto* row = new FCDataListRow;
    for (const char* cell : cells) {
        row->Add(new FCString(cell));
    }
    return row;
}

std::string CellText(HWND list, int line, int column)
{
    char text[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, line, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string Narrowed(const short* units)
{
    std::string text;
    for (; *units != 0; ++units) {
        text += static_cast<char>(*units);
    }
    return text;
}

// SendMessageA of the framework, watched and, on request, refused.
std::vector<UINT> g_sent;
std::vector<WPARAM> g_sentWParams;
UINT g_refused = 0;
LRESULT(WINAPI* g_send)(HWND, UINT, WPARAM, LPARAM);

LRESULT WINAPI WatchedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_sent.push_back(message);
    g_sentWParams.push_back(wParam);
    if (message == g_refused) {
        return message == LVM_INSERTITEMA ? -1 : FALSE;
    }
    return g_send(window, message, wParam, lParam);
}

class DataListTest : public OpenDialogTest {
protected:
    void SetUp() override
    {
        g_send = reinterpret_cast<decltype(g_send)>(_send.Original());
        ASSERT_NE(g_send, nullptr);
        Watch();
        OpenDialogTest::SetUp();
        listView = GetDlgItem(dialog, IDC_NOTE_LIST);
        list = window.list;
        for (const char* title : {"Name", "Mapped MIDI", "Staff Position", "GM/Default"}) {
            FCString text(title);
            ASSERT_TRUE(list->AddColumn(&text, 80));
        }
    }
    void TearDown() override
    {
        list->DeleteAll();
        OpenDialogTest::TearDown();
    }
    void Watch()
    {
        g_sent.clear();
        g_sentWParams.clear();
        g_refused = 0;
    }
    int Sent(UINT message) { return static_cast<int>(std::count(g_sent.begin(), g_sent.end(), message)); }
    bool Notified(UINT code)
    {
        return std::find(window.notifications.begin(), window.notifications.end(), code) !=
               window.notifications.end();
    }

    ScopedImportHook _send{"user32.dll", "SendMessageA", reinterpret_cast<void*>(&WatchedSend)};
    HWND listView = nullptr;
    RecordingList* list = nullptr;
};

TEST_F(DataListTest, ColumnsAreAppendedLeftToRightAndStylesOneBitAtATime)
{
    Watch();
    FCString wide("Wide");
    EXPECT_TRUE(list->AddColumn(&wide, 120));
    EXPECT_EQ(list->GetColumnCount(false), 5);
    const char* expected[] = {"Name", "Mapped MIDI", "Staff Position", "GM/Default", "Wide"};
    for (int column = 0; column < 5; ++column) {
        char title[64] = {};
        LVCOLUMNA read = {};
        read.mask = LVCF_TEXT;
        read.pszText = title;
        read.cchTextMax = sizeof title;
        SendMessageA(listView, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&read));
        EXPECT_STREQ(title, expected[column]);
    }
    EXPECT_EQ(list->GetColumnWidth(4), 120);
    EXPECT_EQ(list->GetColumnWidth(5), -1);
    list->DeleteAllColumns();
    EXPECT_EQ(list->GetColumnCount(true), 0);

    list->UseGrid();
    list->UseFullRowSelect();
    EXPECT_FALSE(list->HasCheckboxes());
    list->UseLeftCheckboxColumn();
    EXPECT_TRUE(list->HasCheckboxes());
    EXPECT_EQ(SendMessageA(listView, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
}

TEST_F(DataListTest, RowsAreShownByCallbackInBothTextForms)
{
    FCDataListRow* first = MakeRow({"Snare", "38 ('D2')", "4", "38 ('D2')"});
    FCDataListRow* second = MakeRow({"Kick", "36 ('C2')"});
    EXPECT_EQ(list->AddRow(first), 0);
    EXPECT_EQ(list->AddRow(second), 1);
    EXPECT_EQ(list->GetItemAt(1), second);
    EXPECT_EQ(list->GetItemAt(2), nullptr);

    window.notifications.clear();
    EXPECT_EQ(CellText(listView, 0, 0), "Snare");
    EXPECT_EQ(CellText(listView, 1, 1), "36 ('C2')");
    EXPECT_EQ(CellText(listView, 1, 2), "???");
    EXPECT_TRUE(Notified(LVN_GETDISPINFOA));

    // A list view that notifies in Unicode asks with LVN_GETDISPINFOW.
    SendMessageA(listView, LVM_SETUNICODEFORMAT, TRUE, 0);
    window.notifications.clear();
    EXPECT_EQ(CellText(listView, 0, 2), "4");
    EXPECT_EQ(CellText(listView, 1, 3), "???");
    EXPECT_TRUE(Notified(LVN_GETDISPINFOW));
    EXPECT_FALSE(Notified(LVN_GETDISPINFOA));

    // A list view that no data list drives is not answered.
    char mine[] = "mine";
    NMLVDISPINFOA request = {{listView, IDC_PLAIN_LIST, static_cast<UINT>(LVN_GETDISPINFOA)}, {}};
    request.item.lParam = reinterpret_cast<LPARAM>(first);
    request.item.pszText = mine;
    userroutine(dialog, WM_NOTIFY, IDC_PLAIN_LIST, reinterpret_cast<long>(&request), &window);
    EXPECT_EQ(request.item.pszText, mine);
}

TEST(DataListCells, MissingCellsAreQuestionMarksAndLongUnicodeTextsAreCut)
{
    FCDataListRow row;
    row.Add(new FCString("Hi-Hat"));
    auto* cell = new FCString;
    for (int i = 0; i < 600; ++i) {
        cell->Append(static_cast<short>(i < 510 ? 'a' : 'z'));
    }
    row.Add(cell);
    EXPECT_STREQ(FCCtrlDataList::_GetCellCText(&row, 0), "Hi-Hat");
    EXPECT_STREQ(FCCtrlDataList::_GetCellCText(&row, 2), "???");
    EXPECT_STREQ(FCCtrlDataList::_GetCellCText(&row, -1), "???");
    EXPECT_STREQ(FCCtrlDataList::_GetCellCText(nullptr, 0), "???");
    EXPECT_EQ(Narrowed(FCCtrlDataList::_GetCellUnicodeText(&row, 0)), "Hi-Hat");
    EXPECT_EQ(Narrowed(FCCtrlDataList::_GetCellUnicodeText(nullptr, 0)), "???");
    std::string cut = Narrowed(FCCtrlDataList::_GetCellUnicodeText(&row, 1));
    EXPECT_EQ(cut.size(), 511u);
    EXPECT_EQ(cut.substr(508), "aaz");
}

TEST_F(DataListTest, DeleteAllDestroysEveryRowAndRefusedRowsAreNotLost)
{
    int destroyed = 0;
    for (int i = 0; i < 3; ++i) {
        list->AddRow(new Counted<FCDataListRow>(&destroyed));
    }
    EXPECT_FALSE(list->DeleteRow(7));
    Watch();
    list->DeleteAll();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(Sent(LVM_DELETEITEM), 3);
    for (size_t i = 0; i < g_sent.size(); ++i) {
        EXPECT_TRUE(g_sent[i] != LVM_DELETEITEM || g_sentWParams[i] == 0);
    }

    // A line the control refuses to delete keeps its row and ends the loop.
    auto* kept = new Counted<FCDataListRow>(&destroyed);
    list->AddRow(kept);
    Watch();
    g_refused = LVM_DELETEITEM;
    list->DeleteAll();
    EXPECT_EQ(Sent(LVM_DELETEITEM), 1);
    EXPECT_EQ(list->GetItemAt(0), kept);

    // A row the control refuses to take, or handed to no control, is destroyed.
    g_refused = LVM_INSERTITEMA;
    EXPECT_EQ(list->AddRow(new Counted<FCDataListRow>(&destroyed)), -1);
    EXPECT_EQ(destroyed, 4);
    g_refused = 0;
    FCCtrlDataList loose(IDC_NOTE_LIST);
    EXPECT_EQ(loose.AddRow(new Counted<FCDataListRow>(&destroyed)), -1);
    EXPECT_EQ(destroyed, 5);
    list->DeleteAll();
    EXPECT_EQ(destroyed, 6);
}

TEST_F(DataListTest, RowsAddedWhileDrawingIsHeldAreAllThereWhenItIsReleased)
{
    Watch();
    list->StartRowUpdate(3);
    for (const char* name : {"Kick", "Snare", "Tom"}) {
        list->AddRow(MakeRow({name, "36 ('C2')"}));
    }
    list->EndRowUpdate();
    // Drawing off first and on last; the count told before the first row.
    auto counted = std::find(g_sent.begin(), g_sent.end(), static_cast<UINT>(LVM_SETITEMCOUNT));
    ASSERT_NE(counted, g_sent.end());
    EXPECT_LT(counted, std::find(g_sent.begin(), g_sent.end(), static_cast<UINT>(LVM_INSERTITEMA)));
    EXPECT_EQ(g_sentWParams[counted - g_sent.begin()], 3u);
    EXPECT_EQ(g_sent.front(), static_cast<UINT>(WM_SETREDRAW));
    EXPECT_EQ(g_sentWParams.front(), static_cast<WPARAM>(FALSE));
    EXPECT_EQ(g_sent.back(), static_cast<UINT>(WM_SETREDRAW));
    EXPECT_EQ(g_sentWParams.back(), static_cast<WPARAM>(TRUE));
    EXPECT_EQ(list->GetCount(), 3);
    EXPECT_EQ(CellText(listView, 2, 0), "Tom");
    EXPECT_EQ(CellText(listView, 1, 1), "36 ('C2')");
    EXPECT_EQ(list->GetItemAt(2)->GetLine(), 2);
    // Unchecked rows without check boxes have no state to show; a checked one has.
    EXPECT_EQ(Sent(LVM_SETITEMSTATE), 0);
    auto* checked = MakeRow({"Crash"});
    checked->SetCheck(true);
    list->AddRow(checked);
    EXPECT_EQ(Sent(LVM_SETITEMSTATE), 1);
    EXPECT_EQ(SendMessageA(listView, LVM_GETITEMSTATE, 3, LVIS_STATEIMAGEMASK), 0x2000);

    // Deleting every row holds drawing as well; an empty list sends nothing.
    Watch();
    list->DeleteAll();
    EXPECT_EQ(Sent(WM_SETREDRAW), 2);
    EXPECT_EQ(g_sentWParams.back(), static_cast<WPARAM>(TRUE));
    Watch();
    list->DeleteAll();
    EXPECT_EQ(Sent(WM_SETREDRAW), 0);
}

TEST_F(DataListTest, ScrollToTopOnAnEmptyListSendsNothing)
{
    Watch();
    list->ScrollToTop();
    EXPECT_EQ(Sent(LVM_ENSUREVISIBLE), 0);
    list->AddRow(MakeRow({"Tom"}));
    list->ScrollToTop();
    EXPECT_EQ(Sent(LVM_ENSUREVISIBLE), 1);
    EXPECT_EQ(g_sentWParams.back(), 0u);
}

TEST_F(DataListTest, RowsShowTheirCheckStateAndReportChanges)
{
    list->UseLeftCheckboxColumn();
    FCDataListRow* checkedFirst = MakeRow({"Crash"});
    checkedFirst->SetCheck(true);
    EXPECT_EQ(checkedFirst->GetLine(), -1);
    FCDataListRow* plain = MakeRow({"Ride"});
    list->AddRow(checkedFirst);
    list->AddRow(plain);
    EXPECT_EQ(SendMessageA(listView, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), 0x2000);
    EXPECT_EQ(SendMessageA(listView, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), 0x1000);

    // The control's own change of a check box reaches the row.
    list->checks.clear();
    LVITEMA state = {};
    state.state = INDEXTOSTATEIMAGEMASK(2);
    state.stateMask = LVIS_STATEIMAGEMASK;
    SendMessageA(listView, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(plain->GetCheck());
    plain->SetCheck(false);
    EXPECT_EQ(SendMessageA(listView, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), 0x1000);
    using Check = std::pair<int, bool>;
    EXPECT_EQ(list->checks, (std::vector<Check>{{1, true}, {1, false}}));

    // After a deletion above it, a row learns its new line from ReconnectAll.
    list->DeleteRow(0);
    EXPECT_EQ(plain->GetLine(), 1);
    list->ReconnectAll();
    EXPECT_EQ(plain->GetLine(), 0);
}

TEST_F(DataListTest, SelectionAndDoubleClicksReachTheirHandlers)
{
    for (const char* name : {"Snare", "Kick", "Tom"}) {
        list->AddRow(MakeRow({name}));
    }
    EXPECT_EQ(list->GetSelectedLine(), -1);
    list->SelectLine(2, true);
    EXPECT_EQ(list->GetSelectedLine(), 2);
    EXPECT_EQ(SendMessageA(listView, LVM_GETITEMSTATE, 2, LVIS_SELECTED | LVIS_FOCUSED),
              LVIS_SELECTED | LVIS_FOCUSED);
    list->SelectLine(0, false);
    EXPECT_EQ(list->selected, (std::vector<int>{2, 0}));
    EXPECT_EQ(list->unselects, 1);

    NMHDR click = {listView, IDC_NOTE_LIST, static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(dialog, WM_NOTIFY, IDC_NOTE_LIST, reinterpret_cast<LPARAM>(&click));
    click.idFrom = IDC_PLAIN_LIST;
    SendMessageA(dialog, WM_NOTIFY, IDC_PLAIN_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(list->doubleClicks, 1);
}

}  // namespace

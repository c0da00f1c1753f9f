// The main window of FINALE.EXE: its rows and measure fields set the
// document's selection, and a selection set by a plug-in shows in its rows.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>

#include "tests/workbench/test_documents.h"
#include "workbench/host_services.h"
#include "workbench/main_window.h"
#include "workbench/message_loop.h"

namespace {

using Region = std::array<unsigned char, 20>;

HWND Child(HWND parent, const char* type, int index)
{
    HWND child = nullptr;
    for (int i = 0; i <= index; ++i) {
        child = FindWindowExA(parent, child, type, nullptr);
    }
    return child;
}

void SelectRow(HWND list, int row, bool selected)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

bool IsSelected(HWND list, int row)
{
    return SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
}

std::string Cell(HWND list, int row, int column)
{
    char text[64] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

// The main window over the document opened first, its staff list and
// measure fields found; closed with the documents at the end.
class MainWindowTest : public testing::Test {
protected:
    void Create()
    {
        std::string error;
        ASSERT_TRUE(window.Create(&error)) << error;
        list = Child(window.Handle(), WC_LISTVIEWA, 0);
        from = Child(window.Handle(), "Edit", 0);
        to = Child(window.Handle(), "Edit", 1);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(to, nullptr);
    }
    void TearDown() override
    {
        window.Destroy();
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the window's own
        workbench::Workbench::Instance().CloseAll();
    }

    workbench::Plugins plugins;
    workbench::MainWindow window{plugins};
    HWND list = nullptr;
    HWND from = nullptr;
    HWND to = nullptr;
};

TEST_F(MainWindowTest, RowsAndMeasuresMakeTheSelection)
{
    workbench::Document& document =
        OpenOnly("<measures count='6'/><staff name='Kit' style='percussion'/><staff name='Flute' number='7'/>"
                 "<staff name='Bass'/>");
    Create();
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(Cell(list, 1, 1), "7");
    EXPECT_EQ(Cell(list, 1, 2), "Flute");
    EXPECT_EQ(Cell(list, 0, 3), "percussion");

    // Rows alone select all measures.
    SelectRow(list, 1, true);
    SelectRow(list, 2, true);
    EXPECT_EQ(document.selection,
              (Region{0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 6, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
    SetWindowTextA(from, "2");
    SetWindowTextA(to, "4");
    EXPECT_EQ(document.selection,
              (Region{0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 3, 0, 4, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
    SetWindowTextA(to, "9");  // beyond the last measure: nothing is selected
    EXPECT_EQ(document.selection, Region{});
    SetWindowTextA(to, "3");
    SelectRow(list, 1, false);
    SelectRow(list, 2, false);
    EXPECT_EQ(document.selection, Region{});

    // A plug-in's selection shows in the rows and fields.
    EREGION region = {{0, 0, 1, 0, 5, 0, 0, 0, 0, 0, 0, 0, 2, 0, 6, 0, 0xFF, 0xFF, 0xFF, 0x7F}};
    ASSERT_EQ(HostSetCurERegion(&region, 0x0F000200), 1);
    EXPECT_TRUE(IsSelected(list, 0));
    EXPECT_TRUE(IsSelected(list, 1));
    EXPECT_FALSE(IsSelected(list, 2));
    char text[8] = {};
    GetWindowTextA(from, text, sizeof text);
    EXPECT_STREQ(text, "5");
    EXPECT_EQ(document.selection[4], 5);  // showing it did not change it

    window.Destroy();
    EXPECT_EQ(workbench::Workbench::Instance().mainWindow, nullptr);
}

TEST_F(MainWindowTest, ThePartBoxShowsAndChoosesTheCurrentPart)
{
    workbench::Document& document = OpenOnly("<part id='5' name='Flute'/><part id='2' name='Oboe'/>");
    document.name = "Suite";
    Create();
    HWND box = Child(window.Handle(), WC_COMBOBOXA, 0);
    EXPECT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), 0);

    // A person chooses the third entry; then a plug-in chooses another part.
    SendMessageA(box, CB_SETCURSEL, 2, 0);
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(document.currentPart, 2);
    ASSERT_EQ(HostSetCurrentPartID(5, 0x0F000200), 1);
    EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), 1);
    char title[64] = {};
    GetWindowTextA(window.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Finale workbench - Suite - Flute");
}

TEST_F(MainWindowTest, ShowsNamesAsDisplayedRefusesReversedMeasuresAndTabsBetweenFields)
{
    OpenOnly("<measures count='6'/><midiMap number='2' file='m.xml' reference='Rock &amp; Roll'/>"
             "<staff name='^font(Arial)^size(12)^nfx(0)B^flat() Clarinet ^^1' midiMap='2'/>"
             "<staff name='F^sharp()' midiMap='3'/><staff name='Flute'/>");
    Create();
    EXPECT_EQ(Cell(list, 0, 2), "Bb Clarinet ^1");
    EXPECT_EQ(Cell(list, 1, 2), "F#");
    EXPECT_EQ(Cell(list, 0, 5), "2 Rock & Roll");
    EXPECT_EQ(Cell(list, 1, 5), "3 (not in the document)");
    EXPECT_EQ(Cell(list, 2, 5), "General MIDI");

    SelectRow(list, 0, true);
    SetWindowTextA(from, "4");
    SetWindowTextA(to, "2");
    char state[128] = {};
    GetWindowTextA(Child(window.Handle(), "Static", 2), state, sizeof state);
    EXPECT_STREQ(state, "Measures 4 to 2 are reversed: the first must not be above the last; nothing selected");

    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    SetFocus(list);
    MSG tab = {list, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(workbench::IsPluginDialogMessage(&tab));
    EXPECT_EQ(GetFocus(), from);
    EXPECT_EQ(to, GetNextDlgTabItem(window.Handle(), from, FALSE));
}

}  // namespace

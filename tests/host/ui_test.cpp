// FCUI against the workbench host: alert boxes as MessageBoxA receives them,
// menu commands, the host's view, scrolling to a measure, redrawing, the
// beep and the screen height.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "host/ui.h"
#include "tests/support/host_calls.h"
#include "tests/support/import_hook.h"
#include "tests/workbench/test_documents.h"

namespace {

using workbench::Workbench;
using Calls = std::vector<std::string>;

struct Box {
    HWND owner;
    std::string text;
    std::string title;  // "(null)" when none was passed
    UINT style;
};

std::vector<Box> g_boxes;
int g_boxAnswer = IDOK;

int WINAPI RecordingMessageBox(HWND owner, LPCSTR text, LPCSTR title, UINT style)
{
    g_boxes.push_back(Box{owner, text == nullptr ? "(null)" : text, title == nullptr ? "(null)" : title, style});
    return g_boxAnswer;
}

std::vector<UINT> g_beeps;
BOOL g_beepAnswer = TRUE;

BOOL WINAPI RecordingMessageBeep(UINT sound)
{
    g_beeps.push_back(sound);
    return g_beepAnswer;
}

std::vector<int> g_metrics;

int WINAPI RecordingGetSystemMetrics(int index)
{
    g_metrics.push_back(index);
    return 777;
}

// One box, as "title|text|style".
std::string Shown(const Box& box)
{
    return box.title + "|" + box.text + "|" + std::to_string(box.style);
}

// The boxes shown since the last look.
std::vector<std::string> TakeBoxes()
{
    std::vector<std::string> shown;
    for (const Box& box : g_boxes) {
        shown.push_back(Shown(box));
    }
    g_boxes.clear();
    return shown;
}

class FCUITest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_boxes.clear();
        g_boxAnswer = IDOK;
    }
    void TearDown() override
    {
        Workbench::Instance().CloseAll();
        Workbench::Instance().mainWindow = nullptr;
    }
};

TEST_F(FCUITest, AlertsShowTheirTitlesAndIconsOwnedByTheActiveWindow)
{
    ScopedImportHook hook("USER32.dll", "MessageBoxA", reinterpret_cast<void*>(&RecordingMessageBox));
    ASSERT_NE(hook.Original(), nullptr);
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    SetActiveWindow(owner);
    ASSERT_EQ(GetActiveWindow(), owner);

    FCUI ui;
    ui.AlertError("Disk full", nullptr);
    ui.AlertError("Disk full", "Drumwell Error");
    ui.AlertNeutral("Done", nullptr);
    ui.AlertNeutral("Done", "Drumwell");
    ui.AlertInfo("Note", nullptr);
    ui.AlertInfo("Note", "About");
    EXPECT_EQ(ui.AlertYesNo("Go on?", nullptr), 2);
    ASSERT_EQ(g_boxes.size(), 7u);
    for (const Box& box : g_boxes) {
        EXPECT_EQ(box.owner, owner);
    }
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Error|Disk full|16", "Drumwell Error|Disk full|16", "|Done|0",
                                                     "Drumwell|Done|0", "Information|Note|64", "About|Note|64",
                                                     "Error|Go on?|4"}));

    FCString message("Staff 3 is not a percussion staff");
    FCString title("Drumwell Error");
    ui.AlertError(&message, &title);
    ui.AlertError(&message, nullptr);
    ui.AlertNeutral(&message, nullptr);
    ui.AlertInfo(&message, nullptr);
    ui.AlertInfo(&message, &title);
    g_boxAnswer = IDYES;
    EXPECT_EQ(ui.AlertYesNo(&message, &title), 0);
    EXPECT_EQ(ui.AlertYesNo(&message, nullptr), 0);
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Drumwell Error|Staff 3 is not a percussion staff|16",
                                                     "Error|Staff 3 is not a percussion staff|16",
                                                     "|Staff 3 is not a percussion staff|0",
                                                     "Information|Staff 3 is not a percussion staff|64",
                                                     "Drumwell Error|Staff 3 is not a percussion staff|64",
                                                     "Drumwell Error|Staff 3 is not a percussion staff|4",
                                                     "Error|Staff 3 is not a percussion staff|4"}));
    DestroyWindow(owner);
}

TEST_F(FCUITest, YesNoAnswersZeroForYesOneForNoAndTwoOtherwise)
{
    ScopedImportHook hook("USER32.dll", "MessageBoxA", reinterpret_cast<void*>(&RecordingMessageBox));
    ASSERT_NE(hook.Original(), nullptr);
    FCUI ui;
    g_boxAnswer = IDYES;
    EXPECT_EQ(ui.AlertYesNo("Replace?", "Drumwell"), 0);
    g_boxAnswer = IDNO;
    EXPECT_EQ(ui.AlertYesNo("Replace?", "Drumwell"), 1);
    g_boxAnswer = IDCANCEL;
    EXPECT_EQ(ui.AlertYesNo("Replace?", "Drumwell"), 2);
    g_boxAnswer = 0;  // the box could not be shown
    EXPECT_EQ(ui.AlertYesNo("Replace?", "Drumwell"), 2);
    EXPECT_EQ(g_boxes.size(), 4u);
}

TEST_F(FCUITest, MenuCommandsBecomeTheHostsMenuItems)
{
    OpenOnly("<staff/>");
    Workbench& host = Workbench::Instance();
    host.executedMenuItems.clear();
    FCUI ui;
    // Command 0 is item 0, which the workbench does not execute.
    EXPECT_FALSE(ui.MenuCommand(0));
    for (int command = 1; command <= 13; ++command) {
        EXPECT_TRUE(ui.MenuCommand(command)) << command;
    }
    EXPECT_EQ(host.executedMenuItems, (std::vector<long>{12106, 12112, 10602, 35622, 10611, 10612, 10613, 10614,
                                                         10615, 10616, 10617, 10618, 10619}));
    EXPECT_EQ(TakeHostCalls(), Calls(14, "FX_ExecuteMenuItem"));

    EXPECT_FALSE(ui.MenuCommand(14));
    EXPECT_FALSE(ui.MenuCommand(-1));
    EXPECT_FALSE(ui.MenuCommand(0x10001));
    EXPECT_EQ(TakeHostCalls(), Calls{});
    EXPECT_EQ(host.executedMenuItems.size(), 13u);

    host.CloseAll();
    EXPECT_FALSE(ui.MenuCommand(1));
}

TEST_F(FCUITest, TheViewQueriesReadTheHostsWindowInformation)
{
    OpenOnly("<measures count='3'/><staff/><view pageView='yes' zoom='150' page='2'/>");
    Workbench& host = Workbench::Instance();
    host.mainWindow = reinterpret_cast<HWND>(0x00012345);
    FCUI ui;
    EXPECT_TRUE(ui.IsPageView());
    EXPECT_EQ(ui.GetCurrentPage(), 2);
    EXPECT_EQ(ui.GetZoomLevel(), 150);
    EXPECT_EQ(ui.GetDocumentWindow(), reinterpret_cast<HWND>(0x00012345));

    // In scroll view there is no current page.
    host.Current()->view.pageView = false;
    host.Current()->view.zoom = 75;
    EXPECT_FALSE(ui.IsPageView());
    EXPECT_EQ(ui.GetCurrentPage(), 0);
    EXPECT_EQ(ui.GetZoomLevel(), 75);

    // Without a document the host answers nothing: the defaults.
    host.CloseAll();
    EXPECT_FALSE(ui.IsPageView());
    EXPECT_EQ(ui.GetCurrentPage(), 0);
    EXPECT_EQ(ui.GetZoomLevel(), 100);
    EXPECT_EQ(ui.GetDocumentWindow(), nullptr);
}

TEST_F(FCUITest, MoveToMeasureFindsTheFirstStaffThatExists)
{
    workbench::Document& document = OpenOnly("<measures count='6'/><staff number='3'/><staff number='7'/>");
    TakeHostCalls();
    FCUI ui;
    ui.MoveToMeasure(5, 0);
    EXPECT_EQ(document.view.measure, 5);
    EXPECT_EQ(document.view.staff, 3);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_LoadEData SOIS 1.0.0.0 114", "FX_LoadEData SOIS 2.0.0.0 114",
                                      "FX_LoadEData SOIS 3.0.0.0 114", "FX_ScrollTo"}));
    ui.MoveToMeasure(2, 7);
    EXPECT_EQ(document.view.measure, 2);
    EXPECT_EQ(document.view.staff, 7);
    EXPECT_EQ(TakeHostCalls(), Calls{"FX_ScrollTo"});
    // Measure and staff reach the host as 16-bit values.
    ui.MoveToMeasure(0x10004, 0x10003);
    EXPECT_EQ(document.view.measure, 4);
    EXPECT_EQ(document.view.staff, 3);

    // Staff 101 is the last number tried.
    workbench::Document& highest = OpenOnly("<measures count='6'/><staff number='101'/>");
    ui.MoveToMeasure(6, 0);
    EXPECT_EQ(highest.view.staff, 101);
    workbench::Document& beyond = OpenOnly("<measures count='6'/><staff number='102'/>");
    TakeHostCalls();
    ui.MoveToMeasure(6, 0);
    EXPECT_EQ(beyond.view.measure, 1);
    EXPECT_EQ(beyond.view.staff, 0);
    Calls calls = TakeHostCalls();
    EXPECT_EQ(calls.size(), 101u);
    EXPECT_EQ(calls.back(), "FX_LoadEData SOIS 101.0.0.0 114");
}

TEST_F(FCUITest, RedrawBeepAndScreenHeight)
{
    OpenOnly("<measures count='2'/><staff/>");
    Workbench& host = Workbench::Instance();
    int redraws = 0;
    host.viewChanged = [&redraws] { ++redraws; };
    TakeHostCalls();
    FCUI ui;
    ui.RedrawDocument();
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_GetCurERegions", "FX_RedrawMusic"}));
    EXPECT_EQ(redraws, 1);
    host.viewChanged = nullptr;

    {
        ScopedImportHook beep("USER32.dll", "MessageBeep", reinterpret_cast<void*>(&RecordingMessageBeep));
        ASSERT_NE(beep.Original(), nullptr);
        g_beepAnswer = TRUE;
        ui.Beep();
        EXPECT_EQ(g_beeps, (std::vector<UINT>{0x30}));
        g_beeps.clear();
        g_beepAnswer = FALSE;
        ui.Beep();
        EXPECT_EQ(g_beeps, (std::vector<UINT>{0x30, 0xFFFFFFFF}));
    }
    {
        ScopedImportHook metrics("USER32.dll", "GetSystemMetrics", reinterpret_cast<void*>(&RecordingGetSystemMetrics));
        ASSERT_NE(metrics.Original(), nullptr);
        EXPECT_EQ(ui.GetScreenHeight(), 777);
        EXPECT_EQ(g_metrics, (std::vector<int>{17}));
    }
    EXPECT_EQ(ui.GetScreenHeight(), GetSystemMetrics(SM_CYFULLSCREEN));
    EXPECT_GT(ui.GetScreenHeight(), 0);
}

}  // namespace

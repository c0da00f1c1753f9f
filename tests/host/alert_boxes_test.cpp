// FCUI's alerts as real message boxes: a watcher on the test's thread finds
// each box when it opens, reads its caption, text and buttons, and presses
// the button the test chose.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "host/ui.h"

namespace {

struct SeenBox {
    std::string title;
    std::string text;
    std::vector<int> buttons;
};

std::vector<SeenBox> g_seen;
int g_press = IDOK;
HHOOK g_hook = nullptr;

std::string TextOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char windowClass[16] = {};
        GetClassNameA(box, windowClass, sizeof windowClass);
        // Only this thread's boxes: other programs on the display have theirs.
        if (std::strcmp(windowClass, "#32770") == 0 && GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId()) {
            SeenBox seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), {}};
            for (int button : {IDOK, IDCANCEL, IDYES, IDNO}) {
                if (GetDlgItem(box, button) != nullptr) {
                    seen.buttons.push_back(button);
                }
            }
            g_seen.push_back(seen);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(g_press, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

class AlertBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_seen.clear();
        g_press = IDOK;
        g_hook = SetWindowsHookExA(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
        ASSERT_NE(g_hook, nullptr);
    }
    void TearDown() override { UnhookWindowsHookEx(g_hook); }

    // The one box the last call showed.
    SeenBox Last()
    {
        EXPECT_EQ(g_seen.size(), 1u);
        SeenBox seen = g_seen.empty() ? SeenBox{} : g_seen.back();
        g_seen.clear();
        return seen;
    }

    FCUI ui;
};

TEST_F(AlertBoxes, EachAlertShowsItsTitleTextAndButtons)
{
    ui.AlertError("Couldn't load staff.", "Drumwell Error");
    SeenBox error = Last();
    EXPECT_EQ(error.title, "Drumwell Error");
    EXPECT_EQ(error.text, "Couldn't load staff.");
    EXPECT_EQ(error.buttons, (std::vector<int>{IDOK}));

    ui.AlertError("No title", nullptr);
    EXPECT_EQ(Last().title, "Error");

    FCString message("Keep going?");
    ui.AlertYesNo(&message, nullptr);
    SeenBox question = Last();
    EXPECT_EQ(question.title, "Error");
    EXPECT_EQ(question.text, "Keep going?");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));

    ui.AlertNeutral("Plain", nullptr);
    SeenBox neutral = Last();
    EXPECT_EQ(neutral.title, "");
    EXPECT_EQ(neutral.buttons, (std::vector<int>{IDOK}));

    FCString title("Note");
    FCString info("All done.");
    ui.AlertInfo(&info, &title);
    SeenBox done = Last();
    EXPECT_EQ(done.title, "Note");
    EXPECT_EQ(done.text, "All done.");
    ui.AlertInfo("Defaults", nullptr);
    EXPECT_EQ(Last().title, "Information");
}

TEST_F(AlertBoxes, YesNoAnswersByTheButtonPressed)
{
    g_press = IDYES;
    EXPECT_EQ(ui.AlertYesNo("Save?", "Question"), 0);
    g_press = IDNO;
    EXPECT_EQ(ui.AlertYesNo("Save?", "Question"), 1);
    EXPECT_EQ(g_seen.size(), 2u);
}

}  // namespace

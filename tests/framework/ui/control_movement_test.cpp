// Control movement: moves at once, moves recorded in a buffer and applied in
// one deferred batch (watched by intercepting the deferred-positioning calls),
// and the batch's failures.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "tests/framework/ui/test_window.h"
#include "tests/support/import_hook.h"

namespace {

struct Deferred {
    HWND window;
    UINT flags;
};

struct DeferLog {
    std::vector<int> begins;
    std::vector<Deferred> defers;
    int ends = 0;
    bool failBegin = false;
    int failDeferAt = -1;  // index of the DeferWindowPos call that fails
    std::vector<HWND> redrawn;  // controls drawn anew, in order
};
DeferLog g_log;

HDWP(WINAPI* g_begin)(int);
HDWP(WINAPI* g_defer)(HDWP, HWND, HWND, int, int, int, int, UINT);
BOOL(WINAPI* g_end)(HDWP);
BOOL(WINAPI* g_redraw)(HWND, const RECT*, HRGN, UINT);

HDWP WINAPI LoggingBegin(int count)
{
    g_log.begins.push_back(count);
    return g_log.failBegin ? nullptr : g_begin(count);
}

HDWP WINAPI LoggingDefer(HDWP batch, HWND window, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    g_log.defers.push_back({window, flags});
    if (static_cast<int>(g_log.defers.size()) - 1 == g_log.failDeferAt) {
        // The refused batch is abandoned, as a caller must do; ending it
        // here would move what it holds.
        return nullptr;
    }
    return g_defer(batch, window, after, x, y, cx, cy, flags);
}

BOOL WINAPI LoggingEnd(HDWP batch)
{
    ++g_log.ends;
    return g_end(batch);
}

BOOL WINAPI LoggingRedraw(HWND window, const RECT* area, HRGN region, UINT flags)
{
    g_log.redrawn.push_back(window);
    return g_redraw(window, area, region, flags);
}

class MovementTest : public OpenDialogTest {
protected:
    void SetUp() override
    {
        g_log = DeferLog();
        g_begin = reinterpret_cast<decltype(g_begin)>(_begin.Original());
        g_defer = reinterpret_cast<decltype(g_defer)>(_defer.Original());
        g_end = reinterpret_cast<decltype(g_end)>(_end.Original());
        g_redraw = reinterpret_cast<decltype(g_redraw)>(_redraw.Original());
        ASSERT_TRUE(g_begin != nullptr && g_defer != nullptr && g_end != nullptr && g_redraw != nullptr);
        OpenDialogTest::SetUp();
    }

    ScopedImportHook _begin{"user32.dll", "BeginDeferWindowPos", reinterpret_cast<void*>(&LoggingBegin)};
    ScopedImportHook _defer{"user32.dll", "DeferWindowPos", reinterpret_cast<void*>(&LoggingDefer)};
    ScopedImportHook _end{"user32.dll", "EndDeferWindowPos", reinterpret_cast<void*>(&LoggingEnd)};
    ScopedImportHook _redraw{"user32.dll", "RedrawWindow", reinterpret_cast<void*>(&LoggingRedraw)};
};

TEST_F(MovementTest, MovesOutsideABufferActAtOnce)
{
    POINT start = ClientPosition(dialog, IDC_FIRST_STATIC);
    window.firstStatic->MoveRelative(5, 0);
    POINT moved = ClientPosition(dialog, IDC_FIRST_STATIC);
    EXPECT_EQ(moved.x - start.x, 5);
    EXPECT_EQ(moved.y, start.y);
    EXPECT_EQ(window.firstStatic->GetLeft(), moved.x);
    window.firstStatic->MoveAbsolute(7, 9);
    EXPECT_EQ(ClientPosition(dialog, IDC_FIRST_STATIC).x, 7);
    EXPECT_EQ(ClientPosition(dialog, IDC_FIRST_STATIC).y, 9);

    int width = window.list->GetWidth();
    int height = window.list->GetHeight();
    window.list->ResizeRelative(10, -4);
    RECT resized = WindowRect(GetDlgItem(dialog, IDC_NOTE_LIST));
    EXPECT_EQ(resized.right - resized.left, width + 10);
    EXPECT_EQ(resized.bottom - resized.top, height - 4);
    // Each is drawn anew where it now is, whatever the host kept of its pixels.
    HWND first = GetDlgItem(dialog, IDC_FIRST_STATIC);
    EXPECT_EQ(g_log.redrawn, (std::vector<HWND>{first, first, GetDlgItem(dialog, IDC_NOTE_LIST)}));
    window.StartBufferControlMovement();
    window.list->SetWidth(50);
    EXPECT_EQ(window.list->GetWidth(), 50);
    EXPECT_EQ(window.list->GetHeight(), height - 4);
    EXPECT_TRUE(g_log.begins.empty());
}

TEST_F(MovementTest, ABufferedBatchIsAppliedInOneDeferredBatch)
{
    POINT okStart = ClientPosition(dialog, IDOK);
    POINT closeStart = ClientPosition(dialog, IDCANCEL);
    int listWidth = window.list->GetWidth();
    int listHeight = window.list->GetHeight();
    window.StartBufferControlMovement();
    window.okButton->MoveRelative(0, 0);
    window.closeButton->MoveRelative(3, 3);
    window.closeButton->MoveRelative(0, 40);
    window.list->ResizeRelative(10, 40);
    window.firstStatic->MoveAbsolute(12, 14);
    window.firstStatic->ResizeRelative(0, 0);

    // Recorded only: the top reports the target, the size the live control.
    EXPECT_EQ(ClientPosition(dialog, IDCANCEL).y, closeStart.y);
    EXPECT_EQ(window.closeButton->GetTop(), closeStart.y + 40);
    EXPECT_EQ(window.list->GetHeight(), listHeight);
    EXPECT_TRUE(g_log.begins.empty());

    EXPECT_TRUE(window.EndBufferControlMovement());
    EXPECT_EQ(g_log.begins, (std::vector<int>{4}));
    EXPECT_EQ(g_log.ends, 1);
    ASSERT_EQ(g_log.defers.size(), 4u);
    const int ids[] = {IDOK, IDCANCEL, IDC_FIRST_STATIC, IDC_NOTE_LIST};  // list order
    const UINT flags[] = {0x0215, 0x0215, 0x0214, 0x0216};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g_log.defers[i].window, GetDlgItem(dialog, ids[i]));
        EXPECT_EQ(g_log.defers[i].flags, flags[i]);
        EXPECT_EQ(g_log.redrawn.at(i), GetDlgItem(dialog, ids[i]));
    }
    EXPECT_FALSE(window.IsBufferingControlMovement());
    EXPECT_EQ(ClientPosition(dialog, IDOK).y, okStart.y);
    EXPECT_EQ(ClientPosition(dialog, IDCANCEL).x, closeStart.x);
    EXPECT_EQ(ClientPosition(dialog, IDCANCEL).y, closeStart.y + 40);
    EXPECT_EQ(ClientPosition(dialog, IDC_FIRST_STATIC).x, 12);
    EXPECT_EQ(ClientPosition(dialog, IDC_FIRST_STATIC).y, 14);
    EXPECT_EQ(window.list->GetWidth(), listWidth + 10);
    EXPECT_EQ(window.list->GetHeight(), listHeight + 40);

    // The pending changes went with the batch.
    EXPECT_FALSE(window.EndBufferControlMovement());
    EXPECT_EQ(g_log.begins.size(), 1u);
}

TEST_F(MovementTest, AFailedBatchMovesNothingAndEndsTheBuffer)
{
    EXPECT_FALSE(window.EndBufferControlMovement());
    window.StartBufferControlMovement();
    EXPECT_FALSE(window.EndBufferControlMovement());
    EXPECT_FALSE(window.IsBufferingControlMovement());
    EXPECT_TRUE(g_log.begins.empty());

    POINT okStart = ClientPosition(dialog, IDOK);
    POINT closeStart = ClientPosition(dialog, IDCANCEL);
    g_log.failBegin = true;
    window.StartBufferControlMovement();
    window.okButton->MoveRelative(0, 30);
    EXPECT_FALSE(window.EndBufferControlMovement());
    EXPECT_EQ(g_log.begins, (std::vector<int>{1}));
    EXPECT_TRUE(g_log.defers.empty());
    EXPECT_FALSE(window.IsBufferingControlMovement());
    EXPECT_EQ(window.okButton->GetTop(), okStart.y);

    g_log.failBegin = false;
    g_log.failDeferAt = 1;
    window.StartBufferControlMovement();
    window.okButton->MoveRelative(0, 30);
    window.closeButton->MoveRelative(0, 30);
    EXPECT_FALSE(window.EndBufferControlMovement());
    EXPECT_EQ(g_log.defers.size(), 2u);
    EXPECT_EQ(g_log.ends, 0);
    EXPECT_EQ(ClientPosition(dialog, IDOK).y, okStart.y);
    EXPECT_EQ(ClientPosition(dialog, IDCANCEL).y, closeStart.y);
    EXPECT_FALSE(window.IsBufferingControlMovement());
    EXPECT_TRUE(g_log.redrawn.empty());

    // Out of the buffer again, moves act at once.
    window.okButton->MoveRelative(0, 30);
    EXPECT_EQ(ClientPosition(dialog, IDOK).y, okStart.y + 30);
}

TEST_F(DialogTest, WindowSetWidthKeepsTheHeightAndMeasuresTheClientAgain)
{
    TestWindow window;
    window.freeSize = true;
    window.ShowModeless(static_cast<HWND>(nullptr));
    HWND dialog = window.GetWindowHandle();
    SetWindowPos(dialog, nullptr, 50, 60, 300, 250, SWP_NOZORDER);
    window.SetWidth(340);
    RECT after = WindowRect(dialog);
    EXPECT_EQ(after.left, 50);
    EXPECT_EQ(after.right - after.left, 340);
    EXPECT_EQ(after.bottom - after.top, 250);
    RECT client = {};
    GetClientRect(dialog, &client);
    window.resizes.clear();
    window._HandleResizeChange(10, 10);
    ASSERT_EQ(window.resizes.size(), 1u);
    EXPECT_EQ(window.resizes[0][2], client.right);
    EXPECT_EQ(window.resizes[0][3], client.bottom);
}

}  // namespace

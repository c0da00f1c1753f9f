// Resource windows and the dialog procedure: real dialogs created through the
// workbench's FX_Dialog, driven with messages and read back.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "tests/framework/ui/test_window.h"
#include "tests/support/import_hook.h"

namespace {

using workbench::Workbench;

const HWND kNoParent = nullptr;

TEST_F(DialogTest, InitDialogStoresTheHandleAndASecondShowMakesNoSecondDialog)
{
    TestWindow window;
    HWND seenAtInit = nullptr;
    window.onInit = [&](TestWindow& self) { seenAtInit = self.GetWindowHandle(); };
    window.ShowModeless(kNoParent);
    HWND dialog = window.GetWindowHandle();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(seenAtInit, dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_EQ(Workbench::Instance().pluginDialogs.size(), 1u);
    EXPECT_EQ(Workbench::Instance().pluginDialogs[0].window, dialog);
    EXPECT_FALSE(Workbench::Instance().pluginDialogs[0].modal);

    ShowWindow(dialog, SW_HIDE);
    window.ShowModeless(kNoParent);
    EXPECT_EQ(window.GetWindowHandle(), dialog);
    EXPECT_EQ(window.inits, 1);
    EXPECT_EQ(Workbench::Instance().pluginDialogs.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetActiveWindow(), dialog);

    TestWindow child;
    child.ShowModeless(&window);
    EXPECT_EQ(GetWindow(child.GetWindowHandle(), GW_OWNER), dialog);
}

TEST_F(DialogTest, TrackingLimitsLockTheSizeUnlessWidened)
{
    TestWindow locked;
    locked.ShowModeless(kNoParent);
    HWND dialog = locked.GetWindowHandle();
    RECT before = WindowRect(dialog);
    MINMAXINFO limits = {};
    SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, before.right - before.left);
    EXPECT_EQ(limits.ptMaxTrackSize.x, before.right - before.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, before.bottom - before.top);
    EXPECT_EQ(limits.ptMaxTrackSize.y, before.bottom - before.top);
    SetWindowPos(dialog, nullptr, 0, 0, before.right - before.left + 50, before.bottom - before.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT after = WindowRect(dialog);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);

    TestWindow taller;
    taller.extraHeight = 100;
    taller.ShowModeless(kNoParent);
    HWND grown = taller.GetWindowHandle();
    RECT start = WindowRect(grown);
    SetWindowPos(grown, nullptr, 0, 0, start.right - start.left + 50, start.bottom - start.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT end = WindowRect(grown);
    EXPECT_EQ(end.right - end.left, start.right - start.left);
    EXPECT_EQ((end.bottom - end.top) - (start.bottom - start.top), 40);
}

TEST_F(OpenDialogTest, SizeChangesReachHandleResizeOnlyWhenRestored)
{
    RECT client = {};
    GetClientRect(dialog, &client);
    window.resizes.clear();
    SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    SendMessageA(dialog, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    SendMessageA(dialog, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(900, 800));
    SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(410, 320));
    ASSERT_EQ(window.resizes.size(), 2u);
    EXPECT_EQ(window.resizes[0], (std::vector<int>{400, 300, static_cast<int>(client.right),
                                                   static_cast<int>(client.bottom)}));
    EXPECT_EQ(window.resizes[1], (std::vector<int>{410, 320, 400, 300}));
}

TEST_F(DialogTest, EscapeAndTheCloseBoxCloseExactlyOnce)
{
    TestWindow window;
    window.ShowModeless(kNoParent);
    HWND dialog = window.GetWindowHandle();
    MSG escape = {GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(dialog, &escape));
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(window.GetWindowHandle(), nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(Workbench::Instance().pluginDialogs.empty());
    window.CloseButtonPressed();
    EXPECT_EQ(userroutine(dialog, WM_CLOSE, 0, 0, &window), 0);
    EXPECT_EQ(window.closes, 1);

    // A new dialog clears the closed flag: the close box works once more.
    window.ShowModeless(kNoParent);
    dialog = window.GetWindowHandle();
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    window.CloseButtonPressed();
    EXPECT_EQ(window.closes, 2);
    EXPECT_FALSE(IsWindow(dialog));

    // Enter reaches the control with ID 1, whose role is OK.
    window.ShowModeless(kNoParent);
    dialog = window.GetWindowHandle();
    MSG enter = {GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(dialog, &enter));
    EXPECT_EQ(window.oks, 1);
    EXPECT_EQ(window.closes, 3);
}

TEST_F(OpenDialogTest, CommandsGoByRoleOrToHandleCommand)
{
    EXPECT_EQ(userroutine(dialog, WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), 0, &window), 0);
    window.commandAnswer = true;
    EXPECT_EQ(userroutine(dialog, WM_COMMAND, MAKEWPARAM(IDC_SORT_POPUP, CBN_SELCHANGE), 0, &window), 1);
    EXPECT_EQ(window.commands, (std::vector<FCControl*>{nullptr, window.popup}));

    // A role outside 1 to 3 answers the command and calls nothing.
    window.firstStatic->SetCommandRole(7);
    EXPECT_EQ(userroutine(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIRST_STATIC, 0), 0, &window), 1);
    EXPECT_EQ(window.commands.size(), 2u);
    EXPECT_EQ(window.closes, 0);

    // IDs above 0x7FFF are found as the 16-bit values the controls keep.
    EXPECT_EQ(window.FindControl(static_cast<short>(IDC_HIGH_BUTTON)), window.highButton);
    EXPECT_EQ(window.FindControl(IDC_HIGH_BUTTON), nullptr);
    EXPECT_EQ(userroutine(dialog, WM_COMMAND, MAKEWPARAM(IDC_HIGH_BUTTON, BN_CLICKED), 0, &window), 1);
    EXPECT_EQ(window.cancels, 1);
    EXPECT_EQ(std::count(window.commands.begin(), window.commands.end(), window.highButton), 0);
    EXPECT_FALSE(IsWindow(dialog));

    FCControl* twin = window.Link(new FCControl(IDC_FIRST_STATIC));
    EXPECT_EQ(window.FindControl(IDC_FIRST_STATIC), window.firstStatic);
    EXPECT_NE(twin, window.firstStatic);
}

TEST_F(OpenDialogTest, OtherMessagesReachTheirHandlersAndNoWindowChangesNothing)
{
    window.activations.clear();
    SendMessageA(dialog, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    SendMessageA(dialog, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    EXPECT_EQ(window.activations, (std::vector<bool>{false, true}));
    SendMessageA(dialog, WM_TIMER, 0xFFFF, 0);
    SendMessageA(dialog, WM_TIMER, 12, 0);
    EXPECT_EQ(window.timers, (std::vector<short>{-1, 12}));

    EXPECT_EQ(userroutine(dialog, WM_CLOSE, 0, 0, nullptr), 0);
    EXPECT_EQ(userroutine(dialog, WM_INITDIALOG, 0, 0, nullptr), 0);
    EXPECT_EQ(window.closes, 0);
    EXPECT_EQ(window.inits, 1);
}

TEST_F(DialogTest, StorePositionWithoutSizeRestoresOnlyThePlace)
{
    TestWindow window;
    window.freeSize = true;
    EXPECT_FALSE(window.RestorePosition());
    window.ShowModeless(kNoParent);
    HWND dialog = window.GetWindowHandle();
    SetWindowPos(dialog, nullptr, 100, 120, 250, 200, SWP_NOZORDER);
    window.StorePosition(false);
    EXPECT_EQ(window.GetStoredX(), -1);
    EXPECT_EQ(window.GetStoredY(), -1);
    EXPECT_EQ(window.GetStoredWidth(), -1);
    EXPECT_EQ(window.GetStoredHeight(), -1);

    SetWindowPos(dialog, nullptr, 300, 310, 280, 220, SWP_NOZORDER);
    EXPECT_TRUE(window.RestorePosition());
    RECT restored = WindowRect(dialog);
    EXPECT_EQ(restored.left, 100);
    EXPECT_EQ(restored.top, 120);
    EXPECT_EQ(restored.right - restored.left, 280);
    EXPECT_EQ(restored.bottom - restored.top, 220);

    // Without a dialog nothing is measured, and the stored place stays.
    window.StorePosition(true);
    window.CloseWindow();
    window.StorePosition(false);
    EXPECT_EQ(window.GetStoredX(), 100);
    EXPECT_EQ(window.GetStoredWidth(), 280);
}

TEST_F(DialogTest, SetRestorePositionDataPlacesTheWindowWithoutStorePosition)
{
    TestWindow window;
    window.freeSize = true;
    window.SetRestorePositionData(10, 20, 300, 400);
    EXPECT_EQ(window.GetStoredX(), 10);
    EXPECT_EQ(window.GetStoredY(), 20);
    EXPECT_EQ(window.GetStoredWidth(), 300);
    EXPECT_EQ(window.GetStoredHeight(), 400);
    window.ShowModeless(kNoParent);
    EXPECT_TRUE(window.RestorePosition());
    RECT placed = WindowRect(window.GetWindowHandle());
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 20);
    EXPECT_EQ(placed.right, 310);
    EXPECT_EQ(placed.bottom, 420);
}

std::vector<HWND> g_placed;
BOOL(WINAPI* g_real_set_window_pos)(HWND, HWND, int, int, int, int, UINT);

BOOL WINAPI RecordingSetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    if (x == 30 && y == 40 && cx == 320 && cy == 280 && flags == 0x0214) {
        g_placed.push_back(window);
    }
    return g_real_set_window_pos(window, after, x, y, cx, cy, flags);
}

TEST_F(DialogTest, FirstShowReappliesARestoredPositionOnce)
{
    ScopedImportHook hook("user32.dll", "SetWindowPos", reinterpret_cast<void*>(&RecordingSetWindowPos));
    g_real_set_window_pos = reinterpret_cast<decltype(g_real_set_window_pos)>(hook.Original());
    ASSERT_NE(g_real_set_window_pos, nullptr);
    TestWindow window;
    window.freeSize = true;
    window.restoreOnInit = true;
    window.SetRestorePositionData(30, 40, 320, 280);
    window.ShowModeless(kNoParent);
    HWND dialog = window.GetWindowHandle();
    EXPECT_EQ(g_placed, (std::vector<HWND>{dialog, dialog}));
    EXPECT_EQ(WindowRect(dialog).left, 30);
    ShowWindow(dialog, SW_HIDE);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(g_placed.size(), 2u);
}

TEST_F(DialogTest, ExecuteModalReturnsZeroOnceTheDialogHasEnded)
{
    TestWindow window(IDD_MODAL_TEST);
    bool registeredModal = false;
    window.onInit = [&](TestWindow& self) {
        const auto& dialogs = Workbench::Instance().pluginDialogs;
        registeredModal = dialogs.size() == 1 && dialogs[0].modal && dialogs[0].window == self.GetWindowHandle();
        PostMessageA(self.GetWindowHandle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    EXPECT_EQ(window.ExecuteModal(kNoParent), 0);
    EXPECT_TRUE(registeredModal);
    EXPECT_EQ(window.oks, 1);
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(window.GetWindowHandle(), nullptr);

    window.onInit = [](TestWindow& self) { PostMessageA(self.GetWindowHandle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(window.ExecuteModal(static_cast<FCUserWindow*>(nullptr)), 0);
    EXPECT_EQ(window.closes, 2);
    EXPECT_EQ(TestWindow(IDD_MISSING_TEST).ExecuteModal(kNoParent), 0);
}

TEST_F(DialogTest, DestroyingTheWindowEndsItsDialogAndThenItsControls)
{
    int destroyed = 0;
    auto* window = new TestWindow;
    window->Link(new Counted<FCControl>(&destroyed, 500));
    window->Link(new Counted<FCCtrlStatic>(&destroyed, 501));
    window->ShowModeless(kNoParent);
    HWND dialog = window->GetWindowHandle();
    ASSERT_TRUE(IsWindow(dialog));
    delete static_cast<FCUserWindow*>(window);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(destroyed, 2);
}

TEST_F(OpenDialogTest, UpDownAndTreeNotificationsReachTheWindow)
{
    NMUPDOWN change = {{GetDlgItem(dialog, IDC_BUDDY_UPDOWN), IDC_BUDDY_UPDOWN, static_cast<UINT>(UDN_DELTAPOS)},
                       0, 3};
    SendMessageA(dialog, WM_NOTIFY, IDC_BUDDY_UPDOWN, reinterpret_cast<LPARAM>(&change));
    change.hdr = {GetDlgItem(dialog, IDC_FREE_UPDOWN), IDC_FREE_UPDOWN, static_cast<UINT>(UDN_DELTAPOS)};
    SendMessageA(dialog, WM_NOTIFY, IDC_FREE_UPDOWN, reinterpret_cast<LPARAM>(&change));
    using UpDown = std::pair<FCControl*, int>;
    EXPECT_EQ(window.upDowns, (std::vector<UpDown>{{window.buddyUpDown, 3}, {window.freeUpDown, -3}}));

    // The tree's selection goes to HandleCommand, whose answer is not the result.
    window.commandAnswer = true;
    NMHDR tree = {GetDlgItem(dialog, IDC_PLAIN_LIST), IDC_PLAIN_LIST, static_cast<UINT>(TVN_SELCHANGEDA)};
    EXPECT_EQ(userroutine(dialog, WM_NOTIFY, IDC_PLAIN_LIST, reinterpret_cast<long>(&tree), &window), 0);
    tree.code = static_cast<UINT>(TVN_SELCHANGEDW);
    EXPECT_EQ(userroutine(dialog, WM_NOTIFY, IDC_PLAIN_LIST, reinterpret_cast<long>(&tree), &window), 0);
    tree.idFrom = 998;
    EXPECT_EQ(userroutine(dialog, WM_NOTIFY, 998, reinterpret_cast<long>(&tree), &window), 0);
    EXPECT_EQ(window.commands, (std::vector<FCControl*>{window.plainList, window.plainList}));
}

}  // namespace

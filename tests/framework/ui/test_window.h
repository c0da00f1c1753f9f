// A window on the test dialogs that records its handler calls, a data list
// that records its reports, and the fixture the window tests share.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/ui/controls.h"
#include "framework/ui/data_list.h"
#include "framework/ui/resource_window.h"
#include "tests/framework/ui/test_dialogs.h"
#include "workbench/workbench.h"

class RecordingList : public FCCtrlDataList {
public:
    using FCCtrlDataList::FCCtrlDataList;
    void HandleSelectChange(int line) override { selected.push_back(line); }
    void HandleUnselect() override { ++unselects; }
    void HandleCheckChange(int line, bool checked) override
    {
        checks.push_back({line, checked});
        FCCtrlDataList::HandleCheckChange(line, checked);
    }
    void HandleDoubleClick() override { ++doubleClicks; }

    std::vector<int> selected;
    int unselects = 0;
    std::vector<std::pair<int, bool>> checks;
    int doubleClicks = 0;
};

// Counts its destruction, to show who destroys rows and controls.
template <typename Base>
class Counted : public Base {
public:
    template <typename... Args>
    explicit Counted(int* destroyed, Args... args) : Base(args...), _destroyed(destroyed)
    {
    }
    ~Counted() override { ++*_destroyed; }

private:
    int* _destroyed;
};

class TestWindow : public FCResourceWindow {
public:
    explicit TestWindow(int resourceID = IDD_MAIN_TEST) : FCResourceWindow(resourceID)
    {
        okButton = Link(new FCCtrlButton(IDOK), FCControl::kOkRole);
        closeButton = Link(new FCCtrlButton(IDCANCEL), FCControl::kCloseRole);
        if (resourceID == IDD_MAIN_TEST) {
            firstStatic = Link(new FCCtrlStatic(IDC_FIRST_STATIC));
            secondStatic = Link(new FCCtrlStatic(IDC_SECOND_STATIC));
            popup = Link(new FCCtrlPopup(IDC_SORT_POPUP));
            list = Link(new RecordingList(IDC_NOTE_LIST));
            plainList = Link(new FCControl(IDC_PLAIN_LIST));
            buddyUpDown = Link(new FCControl(IDC_BUDDY_UPDOWN));
            freeUpDown = Link(new FCControl(IDC_FREE_UPDOWN));
            highButton = Link(new FCCtrlButton(IDC_HIGH_BUTTON), FCControl::kCancelRole);
        }
    }

    template <typename Control>
    Control* Link(Control* control, int role = FCControl::kNoRole)
    {
        Add(control);
        control->SetOwnerWindow(this);
        control->SetCommandRole(role);
        return control;
    }

    void InitWindow() override
    {
        FCResourceWindow::InitWindow();
        ++inits;
        if (freeSize) {
            _minTrackWidth = _minTrackHeight = 1;
            _maxTrackWidth = _maxTrackHeight = 2000;
        }
        _maxTrackHeight += extraHeight;
        if (restoreOnInit) {
            RestorePosition();
        }
        if (onInit) {
            onInit(*this);
        }
    }
    void CloseWindow() override
    {
        ++closes;
        FCResourceWindow::CloseWindow();
    }
    void OkButtonPressed() override
    {
        ++oks;
        FCResourceWindow::OkButtonPressed();
    }
    void CancelButtonPressed() override
    {
        ++cancels;
        FCResourceWindow::CancelButtonPressed();
    }
    bool HandleCommand(FCControl* control) override
    {
        commands.push_back(control);
        return commandAnswer;
    }
    void HandleUpDownPressed(FCControl* control, int delta) override { upDowns.push_back({control, delta}); }
    void HandleTimer(short timerID) override { timers.push_back(timerID); }
    void HandleActivate(bool active) override { activations.push_back(active); }
    void HandleResize(int newWidth, int newHeight, int oldWidth, int oldHeight) override
    {
        resizes.push_back({newWidth, newHeight, oldWidth, oldHeight});
    }
    bool HandleWMNotify(unsigned int wParam, long lParam) override
    {
        notifications.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        return FCResourceWindow::HandleWMNotify(wParam, lParam);
    }

    // Read by InitWindow and HandleCommand.
    bool freeSize = false;
    int extraHeight = 0;
    bool restoreOnInit = false;
    std::function<void(TestWindow&)> onInit;
    bool commandAnswer = false;

    int inits = 0, closes = 0, oks = 0, cancels = 0;
    std::vector<FCControl*> commands;
    std::vector<std::pair<FCControl*, int>> upDowns;
    std::vector<short> timers;
    std::vector<bool> activations;
    std::vector<std::vector<int>> resizes;  // new width, new height, old width, old height
    std::vector<UINT> notifications;

    FCCtrlButton *okButton = nullptr, *closeButton = nullptr, *highButton = nullptr;
    FCCtrlStatic *firstStatic = nullptr, *secondStatic = nullptr;
    FCCtrlPopup* popup = nullptr;
    RecordingList* list = nullptr;
    FCControl *plainList = nullptr, *buddyUpDown = nullptr, *freeUpDown = nullptr;
};

inline RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Where Windows has a control, in its dialog's client coordinates.
inline POINT ClientPosition(HWND dialog, int id)
{
    RECT rect = WindowRect(GetDlgItem(dialog, id));
    POINT corner = {rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

// The host prepares the common controls before any plug-in runs; here the
// fixture does. Every test leaves no plug-in dialog behind.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes = {
            sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
    }
    void TearDown() override { EXPECT_TRUE(workbench::Workbench::Instance().pluginDialogs.empty()); }
};

// The fixture with one window of the main test dialog open.
class OpenDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        window.ShowModeless(static_cast<HWND>(nullptr));
        dialog = window.GetWindowHandle();
        ASSERT_NE(dialog, nullptr);
        // The pop-up, first to take the focus, has told the window so.
        window.commands.clear();
    }
    void TearDown() override
    {
        window.DestroyWindow();
        DialogTest::TearDown();
    }

    TestWindow window;
    HWND dialog = nullptr;
};

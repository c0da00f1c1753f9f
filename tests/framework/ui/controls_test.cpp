// The basic controls on a real dialog: visibility, texts through the host's
// dialog services, numbers, pop-up entries, and controls without a dialog.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "host/service_wrappers.h"
#include "tests/framework/ui/test_window.h"

namespace {

std::string ItemText(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

TEST_F(OpenDialogTest, VisibilityAndTextsGoThroughTheControl)
{
    window.firstStatic->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_FIRST_STATIC)));
    EXPECT_FALSE(window.firstStatic->GetVisible());
    window.firstStatic->SetVisible(true);
    EXPECT_TRUE(window.firstStatic->GetVisible());

    FCString text("Snare Drum");
    window.secondStatic->SetText(&text);
    EXPECT_EQ(ItemText(dialog, IDC_SECOND_STATIC), "Snare Drum");
    FCString read("old");
    window.firstStatic->GetText(&read);
    EXPECT_STREQ(read.GetCString(), "First");
    window.secondStatic->SetText(nullptr);
    EXPECT_EQ(ItemText(dialog, IDC_SECOND_STATIC), "");
    window.secondStatic->SetInteger(-42);
    EXPECT_EQ(ItemText(dialog, IDC_SECOND_STATIC), "-42");
}

TEST_F(OpenDialogTest, LongTextsArriveCutAt4999Characters)
{
    std::string longText(6000, 'k');
    longText[4998] = 'L';
    SetDlgItemTextA(dialog, IDC_FIRST_STATIC, longText.c_str());
    FCString read;
    window.firstStatic->GetText(&read);
    EXPECT_EQ(read.GetLength(), 4999);
    EXPECT_EQ(read.GetItemAt(4998), 'L');
}

TEST_F(OpenDialogTest, PopUpCountsEntriesAndTheHostCountsFromOne)
{
    for (const char* entry : {"Name", "Mapped MIDI", "Staff Position", "GM/Default", "Layout"}) {
        FCString text(entry);
        window.popup->AddString(&text);
    }
    EXPECT_EQ(window.popup->GetCount(), 5);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SORT_POPUP, 0, kFinaleInterfaceVersion), 0);
    FX_SetDlgItemVal(dialog, IDC_SORT_POPUP, 0, 1, kFinaleInterfaceVersion);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SORT_POPUP, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SORT_POPUP, 0, kFinaleInterfaceVersion), 1);
    FX_SetDlgItemVal(dialog, IDC_SORT_POPUP, 0, 5, kFinaleInterfaceVersion);
    EXPECT_EQ(ItemText(dialog, IDC_SORT_POPUP), "Layout");

    window.popup->DeleteItem(0);
    EXPECT_EQ(window.popup->GetCount(), 4);
    char first[32] = {};
    SendDlgItemMessageA(dialog, IDC_SORT_POPUP, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "Mapped MIDI");
    window.popup->Clear();
    EXPECT_EQ(window.popup->GetCount(), 0);
    window.popup->AddString(nullptr);
    EXPECT_EQ(window.popup->GetCount(), 1);
}

TEST_F(OpenDialogTest, AControlFollowsItsItemWhenTheItemIsReplaced)
{
    FCString entry("Snare");
    window.popup->AddString(&entry);
    EXPECT_EQ(window.popup->GetCount(), 1);
    HWND old = GetDlgItem(dialog, IDC_SORT_POPUP);
    DestroyWindow(old);
    EXPECT_EQ(window.popup->GetCount(), 0);
    HWND replacement = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 80, 80, dialog,
                                     reinterpret_cast<HMENU>(IDC_SORT_POPUP), nullptr, nullptr);
    window.popup->AddString(&entry);
    window.popup->AddString(&entry);
    EXPECT_EQ(SendMessageA(replacement, CB_GETCOUNT, 0, 0), 2);
    // An item given another ID is no longer the control's.
    SetWindowLongPtrA(replacement, GWLP_ID, IDC_SORT_POPUP + 100);
    EXPECT_EQ(window.popup->GetCount(), 0);
}

TEST(Controls, WithoutADialogOperationsHaveNoEffect)
{
    FCCtrlStatic loose(IDC_FIRST_STATIC);
    FCString text("kept");
    loose.SetText(&text);
    loose.GetText(&text);
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_FALSE(loose.GetVisible());
    EXPECT_EQ(loose.GetWidth(), 0);
    loose.MoveRelative(5, 5);
    EXPECT_EQ(loose.GetLeft(), 0);
    FCCtrlPopup popup(IDC_SORT_POPUP);
    popup.AddString(&text);
    EXPECT_EQ(popup.GetCount(), 0);
    EXPECT_STREQ(FCCtrlButton(IDOK).ClassName(), "FCControl");
}

}  // namespace

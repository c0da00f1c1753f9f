// The further controls on a real dialog: edit fields as integers and decimal
// numbers, a list box, up-downs stepping connected edit fields through the
// host's value services, and a tree whose nodes mirror its items.
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "framework/ui/edit.h"
#include "framework/ui/list_box.h"
#include "framework/ui/tree.h"
#include "framework/ui/up_down.h"
#include "host/service_wrappers.h"
#include "tests/framework/ui/test_window.h"
#include "tests/support/import_hook.h"

namespace {

constexpr long kVersion = kFinaleInterfaceVersion;

class FurtherControlsTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        edit = window.Link(new FCCtrlEdit(IDC_EDIT));
        integerArrows = window.Link(new FCCtrlUpDown(IDC_BUDDY_UPDOWN));
        decimalEdit = window.Link(new FCCtrlEdit(IDC_DECIMAL_EDIT));
        decimalArrows = window.Link(new FCCtrlUpDown(IDC_FREE_UPDOWN));
        listBox = window.Link(new FCCtrlListBox(IDC_LIST_BOX));
        tree = window.Link(new FCCtrlTree(IDC_TREE));
        window.ShowModeless(static_cast<HWND>(nullptr));
        dialog = window.GetWindowHandle();
        ASSERT_NE(dialog, nullptr);
        treeView = GetDlgItem(dialog, IDC_TREE);
    }
    void TearDown() override
    {
        window.DestroyWindow();
        DialogTest::TearDown();
    }

    void Show(int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
    std::string Text(int id)
    {
        char text[256] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    // A press of the arrows as the control reports it.
    void Press(int id, int controlDelta)
    {
        NMUPDOWN change = {{GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), static_cast<UINT>(UDN_DELTAPOS)}, 0,
                           controlDelta};
        SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
    }
    std::string Entries()
    {
        std::string entries;
        for (int i = 0; i < SendDlgItemMessageA(dialog, IDC_LIST_BOX, LB_GETCOUNT, 0, 0); ++i) {
            char entry[64] = {};
            SendDlgItemMessageA(dialog, IDC_LIST_BOX, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
            entries += (i == 0 ? "" : "|") + std::string(entry);
        }
        return entries;
    }
    FCTreeNode* AddNode(FCTreeNode* parent, const char* caption)
    {
        FCString text(caption);
        return tree->AddNode(parent, parent == nullptr, &text);
    }
    // The control's captions from `item` on, each item's sub-items in brackets.
    std::string Items(HTREEITEM item)
    {
        std::string text;
        for (; item != nullptr; item = TreeView_GetNextSibling(treeView, item)) {
            char caption[64] = {};
            TVITEMA info = {};
            info.mask = TVIF_TEXT;
            info.hItem = item;
            info.pszText = caption;
            info.cchTextMax = sizeof caption;
            SendMessageA(treeView, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
            text += (text.empty() ? "" : " ") + std::string(caption);
            if (HTREEITEM child = TreeView_GetChild(treeView, item)) {
                text += " [" + Items(child) + "]";
            }
        }
        return text;
    }
    std::string Items() { return Items(TreeView_GetRoot(treeView)); }

    TestWindow window{IDD_CONTROLS_TEST};
    HWND dialog = nullptr;
    HWND treeView = nullptr;
    FCCtrlEdit *edit = nullptr, *decimalEdit = nullptr;
    FCCtrlUpDown *integerArrows = nullptr, *decimalArrows = nullptr;
    FCCtrlListBox* listBox = nullptr;
    FCCtrlTree* tree = nullptr;
};

TEST_F(FurtherControlsTest, EditFieldsClampNumbersAndLeaveAValueInRangeAsTyped)
{
    Show(IDC_EDIT, "12");
    EXPECT_EQ(edit->GetInteger(0, 0), 12);
    EXPECT_EQ(edit->GetInteger(1, 10), 10);
    EXPECT_EQ(edit->GetInteger(20, 30), 20);
    EXPECT_EQ(edit->GetInteger(10, 1), 12);
    edit->AdjustIntegerWithin(1, 10);
    EXPECT_EQ(Text(IDC_EDIT), "10");
    Show(IDC_EDIT, "05");
    edit->AdjustIntegerWithin(1, 10);
    EXPECT_EQ(Text(IDC_EDIT), "05");
    Show(IDC_EDIT, "-3");
    edit->AdjustIntegerWithin(1, 10);
    EXPECT_EQ(Text(IDC_EDIT), "1");

    edit->SetFloat(2.5f);
    EXPECT_EQ(Text(IDC_EDIT), "2.50");
    EXPECT_FLOAT_EQ(edit->GetFloat(0, 10), 2.5f);
    EXPECT_FLOAT_EQ(edit->GetFloat(3, 10), 3.0f);
    EXPECT_FLOAT_EQ(edit->GetFloat(0, 2), 2.0f);
    EXPECT_FLOAT_EQ(edit->GetFloat(5, 1), 1.0f);
    Show(IDC_EDIT, "drum");
    EXPECT_FLOAT_EQ(edit->GetFloat(-1, 1), 0.0f);
}

TEST_F(FurtherControlsTest, ListBoxReplacesOnlyExistingEntriesAndKeepsTheSelection)
{
    for (const char* name : {"Kick", "Snare", "Crash"}) {
        FCString text(name);
        listBox->AddString(&text);
    }
    FCString tom("Tom");
    listBox->InsertItem(1, &tom);
    EXPECT_EQ(Entries(), "Kick|Tom|Snare|Crash");
    EXPECT_EQ(listBox->GetSelectedItem(), -1);
    listBox->SetSelectedItem(2);
    FCString ride("Ride");
    listBox->SetItemText(2, &ride);
    listBox->SetItemText(0, &ride);
    listBox->SetItemText(-1, &tom);
    listBox->SetItemText(4, &tom);
    EXPECT_EQ(Entries(), "Ride|Tom|Ride|Crash");
    EXPECT_EQ(listBox->GetCount(), 4);
    EXPECT_EQ(listBox->GetSelectedItem(), 2);
}

TEST_F(FurtherControlsTest, ConnectedUpDownsStepTheirFieldWithinTheRangeInsteadOfTheWindow)
{
    integerArrows->SetRange(2, 40);
    EXPECT_EQ(integerArrows->GetMinimum(), 2);
    EXPECT_EQ(integerArrows->GetMaximum(), 40);
    Press(IDC_BUDDY_UPDOWN, 1);
    EXPECT_EQ(window.upDowns.size(), 1u);

    integerArrows->ConnectIntegerEdit(edit, 1, 8);
    EXPECT_EQ(integerArrows->GetMinimum(), 1);
    EXPECT_EQ(integerArrows->GetMaximum(), 8);
    Show(IDC_EDIT, "7");
    Press(IDC_BUDDY_UPDOWN, 1);
    EXPECT_EQ(Text(IDC_EDIT), "8");
    Press(IDC_BUDDY_UPDOWN, 1);
    EXPECT_EQ(Text(IDC_EDIT), "8");
    Show(IDC_EDIT, "-5");
    Press(IDC_BUDDY_UPDOWN, 1);
    EXPECT_EQ(Text(IDC_EDIT), "1");

    // Without UDS_SETBUDDYINT the control's delta counts the other way round.
    decimalArrows->ConnectDecimalEdit(decimalEdit, -1.5, 2.75);
    EXPECT_EQ(decimalArrows->GetMinimum(), -1);
    EXPECT_EQ(decimalArrows->GetMaximum(), 2);
    Show(IDC_DECIMAL_EDIT, "0.0625");
    Press(IDC_FREE_UPDOWN, -1);
    EXPECT_EQ(Text(IDC_DECIMAL_EDIT), "1.0625");
    Press(IDC_FREE_UPDOWN, -1);
    Press(IDC_FREE_UPDOWN, -1);
    EXPECT_EQ(Text(IDC_DECIMAL_EDIT), "2.75");
    // Clamped before the step as well as after it.
    Show(IDC_DECIMAL_EDIT, "9");
    Press(IDC_FREE_UPDOWN, 1);
    EXPECT_EQ(Text(IDC_DECIMAL_EDIT), "1.75");
    Show(IDC_DECIMAL_EDIT, "tempo");
    Press(IDC_FREE_UPDOWN, 1);
    EXPECT_EQ(Text(IDC_DECIMAL_EDIT), "-1");
    EXPECT_EQ(window.upDowns.size(), 1u);
}

TEST_F(FurtherControlsTest, HostDecimalValuesShowAtMostFourDecimals)
{
    for (const auto& value : {std::make_pair(1.23456, "1.2346"), std::make_pair(-0.00001, "0")}) {
        EXPECT_EQ(FX_SetDlgItemUser(dialog, IDC_DECIMAL_EDIT, 0, value.first, kVersion), 1);
        EXPECT_EQ(Text(IDC_DECIMAL_EDIT), value.second);
    }
    EXPECT_EQ(FX_SetDlgItemUser(dialog, IDC_DECIMAL_EDIT, 0, INFINITY, kVersion), 0);
    EXPECT_EQ(FX_SetDlgItemUser(dialog, IDC_DECIMAL_EDIT, 1, 4.0, kVersion), 0);
    EXPECT_EQ(Text(IDC_DECIMAL_EDIT), "0");

    double value = 7;
    Show(IDC_DECIMAL_EDIT, "3.75 bpm");
    EXPECT_EQ(FX_GetDlgItemUser(dialog, 998, 0, &value, kVersion), 0);
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(FX_GetDlgItemUser(dialog, IDC_DECIMAL_EDIT, 0, &value, kVersion), 1);
    EXPECT_EQ(value, 3.75);
}

TEST_F(FurtherControlsTest, TreeNodesMirrorTheItemsAndAreFoundAndSelected)
{
    FCTreeNode* drums = AddNode(nullptr, "Drums");
    FCTreeNode* kick = AddNode(drums, "Kick");
    AddNode(drums, "Snare");
    FCTreeNode* cymbals = AddNode(nullptr, "Cymbals");
    FCString text("Tom");
    FCTreeNode* tom = tree->InsertNodeAt(drums, &text, 99);
    text.SetCString("Bass");
    tree->InsertNodeAt(drums, &text, 0);
    text.SetCString("Crash");
    FCTreeNode* crash = tree->InsertNodeAt(cymbals, &text, 0);
    EXPECT_EQ(Items(), "Drums [Bass Kick Snare Tom] Cymbals [Crash]");
    ASSERT_EQ(drums->GetCount(), 4);
    EXPECT_EQ(drums->GetItemAt(3), tom);

    // Nodes that are not this tree's are refused without touching the control.
    FCTreeNode stranger;
    EXPECT_EQ(tree->InsertNodeAt(drums, &text, -1), nullptr);
    EXPECT_EQ(tree->InsertNodeAt(nullptr, &text, 0), nullptr);
    EXPECT_EQ(tree->AddNode(&stranger, false, &text), nullptr);
    EXPECT_FALSE(tree->DeleteNode(&stranger));
    EXPECT_FALSE(tree->SetSelectedNode(&stranger));
    EXPECT_EQ(TreeView_GetCount(treeView), 7u);

    int marker = 0;
    kick->SetUserData(&marker);
    EXPECT_EQ(tree->FindUserDataNode(&marker, nullptr), kick);
    EXPECT_EQ(tree->FindUserDataNode(&marker, cymbals), nullptr);
    EXPECT_TRUE(tree->IsNodeAttached(kick, drums));
    EXPECT_FALSE(tree->IsNodeAttached(drums, drums));
    EXPECT_EQ(tree->_MapItem(crash->_GetItem(), nullptr), crash);
    EXPECT_EQ(tree->_MapItem(crash->_GetItem(), drums), nullptr);

    EXPECT_TRUE(tree->SetSelectedNode(kick));
    EXPECT_EQ(TreeView_GetSelection(treeView), kick->_GetItem());
    ASSERT_FALSE(window.commands.empty());
    EXPECT_EQ(window.commands.back(), tree);
    TreeView_SelectItem(treeView, crash->_GetItem());
    EXPECT_EQ(tree->GetSelectedNode(), crash);

    text.SetCString("Crash Cymbal");
    crash->SetText(&text);
    EXPECT_EQ(Items(cymbals->_GetItem()), "Cymbals [Crash]");
    EXPECT_NE(crash->UpdateText(), 0);
    EXPECT_EQ(Items(cymbals->_GetItem()), "Cymbals [Crash Cymbal]");
}

// SendMessageA of the framework, counting the items it deletes.
int g_deletions = 0;
LRESULT(WINAPI* g_send)(HWND, UINT, WPARAM, LPARAM);

LRESULT WINAPI CountingSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_deletions += message == TVM_DELETEITEM ? 1 : 0;
    return g_send(window, message, wParam, lParam);
}

TEST_F(FurtherControlsTest, ADeletedSubtreeIsTheCallersAndNeverAddressesItsItemsAgain)
{
    ScopedImportHook hook("user32.dll", "SendMessageA", reinterpret_cast<void*>(&CountingSend));
    g_send = reinterpret_cast<decltype(g_send)>(hook.Original());
    ASSERT_NE(g_send, nullptr);
    FCTreeNode* drums = AddNode(nullptr, "Drums");
    FCTreeNode* kick = AddNode(drums, "Kick");
    FCTreeNode* beater = AddNode(kick, "Beater");
    AddNode(kick, "Felt");
    AddNode(drums, "Snare");
    FCTreeNode* cymbals = AddNode(nullptr, "Cymbals");
    AddNode(AddNode(cymbals, "Crash"), "Stand");

    g_deletions = 0;
    EXPECT_TRUE(tree->DeleteNode(kick));
    EXPECT_EQ(g_deletions, 1);
    EXPECT_EQ(Items(), "Drums [Snare] Cymbals [Crash [Stand]]");
    EXPECT_EQ(drums->GetCount(), 1);
    EXPECT_FALSE(tree->IsNodeAttached(beater, nullptr));
    EXPECT_EQ(kick->GetTree(), nullptr);
    EXPECT_FALSE(tree->DeleteNode(kick));
    EXPECT_EQ(kick->UpdateText(), 0);
    delete kick;
    EXPECT_EQ(g_deletions, 1);

    // Destroyed in the tree, a node deletes its own item only: the control
    // takes the sub-items with it.
    cymbals->ClearAll();
    EXPECT_EQ(g_deletions, 2);
    EXPECT_EQ(Items(), "Drums [Snare] Cymbals");
    tree->Clear();
    EXPECT_EQ(g_deletions, 5);
    EXPECT_EQ(TreeView_GetCount(treeView), 0u);
}

}  // namespace

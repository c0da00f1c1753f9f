// The workbench host's dialog services under the windows, called through the
// framework's wrappers: creation and forwarding, the registry of plug-in
// dialogs, and the edges of the item services.
#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "host/service_wrappers.h"
#include "tests/framework/ui/test_window.h"

namespace {

using workbench::Workbench;

constexpr long kVersion = kFinaleInterfaceVersion;

struct Delivery {
    UINT message;
    long lParam;
    void* data;
};
std::vector<Delivery> g_deliveries;

long WINAPI RecordingProc(HWND, unsigned long message, unsigned int, long lParam, void* data)
{
    g_deliveries.push_back({static_cast<UINT>(message), lParam, data});
    return 0;
}

TEST_F(DialogTest, DialogsGetEveryMessageFromInitDialogOnWithTheirWindow)
{
    int marker = 0;
    HWND dialog = reinterpret_cast<HWND>(FX_Dialog(IDD_MAIN_TEST, RecordingProc, nullptr, 0, &marker, kVersion));
    ASSERT_TRUE(IsWindow(dialog));
    ASSERT_FALSE(g_deliveries.empty());
    EXPECT_EQ(g_deliveries[0].message, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(g_deliveries[0].lParam, reinterpret_cast<long>(&marker));
    EXPECT_EQ(Workbench::Instance().pluginDialogs.size(), 1u);

    EXPECT_NE(FX_EndDialog(dialog, kVersion), 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(g_deliveries.back().message, static_cast<UINT>(WM_NCDESTROY));
    for (const Delivery& delivery : g_deliveries) {
        EXPECT_EQ(delivery.data, &marker);
    }

    // No template or no procedure: no dialog, and nothing is called.
    g_deliveries.clear();
    EXPECT_EQ(FX_Dialog(IDD_MISSING_TEST, RecordingProc, nullptr, 0, &marker, kVersion), 0);
    EXPECT_EQ(FX_Dialog(IDD_MISSING_TEST, RecordingProc, nullptr, 1, &marker, kVersion), 0);
    EXPECT_EQ(FX_Dialog(IDD_MAIN_TEST, nullptr, nullptr, 0, &marker, kVersion), 0);
    EXPECT_TRUE(g_deliveries.empty());

    // Windows the host made for nobody are not the plug-in's to end.
    HWND other = CreateWindowA("STATIC", "other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(FX_EndDialog(other, kVersion), 0);
    EXPECT_TRUE(IsWindow(other));
    DestroyWindow(other);
}

TEST_F(OpenDialogTest, ItemServicesCutTextsAndReadTheValueKinds)
{
    FX_SetDlgString(dialog, IDC_FIRST_STATIC, "Percussion", kVersion);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(FX_GetDlgString(dialog, IDC_FIRST_STATIC, buffer, 5, kVersion), 4);
    EXPECT_STREQ(buffer, "Perc");
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(FX_GetDlgString(dialog, IDC_FIRST_STATIC, buffer, 0, kVersion), 0);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(FX_GetDlgString(dialog, 998, buffer, sizeof buffer, kVersion), 0);
    EXPECT_EQ(buffer[0], '\0');

    FX_SetDlgItemVal(dialog, IDC_SECOND_STATIC, 3, -17, kVersion);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SECOND_STATIC, 3, kVersion), -17);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SECOND_STATIC, 1, kVersion), 0);
    SendDlgItemMessageA(dialog, IDC_SORT_POPUP, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendDlgItemMessageA(dialog, IDC_SORT_POPUP, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    EXPECT_EQ(FX_SetDlgItemVal(dialog, IDC_SORT_POPUP, 0, 2, kVersion), 1);
    EXPECT_EQ(FX_SetDlgItemVal(dialog, IDC_SORT_POPUP, 0, 9, kVersion), 0);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SORT_POPUP, 0, kVersion), 2);
    EXPECT_EQ(FX_SetDlgItemVal(dialog, IDC_SORT_POPUP, 0, 0, kVersion), 1);
    EXPECT_EQ(FX_GetDlgItemVal(dialog, IDC_SORT_POPUP, 0, kVersion), 0);

    EXPECT_EQ(FX_EnableDlgItem(dialog, IDC_NOTE_LIST, 0, kVersion), 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_NOTE_LIST)));
    EXPECT_EQ(FX_EnableDlgItem(dialog, 998, 1, kVersion), 0);
    EXPECT_EQ(FX_ShowHideDlgItem(dialog, IDC_FIRST_STATIC, 0, kVersion), 1);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_FIRST_STATIC)));
    EXPECT_EQ(FX_GetDlgCntl(dialog, IDC_NOTE_LIST, kVersion), GetDlgItem(dialog, IDC_NOTE_LIST));
}

}  // namespace

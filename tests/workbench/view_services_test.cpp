// The workbench's services on the document window and the menus.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/workbench/test_documents.h"
#include "workbench/host_services.h"

namespace {

using workbench::Workbench;

constexpr long kVersion = 0x0F000200;

unsigned Word(const unsigned char* bytes, int offset)
{
    return bytes[offset] | (bytes[offset + 1] << 8);
}

TEST(ViewServices, WindowInfoFillsOnlyTheHostsFields)
{
    OpenOnly("<measures count='3'/><staff/><view pageView='yes' zoom='150' page='2'/>");
    Workbench& host = Workbench::Instance();
    host.mainWindow = reinterpret_cast<HWND>(0x00012345);
    unsigned char info[290];
    std::memset(info, 0xAA, sizeof info);
    EXPECT_EQ(HostGetCurrentWindowInfo(info, kVersion), 1);
    EXPECT_EQ(info[0], 0xAA);
    EXPECT_EQ(info[259], 0xAA);
    EXPECT_EQ(Word(info, 260), 0x2345u);
    EXPECT_EQ(Word(info, 262), 0x0001u);
    EXPECT_EQ(info[264], 0xAA);
    EXPECT_EQ(Word(info, 268), 1u);
    EXPECT_EQ(Word(info, 270), 150u);
    EXPECT_EQ(Word(info, 272), 2u);
    EXPECT_EQ(info[274], 0xAA);
    host.Current()->view.pageView = false;
    EXPECT_EQ(HostGetCurrentWindowInfo(info, kVersion), 1);
    EXPECT_EQ(Word(info, 268), 0u);
    EXPECT_EQ(HostGetCurrentWindowInfo(nullptr, kVersion), 0);
    host.mainWindow = nullptr;
    host.CloseAll();
    std::memset(info, 0xAA, sizeof info);
    EXPECT_EQ(HostGetCurrentWindowInfo(info, kVersion), 0);
    EXPECT_EQ(info[260], 0xAA);
}

TEST(ViewServices, ScrollingRedrawingAndMenuItems)
{
    workbench::Document& document = OpenOnly("<measures count='3'/><staff number='5'/>");
    Workbench& host = Workbench::Instance();
    int told = 0;
    host.viewChanged = [&told] { ++told; };
    EXPECT_EQ(HostScrollTo(3, 5, kVersion), 1);
    EXPECT_EQ(document.view.measure, 3);
    EXPECT_EQ(document.view.staff, 5);
    EXPECT_EQ(HostScrollTo(4, 5, kVersion), 0);
    EXPECT_EQ(HostScrollTo(1, 1, kVersion), 0);
    EXPECT_EQ(document.view.measure, 3);
    EREGION region = {};
    EXPECT_EQ(HostRedrawMusic(&region, kVersion), 1);
    EXPECT_EQ(HostRedrawMusic(nullptr, kVersion), 0);
    EXPECT_EQ(told, 2);
    host.viewChanged = nullptr;

    host.executedMenuItems.clear();
    EXPECT_EQ(HostExecuteMenuItem(12106, kVersion), 1);
    EXPECT_EQ(HostExecuteMenuItem(10619, kVersion), 1);
    EXPECT_EQ(HostExecuteMenuItem(10620, kVersion), 0);
    EXPECT_EQ(HostExecuteMenuItem(0, kVersion), 0);
    EXPECT_EQ(host.executedMenuItems, (std::vector<long>{12106, 10619}));
}

TEST(ViewServices, ServicesAreLoggedWithTheirVersion)
{
    OpenOnly("<staff/>");
    Workbench& host = Workbench::Instance();
    host.ClearCalls();
    HostSlotToInst(1, 0, 0x0F000200);
    HostGetMaxLayers(0x0B000000);
    ASSERT_EQ(host.Calls().size(), 2u);
    EXPECT_STREQ(host.Calls()[0].service, "FX_SlotToInst");
    EXPECT_EQ(host.Calls()[0].version, 0x0F000200u);
    EXPECT_STREQ(host.Calls()[1].service, "FX_GetMaxLayers");
    EXPECT_EQ(host.Calls()[1].version, 0x0B000000u);
}

}  // namespace

// The workbench's region services: selection and whole document, slots and
// staves, measure durations, clip tokens.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "tests/workbench/test_documents.h"
#include "workbench/host_services.h"

namespace {

using workbench::Workbench;

constexpr long kVersion = 0x0F000200;
using Region = std::array<unsigned char, 20>;

const char kScore[] =
    "<measures count='2' time='4/4'/><measures count='1' time='6/8'/>"
    "<staff number='4'/><staff number='5'/><staff number='9'/>"
    "<selection staves='2-3' measures='1-2'/>"
    "<record tag='SOMS' key='4'>00 00 00 00 04 00 00 04</record>";

Region Of(std::initializer_list<unsigned char> bytes)
{
    Region region{};
    std::copy(bytes.begin(), bytes.end(), region.begin());
    return region;
}

TEST(RegionServices, TheSelectionAndTheWholeDocument)
{
    Workbench::Instance().CloseAll();
    EREGION selection;
    std::memset(&selection, 0xAA, sizeof selection);
    long flags = 7;
    EXPECT_EQ(HostGetCurERegions(&flags, &selection, nullptr, kVersion), 0);
    EXPECT_EQ(flags, 7);
    EXPECT_EQ(selection.bytes[0], 0xAA);

    OpenOnly(kScore);
    EREGION whole;
    EXPECT_EQ(HostGetCurERegions(&flags, &selection, &whole, kVersion), 1);
    EXPECT_EQ(flags, 1);
    Region got;
    std::memcpy(got.data(), selection.bytes, 20);
    EXPECT_EQ(got, Of({0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
    std::memcpy(got.data(), whole.bytes, 20);
    // The raw measure 4 follows on 1 to 3, so it counts.
    EXPECT_EQ(got, Of({0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 4, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(HostGetCurERegions(nullptr, nullptr, nullptr, kVersion), 1);

    OpenOnly("<measures count='1'/><staff/>");
    EXPECT_EQ(HostGetCurERegions(&flags, &selection, &whole, kVersion), 1);
    EXPECT_EQ(flags, 0);
    std::memcpy(got.data(), selection.bytes, 20);
    EXPECT_EQ(got, Region{});
}

TEST(RegionServices, SettingTheSelectionTakesOnlyRegionsOfTheDocument)
{
    workbench::Document& document = OpenOnly(kScore);
    int told = 0;
    Workbench::Instance().viewChanged = [&told] { ++told; };
    EREGION region;
    Region wanted = Of({0, 0, 1, 0, 3, 0, 0, 4, 0, 0, 0, 0, 1, 0, 3, 0, 0xFF, 0x05, 0, 0});
    std::memcpy(region.bytes, wanted.data(), 20);
    EXPECT_EQ(HostSetCurERegion(&region, kVersion), 1);
    EXPECT_EQ(document.selection, wanted);
    EXPECT_EQ(told, 1);

    for (Region refused : {Of({0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0}),   // slot 4
                           Of({0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 5, 0}),   // measure 5
                           Of({1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0}),   // list 1
                           Of({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0})}) {  // slot 0
        std::memcpy(region.bytes, refused.data(), 20);
        EXPECT_EQ(HostSetCurERegion(&region, kVersion), 0);
    }
    EXPECT_EQ(document.selection, wanted);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(HostSetCurERegion(nullptr, kVersion), 0);

    std::memset(region.bytes, 0, 20);  // the empty region clears the selection
    EXPECT_EQ(HostSetCurERegion(&region, kVersion), 1);
    EXPECT_EQ(document.selection, Region{});
    Workbench::Instance().viewChanged = nullptr;
}

TEST(RegionServices, SlotsAndStavesOfTheGlobalList)
{
    OpenOnly(kScore);
    EXPECT_EQ(HostSlotToInst(1, 0, kVersion), 4);
    EXPECT_EQ(HostSlotToInst(3, 0, kVersion), 9);
    EXPECT_EQ(HostSlotToInst(4, 0, kVersion), 0);
    EXPECT_EQ(HostSlotToInst(0, 0, kVersion), 0);
    EXPECT_EQ(HostSlotToInst(-1, 0, kVersion), 0);
    EXPECT_EQ(HostSlotToInst(1, 1, kVersion), 0);
    EXPECT_EQ(HostInstToSlot(9, 0, kVersion), 3);
    EXPECT_EQ(HostInstToSlot(4, 0, kVersion), 1);
    EXPECT_EQ(HostInstToSlot(7, 0, kVersion), 0);
    EXPECT_EQ(HostInstToSlot(4, 2, kVersion), 0);
    Workbench::Instance().CloseAll();
    EXPECT_EQ(HostSlotToInst(1, 0, kVersion), 0);
}

TEST(RegionServices, MeasureDurationsFromTheMeasureRecords)
{
    OpenOnly(kScore + std::string("<record tag='SOMS' key='5'>00 00 04 00</record>"));
    EXPECT_EQ(HostGetMeasureDuration(4, 1, kVersion), 4096);
    EXPECT_EQ(HostGetMeasureDuration(9, 3, kVersion), 3072);
    EXPECT_EQ(HostGetMeasureDuration(5, 4, kVersion), 4096);  // 4 beats of 1024 from raw bytes
    EXPECT_EQ(HostGetMeasureDuration(5, 5, kVersion), 0);     // too short to hold a duration
    EXPECT_EQ(HostGetMeasureDuration(5, 6, kVersion), 0);
    EXPECT_EQ(HostGetMeasureDuration(5, 0, kVersion), 0);
    EXPECT_EQ(HostGetMeasureDuration(7, 1, kVersion), 0);
}

TEST(RegionServices, ClipTokensForCopiedMusic)
{
    OpenOnly(kScore);
    unsigned char region[28] = {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 1};
    long copied = HostCopyCutMusic(region, 1, kVersion);
    long cut = HostCopyCutMusic(region, 2, kVersion);
    EXPECT_NE(copied, 0);
    EXPECT_NE(cut, 0);
    EXPECT_NE(copied, cut);
    EXPECT_EQ(HostCopyCutMusic(region, 3, kVersion), 0);
    EXPECT_EQ(HostCopyCutMusic(nullptr, 1, kVersion), 0);
    unsigned char empty[28] = {};
    EXPECT_EQ(HostCopyCutMusic(empty, 1, kVersion), 0);

    EXPECT_EQ(HostInsertMergeMusic(copied, region, true, kVersion), 1);
    EXPECT_EQ(HostInsertMergeMusic(copied, empty, true, kVersion), 0);
    EXPECT_EQ(HostInsertMergeMusic(copied + cut + 100, region, true, kVersion), 0);
    EXPECT_EQ(HostDisposeFinClipFileToken(copied, kVersion), 1);
    EXPECT_EQ(HostDisposeFinClipFileToken(copied, kVersion), 0);
    EXPECT_EQ(HostInsertMergeMusic(copied, region, true, kVersion), 0);
    EXPECT_EQ(HostInsertMergeMusic(cut, region, false, kVersion), 1);
}

}  // namespace

// FCMusicRegion against the workbench host: the rectangle's queries and
// changes, durations and the last measure from the host's records, the
// selection and the whole document, and music held by clip tokens.
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/cell.h"
#include "framework/data/collection.h"
#include "framework/data/music_region.h"
#include "framework/data/staff.h"
#include "host/service_wrappers.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using workbench::Workbench;
using Calls = std::vector<std::string>;
using RegionBytes = std::array<unsigned char, 20>;

constexpr long kToEnd = 0x7FFFFFFF;

// Two measures of 3/4 (3072 units each), one of 4/4; staves 4, 5 and 9 in slots 1 to 3.
const char kScore[] =
    "<measures count='2' time='3/4'/><measures count='1' time='4/4'/>"
    "<staff number='4'/><staff number='5'/><staff number='9'/>"
    "<selection staves='2-3' measures='1-2'/>";

// A second document, opened beside the first and made current.
workbench::Document& OpenAlso(const char* body)
{
    std::string error;
    std::unique_ptr<workbench::Document> document = workbench::ReadDocumentText(
        (std::string("<document>") + body + "</document>").c_str(), "second.xml", "Z:\\docs", 0x10000000, &error);
    EXPECT_NE(document, nullptr) << error;
    return Workbench::Instance().Open(document ? std::move(document) : std::make_unique<workbench::Document>());
}

// Slots and measures in the global list, with positions.
void Span(FCMusicRegion* region, short startSlot, short startMeasure, long startPos, short endSlot,
          short endMeasure, long endPos)
{
    region->SetStartInstrumentList(0);
    region->SetEndInstrumentList(0);
    region->SetStartSlot(startSlot);
    region->SetStartMeasure(startMeasure);
    region->SetStartMeasurePos(startPos);
    region->SetEndSlot(endSlot);
    region->SetEndMeasure(endMeasure);
    region->SetEndMeasurePos(endPos);
}

RegionBytes BytesOf(const FCMusicRegion& region)
{
    EREGION record;
    region.GetEnigmaRegion(&record);
    RegionBytes bytes;
    std::memcpy(bytes.data(), record.bytes, 20);
    return bytes;
}

// Writes down each staff handed over; false at the staff `stopAt`.
class StaffJournal : public FCIteratorHandler {
public:
    bool Iterate(__FCBase* element) override
    {
        auto* staff = dynamic_cast<FCStaff*>(element);
        int number = staff == nullptr ? -1 : staff->GetItemNo();
        staves.push_back(number);
        return number != stopAt;
    }
    std::vector<int> staves;
    int stopAt = -1;
};

class MusicRegion : public ::testing::Test {
protected:
    void TearDown() override { Workbench::Instance().CloseAll(); }
};

TEST_F(MusicRegion, ANewRegionIsEmptyAndHoldsNoMusic)
{
    OpenOnly(kScore);
    TakeHostCalls();
    FCMusicRegion region;
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_TRUE(region.IsMeasureIncluded(0));
    EXPECT_FALSE(region.IsMeasureIncluded(1));
    EXPECT_EQ(region.CalcDuration(), 0);
    EXPECT_FALSE(region.CopyMusic());
    EXPECT_FALSE(region.CutMusic());
    EXPECT_FALSE(region.PasteMusic());
    EXPECT_FALSE(region.ReleaseMusic());
    EXPECT_EQ(region.GetClipToken(), 0);
    EXPECT_EQ(region.GetDocumentID(), 0);
    EXPECT_EQ(BytesOf(region), RegionBytes{});
    EXPECT_EQ(TakeHostCalls(), Calls{});
    EXPECT_STREQ(region.ClassName(), "FCMusicRegion");
}

TEST_F(MusicRegion, TheHostsRecordIsCopiedWholeWithTheCurrentDocument)
{
    OpenOnly(kScore);
    OpenAlso(kScore);
    const RegionBytes bytes = {1, 0, 3, 0, 2, 0, 0x00, 0x04, 0, 0, 2, 0, 0xFE, 0xFF, 7, 0, 0xFF, 0x05, 0, 0};
    EREGION record;
    std::memcpy(record.bytes, bytes.data(), 20);
    FCMusicRegion region(&record);
    EXPECT_EQ(region.GetDocumentID(), 2);
    EXPECT_EQ(region.GetStartInstrumentList(), 1);
    EXPECT_EQ(region.GetStartSlot(), 3);
    EXPECT_EQ(region.GetStartMeasure(), 2);
    EXPECT_EQ(region.GetStartMeasurePos(), 1024);
    EXPECT_EQ(region.GetEndInstrumentList(), 2);
    EXPECT_EQ(region.GetEndSlot(), -2);
    EXPECT_EQ(region.GetEndMeasure(), 7);
    EXPECT_EQ(region.GetEndMeasurePos(), 1535);
    EXPECT_EQ(BytesOf(region), bytes);

    ASSERT_TRUE(Workbench::Instance().SetCurrent(1));
    region.SetEnigmaRegion(&record);
    EXPECT_EQ(region.GetDocumentID(), 1);
}

TEST_F(MusicRegion, SortedStavesAndTheStavesIncluded)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 5, 1, 0, 2, 1, kToEnd);
    region.SetStartInstrumentList(3);
    region.SetEndInstrumentList(4);
    region.AssureSortedStaves();
    EXPECT_EQ(region.GetStartSlot(), 2);
    EXPECT_EQ(region.GetEndSlot(), 5);
    EXPECT_EQ(region.GetStartInstrumentList(), 3);
    EXPECT_EQ(region.GetEndInstrumentList(), 4);
    region.AssureSortedStaves();
    EXPECT_EQ(region.GetStartSlot(), 2);

    Span(&region, 1, 1, 0, 2, 2, kToEnd);
    EXPECT_TRUE(region.IsStaffIncluded(4));
    EXPECT_TRUE(region.IsStaffIncluded(5));
    EXPECT_FALSE(region.IsStaffIncluded(9));
    // Staff 7 has no slot; a region from slot 0 does not take it in.
    Span(&region, 0, 1, 0, 3, 2, kToEnd);
    EXPECT_FALSE(region.IsStaffIncluded(7));
    EXPECT_TRUE(region.IsStaffIncluded(9));
    region.SetStartInstrumentList(1);
    EXPECT_FALSE(region.IsStaffIncluded(4));
}

TEST_F(MusicRegion, PositionsWithinTheMeasures)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 1, 1, 0, 1, 2, kToEnd);
    EXPECT_FALSE(region.IsPartial());
    region.SetEndMeasurePos(1535);
    EXPECT_TRUE(region.IsPartial());
    Span(&region, 1, 1, 1, 1, 2, kToEnd);
    EXPECT_TRUE(region.IsPartial());

    // Measures 2 to 4, from 1024 in measure 2 up to 1535 in measure 4.
    Span(&region, 2, 2, 1024, 3, 4, 1535);
    EXPECT_FALSE(region.IsMeasurePosWithin(2, 1023));
    EXPECT_TRUE(region.IsMeasurePosWithin(2, 1024));
    EXPECT_TRUE(region.IsMeasurePosWithin(3, 0));
    EXPECT_TRUE(region.IsMeasurePosWithin(3, 99999));
    EXPECT_TRUE(region.IsMeasurePosWithin(4, 1535));
    EXPECT_FALSE(region.IsMeasurePosWithin(4, 1536));
    EXPECT_FALSE(region.IsMeasurePosWithin(1, 2000));
    EXPECT_FALSE(region.IsMeasurePosWithin(5, 0));
    EXPECT_TRUE(region.IsFullMeasureIncluded(3));
    EXPECT_FALSE(region.IsFullMeasureIncluded(2));
    EXPECT_FALSE(region.IsFullMeasureIncluded(4));
    EXPECT_TRUE(region.IsStartPos(2, 1024));
    EXPECT_FALSE(region.IsStartPos(2, 0));
    EXPECT_FALSE(region.IsStartPos(3, 1024));

    // Slots 2 and 3 hold staves 5 and 9.
    FCCell inside(3, 9);
    FCCell early(2, 5);
    FCCell otherStaff(3, 4);
    EXPECT_TRUE(region.IsCellPosWithin(&inside, 0));
    EXPECT_FALSE(region.IsCellPosWithin(&early, 1000));
    EXPECT_TRUE(region.IsCellPosWithin(&early, 2000));
    EXPECT_FALSE(region.IsCellPosWithin(&otherStaff, 0));
}

TEST_F(MusicRegion, DurationSumsTheHostsMeasureDurations)
{
    OpenOnly(kScore);
    EXPECT_EQ(FX_GetMeasureDuration(4, 1, kFinaleInterfaceVersion), 3072);
    EXPECT_EQ(FX_GetMeasureDuration(4, 3, kFinaleInterfaceVersion), 4096);
    FCMusicRegion region;
    Span(&region, 1, 1, 0, 1, 2, kToEnd);
    TakeHostCalls();
    EXPECT_EQ(region.CalcDuration(), 6144);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_SlotToInst", "FX_GetMeasureDuration", "FX_GetMeasureDuration"}));
    region.SetStartMeasurePos(1024);
    EXPECT_EQ(region.CalcDuration(), 5120);
    region.SetEndMeasurePos(1535);
    EXPECT_EQ(region.CalcDuration(), 3584);
    Span(&region, 3, 2, 0, 3, 3, kToEnd);
    EXPECT_EQ(region.CalcDuration(), 7168);
    Span(&region, 2, 3, 1024, 2, 3, 2047);
    EXPECT_EQ(region.CalcDuration(), 1024);
}

TEST_F(MusicRegion, TheLastMeasureComesFromTheMeasureRecords)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 1, 1, 0, 3, 3, kToEnd);
    EXPECT_TRUE(region.IsLastEndMeasure());
    EXPECT_TRUE(region.IsFullDocumentWidth());
    region.SetEndMeasure(2);
    EXPECT_FALSE(region.IsLastEndMeasure());
    EXPECT_FALSE(region.IsFullDocumentWidth());
    region.SetEndMeasure(4);
    EXPECT_FALSE(region.IsLastEndMeasure());
    region.SetEndMeasure(3);
    region.SetEndMeasurePos(1535);
    EXPECT_TRUE(region.IsLastEndMeasure());
    EXPECT_FALSE(region.IsFullDocumentWidth());
    Span(&region, 1, 2, 0, 3, 3, kToEnd);
    EXPECT_FALSE(region.IsFullDocumentWidth());
    Span(&region, 1, 1, 1, 3, 3, kToEnd);
    EXPECT_FALSE(region.IsFullDocumentWidth());
}

TEST_F(MusicRegion, FullMeasureStackAndTheGlobalList)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 2, 2, 0, 2, 2, kToEnd);
    EXPECT_TRUE(region.SetFullMeasureStack());
    EXPECT_EQ(region.GetStartSlot(), 1);
    EXPECT_EQ(region.GetEndSlot(), 3);
    EXPECT_EQ(region.GetStartMeasure(), 2);
    EXPECT_EQ(region.GetEndMeasure(), 2);

    Span(&region, 2, 0, 0, 2, 0, kToEnd);
    EXPECT_FALSE(region.SetFullMeasureStack());
    EXPECT_EQ(region.GetEndSlot(), 2);
    Span(&region, 2, 1, 0, 2, 1, kToEnd);
    region.SetStartInstrumentList(1);
    EXPECT_FALSE(region.SetFullMeasureStack());
    EXPECT_EQ(region.GetStartSlot(), 2);

    Span(&region, 3, 1, 0, 1, 1, kToEnd);
    region.ConvertToGlobalInstrumentList();
    EXPECT_EQ(region.GetStartSlot(), 3);
    EXPECT_EQ(region.GetEndSlot(), 1);
    // The workbench has only the global list: other lists hold no staff.
    region.SetStartInstrumentList(6);
    region.SetEndInstrumentList(7);
    region.ConvertToGlobalInstrumentList();
    EXPECT_EQ(region.GetStartInstrumentList(), 0);
    EXPECT_EQ(region.GetEndInstrumentList(), 0);
    EXPECT_EQ(region.GetStartSlot(), 0);
    EXPECT_EQ(region.GetEndSlot(), 0);

    OpenOnly("<measures count='1'/>");
    Span(&region, 1, 1, 0, 1, 1, kToEnd);
    EXPECT_FALSE(region.SetFullMeasureStack());
}

TEST_F(MusicRegion, OverlapNeedsSharedMeasuresPositionsAndStaves)
{
    OpenOnly(kScore);
    FCMusicRegion a;
    FCMusicRegion b;
    Span(&a, 1, 1, 0, 2, 2, kToEnd);
    Span(&b, 2, 2, 0, 3, 3, kToEnd);
    EXPECT_TRUE(a.IsOverlapping(&b));
    EXPECT_TRUE(b.IsOverlapping(&a));
    Span(&b, 3, 1, 0, 3, 2, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
    Span(&b, 1, 3, 0, 3, 3, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
    EXPECT_FALSE(b.IsOverlapping(&a));

    // A ends at 1000 in measure 2; B starts in measure 2 after or before that.
    a.SetEndMeasurePos(1000);
    Span(&b, 1, 2, 2000, 1, 3, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
    EXPECT_FALSE(b.IsOverlapping(&a));
    b.SetStartMeasurePos(500);
    EXPECT_TRUE(a.IsOverlapping(&b));
    EXPECT_TRUE(b.IsOverlapping(&a));

    Span(&a, 2, 1, 0, 1, 2, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
    // Slots without staves share none.
    Span(&a, 4, 1, 0, 5, 1, kToEnd);
    Span(&b, 5, 1, 0, 6, 1, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
    Span(&a, 32767, 1, 0, 32767, 1, kToEnd);
    Span(&b, 32766, 1, 0, 32767, 1, kToEnd);
    EXPECT_FALSE(a.IsOverlapping(&b));
}

TEST_F(MusicRegion, ForEachStaffCountsTheCallsUpToTheStoppingOne)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 1, 1, 0, 3, 1, kToEnd);
    StaffJournal stopping;
    stopping.stopAt = 5;
    EXPECT_EQ(region.ForEachStaff(&stopping), 2);
    EXPECT_EQ(stopping.staves, (std::vector<int>{4, 5}));
    StaffJournal all;
    EXPECT_EQ(region.ForEachStaff(&all), 3);
    EXPECT_EQ(all.staves, (std::vector<int>{4, 5, 9}));

    // Slots 4 and 5 hold no staff, so nothing is handed over for them.
    Span(&region, 2, 1, 0, 5, 1, kToEnd);
    StaffJournal some;
    EXPECT_EQ(region.ForEachStaff(&some), 2);
    EXPECT_EQ(some.staves, (std::vector<int>{5, 9}));
    Span(&region, 3, 1, 0, 1, 1, kToEnd);
    StaffJournal none;
    EXPECT_EQ(region.ForEachStaff(&none), 0);
    Span(&region, 32766, 1, 0, 32767, 1, kToEnd);
    EXPECT_EQ(region.ForEachStaff(&none), 0);
    EXPECT_TRUE(none.staves.empty());
}

TEST_F(MusicRegion, SelectionAndWholeDocumentComeFromTheHost)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    EXPECT_TRUE(region.SetCurrentSelection());
    EXPECT_EQ(BytesOf(region),
              (RegionBytes{0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(region.GetDocumentID(), 1);
    EXPECT_TRUE(region.SetFullDocument());
    EXPECT_EQ(BytesOf(region),
              (RegionBytes{0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 3, 0, 0xFF, 0xFF, 0xFF, 0x7F}));

    OpenAlso("<measures count='4'/><staff/><selection staves='1' measures='4'/>");
    EXPECT_TRUE(region.SetCurrentSelection());
    EXPECT_EQ(region.GetDocumentID(), 2);
    EXPECT_EQ(region.GetStartMeasure(), 4);

    // Without a document the host answers nothing; the region is overwritten.
    Workbench::Instance().CloseAll();
    EXPECT_FALSE(region.SetCurrentSelection());
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(BytesOf(region), RegionBytes{});
    Span(&region, 1, 1, 0, 1, 1, kToEnd);
    EXPECT_TRUE(region.SetFullDocument());
    EXPECT_TRUE(region.IsEmpty());
}

TEST_F(MusicRegion, SetInDocumentOnlyInTheDocumentOfTheRegion)
{
    workbench::Document& first = OpenOnly(kScore);
    FCMusicRegion region;
    ASSERT_TRUE(region.SetCurrentSelection());
    Span(&region, 1, 3, 0, 1, 3, kToEnd);
    const RegionBytes wanted = BytesOf(region);
    const RegionBytes selectedBefore = first.selection;

    workbench::Document& second = OpenAlso(kScore);
    EXPECT_FALSE(region.IsCurrentDocument());
    EXPECT_FALSE(region.SetInDocument());
    EXPECT_EQ(first.selection, selectedBefore);
    EXPECT_EQ(second.selection, selectedBefore);

    ASSERT_TRUE(Workbench::Instance().SetCurrent(1));
    EXPECT_TRUE(region.IsCurrentDocument());
    EXPECT_TRUE(region.SetInDocument());
    EXPECT_EQ(first.selection, wanted);
    region.SetEndMeasure(9);
    EXPECT_FALSE(region.SetInDocument());
    EXPECT_EQ(first.selection, wanted);

    TakeHostCalls();
    EXPECT_EQ(region.Redraw(), 1);
    EXPECT_EQ(TakeHostCalls(), Calls{"FX_RedrawMusic"});
}

TEST_F(MusicRegion, MusicIsHeldByOneClipTokenAtATime)
{
    OpenOnly(kScore);
    Workbench& host = Workbench::Instance();
    {
        FCMusicRegion region;
        Span(&region, 1, 1, 0, 2, 2, kToEnd);
        ASSERT_TRUE(region.CopyMusic());
        long token = region.GetClipToken();
        EXPECT_NE(token, 0);
        ASSERT_EQ(host.clips.size(), 1u);
        EXPECT_EQ(host.clips[token].region, BytesOf(region));
        EXPECT_FALSE(region.CopyMusic());
        EXPECT_FALSE(region.CutMusic());
        EXPECT_EQ(host.clips.size(), 1u);
        EXPECT_EQ(region.GetClipToken(), token);

        EXPECT_TRUE(region.PasteMusic());
        EXPECT_EQ(region.GetClipToken(), token);
        EXPECT_TRUE(region.ReleaseMusic());
        EXPECT_EQ(region.GetClipToken(), 0);
        EXPECT_TRUE(host.clips.empty());
        EXPECT_FALSE(region.ReleaseMusic());
        EXPECT_FALSE(region.PasteMusic());

        EXPECT_TRUE(region.CutMusic());
        EXPECT_EQ(host.clips.size(), 1u);
        // An empty region takes no paste, but its music can still be given back.
        Span(&region, 1, 0, 0, 2, 0, kToEnd);
        EXPECT_FALSE(region.PasteMusic());
    }
    // The destructor gave the cut music back.
    EXPECT_TRUE(host.clips.empty());

    FCMusicRegion outside;
    Span(&outside, 1, 1, 0, 2, 9, kToEnd);
    EXPECT_FALSE(outside.CopyMusic());
    EXPECT_EQ(outside.GetClipToken(), 0);

    // A token the host no longer knows stays held.
    FCMusicRegion copied;
    Span(&copied, 1, 1, 0, 1, 1, kToEnd);
    ASSERT_TRUE(copied.CopyMusic());
    host.clips.clear();
    EXPECT_FALSE(copied.ReleaseMusic());
    EXPECT_NE(copied.GetClipToken(), 0);
}

}  // namespace

// FCGroup, FCSystemStaff(s) and FCStaves against the workbench host: staves
// walked in the score's staff order, names through text blocks, new name
// blocks, and the record version of the running host.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "framework/score/group.h"
#include "framework/score/staves.h"
#include "framework/score/system_staff.h"
#include "host/finale_version.h"
#include "host/service_wrappers.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"
#include "workbench/document_queries.h"

namespace {

using Calls = std::vector<std::string>;

std::string Text(FCString* made)
{
    std::unique_ptr<FCString> owned(made);
    return owned->GetCString();
}

const std::string kSixStaves = "<staff/><staff/><staff/><staff/><staff/><staff/>";

class Groups : public ::testing::Test {
protected:
    void TearDown() override
    {
        workbench::Workbench::Instance().CloseAll();
        SetFinaleFrameworkVersion(0x0F000200);
    }
};

TEST_F(Groups, StavesAreWalkedInTheScoresStaffOrder)
{
    // Slots top to bottom: staves 6, 2, 5, 3, 1, 4; the group runs from 5 to 1.
    OpenOnly(kSixStaves + "<staffOrder staves='6 2 5 3 1 4'/><group first='5' last='1'/>");
    FCGroup group;
    ASSERT_TRUE(group.Load(0, 1));
    TakeHostCalls();
    EXPECT_EQ(group.CalcStaffIndex(5), 0);
    EXPECT_EQ(TakeHostCalls().front(), "FX_LoadEData SOIu 0.0.0.0 24");
    EXPECT_EQ(group.CalcStaffIndex(3), 1);
    EXPECT_EQ(group.CalcStaffIndex(1), 2);
    EXPECT_EQ(group.CalcStaffIndex(2), -1);  // above the group, though numbered between
    EXPECT_EQ(group.CalcStaffIndex(4), -1);  // below it
    EXPECT_EQ(group.CalcStaffSpan(), 3);
    EXPECT_TRUE(group.ContainsStaff(3));
    EXPECT_FALSE(group.ContainsStaff(2));
    EXPECT_FALSE(group.ContainsStaff(4));
    EXPECT_FALSE(group.ContainsStaff(6));
    TakeHostCalls();
    EXPECT_TRUE(group.ContainsStaff(1));  // an end, without a walk
    EXPECT_EQ(TakeHostCalls(), Calls{});
}

TEST_F(Groups, AGroupEndingAboveItsStartOrNeverEndingSpansNothing)
{
    OpenOnly("<staff/><staff/><staff/><staff/><staff/><group first='4' last='2'/>" +
             RecordElement("SDNG", "0 2", {2, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                           0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    FCGroup upside;
    ASSERT_TRUE(upside.Load(0, 1));
    EXPECT_EQ(upside.CalcStaffSpan(), 0);
    EXPECT_EQ(upside.CalcStaffIndex(4), -1);
    EXPECT_EQ(upside.CalcStaffIndex(5), -1);
    EXPECT_TRUE(upside.ContainsStaff(2));
    EXPECT_FALSE(upside.ContainsStaff(3));
    EXPECT_FALSE(upside.ContainsStaff(5));

    // Staff 9 is in no slot: the walk from staff 2 runs to the end of the order.
    FCGroup open;
    ASSERT_TRUE(open.Load(0, 2));
    EXPECT_EQ(open.CalcStaffSpan(), 0);
    EXPECT_EQ(open.CalcStaffIndex(4), 2);
    EXPECT_TRUE(open.ContainsStaff(5));
    EXPECT_FALSE(open.ContainsStaff(1));
}

TEST_F(Groups, AChangedStaffOrderIsTheOrderTheHostAndTheGroupsSee)
{
    workbench::Document& document = OpenOnly("<staff/><staff/><staff/><staff/><group first='1' last='2'/>");
    FCSystemStaves order;
    order.LoadAllForItem(0);
    ASSERT_EQ(order.GetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        order.GetItemAt(i)->SetStaff(static_cast<short>(4 - i));  // bottom to top
    }
    ASSERT_TRUE(order.SaveAllForItem(0));
    EXPECT_EQ(workbench::StaffOrder(document), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(FX_SlotToInst(1, 0, 0x0F000200), 4);
    EXPECT_EQ(FX_InstToSlot(1, 0, 0x0F000200), 4);
    FCGroup group;
    ASSERT_TRUE(group.Load(0, 1));
    EXPECT_EQ(group.CalcStaffSpan(), 0);  // staff 2 now stands above staff 1
    EXPECT_FALSE(order.GetItemAt(0)->LoadFirst());
    EXPECT_STREQ(order.GetItemAt(0)->ClassName(), "FCSystemStaff");
    EXPECT_STREQ(order.ClassName(), "FCSystemStaves");
}

TEST_F(Groups, NamesComeThroughTheirTextBlocks)
{
    OpenOnly(kSixStaves +
             "<group first='1' last='2' name='^font(Arial)^size(12)^nfx(0)Strings ^flat()' abbreviation='^nfx(1)Str.'/>"
             "<group first='3' last='4' name='Winds'/>");
    FCGroup strings;
    ASSERT_TRUE(strings.Load(0, 1));
    EXPECT_EQ(Text(strings.CreateFullNameString()), "^font(Arial)^size(12)^nfx(0)Strings ^flat()");
    EXPECT_EQ(Text(strings.CreateTrimmedFullNameString()), "Strings ^flat()");
    EXPECT_EQ(Text(strings.CreateAbbreviatedNameString()), "^nfx(1)Str.");
    FCGroup winds;
    ASSERT_TRUE(winds.Load(0, 2));
    TakeHostCalls();
    EXPECT_EQ(Text(winds.CreateAbbreviatedNameString()), "");
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_LoadEData SOTX 0.0.0.0 26"}));
}

TEST_F(Groups, NewNameBlocksAreTheGroupsToSaveAndARefusalChangesNothing)
{
    workbench::Document& document = OpenOnly(kSixStaves + "<staff name='Flute'/><group first='1' last='2' name='Old'/>");
    FCGroup group;
    ASSERT_TRUE(group.Load(0, 1));
    FCString brass("Brass");
    FCString abbreviation("Br.");
    ASSERT_TRUE(group.SaveNewFullNameBlock(&brass));
    ASSERT_TRUE(group.SaveNewAbbreviatedNameBlock(&abbreviation));
    EXPECT_EQ(group.GetFullNameID(), 3);
    EXPECT_EQ(group.GetAbbreviatedNameID(), 4);
    EXPECT_EQ(Text(group.CreateFullNameString()), "Brass");
    EXPECT_EQ(Text(group.CreateAbbreviatedNameString()), "Br.");
    const workbench::Bytes* block = document.records.Find(0x534F5458, workbench::RecordKey::FromNumbers(3));
    ASSERT_NE(block, nullptr);
    // Raw text 3 of kind "bl", 100 at 8, flags 0x1A08 at 14.
    EXPECT_EQ(*block, (workbench::Bytes{3, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0x08, 0x1A,
                                        0, 0, 0, 0, 0, 0, 0, 0, 0x6C, 0x62}));
    FCGroup stored;  // not saved yet
    ASSERT_TRUE(stored.Load(0, 1));
    EXPECT_EQ(Text(stored.CreateFullNameString()), "Old");

    // Once block 65534 exists the host refuses new blocks: the raw text made
    // for one goes again and the group keeps its name.
    workbench::Document& full =
        OpenOnly(kSixStaves + "<group first='1' last='2' name='Old'/>" + RecordElement("SOTX", "65534", {}));
    ASSERT_TRUE(group.Load(0, 1));
    const auto records = full.records.Records();
    EXPECT_FALSE(group.SaveNewFullNameBlock(&brass));
    EXPECT_FALSE(group.SaveNewAbbreviatedNameBlock(&brass));
    EXPECT_FALSE(group.SaveNewFullNameBlock(nullptr));
    EXPECT_EQ(group.GetFullNameID(), 1);
    EXPECT_EQ(group.GetAbbreviatedNameID(), 0);
    EXPECT_EQ(full.records.Records(), records);
}

TEST_F(Groups, RecordVersionFollowsTheRunningHostAndLoadFirstAsksForTheNext)
{
    OpenOnly(kSixStaves + "<group number='2' first='1' last='2'/><group number='5' first='3' last='3'/>");
    FCGroup group;
    SetFinaleFrameworkVersion(0x0FFFFFFF);
    TakeHostCalls();
    ASSERT_TRUE(group.LoadFirst());
    EXPECT_EQ(workbench::Workbench::Instance().Calls().back().version, 0x09000000u);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_NextEData SDNG 0.0.0.0 0", "FX_LoadEData SDNG 0.2.0.0 32"}));
    SetFinaleFrameworkVersion(0x10000000);
    ASSERT_TRUE(group.LoadNext());
    EXPECT_EQ(workbench::Workbench::Instance().Calls().back().version, 0x0F000200u);
    EXPECT_EQ(group.GetStartStaff(), 3);
    EXPECT_EQ(group.CalcStaffSpan(), 1);

    FCStaves staves;
    staves.LoadAll();
    ASSERT_EQ(staves.GetCount(), 6);
    EXPECT_EQ(staves.GetItemAt(5)->GetItemNo(), 6);
    EXPECT_STREQ(staves.ClassName(), "FCStaves");
}

}  // namespace

// The record families: the key each fills for loads, walks and creation,
// and the refusals that reach no host service.
#include <gtest/gtest.h>

#include "framework/data/cell.h"
#include "tests/framework/data/test_records.h"

namespace {

using test_records::CellNote;
using test_records::CellSingle;
using test_records::Global;
using test_records::Inci;
using test_records::Item;
using test_records::kCellTag;
using test_records::kGlobalTag;
using test_records::kInciTag;
using test_records::kItemTag;
using test_records::kPairTag;
using test_records::kSingleTag;
using test_records::Pair;
using test_records::PlainInci;
using test_records::RecordTest;
using Bytes = workbench::Bytes;
using Calls = std::vector<std::string>;

TEST_F(RecordTest, InciOtherIsNumberedByComparisonAndInci)
{
    Put(kInciTag, 7, 0, 0, Bytes(12, 0x70));
    Put(kInciTag, 7, 1, 0, Bytes(12, 0x71));
    Put(kInciTag, 9, 0, 0, Bytes(12, 0x90));
    Inci inci;
    EXPECT_STREQ(inci.ClassName(), "__FCOther");
    EXPECT_FALSE(inci.LoadFirst());
    EXPECT_FALSE(inci.SaveNew(7));  // holds nothing yet
    EXPECT_TRUE(TakeCalls().empty());

    ASSERT_TRUE(inci.Load(7, 1));
    EXPECT_EQ(inci.GetByte(0), 0x71);
    // The host's next record crosses comparison numbers.
    ASSERT_TRUE(inci.LoadNext());
    EXPECT_EQ(inci.GetByte(0), 0x90);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 7.1.0 12", "FX_NextEData 7.1.0 0", "FX_LoadEData 9.0.0 12"}));

    ASSERT_TRUE(inci.SaveNew(7));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_CreateEData 7.65535.0 12"}));
    EXPECT_EQ(inci._GetKeyNumber(0), 7);
    EXPECT_EQ(inci._GetKeyNumber(1), 2);  // the inci the host assigned
    ASSERT_NE(Find(kInciTag, 7, 2), nullptr);
    EXPECT_EQ(Find(kInciTag, 7, 2)->at(0), 0x90);
}

TEST_F(RecordTest, NoInciOtherIsNumberedByItemNumber)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 2, 0, 0, Bytes(12, 2));
    Item item;
    EXPECT_STREQ(item.ClassName(), "__FCNoInciOther");
    EXPECT_FALSE(item.SaveNew());  // never loaded
    EXPECT_TRUE(TakeCalls().empty());

    // The first record is item number 1, not 0.
    ASSERT_TRUE(item.LoadFirst());
    EXPECT_EQ(item.GetItemNo(), 1);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 1.0.0 12"}));

    item.SetByte(0, 0x33);
    ASSERT_TRUE(item.SaveAs(6));
    ASSERT_TRUE(item.DeepSaveAs(8));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_SaveEData 6.0.0 12", "FX_SaveEData 8.0.0 12"}));
    EXPECT_EQ(Find(kItemTag, 6)->at(0), 0x33);
    EXPECT_EQ(Find(kItemTag, 8)->at(0), 0x33);

    ASSERT_TRUE(item.SaveNew());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_CreateEData 65535.65535.0 12"}));
    EXPECT_EQ(item.GetItemNo(), 9);
    EXPECT_EQ(item._GetKeyNumber(1), 0);
    // The new record is under the key now.
    EXPECT_TRUE(item.DeleteData());
    EXPECT_EQ(Find(kItemTag, 9), nullptr);

    item._SetKeyNumber(0, 0x8001);
    EXPECT_EQ(item.GetItemNo(), -32767);
}

TEST_F(RecordTest, NoInciDetailIsNumberedByTwoComparisonNumbers)
{
    Put(kPairTag, 3, 4, 0, Bytes{1, 2, 3, 4, 5, 6});
    Pair pair;
    EXPECT_STREQ(pair.ClassName(), "__FCBaseData");
    EXPECT_FALSE(pair.LoadFirst());
    EXPECT_FALSE(pair.SaveNew(3));
    EXPECT_TRUE(TakeCalls().empty());

    pair._SetKeyNumber(2, 9);  // left over from elsewhere: the load clears it
    ASSERT_TRUE(pair.Load(3, 4));
    ASSERT_TRUE(pair.SaveNew(3));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 3.4.0 6", "FX_CreateEData 3.65535.0 6"}));
    EXPECT_EQ(pair._GetKeyNumber(1), 5);
    EXPECT_EQ(*Find(kPairTag, 3, 5), (Bytes{1, 2, 3, 4, 5, 6}));
}

TEST_F(RecordTest, CellDetailWalksTheIncisOfItsCell)
{
    CellNote note;
    EXPECT_STREQ(note.ClassName(), "__FCCellDetail");
    EXPECT_EQ(note.GetConnectedCell(), nullptr);
    EXPECT_FALSE(note.LoadFirst());
    EXPECT_FALSE(note.SaveNew());
    EXPECT_TRUE(TakeCalls().empty());

    for (unsigned inci = 0; inci < 4; ++inci) {
        Put(kCellTag, 3, 5, inci, Bytes(8, static_cast<unsigned char>(0x50 + inci)));
    }
    Put(kCellTag, 3, 6, 0, Bytes(8, 0x60));  // the next measure's
    // The host receives the low 16 bits of the cell's numbers.
    FCCell cell(0x10005, 3);
    note.ConnectCell(&cell);
    EXPECT_EQ(note.GetConnectedCell(), &cell);
    ASSERT_TRUE(note.LoadFirst());
    EXPECT_EQ(note.GetByte(0), 0x50);
    EXPECT_TRUE(note.LoadNext());
    EXPECT_TRUE(note.LoadNext());
    EXPECT_TRUE(note.LoadNext());
    EXPECT_EQ(note.GetByte(0), 0x53);
    EXPECT_FALSE(note.LoadNext());
    EXPECT_EQ(note._GetKeyNumber(2), 3);
    EXPECT_EQ(note.GetDataSize(), 0);
    // Its own incis, never the host's next record.
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 3.5.0 8", "FX_LoadEData 3.5.1 8", "FX_LoadEData 3.5.2 8",
                                  "FX_LoadEData 3.5.3 8", "FX_LoadEData 3.5.4 8"}));

    // An empty record is created too.
    CellNote empty;
    empty.ConnectCell(&cell);
    ASSERT_TRUE(empty.SaveNew());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_CreateEData 3.5.65535 0"}));
    EXPECT_EQ(empty._GetKeyNumber(2), 4);
    EXPECT_EQ(Find(kCellTag, 3, 5, 4)->size(), 0u);
}

TEST_F(RecordTest, NoInciCellDetailHasOneRecordPerCell)
{
    Put(kSingleTag, 2, 8, 0, Bytes{1, 2, 3, 4});
    Put(kSingleTag, 2, 8, 1, Bytes{5, 6, 7, 8});
    CellSingle single;
    EXPECT_STREQ(single.ClassName(), "__FCNoInciCellDetail");
    EXPECT_FALSE(single.LoadFirst());
    FCCell cell(8, 2);
    single.ConnectCell(&cell);
    ASSERT_TRUE(single.LoadFirst());
    EXPECT_FALSE(single.LoadNext());
    EXPECT_FALSE(single.SaveNew());
    EXPECT_EQ(single.GetDataSize(), 4);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 2.8.0 4"}));
}

TEST_F(RecordTest, InciAndGlobalsFillTheirKeys)
{
    Put(kInciTag, 4, 2, 0, Bytes{1, 2, 3, 4});
    PlainInci inci;
    ASSERT_TRUE(inci.Load(4, 2));
    EXPECT_FALSE(inci.Load(4, -1));

    Put(kGlobalTag, 0xFFFE, 0, 0, Bytes{9, 9, 9, 9});
    Global global;
    EXPECT_STREQ(global.ClassName(), "__FCBaseData");
    ASSERT_TRUE(global.Load(-2));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 4.2.0 4", "FX_LoadEData 4.65535.0 4", "FX_LoadEData 65534.0.0 4"}));
}

}  // namespace

// Record collections against the workbench: loads by every family that stop
// at the first failure, and the inci collection's delete, save and copy
// operations with the order of their host calls.
#include <gtest/gtest.h>

#include "framework/data/cell.h"
#include "framework/data/collection_data.h"
#include "tests/framework/data/test_records.h"

namespace {

using test_records::CellNote;
using test_records::Inci;
using test_records::Item;
using test_records::kCellTag;
using test_records::kInciTag;
using test_records::kItemTag;
using test_records::kPairTag;
using test_records::LiveCount;
using test_records::Pair;
using test_records::RecordTest;
using Bytes = workbench::Bytes;
using Calls = std::vector<std::string>;

class Items : public __FCCollectionNoInciOther {
public:
    __FCBaseData* CreateElement() override { return new Item; }
    Item* Get(int index) const { return static_cast<Item*>(GetItemAt(index)); }
};

class Incis : public __FCCollectionInciOther {
public:
    __FCBaseData* CreateElement() override { return new Inci; }
    Inci* Get(int index) const { return static_cast<Inci*>(GetItemAt(index)); }
};

class Pairs : public __FCCollectionNoInciDetail {
public:
    __FCBaseData* CreateElement() override { return new Pair; }
};

class CellNotes : public __FCCollectionCellDetail {
public:
    __FCBaseData* CreateElement() override { return new CellNote; }
    CellNote* Get(int index) const { return static_cast<CellNote*>(GetItemAt(index)); }
};

// An inci collection whose element class is of another family.
class Mismatched : public __FCCollectionInciOther {
public:
    __FCBaseData* CreateElement() override { return new Item; }
};

TEST_F(RecordTest, LoadAllWalksTheHostsOrderAndKeepsClones)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 2, 0, 0, Bytes(12, 2));
    Put(kItemTag, 5, 0, 0, Bytes(12, 5));
    Items items;
    EXPECT_STREQ(items.ClassName(), "__FCCollectionNoInciOther");
    items.LoadAll();
    ASSERT_EQ(items.GetCount(), 3);
    EXPECT_EQ(items.Get(2)->GetItemNo(), 5);
    EXPECT_EQ(items.Get(2)->GetByte(0), 5);
    EXPECT_EQ(LiveCount<Item>::alive, 3);  // the template is gone
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 1.0.0 12", "FX_NextEData 1.0.0 0", "FX_LoadEData 2.0.0 12",
                                  "FX_NextEData 2.0.0 0", "FX_LoadEData 5.0.0 12", "FX_NextEData 5.0.0 0"}));

    EXPECT_EQ(items.FindItemNo(2), items.Get(1));
    EXPECT_EQ(items.FindItemNo(3), nullptr);

    // The custom tag reaches the template and every clone.
    Put(0x6F745858, 1, 0, 0, Bytes(12, 0x58));
    items.SetCustomTag(0x6F745858);
    items.LoadAll();
    ASSERT_EQ(items.GetCount(), 1);
    EXPECT_EQ(items.Get(0)->GetCustomTag(), 0x6F745858u);
    EXPECT_EQ(items.Get(0)->GetByte(0), 0x58);
    EXPECT_EQ(LiveCount<Item>::alive, 1);

    // Without item number 1 there is no start.
    items.SetCustomTag(0x6F745859);
    Put(0x6F745859, 2, 0, 0, Bytes(12, 0x59));
    items.LoadAll();
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(LiveCount<Item>::alive, 0);
}

TEST_F(RecordTest, LoadAllForItemStopsAtTheFirstMissingInci)
{
    Put(kInciTag, 7, 0, 0, Bytes(12, 0x70));
    Put(kInciTag, 7, 1, 0, Bytes(12, 0x71));
    Put(kInciTag, 7, 3, 0, Bytes(12, 0x73));
    Put(kInciTag, 8, 0, 0, Bytes(12, 0x80));
    Incis incis;
    EXPECT_STREQ(incis.ClassName(), "__FCCollectionInciOther");
    incis.LoadAllForItem(7);
    ASSERT_EQ(incis.GetCount(), 2);
    EXPECT_EQ(incis.Get(1)->GetByte(0), 0x71);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 7.0.0 12", "FX_LoadEData 7.1.0 12", "FX_LoadEData 7.2.0 12"}));
    EXPECT_EQ(incis.FindItemNo(7, 1), incis.Get(1));
    EXPECT_EQ(incis.FindItemNo(7, 3), nullptr);
    EXPECT_EQ(incis.FindItemNo(8, 0), nullptr);

    incis.LoadAllForItem(9);
    EXPECT_EQ(incis.GetCount(), 0);
    EXPECT_EQ(LiveCount<Inci>::alive, 0);

    // The LoadFirst of the family refuses, so LoadAll finds nothing.
    incis.LoadAll();
    EXPECT_EQ(incis.GetCount(), 0);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 9.0.0 12"}));
}

TEST_F(RecordTest, DeleteDataForItemDeletesTheHighestInciFirst)
{
    for (unsigned inci = 0; inci < 3; ++inci) {
        Put(kInciTag, 4, inci, 0, Bytes(12, 1));
    }
    Put(kInciTag, 5, 0, 0, Bytes(12, 1));
    Incis incis;
    ASSERT_TRUE(incis.DeleteDataForItem(4));
    std::vector<std::string> deletes;
    for (const std::string& call : TakeCalls()) {
        if (call.rfind("FX_DeleteEData", 0) == 0) {
            deletes.push_back(call);
        }
    }
    EXPECT_EQ(deletes, (Calls{"FX_DeleteEData 4.2.0 0", "FX_DeleteEData 4.1.0 0", "FX_DeleteEData 4.0.0 0"}));
    EXPECT_EQ(Find(kInciTag, 4, 0), nullptr);
    EXPECT_NE(Find(kInciTag, 5, 0), nullptr);

    EXPECT_TRUE(incis.DeleteDataForItem(4));  // none left
    Mismatched mismatched;
    EXPECT_FALSE(mismatched.DeleteDataForItem(5));
    EXPECT_NE(Find(kInciTag, 5, 0), nullptr);
}

TEST_F(RecordTest, SaveAllForItemReplacesTheNumbersRecordsByTheElements)
{
    Put(kInciTag, 2, 0, 0, Bytes(12, 0x20));
    Put(kInciTag, 2, 1, 0, Bytes(12, 0x21));
    for (unsigned inci = 0; inci < 3; ++inci) {
        Put(kInciTag, 6, inci, 0, Bytes(12, 0x60));
    }
    Incis incis;
    incis.LoadAllForItem(2);
    ASSERT_EQ(incis.GetCount(), 2);
    TakeCalls();
    ASSERT_TRUE(incis.SaveAllForItem(6));
    Calls calls = TakeCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], "FX_CreateEData 6.65535.0 12");
    EXPECT_EQ(calls.back(), "FX_CreateEData 6.65535.0 12");
    EXPECT_EQ(Find(kInciTag, 6, 0)->at(0), 0x20);
    EXPECT_EQ(Find(kInciTag, 6, 1)->at(0), 0x21);
    EXPECT_EQ(Find(kInciTag, 6, 2), nullptr);
    EXPECT_EQ(incis.Get(1)->_GetKeyNumber(1), 1);  // the inci the host gave

    // An element of another family ends the save with false, before the
    // host's records are deleted.
    incis.Add(new Item);
    EXPECT_FALSE(incis.SaveAllForItem(6));
    EXPECT_EQ(Find(kInciTag, 6, 1)->at(0), 0x21);
}

TEST_F(RecordTest, SaveDataAsCopiesTheSourceAndDropsTheTargetsSurplus)
{
    for (unsigned inci = 0; inci < 2; ++inci) {
        Put(kInciTag, 1, inci, 0, Bytes(12, static_cast<unsigned char>(0x10 + inci)));
    }
    for (unsigned inci = 0; inci < 4; ++inci) {
        Put(kInciTag, 3, inci, 0, Bytes(12, 0x30));
    }
    Incis incis;
    EXPECT_FALSE(incis.SaveDataAs(9, 3));  // no source
    EXPECT_EQ(Find(kInciTag, 3, 3)->at(0), 0x30);
    TakeCalls();

    ASSERT_TRUE(incis.SaveDataAs(1, 3));
    Calls saves_and_deletes;
    for (const std::string& call : TakeCalls()) {
        if (call.rfind("FX_LoadEData", 0) != 0) {
            saves_and_deletes.push_back(call);
        }
    }
    EXPECT_EQ(saves_and_deletes, (Calls{"FX_SaveEData 3.0.0 12", "FX_SaveEData 3.1.0 12", "FX_DeleteEData 3.3.0 0",
                                        "FX_DeleteEData 3.2.0 0"}));
    EXPECT_EQ(Find(kInciTag, 3, 0)->at(0), 0x10);
    EXPECT_EQ(Find(kInciTag, 3, 1)->at(0), 0x11);
    EXPECT_EQ(Find(kInciTag, 3, 2), nullptr);
    EXPECT_EQ(Find(kInciTag, 1, 1)->at(0), 0x11);
    EXPECT_EQ(incis.GetCount(), 0);  // the collection itself is not filled
}

TEST_F(RecordTest, NoInciDetailAndCellDetailCollectionsLoadTheirRuns)
{
    for (unsigned second : {2u, 3u, 4u, 6u}) {
        Put(kPairTag, 5, second, 0, Bytes(6, static_cast<unsigned char>(second)));
    }
    Pairs pairs;
    EXPECT_STREQ(pairs.ClassName(), "__FCCollectionNoInciDetail");
    pairs.LoadAllForItem(5, 2);
    EXPECT_EQ(pairs.GetCount(), 3);
    pairs.LoadAllForItem(5, 6);
    EXPECT_EQ(pairs.GetCount(), 1);
    pairs.LoadAllForItem(5, 0);
    EXPECT_EQ(pairs.GetCount(), 0);
    EXPECT_EQ(LiveCount<Pair>::alive, 0);

    for (unsigned inci = 0; inci < 3; ++inci) {
        Put(kCellTag, 2, 9, inci, Bytes(8, static_cast<unsigned char>(inci)));
    }
    Put(kCellTag, 2, 10, 0, Bytes(8, 9));
    FCCell cell(9, 2);
    CellNotes notes;
    EXPECT_STREQ(notes.ClassName(), "__FCCollectionCellDetail");
    notes.LoadAllForCell(&cell);
    ASSERT_EQ(notes.GetCount(), 3);
    EXPECT_EQ(notes.Get(2)->_GetKeyNumber(2), 2);
    EXPECT_EQ(notes.Get(2)->GetByte(0), 2);
    EXPECT_EQ(LiveCount<CellNote>::alive, 3);
    FCCell empty(11, 2);
    notes.LoadAllForCell(&empty);
    EXPECT_EQ(notes.GetCount(), 0);
    EXPECT_EQ(LiveCount<CellNote>::alive, 0);
}

}  // namespace

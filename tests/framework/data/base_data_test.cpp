// The root object and the data record: buffers of both kinds, clones,
// failed loads, hosts that report more than they copied, and the exact host
// calls of load, save, delete and walk.
#include <memory>

#include <gtest/gtest.h>

#include "tests/framework/data/test_records.h"

namespace {

using test_records::BoastingItem;
using test_records::Inci;
using test_records::Item;
using test_records::kItemTag;
using test_records::kTextTag;
using test_records::RecordTest;
using test_records::Text;
using Bytes = workbench::Bytes;
using Calls = std::vector<std::string>;

TEST(BaseObject, FlagHelpersSetAndClearOnlyTheMask)
{
    unsigned short word = 0x0001;
    __FCBase::Set16BitFlag(&word, 0x0004, true);
    EXPECT_EQ(word, 0x0005);
    word = 0x0005;
    __FCBase::Set16BitFlag(&word, 0x0004, false);
    EXPECT_EQ(word, 0x0001);
    unsigned long wide = 0x80000001;
    __FCBase::Set32BitFlag(&wide, 0x00010000, true);
    EXPECT_EQ(wide, 0x80010001u);
    __FCBase::Set32BitFlag(&wide, 0x80000000, false);
    EXPECT_EQ(wide, 0x00010001u);
}

TEST_F(RecordTest, NewRecordIsEmptyAndRefusesToSave)
{
    Item item;
    EXPECT_STREQ(item.ClassName(), "__FCNoInciOther");
    EXPECT_EQ(item.GetDataSize(), 0);
    EXPECT_EQ(item.DataSizeSave(), 0);
    EXPECT_EQ(item.GetCustomTag(), 0u);
    EXPECT_EQ(item.GetUserData(), nullptr);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(item._GetKey()[i], 0) << i;
    }
    EXPECT_EQ(item.EnigmaVersion(), 0x0F000200u);
    EXPECT_FALSE(item.IsDynamicSize());
    EXPECT_FALSE(item.Save());
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(RecordTest, FixedRecordLoadsIntoItsBlockAndSavesItBack)
{
    Put(kItemTag, 3, 0, 0, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Item item;
    ASSERT_TRUE(item.Load(3));
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_EQ(item.GetByte(0), 1);
    EXPECT_EQ(item.GetByte(11), 12);
    const auto& load = workbench::Workbench::Instance().Calls().at(0);
    EXPECT_EQ(load.tag, kItemTag);
    EXPECT_EQ(load.version, 0x0F000200u);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 3.0.0 12"}));

    item.SetByte(11, 99);
    EXPECT_TRUE(item.Save());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_SaveEData 3.0.0 12"}));
    EXPECT_EQ(*Find(kItemTag, 3), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 99}));
}

TEST_F(RecordTest, FailedLoadLeavesNothingToSave)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 7));
    Item item;
    ASSERT_TRUE(item.Load(1));
    EXPECT_FALSE(item.Load(2));
    EXPECT_EQ(item.GetDataSize(), 0);
    EXPECT_NE(item._GetBuffer(), nullptr);  // the block stays
    TakeCalls();
    EXPECT_FALSE(item.Save());
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(RecordTest, HostAnswerLargerThanTheBufferIsClampedToIt)
{
    Bytes twenty(20, 0x5A);
    twenty[11] = 0x11;
    twenty[12] = 0x22;
    Put(kItemTag, 4, 0, 0, twenty);
    Item item;
    ASSERT_TRUE(item.Load(4));
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_EQ(item.DataSizeSave(), 12);
    EXPECT_EQ(item.GetByte(11), 0x11);
    EXPECT_TRUE(item.Save());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 4.0.0 12", "FX_SaveEData 4.0.0 12"}));
    EXPECT_EQ(Find(kItemTag, 4)->size(), 12u);

    std::unique_ptr<__FCBaseData> clone(item.CreateClone());
    EXPECT_EQ(clone->GetDataSize(), 12);

    // A class that claims more than its block still saves only the block.
    BoastingItem boasting;
    ASSERT_TRUE(boasting.Load(4));
    EXPECT_TRUE(boasting.Save());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 4.0.0 12", "FX_SaveEData 4.0.0 12"}));
}

TEST_F(RecordTest, DynamicRecordStartsEveryLoadFromABufferTheHostSized)
{
    Put(kTextTag, 2, 0, 0, Bytes{'D', 'r', 'u', 'm', 's', 0});
    Text text;
    EXPECT_TRUE(text.IsDynamicSize());
    ASSERT_TRUE(text.Load(2));
    EXPECT_EQ(text.GetDataSize(), 6);
    EXPECT_EQ(text._GetBuffer()[4], 's');
    // Two size questions (one sizes the buffer), then the load itself.
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 2.0.0 0", "FX_LoadEData 2.0.0 0", "FX_LoadEData 2.0.0 6"}));
    EXPECT_EQ(text.releases, 0);

    Put(kTextTag, 2, 0, 0, Bytes{'S', 'n', 'a', 'r', 'e', ' ', 'L', '1', 0});
    ASSERT_TRUE(text.Load(2));
    EXPECT_EQ(text.releases, 1);
    EXPECT_EQ(text.GetDataSize(), 9);
    EXPECT_EQ(text._GetBuffer()[7], '1');
    EXPECT_EQ(TakeCalls().back(), "FX_LoadEData 2.0.0 9");

    EXPECT_FALSE(text.Load(3));
    EXPECT_EQ(text.GetDataSize(), 0);
    EXPECT_FALSE(text.Save());
}

TEST_F(RecordTest, DynamicRecordAsksForNoMoreThanItsBufferHolds)
{
    Put(kTextTag, 2, 0, 0, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    // The buffer was sized by the first answer; the second says more.
    Text text;
    text.sizeAnswers = {4, 100};
    ASSERT_TRUE(text.Load(2));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 2.0.0 4"}));
    EXPECT_EQ(text.GetDataSize(), 4);
    EXPECT_TRUE(text.Save());
    EXPECT_EQ(TakeCalls(), (Calls{"FX_SaveEData 2.0.0 4"}));

    // The other way round the load asks for the smaller answer.
    Put(kTextTag, 2, 0, 0, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    text.sizeAnswers = {100, 6};
    ASSERT_TRUE(text.Load(2));
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 2.0.0 6"}));
    EXPECT_EQ(text.GetDataSize(), 6);
    EXPECT_EQ(text._GetBuffer()[5], 6);
}

TEST_F(RecordTest, ClonesCarryKeyCustomTagAndBytesButNotUserData)
{
    Put(kItemTag, 5, 0, 0, Bytes{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2});
    Item item;
    item.SetCustomTag(kItemTag);
    int owner = 0;
    item.SetUserData(&owner);
    ASSERT_TRUE(item.Load(5));
    std::unique_ptr<__FCBaseData> made(item.CreateClone());
    auto* clone = dynamic_cast<Item*>(made.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Tag(), kItemTag);
    EXPECT_EQ(clone->GetCustomTag(), kItemTag);
    EXPECT_EQ(clone->GetItemNo(), 5);
    EXPECT_EQ(clone->GetDataSize(), 12);
    EXPECT_EQ(clone->GetByte(0), 9);
    EXPECT_EQ(clone->GetByte(11), 2);
    EXPECT_NE(clone->_GetBuffer(), item._GetBuffer());
    EXPECT_EQ(clone->GetUserData(), nullptr);

    // A fixed record's clone holds its whole block, loaded or not.
    Item unloaded;
    unloaded.SetByte(3, 42);
    std::unique_ptr<Item> copy(static_cast<Item*>(unloaded.CreateClone()));
    EXPECT_EQ(copy->GetDataSize(), 12);
    EXPECT_EQ(copy->GetByte(3), 42);

    // Another class's record is not taken over: neither its bytes nor its key.
    Inci other;
    other._SetKeyNumber(0, 9);
    Item target;
    target.CloneFrom(&other);
    EXPECT_EQ(target.GetDataSize(), 0);
    EXPECT_EQ(target._GetKeyNumber(0), 0);

    // Cloning itself changes nothing.
    item.CloneFrom(&item);
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_EQ(item.GetByte(0), 9);
    EXPECT_EQ(TakeCalls().size(), 1u);
}

TEST_F(RecordTest, DynamicCloneCopiesOnlyWhatWasLoaded)
{
    Text empty;
    empty.SetCustomTag(0x12345678);
    empty._SetKeyNumber(0, 77);
    std::unique_ptr<__FCBaseData> blank(empty.CreateClone());
    EXPECT_EQ(blank->GetCustomTag(), 0x12345678u);
    EXPECT_EQ(blank->_GetKeyNumber(0), 77);
    EXPECT_EQ(blank->_GetBuffer(), nullptr);
    EXPECT_EQ(blank->GetDataSize(), 0);

    Put(kTextTag, 1, 0, 0, Bytes{'a', 'b', 'c', 0});
    Text text;
    ASSERT_TRUE(text.Load(1));
    std::unique_ptr<__FCBaseData> clone(text.CreateClone());
    EXPECT_EQ(clone->GetDataSize(), 4);
    EXPECT_NE(clone->_GetBuffer(), text._GetBuffer());
    EXPECT_EQ(clone->_GetBuffer()[2], 'c');
    // The clone's bytes are its own: the original's next load leaves them.
    Put(kTextTag, 1, 0, 0, Bytes{'x', 0});
    ASSERT_TRUE(text.Load(1));
    EXPECT_EQ(clone->_GetBuffer()[0], 'a');
    EXPECT_TRUE(clone->Save());
    EXPECT_EQ(*Find(kTextTag, 1), (Bytes{'a', 'b', 'c', 0}));
}

TEST_F(RecordTest, ClearDataReleasesTheBufferUntilTheNextLoad)
{
    Put(kTextTag, 1, 0, 0, Bytes{'a', 0});
    Text text;
    ASSERT_TRUE(text.Load(1));
    text.ClearData();
    EXPECT_EQ(text.releases, 1);
    EXPECT_EQ(text._GetBuffer(), nullptr);
    EXPECT_EQ(text.GetDataSize(), 0);

    Put(kItemTag, 1, 0, 0, Bytes(12, 3));
    Item item;
    ASSERT_TRUE(item.Load(1));
    item.ClearData();
    EXPECT_EQ(item._GetBuffer(), nullptr);
    EXPECT_FALSE(item.Save());
    ASSERT_TRUE(item.Load(1));
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_EQ(item.GetByte(5), 3);
}

TEST_F(RecordTest, DeleteAndLoadNextActOnTheCurrentKey)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 4, 0, 0, Bytes(12, 4));
    Item item;
    ASSERT_TRUE(item.Load(1));
    ASSERT_TRUE(item.LoadNext());
    EXPECT_EQ(item.GetItemNo(), 4);
    EXPECT_EQ(item.GetByte(0), 4);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_LoadEData 1.0.0 12", "FX_NextEData 1.0.0 0", "FX_LoadEData 4.0.0 12"}));

    // Past the last record: the key and the bytes stay.
    EXPECT_FALSE(item.LoadNext());
    EXPECT_EQ(item.GetItemNo(), 4);
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_EQ(TakeCalls(), (Calls{"FX_NextEData 4.0.0 0"}));

    EXPECT_TRUE(item.DeleteData());
    EXPECT_EQ(Find(kItemTag, 4), nullptr);
    EXPECT_EQ(item.GetDataSize(), 12);
    EXPECT_FALSE(item.DeepDeleteData());  // nothing left under the key
    EXPECT_EQ(TakeCalls(), (Calls{"FX_DeleteEData 4.0.0 0", "FX_DeleteEData 4.0.0 0"}));
}

TEST_F(RecordTest, KeyNumbersBeyondTheThirdAreNotTouched)
{
    Item item;
    item._SetKeyNumber(0, 0x1234);
    item._SetKeyNumber(2, 0xFFFF);
    item._SetKeyNumber(3, 0xABCD);
    item._SetKeyNumber(-1, 0xABCD);
    EXPECT_EQ(item._GetKey()[0], 0x34);
    EXPECT_EQ(item._GetKey()[1], 0x12);
    EXPECT_EQ(item._GetKey()[4], 0xFF);
    EXPECT_EQ(item._GetKey()[6], 0);
    EXPECT_EQ(item._GetKey()[7], 0);
    EXPECT_EQ(item._GetKeyNumber(2), 0xFFFF);
    EXPECT_EQ(item._GetKeyNumber(3), 0);
    EXPECT_EQ(item._GetKeyNumber(-1), 0);
}

}  // namespace

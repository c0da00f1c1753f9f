// The workbench's document store and its record services.
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "workbench/document_store.h"
#include "workbench/host_services.h"
#include "workbench/workbench.h"

namespace {

using workbench::Bytes;
using workbench::DocumentStore;
using workbench::RecordKey;

constexpr unsigned long kTag = 0x534F4953;

TEST(DocumentStore, LoadAsksForTheSizeOrCopiesNoMoreThanTheCapacity)
{
    DocumentStore store;
    store.Put(kTag, RecordKey::FromNumbers(1), Bytes{1, 2, 3, 4, 5, 6});

    long size = 0;
    EXPECT_TRUE(store.Load(kTag, RecordKey::FromNumbers(1), nullptr, &size));
    EXPECT_EQ(size, 6);

    unsigned char buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    size = 4;
    EXPECT_TRUE(store.Load(kTag, RecordKey::FromNumbers(1), buffer, &size));
    EXPECT_EQ(size, 6);  // the record's size, not what was copied
    EXPECT_EQ(buffer[3], 4);
    EXPECT_EQ(buffer[4], 0xEE);

    size = 8;
    EXPECT_FALSE(store.Load(kTag, RecordKey::FromNumbers(2), buffer, &size));
    EXPECT_FALSE(store.Load(kTag + 1, RecordKey::FromNumbers(1), buffer, &size));
    EXPECT_EQ(size, 8);
}

TEST(DocumentStore, SaveCreatesOrReplacesAndDeleteRemoves)
{
    DocumentStore store;
    unsigned char first[3] = {1, 2, 3};
    unsigned char second[2] = {9, 8};
    EXPECT_TRUE(store.Save(kTag, RecordKey::FromNumbers(4, 1), first, 3));
    EXPECT_TRUE(store.Save(kTag, RecordKey::FromNumbers(4, 1), second, 2));
    ASSERT_NE(store.Find(kTag, RecordKey::FromNumbers(4, 1)), nullptr);
    EXPECT_EQ(*store.Find(kTag, RecordKey::FromNumbers(4, 1)), (Bytes{9, 8}));
    EXPECT_FALSE(store.Save(kTag, RecordKey::FromNumbers(5), nullptr, 2));

    EXPECT_TRUE(store.Delete(kTag, RecordKey::FromNumbers(4, 1)));
    EXPECT_FALSE(store.Delete(kTag, RecordKey::FromNumbers(4, 1)));
    EXPECT_EQ(store.Find(kTag, RecordKey::FromNumbers(4, 1)), nullptr);
}

TEST(DocumentStore, CreateFillsPlaceholdersWithTheNextFreeNumber)
{
    DocumentStore store;
    unsigned char data[2] = {7, 7};

    RecordKey item = RecordKey::FromNumbers(0xFFFF, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &item, data, 2));
    EXPECT_EQ(item.Number(0), 1u);  // item numbers start at 1
    EXPECT_EQ(item.Number(1), 0u);
    item = RecordKey::FromNumbers(0xFFFF, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &item, data, 2));
    EXPECT_EQ(item.Number(0), 2u);

    // Incis count from 0 under the fixed comparison number.
    store.Put(kTag, RecordKey::FromNumbers(9, 0), Bytes{1});
    store.Put(kTag, RecordKey::FromNumbers(9, 1), Bytes{1});
    store.Put(kTag, RecordKey::FromNumbers(10, 5), Bytes{1});
    RecordKey inci = RecordKey::FromNumbers(9, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &inci, data, 2));
    EXPECT_EQ(inci.Number(1), 2u);
    inci = RecordKey::FromNumbers(11, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &inci, data, 2));
    EXPECT_EQ(inci.Number(1), 0u);

    // The third number of a cell's records.
    RecordKey cell = RecordKey::FromNumbers(3, 2, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag + 1, &cell, data, 2));
    EXPECT_EQ(cell.Number(2), 0u);
    EXPECT_EQ(cell.Number(0), 3u);
}

TEST(DocumentStore, CreateTakesTheHighestNumberOfItsOwnRecordsOnly)
{
    DocumentStore store;
    unsigned char data[1] = {7};
    for (unsigned item = 1; item <= 300; ++item) {
        store.Put(kTag, RecordKey::FromNumbers(item, item % 4), Bytes{1});
    }
    // Placeholders kept as they are and other tags do not count.
    store.Put(kTag, RecordKey::FromNumbers(0xFFFF, 2), Bytes{1});
    store.Put(kTag, RecordKey::FromNumbers(7, 0xFFFF), Bytes{1});
    store.Put(kTag + 1, RecordKey::FromNumbers(900), Bytes{1});
    store.Put(kTag - 1, RecordKey::FromNumbers(800), Bytes{1});
    RecordKey item = RecordKey::FromNumbers(0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &item, data, 1));
    EXPECT_EQ(item.Number(0), 301u);
    RecordKey inci = RecordKey::FromNumbers(7, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &inci, data, 1));
    EXPECT_EQ(inci.Number(1), 4u);
    RecordKey cell = RecordKey::FromNumbers(7, 3, 0xFFFF);
    ASSERT_TRUE(store.Create(kTag, &cell, data, 1));
    EXPECT_EQ(cell.Number(2), 1u);

    // No number is left after 0xFFFE.
    store.Put(kTag, RecordKey::FromNumbers(0xFFFE), Bytes{1});
    item = RecordKey::FromNumbers(0xFFFF);
    EXPECT_FALSE(store.Create(kTag, &item, data, 1));
}

TEST(DocumentStore, NextAndPreviousWalkATagInKeyOrder)
{
    DocumentStore store;
    store.Put(kTag, RecordKey::FromNumbers(2, 0), Bytes{2});
    store.Put(kTag, RecordKey::FromNumbers(1, 5), Bytes{1});
    store.Put(kTag, RecordKey::FromNumbers(0x8000, 0), Bytes{3});  // unsigned order
    store.Put(kTag, RecordKey::FromNumbers(1, 0, 1), Bytes{0});
    store.Put(kTag + 1, RecordKey::FromNumbers(1), Bytes{9});

    RecordKey key = RecordKey::FromNumbers(0);
    std::vector<unsigned> seen;
    while (store.Next(kTag, &key)) {
        seen.push_back(key.Number(0) * 100 + key.Number(1) * 10 + key.Number(2));
    }
    EXPECT_EQ(seen, (std::vector<unsigned>{1 * 100 + 1, 1 * 100 + 50, 200, 0x8000u * 100}));
    EXPECT_EQ(key.Number(0), 0x8000u);  // a failed step leaves the key

    ASSERT_TRUE(store.Previous(kTag, &key));
    EXPECT_EQ(key.Number(0), 2u);
    key = RecordKey::FromNumbers(1, 0, 1);
    EXPECT_FALSE(store.Previous(kTag, &key));
}

TEST(DocumentStore, ObserverSeesEveryChangeWithTheRecordBefore)
{
    DocumentStore store;
    std::vector<bool> existed;
    store.SetChangeObserver([&](const workbench::RecordId&, const Bytes* before) {
        existed.push_back(before != nullptr);
    });
    unsigned char data[1] = {1};
    store.Save(kTag, RecordKey::FromNumbers(1), data, 1);
    store.Save(kTag, RecordKey::FromNumbers(1), data, 1);
    RecordKey key = RecordKey::FromNumbers(0xFFFF);
    store.Create(kTag, &key, data, 1);
    store.Delete(kTag, RecordKey::FromNumbers(1));
    store.Put(kTag, RecordKey::FromNumbers(7), Bytes{1});
    EXPECT_EQ(existed, (std::vector<bool>{false, true, false, true}));
}

TEST(RecordServices, WorkOnTheCurrentDocumentAndLogEveryCall)
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.CloseAll();
    unsigned char key[8] = {1, 0};
    long size = 0;
    EXPECT_EQ(HostLoadEData(kTag, key, nullptr, &size, 0x0F000000), 0);  // no document

    auto document = std::make_unique<workbench::Document>();
    document->records.Put(kTag, RecordKey::FromNumbers(1), Bytes(114, 0x11));
    host.Open(std::move(document));
    host.ClearCalls();

    unsigned char buffer[114];
    size = sizeof buffer;
    EXPECT_EQ(HostLoadEData(kTag, key, buffer, &size, 0x0F000000), 1);
    EXPECT_EQ(size, 114);
    EXPECT_EQ(buffer[113], 0x11);

    unsigned char created[8] = {0xFF, 0xFF, 0, 0};
    EXPECT_EQ(HostCreateEData(kTag, created, buffer, 10, 0x0F000000), 1);
    EXPECT_EQ(created[0], 2);

    unsigned char walk[8] = {};
    EXPECT_EQ(HostNextEData(kTag, walk, nullptr, nullptr, 0x0F000000), 1);
    EXPECT_EQ(walk[0], 1);
    EXPECT_EQ(HostDeleteEData(kTag, walk, 0x0F000000), 1);
    EXPECT_EQ(HostPreviousEData(kTag, created, nullptr, nullptr, 0x0F000000), 0);

    ASSERT_EQ(host.Calls().size(), 5u);
    EXPECT_STREQ(host.Calls()[0].service, "FX_LoadEData");
    EXPECT_EQ(host.Calls()[0].size, 114);
    EXPECT_EQ(host.Calls()[0].version, 0x0F000000u);
    EXPECT_STREQ(host.Calls()[1].service, "FX_CreateEData");
    EXPECT_EQ(host.Calls()[1].key.Number(0), 0xFFFFu);
    host.CloseAll();
}

}  // namespace

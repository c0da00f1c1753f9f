// Browsers: the order of the handler's callbacks, walks stopped early, the
// record a search hands over, and the item-number browser.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/browsers.h"
#include "tests/framework/data/test_records.h"

namespace {

using test_records::Item;
using test_records::kItemTag;
using test_records::LiveCount;
using test_records::RecordTest;
using Bytes = workbench::Bytes;
using Steps = std::vector<std::string>;

class ItemBrowser : public __FCBrowserNoInciOther {
public:
    __FCBaseData* CreateElement() override { return new Item; }
};

// Writes down every callback; Iterate says false at item `stopAt`, Match
// true at item `wanted`.
class Journal : public FCIteratorHandler {
public:
    bool Iterate(__FCBase* element) override
    {
        int item = static_cast<Item*>(element)->GetItemNo();
        steps.push_back("Iterate " + std::to_string(item));
        return item != stopAt;
    }
    bool Match(__FCBase* element) override
    {
        int item = static_cast<Item*>(element)->GetItemNo();
        steps.push_back("Match " + std::to_string(item));
        return item == wanted;
    }
    bool PreProcess() override
    {
        steps.push_back("PreProcess");
        return preProcess;
    }
    bool PreProcessIfExist() override
    {
        steps.push_back("PreProcessIfExist");
        return preProcessIfExist;
    }
    void PostProcess() override { steps.push_back("PostProcess"); }
    void PostProcessIfExist() override { steps.push_back("PostProcessIfExist"); }

    Steps steps;
    int stopAt = -1;
    int wanted = -1;
    bool preProcess = true;
    bool preProcessIfExist = true;
};

TEST_F(RecordTest, BrowserForEachVisitsEveryRecordBetweenItsCallbacks)
{
    ItemBrowser browser;
    EXPECT_STREQ(browser.ClassName(), "__FCBrowserNoInciOther");
    Journal nothing;
    EXPECT_EQ(browser.ForEach(&nothing), 0);
    EXPECT_EQ(nothing.steps, (Steps{"PreProcess", "PostProcess"}));

    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 2, 0, 0, Bytes(12, 2));
    Put(kItemTag, 4, 0, 0, Bytes(12, 4));
    Journal all;
    EXPECT_EQ(browser.ForEach(&all), 3);
    EXPECT_EQ(all.steps, (Steps{"PreProcess", "PreProcessIfExist", "Iterate 1", "Iterate 2", "Iterate 4",
                                "PostProcessIfExist", "PostProcess"}));
    EXPECT_EQ(LiveCount<Item>::alive, 0);

    Journal stopping;
    stopping.stopAt = 2;
    EXPECT_EQ(browser.ForEach(&stopping), 1);
    EXPECT_EQ(stopping.steps, (Steps{"PreProcess", "PreProcessIfExist", "Iterate 1", "Iterate 2",
                                     "PostProcessIfExist", "PostProcess"}));

    Journal refusing;
    refusing.preProcess = false;
    TakeCalls();
    EXPECT_EQ(browser.ForEach(&refusing), 0);
    EXPECT_EQ(refusing.steps, (Steps{"PreProcess"}));
    EXPECT_TRUE(TakeCalls().empty());

    Journal unwilling;
    unwilling.preProcessIfExist = false;
    EXPECT_EQ(browser.ForEach(&unwilling), 0);
    EXPECT_EQ(unwilling.steps, (Steps{"PreProcess", "PreProcessIfExist", "PostProcess"}));
}

TEST_F(RecordTest, BrowserFindFirstHandsTheMatchingRecordToTheCaller)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 3, 0, 0, Bytes(12, 3));
    Put(kItemTag, 5, 0, 0, Bytes(12, 5));
    ItemBrowser browser;
    Journal search;
    search.wanted = 3;
    std::unique_ptr<__FCBase> found(browser.FindFirst(&search));
    ASSERT_NE(found, nullptr);
    auto* item = static_cast<Item*>(found.get());
    EXPECT_EQ(item->GetItemNo(), 3);
    EXPECT_EQ(item->GetByte(0), 3);
    EXPECT_EQ(search.steps, (Steps{"PreProcess", "PreProcessIfExist", "Match 1", "Match 3", "PostProcessIfExist"}));
    found.reset();

    Journal miss;
    miss.wanted = 4;
    EXPECT_EQ(browser.FindFirst(&miss), nullptr);
    EXPECT_EQ(miss.steps,
              (Steps{"PreProcess", "PreProcessIfExist", "Match 1", "Match 3", "Match 5", "PostProcess"}));
    EXPECT_EQ(LiveCount<Item>::alive, 0);
}

TEST_F(RecordTest, ItemBrowserLoadsByNumberWalksToTheEndAndCounts)
{
    Put(kItemTag, 1, 0, 0, Bytes(12, 1));
    Put(kItemTag, 2, 0, 0, Bytes(12, 2));
    Put(kItemTag, 7, 0, 0, Bytes(12, 7));
    ItemBrowser browser;
    std::unique_ptr<__FCNoInciOther> seven(browser.CreateLoadedElement(7));
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(static_cast<Item*>(seven.get())->GetByte(0), 7);
    EXPECT_EQ(browser.CreateLoadedElement(3), nullptr);
    EXPECT_EQ(LiveCount<Item>::alive, 1);
    seven.reset();

    Journal fromTwo;
    EXPECT_EQ(browser.ToEndFrom(2, &fromTwo), 2);
    EXPECT_EQ(fromTwo.steps, (Steps{"PreProcess", "PreProcessIfExist", "Iterate 2", "Iterate 7",
                                    "PostProcessIfExist", "PostProcess"}));
    Journal fromMissing;
    EXPECT_EQ(browser.ToEndFrom(5, &fromMissing), 0);
    EXPECT_EQ(fromMissing.steps, (Steps{"PreProcess", "PostProcess"}));

    EXPECT_EQ(browser.GetCount(), 3);
    _document->records.Delete(kItemTag, workbench::RecordKey::FromNumbers(1));
    EXPECT_EQ(browser.GetCount(), 0);  // counting starts at item number 1
    EXPECT_EQ(LiveCount<Item>::alive, 0);
}

}  // namespace

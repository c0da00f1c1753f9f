// Edit blocks of the workbench: cancelled blocks put the document back as it
// was, ended ones mark it changed and become undo steps, blocks nest.
#include <gtest/gtest.h>

#include "tests/workbench/test_documents.h"
#include "workbench/host_services.h"

namespace {

using workbench::Bytes;
using workbench::Document;
using workbench::RecordKey;

constexpr unsigned long kTag = 0x61626364;
constexpr long kVersion = 0x0F000200;

Document& OpenWithRecords()
{
    return OpenOnly("<record tag='abcd' key='1'>01 02</record>"
                    "<record tag='abcd' key='2'>03</record>"
                    "<record tag='abcd' key='3'>04</record>");
}

short Save(unsigned key, std::initializer_list<unsigned char> bytes)
{
    unsigned char keyBytes[8] = {static_cast<unsigned char>(key)};
    Bytes data(bytes);
    return HostSaveEData(kTag, keyBytes, data.data(), static_cast<long>(data.size()), kVersion);
}

short Delete(unsigned key)
{
    unsigned char keyBytes[8] = {static_cast<unsigned char>(key)};
    return HostDeleteEData(kTag, keyBytes, kVersion);
}

TEST(EditJournal, CancelLeavesTheDocumentExactlyAsBefore)
{
    Document& document = OpenWithRecords();
    const auto before = document.records.Records();

    EXPECT_EQ(HostStartFinaleEdit("Drumwell", kVersion), 1);
    EXPECT_EQ(Save(1, {9}), 1);
    EXPECT_EQ(Save(1, {8, 8, 8}), 1);
    EXPECT_EQ(Delete(2), 1);
    unsigned char created[8] = {0xFF, 0xFF};
    EXPECT_EQ(HostCreateEData(kTag, created, "\x05", 1, kVersion), 1);
    EXPECT_EQ(created[0], 4);
    EXPECT_NE(document.records.Records(), before);
    HostCancelFinaleEdit(kVersion);

    EXPECT_EQ(document.records.Records(), before);
    EXPECT_FALSE(document.changed);
    EXPECT_TRUE(document.undoSteps.empty());
    EXPECT_EQ(document.cancelledBlocks, (std::vector<std::string>{"Drumwell"}));
    EXPECT_EQ(workbench::Workbench::Instance().journal.Depth(), 0);
}

TEST(EditJournal, AnEndedBlockThatChangedSomethingIsAnUndoStep)
{
    Document& document = OpenWithRecords();
    const auto before = document.records.Records();

    EXPECT_EQ(HostStartFinaleEdit("Rename Staff", kVersion), 1);
    Save(1, {7});
    Delete(3);
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 1);
    EXPECT_TRUE(document.changed);
    ASSERT_EQ(document.undoSteps.size(), 1u);
    EXPECT_EQ(document.undoSteps[0].name, "Rename Staff");
    EXPECT_EQ(document.undoSteps[0].before.size(), 2u);
    EXPECT_EQ(*document.records.Find(kTag, RecordKey::FromNumbers(1)), (Bytes{7}));

    EXPECT_TRUE(workbench::Workbench::Instance().journal.Undo(&document));
    EXPECT_EQ(document.records.Records(), before);
    EXPECT_TRUE(document.undoSteps.empty());
    EXPECT_FALSE(workbench::Workbench::Instance().journal.Undo(&document));

    // Saving what is there already changes nothing: no step, not changed.
    Document& unchanged = OpenWithRecords();
    EXPECT_EQ(HostStartFinaleEdit("Same", kVersion), 1);
    Save(1, {1, 2});
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 1);
    EXPECT_EQ(HostStartFinaleEdit("Nothing", kVersion), 1);
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 1);
    EXPECT_FALSE(unchanged.changed);
    EXPECT_TRUE(unchanged.undoSteps.empty());
}

TEST(EditJournal, BlocksNest)
{
    Document& document = OpenWithRecords();
    const auto before = document.records.Records();

    // An inner cancel puts back only what the inner block did.
    HostStartFinaleEdit("Outer", kVersion);
    Save(1, {0x10});
    HostStartFinaleEdit("Inner", kVersion);
    Save(1, {0x11});
    Save(2, {0x20});
    HostCancelFinaleEdit(kVersion);
    EXPECT_EQ(*document.records.Find(kTag, RecordKey::FromNumbers(1)), (Bytes{0x10}));
    EXPECT_EQ(*document.records.Find(kTag, RecordKey::FromNumbers(2)), (Bytes{0x03}));
    EXPECT_EQ(workbench::Workbench::Instance().journal.Depth(), 1);
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 1);
    ASSERT_EQ(document.undoSteps.size(), 1u);
    EXPECT_EQ(document.undoSteps[0].name, "Outer");
    EXPECT_EQ(*document.undoSteps[0].before.begin()->second, (Bytes{0x01, 0x02}));
    EXPECT_EQ(document.endedBlocks, (std::vector<std::string>{"Outer"}));
    EXPECT_EQ(document.cancelledBlocks, (std::vector<std::string>{"Inner"}));

    // An inner end joins the outer block, which a cancel then undoes whole.
    Document& again = OpenWithRecords();
    HostStartFinaleEdit("Outer", kVersion);
    HostStartFinaleEdit("Inner", kVersion);
    Save(2, {0x21});
    Delete(3);
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 1);
    EXPECT_FALSE(again.changed);
    EXPECT_TRUE(again.undoSteps.empty());
    Save(1, {0x12});
    HostCancelFinaleEdit(kVersion);
    EXPECT_EQ(again.records.Records(), before);
    EXPECT_FALSE(again.changed);
    EXPECT_EQ(again.endedBlocks, (std::vector<std::string>{"Inner"}));
}

TEST(EditJournal, WithoutABlockOrADocument)
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.CloseAll();
    EXPECT_EQ(HostStartFinaleEdit("None", kVersion), 0);
    EXPECT_EQ(host.journal.Depth(), 0);
    EXPECT_EQ(HostEndFinaleEdit(kVersion), 0);

    Document& document = OpenWithRecords();
    HostCancelFinaleEdit(kVersion);  // nothing open: nothing happens
    EXPECT_FALSE(document.changed);
    // A change outside any block is a change that cannot be undone.
    Save(2, {0x30});
    EXPECT_TRUE(document.changed);
    EXPECT_TRUE(document.undoSteps.empty());
    host.CloseAll();
}

}  // namespace

// FCTextBlock against the workbench host: the defaults of a new block, its
// raw text read and written through the block's number and kind, and the
// deep delete that takes the raw text with it.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "framework/data/text_block.h"
#include "host/record_bytes.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Calls = std::vector<std::string>;

constexpr unsigned long kBlockTag = 0x534F5458;      // S, O, T, X
constexpr unsigned long kBlockTextTag = 0x7478626C;  // t, x, b, l

const Bytes kNewBlock = {0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0x08, 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

Bytes BytesOf(const __FCBaseData& record)
{
    const unsigned char* buffer = record._GetBuffer();
    return buffer == nullptr ? Bytes{} : Bytes(buffer, buffer + record.GetDataSize());
}

const Bytes* Stored(unsigned long tag, unsigned number)
{
    return workbench::Workbench::Instance().Current()->records.Find(tag, workbench::RecordKey::FromNumbers(number));
}

std::string TextOf(FCTextBlock* block)
{
    std::unique_ptr<FCString> text(block->CreateRawTextString());
    EXPECT_NE(text, nullptr);
    return text == nullptr ? "(null)" : text->GetCString();
}

class TextBlocks : public ::testing::Test {
protected:
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }
};

TEST_F(TextBlocks, ANewBlockCarriesTheHostsDefaultsAndSavesUnloaded)
{
    OpenOnly("");
    FCTextBlock prototype;
    std::unique_ptr<FCTextBlock> block = TakeRecordAs<FCTextBlock>(prototype.CreateObject());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetDataSize(), 26);
    EXPECT_EQ(BytesOf(*block), kNewBlock);
    EXPECT_TRUE(block->SaveAs(4));
    ASSERT_NE(Stored(kBlockTag, 4), nullptr);
    EXPECT_EQ(*Stored(kBlockTag, 4), kNewBlock);

    // A clone copies the loaded block, not the defaults of a new one.
    Bytes loaded(26, 0);
    WriteU16(loaded.data(), 0, 7);
    WriteU16(loaded.data(), 24, 0x6578);
    workbench::Workbench::Instance().Current()->records.Put(kBlockTag, workbench::RecordKey::FromNumbers(5), loaded);
    ASSERT_TRUE(block->Load(5));
    EXPECT_EQ(block->GetRawTextNumber(), 7);
    EXPECT_EQ(block->GetRawTextKind(), 0x6578);
    std::unique_ptr<FCTextBlock> clone = TakeRecordAs<FCTextBlock>(block->CreateClone());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(BytesOf(*clone), loaded);
    EXPECT_EQ(clone->GetItemNo(), 5);
}

TEST_F(TextBlocks, TheRawTextIsFoundByTheBlocksNumberAndKind)
{
    OpenOnly("<record tag='txex' key='3' text='Other kind'/>");
    std::unique_ptr<FCTextBlock> block = TakeRecordAs<FCTextBlock>(FCTextBlock().CreateObject());
    ASSERT_NE(block, nullptr);
    block->SetRawTextNumber(3);
    block->SetRawTextKind(0x626C);
    EXPECT_EQ(TextOf(block.get()), "");

    FCString snare("Snare");
    TakeHostCalls();
    EXPECT_TRUE(block->SaveRawTextString(&snare));
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_SaveEData txbl 3.0.0.0 6"}));
    ASSERT_NE(Stored(kBlockTextTag, 3), nullptr);
    EXPECT_EQ(*Stored(kBlockTextTag, 3), (Bytes{'S', 'n', 'a', 'r', 'e', 0}));
    EXPECT_EQ(TextOf(block.get()), "Snare");

    block->SetRawTextKind(0x6578);
    EXPECT_EQ(TextOf(block.get()), "Other kind");
    FCString tom("Tom");
    EXPECT_TRUE(block->SaveRawTextString(&tom));
    EXPECT_EQ(*Stored(0x74786578, 3), (Bytes{'T', 'o', 'm', 0}));
    EXPECT_EQ(*Stored(kBlockTextTag, 3), (Bytes{'S', 'n', 'a', 'r', 'e', 0}));
    EXPECT_FALSE(block->SaveRawTextString(nullptr));

    workbench::Workbench::Instance().CloseAll();
    EXPECT_FALSE(block->SaveRawTextString(&tom));
    EXPECT_EQ(TextOf(block.get()), "");
}

TEST_F(TextBlocks, DeepDeleteTakesTheRawTextAndThenTheBlock)
{
    Bytes block2(26, 0);
    WriteU16(block2.data(), 0, 3);
    WriteU16(block2.data(), 24, 0x626C);
    Bytes block4(26, 0);
    WriteU16(block4.data(), 0, 8);
    WriteU16(block4.data(), 24, 0x626C);
    OpenOnly(RecordElement("SOTX", "2", block2) + RecordElement("SOTX", "4", block4) +
             "<record tag='txbl' key='3' text='Ride'/><record tag='txbl' key='4' text='Crash'/>");
    FCTextBlock block;
    ASSERT_TRUE(block.Load(2));
    TakeHostCalls();
    EXPECT_TRUE(block.DeepDeleteData());
    Calls calls = TakeHostCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], "FX_DeleteEData txbl 3.0.0.0 0");
    EXPECT_EQ(calls.back(), "FX_DeleteEData SOTX 2.0.0.0 0");
    EXPECT_EQ(Stored(kBlockTextTag, 3), nullptr);
    EXPECT_EQ(Stored(kBlockTag, 2), nullptr);
    EXPECT_NE(Stored(kBlockTextTag, 4), nullptr);

    // Its raw text 8 is missing: the block goes all the same.
    ASSERT_TRUE(block.Load(4));
    TakeHostCalls();
    EXPECT_TRUE(block.DeepDeleteData());
    calls = TakeHostCalls();
    EXPECT_EQ(calls.back(), "FX_DeleteEData SOTX 4.0.0.0 0");
    for (const std::string& call : calls) {
        EXPECT_NE(call.rfind("FX_DeleteEData txbl", 0), 0u) << call;
    }
    EXPECT_EQ(Stored(kBlockTag, 4), nullptr);
    EXPECT_FALSE(block.DeepDeleteData());
}

}  // namespace

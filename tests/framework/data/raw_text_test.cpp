// FCRawText and __FCOtherText against the workbench host: texts set and read
// back, sizes as the host reports them, records without their NUL, saving
// under a number the host assigns.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/raw_text.h"
#include "framework/data/string.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Calls = std::vector<std::string>;

constexpr unsigned long kBlockTextTag = 0x7478626C;  // t, x, b, l

std::string TextOf(FCRawText* raw)
{
    std::unique_ptr<FCString> text(raw->CreateString());
    EXPECT_NE(text, nullptr);
    return text == nullptr ? "(null)" : text->GetCString();
}

Bytes BytesOf(const FCRawText& raw)
{
    const unsigned char* buffer = raw._GetBuffer();
    return buffer == nullptr ? Bytes{} : Bytes(buffer, buffer + raw.GetDataSize());
}

const Bytes* Stored(unsigned long tag, unsigned number)
{
    return workbench::Workbench::Instance().Current()->records.Find(tag, workbench::RecordKey::FromNumbers(number));
}

// Texts of a percussion layout's name kind, which names its own tag.
class LayoutNameText : public __FCOtherText {
public:
    unsigned long Tag() override { return 0x6F73444C; }
};

class RawTexts : public ::testing::Test {
protected:
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }
};

TEST_F(RawTexts, SetTextHoldsTheTextWithItsNul)
{
    FCRawText raw;
    EXPECT_EQ(TextOf(&raw), "");
    FCString drums("Drums");
    raw.SetText(&drums);
    EXPECT_EQ(raw.GetDataSize(), 6);
    EXPECT_EQ(BytesOf(raw), (Bytes{'D', 'r', 'u', 'm', 's', 0}));
    EXPECT_EQ(TextOf(&raw), "Drums");

    FCString kick("Kick Drum");
    raw.SetText(&kick);
    EXPECT_EQ(raw.GetDataSize(), 10);
    EXPECT_EQ(TextOf(&raw), "Kick Drum");
    FCString empty;
    raw.SetText(&empty);
    EXPECT_EQ(raw.GetDataSize(), 1);
    EXPECT_EQ(TextOf(&raw), "");
    // No string: nothing is held, so nothing can be saved.
    raw.SetText(&drums);
    raw.SetText(nullptr);
    EXPECT_EQ(raw.GetDataSize(), 0);
    EXPECT_EQ(TextOf(&raw), "");
}

TEST_F(RawTexts, SaveNewLetsTheHostNumberTheTextAndRefusesNothing)
{
    OpenOnly("<record tag='txbl' key='1' text='One'/><record tag='txbl' key='2' text='Two'/>");
    TakeHostCalls();
    FCRawText nothing;
    EXPECT_FALSE(nothing.SaveNew());
    FCString drums("Drums");
    nothing.SetText(&drums);
    nothing.SetText(nullptr);
    EXPECT_FALSE(nothing.SaveNew());
    EXPECT_EQ(TakeHostCalls(), Calls{});

    FCRawText raw;
    raw.SetText(&drums);
    EXPECT_TRUE(raw.SaveNew());
    EXPECT_EQ(raw.GetItemNo(), 3);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_CreateEData txbl 65535.0.0.0 6"}));
    ASSERT_NE(Stored(kBlockTextTag, 3), nullptr);
    EXPECT_EQ(*Stored(kBlockTextTag, 3), (Bytes{'D', 'r', 'u', 'm', 's', 0}));

    FCRawText custom;
    custom.SetCustomTag(0x74786578);
    custom.SetText(&drums);
    EXPECT_TRUE(custom.SaveNew());
    EXPECT_EQ(custom.GetItemNo(), 1);
    EXPECT_NE(Stored(0x74786578, 1), nullptr);

    workbench::Workbench::Instance().CloseAll();
    EXPECT_FALSE(raw.SaveNew());
}

TEST_F(RawTexts, LoadsTakeTheSizeTheHostReports)
{
    OpenOnly("<record tag='txbl' key='1' text='Hand Percussion'/>"
             "<record tag='txbl' key='4'>41 42 43</record>"
             "<record tag='txbl' key='5'>41 00 42 43</record>"
             "<record tag='txbl' key='6'></record>");
    FCRawText raw;
    EXPECT_EQ(raw.Tag(), kBlockTextTag);
    raw.SetRawTextNumber(1);
    EXPECT_EQ(raw.DataSizeLoad(), 16);
    ASSERT_TRUE(raw.Load(1));
    EXPECT_EQ(raw.GetDataSize(), 16);
    EXPECT_EQ(TextOf(&raw), "Hand Percussion");

    // Each load starts from a fresh buffer of the record's own size.
    ASSERT_TRUE(raw.Load(4));
    EXPECT_EQ(raw.GetDataSize(), 3);
    EXPECT_EQ(TextOf(&raw), "ABC");
    ASSERT_TRUE(raw.Load(5));
    EXPECT_EQ(TextOf(&raw), "A");
    EXPECT_TRUE(raw.Load(6));
    EXPECT_EQ(raw.GetDataSize(), 0);
    EXPECT_EQ(TextOf(&raw), "");

    EXPECT_FALSE(raw.Load(7));
    EXPECT_EQ(raw.GetDataSize(), 0);
    EXPECT_EQ(TextOf(&raw), "");
    EXPECT_EQ(raw.DataSizeLoad(), 0);
}

TEST_F(RawTexts, SaveAsAndLoadFirstUseTheNumberAtKeyOffsetZero)
{
    OpenOnly("<record tag='txbl' key='2' text='Second'/><record tag='txbl' key='6' text='Sixth'/>"
             "<record tag='osDL' key='3' text='Rock Kit'/>");
    FCRawText raw;
    FCString cowbell("Cowbell");
    raw.SetText(&cowbell);
    EXPECT_TRUE(raw.SaveAs(5));
    ASSERT_NE(Stored(kBlockTextTag, 5), nullptr);
    EXPECT_EQ(Stored(kBlockTextTag, 5)->size(), 8u);
    EXPECT_EQ(raw._GetKey()[0], 5);

    ASSERT_TRUE(raw.Load(6));
    TakeHostCalls();
    EXPECT_TRUE(raw.LoadFirst());
    EXPECT_EQ(raw.GetItemNo(), 2);
    EXPECT_EQ(TextOf(&raw), "Second");
    Calls calls = TakeHostCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "FX_NextEData txbl 0.0.0.0 0");

    LayoutNameText name;
    EXPECT_STREQ(name.ClassName(), "__FCOtherText");
    ASSERT_TRUE(name.Load(3));
    EXPECT_EQ(name.GetItemNo(), 3);
    EXPECT_EQ(TextOf(&name), "Rock Kit");
    EXPECT_FALSE(name.Load(2));
}

}  // namespace

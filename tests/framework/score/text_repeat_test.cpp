// FCTextRepeatDef, FCTextRepeatText, FCTextRepeat and FCPageText against the
// workbench host: definitions keep, copy and delete their texts, placed
// repeats find their definitions, page texts store new texts.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "framework/data/text_block.h"
#include "framework/score/page_text.h"
#include "framework/score/text_repeat.h"
#include "host/record_bytes.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using workbench::RecordKey;

std::string Text(FCString* made)
{
    std::unique_ptr<FCString> owned(made);
    return owned->GetCString();
}

bool Exists(unsigned long tag, unsigned a, unsigned b = 0)
{
    return workbench::Workbench::Instance().Current()->records.Contains(tag, RecordKey::FromNumbers(a, b));
}

constexpr unsigned long kDefinition = 0x534F5253;  // SORS
constexpr unsigned long kRepeatText = 0x6F735254;  // osRT

class TextRepeats : public ::testing::Test {
protected:
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }
};

TEST_F(TextRepeats, TheFirstDefinitionIsNumberOneWithAText)
{
    OpenOnly("<textRepeat number='1' text=''/><textRepeat number='2' text='Fine'/>");
    FCTextRepeatDef definition;
    EXPECT_FALSE(definition.LoadFirst());
    EXPECT_EQ(definition.GetItemNo(), 1);
    EXPECT_EQ(Text(definition.CreateTextString()), "");

    OpenOnly("<textRepeat number='1' text='D.C. al Fine'/>");
    EXPECT_TRUE(definition.LoadFirst());
    EXPECT_EQ(Text(definition.CreateTextString()), "D.C. al Fine");

    OpenOnly("<textRepeat number='2' text='Fine'/>");
    EXPECT_FALSE(definition.LoadFirst());
}

TEST_F(TextRepeats, DeepDeletionTakesTheTextAndNeedsNone)
{
    OpenOnly("<textRepeat number='2'/><textRepeat number='3' text='Coda'/>");
    FCTextRepeatDef bare;
    ASSERT_TRUE(bare.Load(2));
    EXPECT_FALSE(bare._DeleteText());
    EXPECT_TRUE(bare.DeepDeleteData());
    EXPECT_FALSE(Exists(kDefinition, 2));

    FCTextRepeatDef coda;
    ASSERT_TRUE(coda.Load(3));
    EXPECT_TRUE(coda.DeepDeleteData());
    EXPECT_FALSE(Exists(kDefinition, 3));
    EXPECT_FALSE(Exists(kRepeatText, 3));
    EXPECT_FALSE(coda.DeepDeleteData());  // nothing is left to delete
}

TEST_F(TextRepeats, DeepSaveAsGivesTheCopyATextOfItsOwn)
{
    OpenOnly("<textRepeat number='1' text='To Coda'/>");
    FCTextRepeatDef definition;
    ASSERT_TRUE(definition.Load(1));
    ASSERT_TRUE(definition.DeepSaveAs(9));
    EXPECT_EQ(definition.GetItemNo(), 9);
    EXPECT_TRUE(Exists(kDefinition, 1));
    EXPECT_TRUE(Exists(kDefinition, 9));
    EXPECT_TRUE(Exists(kRepeatText, 9));
    EXPECT_EQ(Text(definition.CreateTextString()), "To Coda");

    FCString changed("Segno");
    ASSERT_TRUE(definition._SaveTextAs(&changed, 9));
    FCTextRepeatDef original;
    ASSERT_TRUE(original.Load(1));
    EXPECT_EQ(Text(original.CreateTextString()), "To Coda");
    EXPECT_EQ(Text(definition.CreateTextString()), "Segno");
}

TEST_F(TextRepeats, PlacedRepeatsNameTheirDefinitions)
{
    OpenOnly("<measures count='3'/><textRepeat number='4' text='D.S.'/><textRepeat text='Fine'/>"
             "<placedTextRepeat measure='2' textRepeat='4'/><placedTextRepeat measure='2' textRepeat='4'/>");
    FCTextRepeat repeat;
    ASSERT_TRUE(repeat.Load(2, 1));
    EXPECT_EQ(repeat.GetTextRepeatDefID(), 4);
    std::unique_ptr<FCTextRepeatDef> definition(repeat.CreateTextRepeatDef());
    EXPECT_EQ(definition->GetItemNo(), 4);
    EXPECT_EQ(Text(definition->CreateTextString()), "D.S.");

    EXPECT_FALSE(repeat.AssignTextRepeatDef(nullptr));
    FCTextRepeatDef unnumbered;
    EXPECT_FALSE(repeat.AssignTextRepeatDef(&unnumbered));
    EXPECT_EQ(repeat.GetTextRepeatDefID(), 4);

    FCTextRepeatDef fine;
    ASSERT_TRUE(fine.Load(5));
    EXPECT_TRUE(repeat.AssignTextRepeatDef(&fine));
    ASSERT_TRUE(repeat.Save());
    const workbench::Bytes* stored =
        workbench::Workbench::Instance().Current()->records.Find(0x6F745250, RecordKey::FromNumbers(2, 1));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(ReadU16(stored->data(), 6), 5u);
    // Definition 6 does not exist: the new one comes back unloaded.
    repeat.SetTextRepeatDefID(6);
    std::unique_ptr<FCTextRepeatDef> missing(repeat.CreateTextRepeatDef());
    EXPECT_EQ(missing->GetDataSize(), 0);
}

TEST_F(TextRepeats, PageTextsStoreNewBlocksForTheirCallerToSave)
{
    workbench::Document& document = OpenOnly("<staff name='Oboe'/><pageText page='2' text='^title()'/>");
    FCPageText page;
    ASSERT_TRUE(page.Load(2, 0));
    EXPECT_EQ(page.GetTextBlockID(), 2);
    EXPECT_EQ(Text(FCTextBlock::CreateTextStringOfBlock(page.GetTextBlockID())), "^title()");

    FCString footer("Page ^page(0)");
    ASSERT_TRUE(page.SaveNewTextBlock(&footer));
    EXPECT_EQ(page.GetTextBlockID(), 3);
    EXPECT_EQ(Text(FCTextBlock::CreateTextStringOfBlock(3)), "Page ^page(0)");
    const workbench::Bytes* stored = document.records.Find(0x6F745054, RecordKey::FromNumbers(2, 0));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(ReadU16(stored->data(), 0), 2u);  // until the page text is saved
    ASSERT_TRUE(page.Save());
    EXPECT_EQ(ReadU16(document.records.Find(0x6F745054, RecordKey::FromNumbers(2, 0))->data(), 0), 3u);

    // No raw text number is left for a new text: nothing changes.
    OpenOnly("<pageText text='A'/><record tag='txbl' key='65534' text='last'/>");
    ASSERT_TRUE(page.Load(1, 0));
    EXPECT_FALSE(page.SaveNewTextBlock(&footer));
    EXPECT_EQ(page.GetTextBlockID(), 1);
    EXPECT_FALSE(Exists(0x534F5458, 2));
}

}  // namespace

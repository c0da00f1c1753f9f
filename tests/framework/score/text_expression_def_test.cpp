// FCTextExpressionDef, FCCategoryDef and the definition side of FCExpression
// against the workbench host: buffer sizes and descriptions, rehearsal marks
// in every style, deep copies with texts of their own, categories, and the
// walk by item numbers.
#include <memory>
#include <string>

#include "framework/data/string.h"
#include "framework/score/category_def.h"
#include "framework/score/enclosure.h"
#include "framework/score/expression.h"
#include "framework/score/text_expression_def.h"
#include "tests/framework/score/score_documents.h"
#include "tests/support/host_calls.h"

namespace {

constexpr unsigned long kVersion = 0x10000000;
constexpr unsigned long kDefinitionTag = 0x534F4454;

std::string TextOf(FCTextExpressionDef& definition)
{
    std::unique_ptr<FCString> text(definition.CreateTextString());
    return text->GetCString();
}

using TextExpressions = ScoreDocument;

TEST_F(TextExpressions, DefinitionsSaveTheFixedPartAndTheirDescription)
{
    OpenAs(kVersion, "<textExpression text='f'/>"
                     "<textExpression text='Allegro' description='Fast'/>" +
                         RecordElement("SODT", "3", std::vector<unsigned char>(20, 0)));
    FCTextExpressionDef fresh;
    EXPECT_EQ(fresh.DataSizeSave(), 36);
    FCString description("Allegro");
    fresh.SetDescription(&description);
    EXPECT_EQ(fresh.DataSizeSave(), 43);
    FCString read;
    fresh.GetDescription(&read);
    EXPECT_STREQ(read.GetCString(), "Allegro");
    ASSERT_TRUE(fresh.SaveAs(4));
    EXPECT_EQ(HostRecord(kDefinitionTag, 4).size(), 43u);

    FCTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(2));
    EXPECT_EQ(definition.DataSizeLoad(), 40);
    EXPECT_EQ(definition.DataSizeSave(), 40);
    definition.GetDescription(&read);
    EXPECT_STREQ(read.GetCString(), "Fast");
    EXPECT_EQ(TextOf(definition), "Allegro");
    ASSERT_TRUE(definition.Load(1));
    EXPECT_EQ(definition.DataSizeSave(), 36);
    EXPECT_EQ(TextOf(definition), "f");
    // A record shorter than the fixed part loads into the fixed part.
    ASSERT_TRUE(definition.Load(3));
    EXPECT_EQ(definition.DataSizeLoad(), 36);
    EXPECT_EQ(definition.DataSizeSave(), 36);
    EXPECT_FALSE(definition.Load(5));
    EXPECT_EQ(TextOf(definition), "");
    definition.GetDescription(&read);
    EXPECT_STREQ(read.GetCString(), "");
}

TEST_F(TextExpressions, RehearsalMarksComeInSixStyles)
{
    OpenAs(kVersion, "<textExpression rehearsalMark='letters'/>"
                     "<textExpression rehearsalMark='letterNumbers'/>"
                     "<textExpression rehearsalMark='lowerLetters'/>"
                     "<textExpression rehearsalMark='lowerLetterNumbers'/>"
                     "<textExpression rehearsalMark='numbers'/>"
                     "<textExpression rehearsalMark='measureNumber'/>"
                     "<textExpression text='p'/>"
                     "<measureNumbers measures='1-26'/>"
                     "<measureNumbers measures='27-40' style='letters'/>");
    const char* expected[6][5] = {
        {"A", "Z", "AA", "BB", "AAA"}, {"A", "Z", "A1", "B1", "A2"},   {"a", "z", "aa", "bb", "aaa"},
        {"a", "z", "a1", "b1", "a2"},  {"1", "26", "27", "28", "53"}, {"1", "26", "a", "b", "53"},
    };
    const int marks[] = {1, 26, 27, 28, 53};
    FCTextExpressionDef definition;
    FCString text;
    for (unsigned short style = 1; style <= 6; ++style) {
        ASSERT_TRUE(definition.Load(style));
        for (int i = 0; i < 5; ++i) {
            EXPECT_TRUE(definition.MakeRehearsalMark(marks[i], &text));
            EXPECT_STREQ(text.GetCString(), expected[style - 1][i]) << "style " << style << ", mark " << marks[i];
        }
    }
    text.SetCString("kept");
    EXPECT_FALSE(definition.MakeRehearsalMark(0, &text));
    ASSERT_TRUE(definition.Load(7));
    EXPECT_FALSE(definition.MakeRehearsalMark(27, &text));
    EXPECT_STREQ(text.GetCString(), "kept");
}

TEST_F(TextExpressions, DeepSaveAsLeavesTwoDefinitionsWithTextsOfTheirOwn)
{
    OpenAs(kVersion, "<textExpression number='2' text='Allegro' description='Fast'>"
                     "<enclosure>01 02 03 04 05 06 07 08 09 0A 0B 0C</enclosure></textExpression>");
    FCTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(2));
    ASSERT_TRUE(definition.DeepSaveAs(9));

    FCTextExpressionDef original, copy;
    ASSERT_TRUE(original.Load(2) && copy.Load(9));
    const workbench::Bytes first = HostRecord(kDefinitionTag, 2);
    const workbench::Bytes second = HostRecord(kDefinitionTag, 9);
    EXPECT_NE(Word(first, 0), Word(second, 0));
    workbench::Bytes block = HostRecord(0x534F5458, Word(second, 0));
    EXPECT_EQ(Word(block, 24), 0x7870u);
    EXPECT_EQ(HostRecord(0x74787870, Word(block, 0)), (workbench::Bytes{'A', 'l', 'l', 'e', 'g', 'r', 'o', 0}));
    EXPECT_EQ(HostRecord(0x6F744465, 9), HostRecord(0x6F744465, 2));
    std::unique_ptr<FCEnclosure> enclosure(copy.CreateEnclosure());
    ASSERT_NE(enclosure, nullptr);
    EXPECT_EQ(enclosure->_GetBuffer()[11], 0x0C);
    FCString description;
    copy.GetDescription(&description);
    EXPECT_STREQ(description.GetCString(), "Fast");

    FCString presto("Presto");
    ASSERT_TRUE(copy.SaveTextString(&presto));
    EXPECT_EQ(TextOf(copy), "Presto");
    EXPECT_EQ(TextOf(original), "Allegro");
}

TEST_F(TextExpressions, CategoriesEnclosuresAndTheWalkByItemNumbers)
{
    OpenAs(kVersion, "<category number='5' font='Arial' size='14' effects='2' alignment='3' horizontalOffset='-7' "
                     "verticalOffset='9'/>"
                     "<textExpression number='7' text='mf'/><textExpression number='9' text='ff'/>" +
                         RecordElement("SODT", "8", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                     0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0xC0, 0, 0, 0, 0, 0, 0, 0, 0}) +
                         RecordElement("SOCA", "16384", std::vector<unsigned char>(12, 1)));
    FCTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(8));
    FCCategoryDef category;
    EXPECT_FALSE(definition.AssignToCategory(&category));
    ASSERT_TRUE(category.Load(16384));
    EXPECT_FALSE(definition.AssignToCategory(&category));
    EXPECT_FALSE(definition.AssignToCategory(nullptr));
    EXPECT_EQ(Word(workbench::Bytes(definition._GetBuffer(), definition._GetBuffer() + 36), 26), 0xC003u);
    ASSERT_TRUE(category.Load(5));
    ASSERT_TRUE(definition.AssignToCategory(&category));
    ASSERT_TRUE(definition.Save());
    workbench::Bytes stored = HostRecord(kDefinitionTag, 8);
    EXPECT_EQ(Word(stored, 26), 0xC005u);
    EXPECT_EQ(Word(stored, 12), 2u);  // Arial
    EXPECT_EQ(Word(stored, 14), 14u);
    EXPECT_EQ(Word(stored, 16), 2u);
    EXPECT_EQ(Word(stored, 24), 3u);
    EXPECT_EQ(Word(stored, 30), 0xFFF9u);
    EXPECT_EQ(Word(stored, 32), 9u);

    // Item numbers one by one, whatever lies between.
    ASSERT_TRUE(definition.Load(7));
    TakeHostCalls();
    EXPECT_EQ(definition.CreateEnclosure(), nullptr);
    EXPECT_TRUE(TakeHostCalls().empty());
    EXPECT_TRUE(definition.LoadNext());
    EXPECT_EQ(definition.GetItemNo(), 8);
    EXPECT_TRUE(definition.LoadNext());
    EXPECT_EQ(TextOf(definition), "ff");
    EXPECT_FALSE(definition.LoadNext());
    EXPECT_EQ(definition.GetItemNo(), 10);
    for (const std::string& call : TakeHostCalls()) {
        EXPECT_EQ(call.find("FX_NextEData"), std::string::npos) << call;
    }
}

TEST_F(TextExpressions, PlacedExpressionsFindAndTakeTheirDefinitions)
{
    OpenAs(kVersion, "<measures count='2'/><textExpression number='3' text='pp'/>"
                     "<expression measure='2' definition='3'/><expression measure='2' shape='4'/>");
    FCExpression text, shape;
    ASSERT_TRUE(text.Load(2, 0) && shape.Load(2, 1));
    std::unique_ptr<FCTextExpressionDef> definition(text.CreateTextExpressionDef());
    ASSERT_NE(definition, nullptr);
    EXPECT_EQ(definition->GetItemNo(), 3);
    EXPECT_EQ(TextOf(*definition), "pp");
    EXPECT_EQ(shape.CreateTextExpressionDef(), nullptr);

    FCTextExpressionDef unnumbered;
    EXPECT_FALSE(shape.AssignTextExpressionDef(&unnumbered));
    EXPECT_FALSE(shape.AssignTextExpressionDef(nullptr));
    EXPECT_EQ(shape.CreateTextExpressionDef(), nullptr);
    ASSERT_TRUE(shape.AssignTextExpressionDef(definition.get()));
    ASSERT_TRUE(shape.Save());
    workbench::Bytes stored = HostRecord(0x534F4459, 2, 1);
    EXPECT_EQ(Word(stored, 0), 3u);
    EXPECT_EQ(Word(stored, 10), 0u);
}

}  // namespace

// The document elements of measure number regions, categories, text
// expressions and placed expressions: their messages for bad input and the
// host records they make, in the layout of the host version.
#include <gtest/gtest.h>

#include <string>

#include "workbench/document_reader.h"

namespace {

using workbench::Bytes;
using workbench::Document;
using workbench::RecordKey;

std::unique_ptr<Document> Read(const std::string& body, unsigned long version, std::string* error)
{
    return workbench::ReadDocumentText(("<document>\n<font name='Arial'/>\n" + body + "</document>\n").c_str(),
                                       "t.xml", "Z:\\docs", version, error);
}

std::string ErrorOf(const std::string& body)
{
    std::string error;
    EXPECT_EQ(Read(body, 0x10000000, &error), nullptr) << body;
    return error;
}

Bytes Record(const Document& document, unsigned long tag, unsigned a, unsigned b = 0)
{
    const Bytes* bytes = document.records.Find(tag, RecordKey::FromNumbers(a, b));
    return bytes == nullptr ? Bytes() : *bytes;
}

unsigned Word(const Bytes& bytes, size_t offset)
{
    return bytes.size() < offset + 2 ? 0xDEAD : bytes[offset] | (bytes[offset + 1] << 8);
}

TEST(ScoreElements, RefuseWhatTheHostCannotHold)
{
    EXPECT_EQ(ErrorOf("<measureNumbers/>\n"), "t.xml:3: <measureNumbers> needs the attribute \"measures\"");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='5-2'/>\n"), "t.xml:3: <measureNumbers> measures=\"5-2\" is a reversed range: write 2-5");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1' prefix='abcdefghijklmnopqrstuvwxyz'/>\n"),
              "t.xml:3: <measureNumbers> prefix has more than 23 characters");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1' base='1'/>\n"),
              "t.xml:3: <measureNumbers> base 1 numbers only with doubleUp=\"yes\"");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1'><score show='top left'/></measureNumbers>\n"),
              "t.xml:3: <score> show: \"left\" is not systemStart, multiples, hideFirst, multiMeasureRanges, top or "
              "bottom");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1'><score/><score/></measureNumbers>\n"),
              "t.xml:3: <score> is given twice");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1'><parts><enclosure of='start'>01 02</enclosure></parts>"
                      "</measureNumbers>\n"),
              "t.xml:3: <enclosure> needs 12 bytes, not 2");
    EXPECT_EQ(ErrorOf("<measureNumbers measures='1'><score><font of='start' name='Wingdings'/></score>"
                      "</measureNumbers>\n"),
              "t.xml:3: font \"Wingdings\" is not one of the document's <font> elements");
    EXPECT_EQ(ErrorOf("<category size='12'/>\n"), "t.xml:3: <category> has a font size or effects but no font \"font\"");
    EXPECT_EQ(ErrorOf("<textExpression category='2'/>\n"), "t.xml:3: <textExpression> category 2 is not defined");
    EXPECT_EQ(ErrorOf("<textExpression rehearsalMark='roman'/>\n"),
              "t.xml:3: <textExpression> rehearsalMark=\"roman\" is not letters, letterNumbers, lowerLetters, "
              "lowerLetterNumbers, numbers or measureNumber");
    EXPECT_EQ(ErrorOf("<measures count='2'/><expression measure='2' definition='1'/>\n"),
              "t.xml:3: <expression> definition 1 is not defined");
    EXPECT_EQ(ErrorOf("<measures count='2'/><expression measure='3' shape='1'/>\n"),
              "t.xml:3: <expression> measure 3 is beyond the 2 measures");
    EXPECT_EQ(ErrorOf("<expression measure='1'/>\n"), "t.xml:3: <expression> needs either a definition or a shape");
    EXPECT_EQ(ErrorOf("<textExpression/>\n<textExpression number='1'/>\n"),
              "t.xml:4: <textExpression> number 1 is given twice");
}

TEST(ScoreElements, OneRegionElementMakesTheLayoutOfEitherHostVersion)
{
    const std::string region =
        "<measureNumbers measures='3-9' start='5' style='letters' prefix='m' suffix='.' noZero='yes'>"
        "<score show='top systemStart' startPosition='-30' multiplePosition='-40'>"
        "<font of='start' name='arial' size='10' effects='3'/><enclosure of='start'>01 02 03 04 05 06 07 08 09 0A 0B 0C"
        "</enclosure></score><parts show='bottom multiMeasureRanges'/></measureNumbers>\n";
    std::string error;
    std::unique_ptr<Document> withParts = Read(region, 0x0F000000, &error);
    ASSERT_NE(withParts, nullptr) << error;
    Bytes bytes = Record(*withParts, 0x534F4D4E, 1);
    ASSERT_EQ(bytes.size(), 196u);
    EXPECT_EQ(Word(bytes, 0), 1u);
    EXPECT_EQ(Word(bytes, 2), 10u);
    EXPECT_EQ(Word(bytes, 4), 3u);
    EXPECT_EQ(bytes[18], 0x01);
    EXPECT_EQ(bytes[29], 0x0C);
    EXPECT_EQ(Word(bytes, 44), 0xFFE2u);
    EXPECT_EQ(Word(bytes, 48), 0xFFD8u);
    EXPECT_EQ(Word(bytes, 62), 0x2040u);
    EXPECT_EQ(Word(bytes, 66), 0u);
    EXPECT_EQ(Word(bytes, 66 + 62), 0x4200u);
    EXPECT_EQ(Word(bytes, 132), 3u);
    EXPECT_EQ(Word(bytes, 134), 10u);
    EXPECT_EQ(Word(bytes, 136), 97u);
    EXPECT_EQ(Word(bytes, 138), 26u);
    EXPECT_EQ(Word(bytes, 140), 4u);
    EXPECT_EQ(std::string(bytes.begin() + 142, bytes.begin() + 144), std::string("m\0", 2));
    EXPECT_EQ(std::string(bytes.begin() + 166, bytes.begin() + 168), std::string(".\0", 2));
    EXPECT_EQ(Word(bytes, 190), 0x0060u);  // double up and no zero; the parts have their own formatting
    EXPECT_EQ(Word(bytes, 192), 1u);

    std::unique_ptr<Document> beforeParts = Read(region, 0x0E000000, &error);
    ASSERT_NE(beforeParts, nullptr) << error;
    bytes = Record(*beforeParts, 0x534F4D4E, 1);
    ASSERT_EQ(bytes.size(), 88u);
    EXPECT_EQ(Word(bytes, 0), 1u);
    EXPECT_EQ(Word(bytes, 2), 10u);
    EXPECT_EQ(Word(bytes, 6), 3u);
    EXPECT_EQ(Word(bytes, 8), 10u);
    EXPECT_EQ(Word(bytes, 12), 97u);
    EXPECT_EQ(Word(bytes, 14), 26u);
    EXPECT_EQ(Word(bytes, 16), 4u);
    EXPECT_EQ(Word(bytes, 20), 0xFFE2u);
    EXPECT_EQ(bytes[22], 'm');
    EXPECT_EQ(bytes[46], '.');
    EXPECT_EQ(bytes[70], 0x01);
    EXPECT_EQ(Word(bytes, 82), 0x0060u | 0x0008u | 0x8000u);
    EXPECT_EQ(Word(bytes, 86), 1u);
}

TEST(ScoreElements, TextExpressionsKeepTextsCategoriesAndEnclosures)
{
    std::string error;
    std::unique_ptr<Document> document =
        Read("<staff name='Flute'/><measures count='3'/>"
             "<category number='4' font='Arial' size='18' alignment='2' horizontalOffset='5' verticalOffset='-6'/>"
             "<textExpression number='6' text='^fontTxt(Arial)Allegro' description='Fast' category='4' "
             "rehearsalMark='numbers'><enclosure>0A 00 00 00 00 00 00 00 00 00 00 0B</enclosure></textExpression>"
             "<expression measure='3' definition='6'/><expression measure='3' shape='2'/>",
             0x10000000, &error);
    ASSERT_NE(document, nullptr) << error;
    Bytes definition = Record(*document, 0x534F4454, 6);
    ASSERT_EQ(definition.size(), 40u);
    EXPECT_EQ(Word(definition, 0), 2u);  // the staff name's block is 1
    EXPECT_EQ(Word(definition, 2), 5u);
    EXPECT_EQ(Word(definition, 10), 0x0800u);
    EXPECT_EQ(Word(definition, 12), 1u);  // Arial
    EXPECT_EQ(Word(definition, 14), 18u);
    EXPECT_EQ(Word(definition, 24), 2u);
    EXPECT_EQ(Word(definition, 26), 4u);
    EXPECT_EQ(Word(definition, 30), 5u);
    EXPECT_EQ(Word(definition, 32), 0xFFFAu);
    EXPECT_EQ(std::string(definition.begin() + 34, definition.end()), std::string("Fast\0\0", 6));
    Bytes block = Record(*document, 0x534F5458, 2);
    EXPECT_EQ(Word(block, 24), 0x7870u);
    const std::string text = "^fontTxt(Arial)Allegro";
    Bytes raw = Record(*document, 0x74787870, Word(block, 0));
    EXPECT_EQ(std::string(raw.begin(), raw.end()), std::string(text.c_str(), text.size() + 1));
    EXPECT_EQ(Record(*document, 0x6F744465, 6), (Bytes{0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0B}));
    EXPECT_EQ(Word(Record(*document, 0x534F4459, 3, 0), 0), 6u);
    EXPECT_EQ(Word(Record(*document, 0x534F4459, 3, 0), 10), 0u);
    EXPECT_EQ(Word(Record(*document, 0x534F4459, 3, 1), 0), 2u);
    EXPECT_EQ(Word(Record(*document, 0x534F4459, 3, 1), 10), 0x2000u);
}

}  // namespace

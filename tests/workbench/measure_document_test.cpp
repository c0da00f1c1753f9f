// Measures and cells in workbench documents: the measure, staff and
// independent key records they make byte for byte, the music and shown
// layers the host keeps, and the messages for what does not fit.
#include <gtest/gtest.h>

#include <string>

#include "workbench/document_printer.h"
#include "workbench/document_reader.h"

namespace {

using workbench::Bytes;
using workbench::CellLayer;
using workbench::Document;
using workbench::RecordKey;

constexpr unsigned long kMeasureTag = 0x534F4D53;
constexpr unsigned long kDetailTag = 0x6474464C;

std::unique_ptr<Document> Read(const std::string& body, std::string* error)
{
    return workbench::ReadDocumentText(("<document>\n" + body + "</document>\n").c_str(), "t.xml", "Z:\\docs",
                                       0x10000000, error);
}

std::string ErrorOf(const std::string& body)
{
    std::string error;
    EXPECT_EQ(Read(body, &error), nullptr) << body;
    return error;
}

RecordKey Key(unsigned a, unsigned b = 0)
{
    return RecordKey::FromNumbers(a, b);
}

// The record's 16-bit words, for records that exist.
std::vector<unsigned> Words(const Document& document, unsigned long tag, unsigned a, unsigned b = 0)
{
    const Bytes* bytes = document.records.Find(tag, RecordKey::FromNumbers(a, b));
    std::vector<unsigned> words;
    for (size_t i = 0; bytes != nullptr && i + 1 < bytes->size(); i += 2) {
        words.push_back((*bytes)[i] | ((*bytes)[i + 1] << 8));
    }
    return words;
}

TEST(MeasureDocuments, MeasuresCarryEveryFieldInTheHostsCodes)
{
    std::string error;
    std::unique_ptr<Document> document =
        Read("  <measures count=\"2\" time=\"3/8\" key=\"-4\" mode=\"minor\" displayTime=\"6/8\" barline=\"thick\"\n"
             "            leftBarline=\"final\" showKey=\"never\" showTime=\"always\" positioning=\"beatChart\"\n"
             "            fullNames=\"yes\"/>\n"
             "  <measures count=\"1\" ownKey=\"9\" key=\"-1\" showKey=\"always\" showTime=\"never\"\n"
             "            positioning=\"manual\"/>\n"
             "  <measures count=\"1\" fullNames=\"no\" barline=\"default\"/>\n",
             &error);
    ASSERT_NE(document, nullptr) << error;
    const std::vector<unsigned> full = {0, 0x01FC, 3, 512, 0x0826, 0x0460, 6, 512, 0x0040, 0, 0, 0, 0};
    EXPECT_EQ(Words(*document, kMeasureTag, 1), full);
    EXPECT_EQ(Words(*document, kMeasureTag, 2), full);
    EXPECT_EQ(Words(*document, kMeasureTag, 3),
              (std::vector<unsigned>{0, 0x09FF, 4, 1024, 0x0014, 0x0800, 0, 0, 0, 0, 0, 0, 0}));
    // What the documents before these fields made stays the same.
    EXPECT_EQ(Words(*document, kMeasureTag, 4), (std::vector<unsigned>{0, 0, 4, 1024, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    EXPECT_EQ(workbench::DescribeScoreRecord(kMeasureTag, *document->records.Find(kMeasureTag, Key(1))),
              "measure: 3 beats of 512, key 0x01FC (4 flats, minor), shown as 6 beats of 512, positioning beatChart, "
              "key shown never, time shown always, full names, barline thick, left barline final");
    EXPECT_EQ(workbench::DescribeScoreRecord(kMeasureTag, *document->records.Find(kMeasureTag, Key(3))),
              "measure: 4 beats of 1024, key 0x09FF (own key 9), positioning manual, key shown always, "
              "time shown never");
    Bytes odd(26, 0);
    odd[8] = 0x03;
    odd[10] = 0x90;
    odd[16] = 0x70;
    odd[2] = 0x01;
    EXPECT_EQ(workbench::DescribeScoreRecord(kMeasureTag, odd),
              "measure: 0 beats of 0, key 0x0001 (1 sharp, major), positioning code 3, barline code 9, "
              "left barline code 7");
    EXPECT_EQ(workbench::DescribeScoreRecord(kMeasureTag, Bytes(25, 0)), "");
}

TEST(MeasureDocuments, CellsMakeKeyRecordsAndMusicOnStavesThatAllowThem)
{
    std::string error;
    std::unique_ptr<Document> document =
        Read("  <measures count=\"4\"/>\n"
             "  <staff number=\"2\" independentKeys=\"yes\"/>\n  <staff number=\"6\" independentKeys=\"no\"/>\n"
             "  <cell staff=\"2\" measures=\"3-1\" key=\"1\" mode=\"minor\">\n"
             "    <layer number=\"2\" entries=\"q. e h\"/>\n"
             "    <layer number=\"4\" entries=\" w.. \t 7 \"/>\n"
             "  </cell>\n"
             "  <cell staff=\"6\" measures=\"4\"><layer number=\"1\" entries=\"t s e\"/></cell>\n"
             "  <view layers=\"4 ,2\"/>\n",
             &error);
    ASSERT_NE(document, nullptr) << error;
    EXPECT_EQ(Words(*document, 0x534F4953, 2)[11], 0x8000u);
    EXPECT_EQ(Words(*document, 0x534F4953, 6)[11], 0u);
    for (unsigned measure = 1; measure <= 3; ++measure) {
        EXPECT_EQ(Words(*document, kDetailTag, 2, measure), (std::vector<unsigned>{0x0101, 0, 0, 0, 0x0800}));
    }
    EXPECT_FALSE(document->records.Contains(kDetailTag, RecordKey::FromNumbers(2, 4)));
    EXPECT_FALSE(document->records.Contains(kDetailTag, RecordKey::FromNumbers(6, 4)));
    EXPECT_EQ(workbench::DescribeScoreRecord(kDetailTag, *document->records.Find(kDetailTag, Key(2, 1))),
              "independent cell detail: key 0x0101 (1 sharp, minor), the cell's own");

    EXPECT_EQ(document->music.size(), 7u);
    EXPECT_EQ(document->music.at(CellLayer{2, 2, 1}), (std::vector<long>{1536, 512, 2048}));
    EXPECT_EQ(document->music.at(CellLayer{2, 3, 3}), (std::vector<long>{7168, 7}));
    EXPECT_EQ(document->music.at(CellLayer{6, 4, 0}), (std::vector<long>{128, 256, 512}));
    EXPECT_EQ(document->view.shownLayers, 0xAu);
    EXPECT_EQ(workbench::DescribeMusic(*document),
              "  layers shown: 2 4\n"
              "  music: staff 2, measure 1, layer 2: 1536 512 2048\n"
              "  music: staff 2, measure 1, layer 4: 7168 7\n"
              "  music: staff 2, measure 2, layer 2: 1536 512 2048\n"
              "  music: staff 2, measure 2, layer 4: 7168 7\n"
              "  music: staff 2, measure 3, layer 2: 1536 512 2048\n"
              "  music: staff 2, measure 3, layer 4: 7168 7\n"
              "  music: staff 6, measure 4, layer 1: 128 256 512\n"
              "  frames out: 0\n");

    std::unique_ptr<Document> hidden = Read("  <view layers=\"\"/>\n", &error);
    ASSERT_NE(hidden, nullptr) << error;
    EXPECT_EQ(workbench::DescribeMusic(*hidden), "  layers shown: none\n  frames out: 0\n");
}

TEST(MeasureDocuments, RefusesMeasuresAndCellsThatDoNotFit)
{
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" ownKey=\"3\" mode=\"major\"/>\n"),
              "t.xml:2: <measures> has both mode and ownKey: a key of the host's own has no mode");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" ownKey=\"1\"/>\n"),
              "t.xml:2: <measures> ownKey=\"1\" is not a whole number from 2 to 255");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" barline=\"heavy\"/>\n"),
              "t.xml:2: <measures> barline=\"heavy\" is not default, none, normal, double, final, dashed or thick");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" displayTime=\"4\"/>\n"),
              "t.xml:2: <measures> displayTime=\"4\" is not a time signature such as 3/4 or 6/8");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" positioning=\"even\"/>\n"),
              "t.xml:2: <measures> positioning=\"even\" is not manual, timeSignature or beatChart");

    const std::string score = "  <measures count=\"2\"/>\n  <staff number=\"3\"/>\n";
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"4\" measures=\"1\" key=\"1\"/>\n"),
              "t.xml:4: <cell> staff 4 is not defined");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"2-3\" key=\"1\"/>\n"),
              "t.xml:4: <cell> measures go beyond the 2 measures");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1-2\" key=\"1\"/>\n"
                              "  <cell staff=\"3\" measures=\"2\" key=\"2\"/>\n"),
              "t.xml:5: <cell> staff 3 in measure 2 is given twice");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\"/>\n"),
              "t.xml:4: <cell> has neither a key nor a layer");
    EXPECT_EQ(ErrorOf(score + "  <cell measures=\"1\" key=\"1\"/>\n"), "t.xml:4: <cell> needs the attribute \"staff\"");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">\n    <note/>\n  </cell>\n"),
              "t.xml:5: unknown element <note> in <cell>");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">q</cell>\n"),
              "t.xml:4: <cell> holds text, which it does not take");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">\n    <layer number=\"5\" entries=\"q\"/>\n"
                              "  </cell>\n"),
              "t.xml:5: <layer> number=\"5\" is not a whole number from 1 to 4");
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">\n    <layer number=\"1\" entries=\"q\"/>\n"
                              "    <layer number=\"1\" entries=\"h\"/>\n  </cell>\n"),
              "t.xml:6: <layer> number 1 is given twice");
    const std::string badEntry =
        "t.xml:5: <layer> entries: \"%\" is neither a note value (w, h, q, e, s, t, dots after it) nor a duration "
        "from 1 to 65535";
    for (const char* entry : {"x", "q:", "0", "65536", "qq"}) {
        std::string wanted = badEntry;
        wanted.replace(wanted.find('%'), 1, entry);
        EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">\n    <layer number=\"1\" entries=\"h " + entry +
                          "\"/>\n  </cell>\n"),
                  wanted);
    }
    EXPECT_EQ(ErrorOf(score + "  <cell staff=\"3\" measures=\"1\">\n    <layer number=\"1\" entries=\" \"/>\n"
                              "  </cell>\n"),
              "t.xml:5: <layer> has no entries");
    for (const char* layers : {"5", "12", "1,1", "1;2"}) {
        EXPECT_EQ(ErrorOf("  <view layers=\"" + std::string(layers) + "\"/>\n"),
                  "t.xml:2: <view> layers=\"" + std::string(layers) + "\" is not a list of layers 1 to 4");
    }
}

}  // namespace

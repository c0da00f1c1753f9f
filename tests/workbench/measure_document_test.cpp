// Cells in workbench documents: the staff and independent key records they
// make, the music and shown layers the host keeps, and the messages for
// measures and cells that do not fit. The measure records are read by the
// score classes' tests, and printed by a run of FINALE.EXE.
#include <gtest/gtest.h>

#include <string>

#include "workbench/document_reader.h"

namespace {

using workbench::Bytes;
using workbench::CellLayer;
using workbench::Document;
using workbench::RecordKey;

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

TEST(MeasureDocuments, CellsMakeKeyRecordsAndMusicOnStavesThatAllowThem)
{
    std::string error;
    std::unique_ptr<Document> document =
        Read("  <measures count=\"4\"/>\n"
             "  <staff number=\"2\" independentKeys=\"yes\"/>\n  <staff number=\"6\" independentKeys=\"no\"/>\n"
             "  <cell staff=\"2\" measures=\"1-3\" key=\"1\" mode=\"minor\">\n"
             "    <layer number=\"2\" entries=\"q. e h\"/>\n"
             "    <layer number=\"4\" entries=\" w.. \t 7 \"/>\n"
             "  </cell>\n"
             "  <cell staff=\"6\" measures=\"4\"><layer number=\"1\" entries=\"t s e\"/></cell>\n"
             "  <view layers=\"4 ,2\"/>\n",
             &error);
    ASSERT_NE(document, nullptr) << error;
    for (unsigned measure = 1; measure <= 3; ++measure) {
        EXPECT_EQ(Words(*document, kDetailTag, 2, measure), (std::vector<unsigned>{0x0101, 0, 0, 0, 0x0800}));
    }
    EXPECT_FALSE(document->records.Contains(kDetailTag, RecordKey::FromNumbers(2, 4)));
    EXPECT_FALSE(document->records.Contains(kDetailTag, RecordKey::FromNumbers(6, 4)));

    EXPECT_EQ(document->music.size(), 7u);
    EXPECT_EQ(document->music.at(CellLayer{2, 2, 1}), (std::vector<long>{1536, 512, 2048}));
    EXPECT_EQ(document->music.at(CellLayer{2, 3, 3}), (std::vector<long>{7168, 7}));
    EXPECT_EQ(document->music.at(CellLayer{6, 4, 0}), (std::vector<long>{128, 256, 512}));
    EXPECT_EQ(document->view.shownLayers, 0xAu);
    std::unique_ptr<Document> hidden = Read("  <view layers=\"\"/>\n", &error);
    ASSERT_NE(hidden, nullptr) << error;
    EXPECT_EQ(hidden->view.shownLayers, 0u);
    std::unique_ptr<Document> plain = Read("", &error);
    ASSERT_NE(plain, nullptr) << error;
    EXPECT_EQ(plain->view.shownLayers, 0xFu);
}

TEST(MeasureDocuments, RefusesMeasuresAndCellsThatDoNotFit)
{
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" ownKey=\"3\" mode=\"major\"/>\n"),
              "t.xml:2: <measures> has both mode and ownKey: a key of the host's own has no mode");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\" barline=\"heavy\"/>\n"),
              "t.xml:2: <measures> barline=\"heavy\" is not default, none, normal, double, final, dashed or thick");

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

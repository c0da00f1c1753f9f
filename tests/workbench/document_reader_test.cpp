// The workbench document reader: its messages for bad files, and the host
// records each element produces, byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/note_type_file.h"
#include "workbench/paths.h"

namespace {

using workbench::Bytes;
using workbench::Document;
using workbench::RecordKey;

constexpr unsigned long kVersion16 = 0x10000000;

std::unique_ptr<Document> Read(const std::string& body, std::string* error = nullptr,
                               unsigned long version = kVersion16)
{
    std::string ignored;
    return workbench::ReadDocumentText(("<document>\n" + body + "</document>\n").c_str(), "t.xml", "Z:\\docs",
                                       version, error == nullptr ? &ignored : error);
}

std::string ErrorOf(const std::string& body)
{
    std::string error;
    std::unique_ptr<Document> document = Read(body, &error);
    EXPECT_EQ(document, nullptr) << body;
    return error;
}

const Bytes& Record(const Document& document, unsigned long tag, unsigned a, unsigned b = 0)
{
    static const Bytes none;
    const Bytes* bytes = document.records.Find(tag, RecordKey::FromNumbers(a, b));
    EXPECT_NE(bytes, nullptr) << std::hex << tag << " " << a << "," << b;
    return bytes == nullptr ? none : *bytes;
}

unsigned Word(const Bytes& bytes, size_t offset)
{
    return bytes.size() < offset + 2 ? 0xDEAD : bytes[offset] | (bytes[offset + 1] << 8);
}

// The sum of all bytes but the named 16-bit fields: 0 when nothing else is set.
unsigned OtherBytes(const Bytes& bytes, std::initializer_list<size_t> fields)
{
    unsigned sum = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        bool named = false;
        for (size_t field : fields) {
            named = named || i == field || i == field + 1;
        }
        sum += named ? 0 : bytes[i];
    }
    return sum;
}

TEST(DocumentReader, NamesTheFileAndLineOfEveryFault)
{
    EXPECT_EQ(ErrorOf("  <stave/>\n"), "t.xml:2: unknown element <stave>");
    EXPECT_EQ(ErrorOf("\n  <staff name=\"A\" colour=\"red\"/>\n"), "t.xml:3: <staff> has an unknown attribute \"colour\"");
    EXPECT_EQ(ErrorOf("  <layout>\n    <note type=\"36\"/>\n    <hit/>\n  </layout>\n"),
              "t.xml:4: unknown element <hit> in <layout>");
    EXPECT_EQ(ErrorOf("  <staff><name/></staff>\n"), "t.xml:2: unknown element <name> in <staff>");
    EXPECT_EQ(ErrorOf("  <staff>Drums</staff>\n"), "t.xml:2: <staff> holds text, which it does not take");
    EXPECT_EQ(ErrorOf("  <record tag=\"abcd\">00 0g</record>\n"),
              "t.xml:2: <record> bytes: 'g' is not a hexadecimal digit");
    EXPECT_EQ(ErrorOf("  <record tag=\"abcd\">00 0</record>\n"), "t.xml:2: <record> bytes: an odd number of hexadecimal digits");
    EXPECT_EQ(ErrorOf("  <record tag=\"abc\"/>\n"),
              "t.xml:2: <record> tag=\"abc\" is neither 4 characters nor a hexadecimal 0x...");
    EXPECT_EQ(ErrorOf("  <record tag=\"abcd\" key=\"1 2 3 4 5\"/>\n"),
              "t.xml:2: <record> key=\"1 2 3 4 5\" is not one to four numbers from 0 to 65535");
    EXPECT_EQ(ErrorOf("  <record tag=\"abcd\" key=\"7\"/>\n  <record tag=\"0x61626364\" key=\"7\"/>\n"),
              "t.xml:3: <record> names the same record as line 2");
    EXPECT_EQ(ErrorOf("  <staff number=\"0\"/>\n"), "t.xml:2: <staff> number=\"0\" is not a whole number from 1 to 32767");
    EXPECT_EQ(ErrorOf("  <staff number=\"2x\"/>\n"), "t.xml:2: <staff> number=\"2x\" is not a whole number from 1 to 32767");
    EXPECT_EQ(ErrorOf("  <staff style=\"drums\"/>\n"),
              "t.xml:2: <staff> style=\"drums\" is not standard, percussion or tablature");
    EXPECT_EQ(ErrorOf("  <measures/>\n"), "t.xml:2: <measures> needs the attribute \"count\"");
    EXPECT_EQ(ErrorOf("  <measures count=\"2\" time=\"3/5\"/>\n"),
              "t.xml:2: <measures> time=\"3/5\" is not a time signature such as 3/4 or 6/8");
    EXPECT_EQ(ErrorOf("  <selection staves=\"1\" measures=\"1\"/>\n  <selection staves=\"1\" measures=\"1\"/>\n"),
              "t.xml:3: <selection> is given twice");
}

TEST(DocumentReader, LinkedPartsInTheFilesOrder)
{
    std::unique_ptr<Document> document = Read("  <part id=\"5\" name=\"Fl\xC3\xBBte\"/>\n  <part id=\"2\" name=\"\"/>\n");
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(document->parts.size(), 2u);
    EXPECT_EQ(document->parts[0].name, "Fl\xFBte");
    EXPECT_EQ(document->parts[1].id, 2);
    EXPECT_EQ(ErrorOf("  <part name=\"A\"/>\n"), "t.xml:2: <part> needs the attribute \"id\"");
    EXPECT_EQ(ErrorOf("  <part id=\"1\" name=\"A\"/>\n  <part id=\"1\" name=\"B\"/>\n"),
              "t.xml:3: <part> id 1 is given twice");
}

TEST(DocumentReader, RefusesWhatDoesNotFitTogether)
{
    EXPECT_EQ(ErrorOf("  <staff style=\"percussion\" layout=\"3\"/>\n"), "t.xml:2: <staff> layout 3 is not defined");
    EXPECT_EQ(ErrorOf("  <layout number=\"3\"/>\n  <staff layout=\"3\"/>\n"),
              "t.xml:3: <staff> has a layout, which only a percussion staff takes");
    EXPECT_EQ(ErrorOf("  <staff instrument=\"none\" midiMap=\"0\"/>\n"),
              "t.xml:2: <staff> has a MIDI map but no instrument definition to hold it");
    EXPECT_EQ(ErrorOf("  <staff number=\"4\"/>\n  <staff number=\"4\"/>\n"), "t.xml:3: <staff> number 4 is given twice");
    EXPECT_EQ(ErrorOf("  <layout/>\n  <layout number=\"1\"/>\n"), "t.xml:3: <layout> number 1 is given twice");
    EXPECT_EQ(ErrorOf("  <midiMap number=\"2\" file=\"a.xml\" reference=\"A\"/>\n"
                      "  <midiMap number=\"2\" file=\"b.xml\" reference=\"B\"/>\n"),
              "t.xml:3: <midiMap> number 2 is given twice");
    EXPECT_EQ(ErrorOf("  <staff transposeInterval=\"40\" transposeAlteration=\"9\"/>\n"),
              "t.xml:2: <staff> transposition is out of range: an interval beyond -32 to 31 takes an alteration "
              "from -8 to 7");
    EXPECT_EQ(ErrorOf("  <measures count=\"2\"/>\n  <staff/>\n  <selection staves=\"1-2\" measures=\"1\"/>\n"),
              "t.xml:4: <selection> staves go beyond the 1 staves");
    EXPECT_EQ(ErrorOf("  <measures count=\"2\"/>\n  <staff/>\n  <selection staves=\"1\" measures=\"2-3\"/>\n"),
              "t.xml:4: <selection> measures go beyond the 2 measures");
    EXPECT_EQ(ErrorOf("  <staff name=\"A \xE2\x86\x92 B\"/>\n"),
              "t.xml:2: <staff> name=\"A \xE2\x86\x92 B\" has characters the host's 8-bit texts cannot hold");
}

TEST(DocumentReader, ReportsBadFilesWithoutHalfALoad)
{
    std::string error;
    EXPECT_EQ(workbench::ReadDocumentText("<document><staff></document>", "x.xml", "Z:\\", kVersion16, &error),
              nullptr);
    EXPECT_EQ(error, "x.xml:1: not well-formed XML: an end tag that does not match its start tag");
    EXPECT_EQ(workbench::ReadDocumentText("<score/>", "x.xml", "Z:\\", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "x.xml:1: the top-level element must be <document>, or for MusicXML <score-partwise> or "
                     "<score-timewise>");
    EXPECT_EQ(workbench::ReadDocumentText("<document/>\n<document/>", "x.xml", "Z:\\", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "x.xml:2: a second top-level element <document>");

    EXPECT_EQ(workbench::ReadDocumentFile("tests/workbench/data/no_such_file.xml", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "tests/workbench/data/no_such_file.xml: cannot open the file");
    EXPECT_EQ(workbench::ReadDocumentFile("tests/workbench/data/bad_attribute.xml", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "tests/workbench/data/bad_attribute.xml:5: <staff> has an unknown attribute \"colour\"");

    // Everything before the fault was fine; still no document comes back.
    EXPECT_EQ(Read("  <measures count=\"4\"/>\n  <staff name=\"A\"/>\n  <staff name=\"B\" style=\"x\"/>\n", &error),
              nullptr);
    EXPECT_EQ(error, "t.xml:4: <staff> style=\"x\" is not standard, percussion or tablature");

    std::unique_ptr<Document> read = workbench::ReadDocumentFile("tests/workbench/data/small.xml", kVersion16, &error);
    ASSERT_NE(read, nullptr) << error;
    EXPECT_EQ(read->name, "Small");
    // A full Windows path: a drive, then the file's own folders.
    const std::string tail = "\\tests\\workbench\\data\\small.xml";
    ASSERT_GT(read->path.size(), tail.size() + 2);
    EXPECT_EQ(read->path.substr(1, 2), ":\\");
    EXPECT_EQ(read->path.substr(read->path.size() - tail.size()), tail);
}

// Paths are kept in the code page, as Windows' file functions take them;
// documents name files in UTF-8 and messages are UTF-8.
TEST(DocumentReader, FilesNamedBeyondAsciiAreFoundAndNamedInUtf8)
{
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    bool lossy = true;
    const std::string folder = temp + workbench::PathFromUtf8("Dr\xC3\xA9sir\xC3\xA9" "e", &lossy);
    ASSERT_FALSE(lossy);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string map = folder + "\\" + workbench::PathFromUtf8("cartes_\xC3\xA9.xml", &lossy);
    const std::string document = folder + "\\score.xml";
    for (const auto& [path, text] : {std::pair{map, std::string("<maps/>")},
                                     std::pair{document, std::string("<document><midiMap number=\"1\" file=\""
                                                                     "cartes_\xC3\xA9.xml\" reference=\"Kit\"/>"
                                                                     "</document>")}}) {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_NE(workbench::ReadDocumentFile(document, kVersion16, &error, &warnings), nullptr) << error;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Dr\xC3\xA9sir\xC3\xA9" "e\\cartes_\xC3\xA9.xml has no note name list"),
              std::string::npos)
        << warnings[0];
    EXPECT_EQ(workbench::ReadDocumentFile(folder + "\\gone.xml", kVersion16, &error), nullptr);
    EXPECT_EQ(error, workbench::Utf8FromPath(folder) + "\\gone.xml: cannot open the file");
    EXPECT_NE(error.find("Dr\xC3\xA9sir\xC3\xA9" "e"), std::string::npos);
    DeleteFileA(map.c_str());
    DeleteFileA(document.c_str());
    RemoveDirectoryA(folder.c_str());
}

// The workbench reads note type tables by the plug-in's rules: both line
// ends, lines of any length, types on their low 16 bits.
TEST(DocumentReader, NoteTypeTablesAreReadAsThePluginReadsThem)
{
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    const std::string path = std::string(temp) + "note_types_test.txt";
    const std::string text = " 2026120801 \r35,1,Kick,0,36\r\n//" + std::string(1021, 'x') +
                             "9,1,2,3,4\n65571,0, Snare ,0,38,0,0,0\n7,1,2,3\n";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs(text.c_str(), file);
    std::fclose(file);
    const workbench::NoteTypeFile table = workbench::ReadNoteTypeFile(path);
    DeleteFileA(path.c_str());
    EXPECT_TRUE(table.readable);
    EXPECT_TRUE(table.stamped);
    EXPECT_EQ(table.text, text);
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[0].type, 35);
    EXPECT_EQ(table.entries[0].generalMidi, 36);
    EXPECT_EQ(table.entries[1].type, 35);
    EXPECT_EQ(table.entries[1].generalMidi, 38);
    EXPECT_FALSE(workbench::ReadNoteTypeFile(path).readable);
    EXPECT_FALSE(workbench::ReadNoteTypeFile(path).stamped);
}

TEST(DocumentReader, MessagesPointAtTheRealFault)
{
    std::string error;
    EXPECT_EQ(workbench::ReadDocumentText(" \n", "x.xml", "Z:\\", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "x.xml: the file is empty");
    EXPECT_EQ(workbench::ReadDocumentText("\xFF\xFE<", "x.xml", "Z:\\", kVersion16, &error), nullptr);
    EXPECT_EQ(error, "x.xml: the file is in UTF-16; documents are UTF-8 (save it as UTF-8)");
    EXPECT_EQ(ErrorOf("  <staff name=\"Caf\xE9\"/>\n"), "t.xml:2: the file is not UTF-8: byte 0xE9 at column 19 is "
                                                        "not part of a UTF-8 character (save the file as UTF-8)");
    EXPECT_EQ(ErrorOf("  <staff name=\"\xC0\xAF\"/>\n"), "t.xml:2: the file is not UTF-8: byte 0xC0 at column 16 is "
                                                          "not part of a UTF-8 character (save the file as UTF-8)");

    std::unique_ptr<Document> zeros = Read("  <staff number=\"0000000004\"/>\n", &error);
    ASSERT_NE(zeros, nullptr) << error;
    EXPECT_EQ(workbench::StaffOrder(*zeros), std::vector<int>{4});
    EXPECT_EQ(ErrorOf("  <staff number=\"12345678901\"/>\n"),
              "t.xml:2: <staff> number=\"12345678901\" has too many digits for a whole number from 1 to 32767");
    EXPECT_EQ(ErrorOf("  <measures count=\"1\"/>\n  <staff/>\n  <selection staves=\"1\" measures=\"-99999999999\"/>\n"),
              "t.xml:4: <selection> measures=\"-99999999999\" is not a number or range (A-B) within 1 to 32767");

    EXPECT_EQ(ErrorOf("\n  <staff name=\"A&#0;B\"/>\n"), "t.xml:3: &#0; is the character NUL, which no text can hold");
    EXPECT_EQ(ErrorOf("  <staff name=\"A&#x000;\"/>\n"), "t.xml:2: &#x000; is the character NUL, which no text can hold");
    EXPECT_EQ(ErrorOf("  <staff name=\"A&nbsp;B\"/>\n"),
              "t.xml:2: the entity &nbsp; is not defined (a document knows &amp; &lt; &gt; &quot; &apos; and &#N;)");
    EXPECT_EQ(ErrorOf("  <staff name=\"A & B\"/>\n"),
              "t.xml:2: a '&' that begins no entity (write &amp; for the character itself)");
    ASSERT_NE(Read("  <!-- R&B -->\n  <staff name=\"R&amp;B &#233;&#x41;\"/>\n", &error), nullptr) << error;

    EXPECT_EQ(ErrorOf("  <measures count=\"2\"/>\n  <staff/>\n  <staff/>\n  <selection staves=\"2-1\" measures=\"1\"/>\n"),
              "t.xml:5: <selection> staves=\"2-1\" is a reversed range: write 1-2");

    const std::string longName(200, 'n');
    EXPECT_EQ(ErrorOf("  <" + longName + "/>\n"), "t.xml:2: unknown element <" + longName.substr(0, 60) + "...>");
    EXPECT_EQ(ErrorOf("  <noteTypes file=\"" + longName + longName + "\"/>\n"),
              "t.xml:2: <noteTypes> file=\"" + longName.substr(0, 60) + "...\" makes a path too long (400 characters; "
              "at most 259)");
    EXPECT_EQ(workbench::ReadDocumentFile(longName + longName + ".xml", kVersion16, &error), nullptr);
    EXPECT_EQ(error, longName.substr(0, 60) + "...: the path is too long (404 characters; at most 259)");
}

TEST(DocumentReader, StaffElementsMakeStaffTextAndInstrumentRecords)
{
    std::unique_ptr<Document> document =
        Read("  <layout number=\"9\"/>\n"
             "  <midiMap number=\"3\" file=\"maps/kit.xml\" reference=\"Kit\"/>\n"
             "  <staff name=\"Drums\" style=\"percussion\" layout=\"9\" midiMap=\"3\" number=\"4\"/>\n"
             "  <staff style=\"tablature\"/>\n"
             "  <staff name=\"Snare\" style=\"percussion\" instrument=\"none\"/>\n"
             "  <staff midiMap=\"8\"/>\n");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(workbench::StaffOrder(*document), (std::vector<int>{4, 5, 6, 7}));  // numbers go on from the highest

    const Bytes& drums = Record(*document, 0x534F4953, 4);
    ASSERT_EQ(drums.size(), 114u);
    EXPECT_EQ(Word(drums, 10), 0x2000u);
    EXPECT_EQ(Word(drums, 30), 1u);
    EXPECT_EQ(Word(drums, 90), 0x4453u);
    EXPECT_EQ(Word(drums, 92), 4u);
    EXPECT_EQ(OtherBytes(drums, {10, 30, 90, 92}), 0u);
    const Bytes& percussion = Record(*document, 0x6F744453, 4);
    ASSERT_EQ(percussion.size(), 12u);
    EXPECT_EQ(Word(percussion, 0), 9u);
    EXPECT_EQ(OtherBytes(percussion, {0}), 0u);
    const Bytes& definition = Record(*document, 0x6F744F43, 4);
    ASSERT_EQ(definition.size(), 12u);
    EXPECT_EQ(Word(definition, 6), 3u);
    EXPECT_EQ(OtherBytes(definition, {6}), 0u);

    const Bytes& block = Record(*document, 0x534F5458, 1);
    ASSERT_EQ(block.size(), 26u);
    EXPECT_EQ(Word(block, 0), 1u);
    EXPECT_EQ(Word(block, 8), 100u);
    EXPECT_EQ(Word(block, 14), 0x1A08u);
    EXPECT_EQ(Word(block, 24), 0x626Cu);
    EXPECT_EQ(OtherBytes(block, {0, 8, 14, 24}), 0u);
    EXPECT_EQ(Record(*document, 0x7478626C, 1), (Bytes{'D', 'r', 'u', 'm', 's', 0}));

    // Without a name: no text block; a standard MIDI map of 0.
    const Bytes& tablature = Record(*document, 0x534F4953, 5);
    EXPECT_EQ(Word(tablature, 10), 0x0200u);
    EXPECT_EQ(Word(tablature, 30), 0u);
    EXPECT_EQ(Word(Record(*document, 0x6F744F43, 5), 6), 0u);

    // A percussion staff without a layout, and without an instrument definition.
    const Bytes& snare = Record(*document, 0x534F4953, 6);
    EXPECT_EQ(Word(snare, 30), 2u);
    EXPECT_EQ(Word(snare, 90), 0u);
    EXPECT_EQ(Word(snare, 92), 0u);
    EXPECT_FALSE(document->records.Contains(0x6F744453, RecordKey::FromNumbers(6)));
    EXPECT_FALSE(document->records.Contains(0x6F744F43, RecordKey::FromNumbers(6)));
    EXPECT_EQ(Record(*document, 0x7478626C, 2), (Bytes{'S', 'n', 'a', 'r', 'e', 0}));

    // A map number that no <midiMap> defines is kept for the host to miss.
    EXPECT_EQ(Word(Record(*document, 0x6F744F43, 7), 6), 8u);

    ASSERT_EQ(document->midiMaps.size(), 1u);
    EXPECT_EQ(document->midiMaps[0].number, 3u);
    EXPECT_EQ(document->midiMaps[0].path, "Z:\\docs\\maps\\kit.xml");
    EXPECT_EQ(document->midiMaps[0].reference, "Kit");
}

TEST(DocumentReader, TranspositionsAndTextsInTheHostsForm)
{
    std::unique_ptr<Document> document =
        Read("  <staff transposeInterval=\"1\" transposeAlteration=\"2\"/>\n"
             "  <staff transposeInterval=\"-1\"/>\n"
             "  <staff transposeInterval=\"-2\"/>\n"
             "  <staff transposeInterval=\"100\" transposeAlteration=\"-1\"/>\n"
             "  <staff name=\"Caja Pe\xC3\xB1" "a \xE2\x82\xAC\"/>\n");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Word(Record(*document, 0x534F4953, 1), 20), 0x0042u);
    EXPECT_EQ(Word(Record(*document, 0x534F4953, 2), 20), 0x0FC0u);
    EXPECT_EQ(Word(Record(*document, 0x534F4953, 3), 20), 0x0F80u);
    EXPECT_EQ(Word(Record(*document, 0x534F4953, 4), 20), 0x2F64u);
    // UTF-8 in the file, Windows Latin 1 in the host.
    EXPECT_EQ(Record(*document, 0x7478626C, 1), (Bytes{'C', 'a', 'j', 'a', ' ', 'P', 'e', 0xF1, 'a', ' ', 0x80, 0}));
}

TEST(DocumentReader, LayoutsMakeNotesUnderTheTagOfTheHostVersion)
{
    const std::string body =
        "  <layout name=\"Kit\">\n"
        "    <note type=\"35\" order=\"1\" position=\"-2\"/>\n"
        "    <note type=\"4095\" order=\"-1\"/>\n"
        "    <note type=\"0\" order=\"-8\" position=\"32767\"/>\n"
        "  </layout>\n"
        "  <layout number=\"5\"/>\n";
    std::unique_ptr<Document> before = Read(body, nullptr, 0x10FFFFFF);
    ASSERT_NE(before, nullptr);
    const Bytes& first = Record(*before, 0x6F744469, 1, 0);
    ASSERT_EQ(first.size(), 12u);
    EXPECT_EQ(Word(first, 0), 0x1023u);
    EXPECT_EQ(Word(first, 2), 0xFFFEu);
    EXPECT_EQ(OtherBytes(first, {0, 2}), 0u);
    EXPECT_EQ(Word(Record(*before, 0x6F744469, 1, 1), 0), 0xFFFFu);
    EXPECT_EQ(Word(Record(*before, 0x6F744469, 1, 2), 0), 0x8000u);
    EXPECT_EQ(Word(Record(*before, 0x6F744469, 1, 2), 2), 0x7FFFu);
    EXPECT_FALSE(before->records.Contains(0x6F744469, RecordKey::FromNumbers(1, 3)));
    EXPECT_FALSE(before->records.Contains(0x4F024469, RecordKey::FromNumbers(1, 0)));
    EXPECT_EQ(Record(*before, 0x6F73444C, 1), (Bytes{'K', 'i', 't', 0}));
    // A layout without notes or name has no records at all.
    EXPECT_FALSE(before->records.Contains(0x6F744469, RecordKey::FromNumbers(5, 0)));
    EXPECT_FALSE(before->records.Contains(0x6F73444C, RecordKey::FromNumbers(5)));

    std::unique_ptr<Document> from17 = Read(body, nullptr, 0x11000000);
    ASSERT_NE(from17, nullptr);
    EXPECT_EQ(Word(Record(*from17, 0x4F024469, 1, 0), 0), 0x1023u);
    EXPECT_FALSE(from17->records.Contains(0x6F744469, RecordKey::FromNumbers(1, 0)));
}

TEST(DocumentReader, MeasuresSelectionFontsAndView)
{
    std::unique_ptr<Document> document =
        Read("  <measures count=\"2\" time=\"3/4\" key=\"3\"/>\n"
             "  <measures count=\"1\" time=\"6/8\" key=\"-2\" mode=\"minor\"/>\n"
             "  <staff/><staff/><staff/>\n"
             "  <selection staves=\"2-3\" measures=\"2-3\"/>\n"
             "  <font name=\"Maestro\"/>\n  <font number=\"3\" name=\"Times New Roman\"/>\n"
             "  <noteTypes file=\"..\\types.txt\"/>\n"
             "  <view pageView=\"no\" zoom=\"150\" page=\"4\"/>\n");
    ASSERT_NE(document, nullptr);
    const Bytes& second = Record(*document, 0x534F4D53, 2);
    ASSERT_EQ(second.size(), 26u);
    EXPECT_EQ(Word(second, 2), 0x0003u);
    EXPECT_EQ(Word(second, 4), 3u);
    EXPECT_EQ(Word(second, 6), 1024u);
    EXPECT_EQ(OtherBytes(second, {2, 4, 6}), 0u);
    const Bytes& third = Record(*document, 0x534F4D53, 3);
    EXPECT_EQ(Word(third, 2), 0x01FEu);
    EXPECT_EQ(Word(third, 4), 6u);
    EXPECT_EQ(Word(third, 6), 512u);
    EXPECT_FALSE(document->records.Contains(0x534F4D53, RecordKey::FromNumbers(4)));

    const std::array<unsigned char, 20> selection = {0, 0, 2, 0, 2, 0, 0, 0, 0, 0,
                                                     0, 0, 3, 0, 3, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(document->selection, selection);
    EXPECT_EQ(document->fonts, (std::vector<std::string>{"Maestro", "", "Times New Roman"}));
    EXPECT_EQ(document->noteTypeFile, "Z:\\types.txt");
    EXPECT_FALSE(document->view.pageView);
    EXPECT_EQ(document->view.zoom, 150);
    EXPECT_EQ(document->view.page, 4);

    // No selection element: an empty region.
    std::unique_ptr<Document> unselected = Read("  <measures count=\"1\"/>\n  <staff/>\n");
    ASSERT_NE(unselected, nullptr);
    EXPECT_EQ(unselected->selection, (std::array<unsigned char, 20>{}));
    EXPECT_EQ(unselected->name, "t.xml");
}

TEST(DocumentReader, RawRecordsComeLastAndReplace)
{
    std::unique_ptr<Document> document =
        Read("  <record tag=\"SOIS\" key=\"1\">\n    01 02\n    FF\n  </record>\n"
             "  <staff name=\"Gone\"/>\n"
             "  <record tag=\"0x12AB\" key=\"3, 4 0x10\"/>\n"
             "  <record tag=\"osDL\" key=\"2\" text=\"Layout Two\"/>\n"
             "  <record tag=\"0x4F024469\" key=\"65535 1 2 3\">00</record>\n");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Record(*document, 0x534F4953, 1), (Bytes{0x01, 0x02, 0xFF}));
    const Bytes* empty = document->records.Find(0x000012AB, RecordKey::FromNumbers(3, 4, 16));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(Record(*document, 0x6F73444C, 2), (Bytes{'L', 'a', 'y', 'o', 'u', 't', ' ', 'T', 'w', 'o', 0}));
    EXPECT_NE(document->records.Find(0x4F024469, RecordKey::FromNumbers(65535, 1, 2, 3)), nullptr);
    EXPECT_EQ(ErrorOf("  <record tag=\"abcd\" text=\"x\">00</record>\n"), "t.xml:2: <record> has both text=\"...\" and bytes");
}

}  // namespace

// The staff order, group, text repeat and page text elements of workbench
// documents: their messages, the records they make byte for byte, and the
// slots that follow the staff order's records.
#include <gtest/gtest.h>

#include <string>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"

namespace {

using workbench::Bytes;
using workbench::Document;
using workbench::RecordKey;

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

Bytes Record(const Document& document, unsigned long tag, unsigned a, unsigned b = 0)
{
    const Bytes* bytes = document.records.Find(tag, RecordKey::FromNumbers(a, b));
    EXPECT_NE(bytes, nullptr) << std::hex << tag << " " << a << "," << b;
    return bytes == nullptr ? Bytes() : *bytes;
}

// The record with the 16-bit fields given, all other bytes 0.
Bytes Fields(size_t size, std::initializer_list<std::pair<int, unsigned>> fields)
{
    Bytes bytes(size, 0);
    for (const auto& [offset, value] : fields) {
        WriteU16(bytes.data(), offset, value);
    }
    return bytes;
}

TEST(GroupTextElements, RefuseWhatDoesNotFitTheDocument)
{
    const std::string staves = "  <staff/><staff/><staff/>\n";
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves='3 1 x'/>\n"),
              "t.xml:3: <staffOrder> staves=\"3 1 x\" is not a list of staff numbers from 1 to 32767");
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves=' '/>\n"),
              "t.xml:3: <staffOrder> staves=\" \" is not a list of staff numbers from 1 to 32767");
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves='3 1 4'/>\n"),
              "t.xml:3: <staffOrder> staff 4 is not a staff of the document");
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves='3,1,3'/>\n"), "t.xml:3: <staffOrder> names staff 3 twice");
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves='3 1'/>\n"), "t.xml:3: <staffOrder> leaves out staff 2");
    EXPECT_EQ(ErrorOf(staves + "  <staffOrder staves='1'/>\n  <staffOrder staves='1'/>\n"),
              "t.xml:4: <staffOrder> is given twice");
    EXPECT_EQ(ErrorOf(staves + "  <group last='2'/>\n"), "t.xml:3: <group> needs the attribute \"first\"");
    EXPECT_EQ(ErrorOf(staves + "  <group first='1' last='7'/>\n"),
              "t.xml:3: <group> staff 7 is not a staff of the document");
    EXPECT_EQ(ErrorOf(staves + "  <group first='1' last='2'/>\n  <group number='1' first='2' last='3'/>\n"),
              "t.xml:4: <group> number 1 is given twice");
    EXPECT_EQ(ErrorOf("  <textRepeat number='2'/>\n  <textRepeat number='2'/>\n"),
              "t.xml:3: <textRepeat> number 2 is given twice");
    EXPECT_EQ(ErrorOf("  <measures count='2'/>\n  <textRepeat/>\n  <placedTextRepeat measure='1' textRepeat='2'/>\n"),
              "t.xml:4: <placedTextRepeat> text repeat 2 is not defined");
    EXPECT_EQ(ErrorOf("  <measures count='2'/>\n  <textRepeat/>\n  <placedTextRepeat measure='3' textRepeat='1'/>\n"),
              "t.xml:4: <placedTextRepeat> measure 3 is beyond the 2 measures");
    EXPECT_EQ(ErrorOf("  <pageText page='1'/>\n"), "t.xml:2: <pageText> needs the attribute \"text\"");
}

TEST(GroupTextElements, MakeTheirRecordsWithTextBlocksNumberedOnFromTheStaves)
{
    std::string error;
    std::unique_ptr<Document> document =
        Read("  <measures count='4'/>\n"
             "  <staff name='Violin'/><staff number='5'/><staff/>\n"
             "  <staffOrder staves='6, 1 5'/>\n"
             "  <group first='1' last='5' name='^nfx(1)Strings' abbreviation='Str.'/>\n"
             "  <group number='4' first='6' last='6'/>\n"
             "  <textRepeat number='3' text='Fine'/>\n  <textRepeat/>\n"
             "  <placedTextRepeat measure='4' textRepeat='4'/>\n  <placedTextRepeat measure='4' textRepeat='3'/>\n"
             "  <pageText page='2' text='^title()'/>\n  <pageText text='Score'/>\n",
             &error);
    ASSERT_NE(document, nullptr) << error;
    EXPECT_EQ(workbench::StaffOrder(*document), (std::vector<int>{6, 1, 5}));
    EXPECT_EQ(Record(*document, 0x534F4975, 0, 0), Fields(24, {{0, 6}}));
    EXPECT_EQ(Record(*document, 0x534F4975, 0, 2), Fields(24, {{0, 5}}));
    EXPECT_FALSE(document->records.Contains(0x534F4975, RecordKey::FromNumbers(0, 3)));

    EXPECT_EQ(Record(*document, 0x53444E47, 0, 1), Fields(32, {{0, 1}, {2, 5}, {4, 2}, {22, 3}}));
    EXPECT_EQ(Record(*document, 0x53444E47, 0, 4), Fields(32, {{0, 6}, {2, 6}}));
    EXPECT_EQ(workbench::TextOfBlock(*document, 2), "^nfx(1)Strings");
    EXPECT_EQ(workbench::TextOfBlock(*document, 3), "Str.");

    EXPECT_EQ(Record(*document, 0x534F5253, 3), Bytes(16, 0));
    EXPECT_EQ(Record(*document, 0x6F735254, 3), (Bytes{'F', 'i', 'n', 'e', 0}));
    EXPECT_EQ(Record(*document, 0x534F5253, 4), Bytes(16, 0));
    EXPECT_FALSE(document->records.Contains(0x6F735254, RecordKey::FromNumbers(4)));
    EXPECT_EQ(Record(*document, 0x6F745250, 4, 0), Fields(12, {{6, 4}}));
    EXPECT_EQ(Record(*document, 0x6F745250, 4, 1), Fields(12, {{6, 3}}));

    EXPECT_EQ(Record(*document, 0x6F745054, 2, 0), Fields(12, {{0, 4}}));
    EXPECT_EQ(Record(*document, 0x6F745054, 1, 0), Fields(12, {{0, 5}}));
    EXPECT_EQ(workbench::TextOfBlock(*document, 5), "Score");
}

TEST(GroupTextElements, SlotsFollowTheStaffOrderRecords)
{
    std::string error;
    std::unique_ptr<Document> document = Read("  <staff/><staff/><staff/>\n  <staffOrder staves='3 1 2'/>\n", &error);
    ASSERT_NE(document, nullptr) << error;
    EXPECT_EQ(workbench::DescribeStaff(*document, 1, 0x10000000).number, 3);
    // A record too short to name a staff leaves its slot without one; the
    // order ends at the first missing inci.
    document->records.Put(0x534F4975, RecordKey::FromNumbers(0, 1), Bytes{7});
    document->records.Put(0x534F4975, RecordKey::FromNumbers(0, 4), Fields(24, {{0, 2}}));
    EXPECT_EQ(workbench::StaffOrder(*document), (std::vector<int>{3, 0, 2}));
    EXPECT_EQ(workbench::SlotOfStaff(*document, 2), 3);
    EXPECT_EQ(workbench::SlotOfStaff(*document, 0), 0);
    EXPECT_EQ(workbench::StaffInSlot(*document, 4), 0);
}

}  // namespace

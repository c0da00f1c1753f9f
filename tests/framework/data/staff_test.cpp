// FCStaff and FCCurrentStaffSpec against the workbench host: full names
// through text blocks and raw texts, transposition words, the first staff,
// and the read-only staff of a cell position.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/cell.h"
#include "framework/data/staff.h"
#include "framework/data/string.h"
#include "host/record_bytes.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Calls = std::vector<std::string>;

// A staff record with the transposition word at 20 and the text block at 30.
Bytes StaffBytes(unsigned transposition, unsigned textBlock)
{
    Bytes bytes(114, 0);
    WriteU16(bytes.data(), 20, transposition);
    WriteU16(bytes.data(), 30, textBlock);
    return bytes;
}

// A text block naming raw text `number` of kind `kind`.
Bytes TextBlockBytes(unsigned number, unsigned kind)
{
    Bytes bytes(26, 0);
    WriteU16(bytes.data(), 0, number);
    WriteU16(bytes.data(), 24, kind);
    return bytes;
}

struct Names {
    std::string full;
    std::string trimmed;
    std::string display;
};

// The three names of the staff, each checked to be a string.
Names NamesOf(unsigned short staffNumber)
{
    FCStaff staff;
    EXPECT_TRUE(staff.Load(staffNumber));
    Names names;
    std::string* targets[] = {&names.full, &names.trimmed, &names.display};
    std::unique_ptr<FCString> made[] = {std::unique_ptr<FCString>(staff.CreateFullNameString()),
                                        std::unique_ptr<FCString>(staff.CreateTrimmedFullNameString()),
                                        std::unique_ptr<FCString>(staff.CreateDisplayFullNameString())};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(made[i], nullptr);
        *targets[i] = made[i] == nullptr ? "(null)" : made[i]->GetCString();
    }
    return names;
}

bool Contains(const Calls& calls, const std::string& call)
{
    for (const std::string& made : calls) {
        if (made == call) {
            return true;
        }
    }
    return false;
}

class StaffRecords : public ::testing::Test {
protected:
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }
};

TEST_F(StaffRecords, FullNamesComeThroughTheTextBlockAndItsRawText)
{
    OpenOnly("<staff name='^font(Times New Roman)^size(12)^nfx(0)B^flat() Clarinet'/>"
             "<staff name='^fontTxt(Arial)F^sharp() Horn in F^sharp()'/>"
             "<staff name='Snare'/>");
    TakeHostCalls();
    Names clarinet = NamesOf(1);
    EXPECT_EQ(clarinet.full, "^font(Times New Roman)^size(12)^nfx(0)B^flat() Clarinet");
    EXPECT_EQ(clarinet.trimmed, "B^flat() Clarinet");
    EXPECT_EQ(clarinet.display, "Bb Clarinet");
    Calls calls = TakeHostCalls();
    EXPECT_TRUE(Contains(calls, "FX_LoadEData SOTX 1.0.0.0 26"));
    EXPECT_TRUE(Contains(calls, "FX_LoadEData txbl 1.0.0.0 56"));

    Names horn = NamesOf(2);
    EXPECT_EQ(horn.trimmed, "F^sharp() Horn in F^sharp()");
    EXPECT_EQ(horn.display, "F# Horn in F#");
    Names snare = NamesOf(3);
    EXPECT_EQ(snare.full, "Snare");
    EXPECT_EQ(snare.display, "Snare");
}

TEST_F(StaffRecords, TheRawTextKindOfTheBlockChoosesTheRawTextTag)
{
    // Raw text 4 exists as two kinds; the block names kind "ex".
    OpenOnly(RecordElement("SOIS", "1", StaffBytes(0, 6)) + RecordElement("SOTX", "6", TextBlockBytes(4, 0x6578)) +
             "<record tag='txex' key='4' text='Bongo^flat()'/><record tag='txbl' key='4' text='Wrong'/>");
    Names names = NamesOf(1);
    EXPECT_EQ(names.full, "Bongo^flat()");
    EXPECT_EQ(names.display, "Bongob");
}

TEST_F(StaffRecords, MissingTextsGiveEmptyNamesNeverNull)
{
    OpenOnly(RecordElement("SOIS", "1", StaffBytes(0, 0)) +   // no text block number
             RecordElement("SOIS", "2", StaffBytes(0, 9)) +   // text block 9 does not exist
             RecordElement("SOIS", "3", StaffBytes(0, 5)) +   // its raw text 7 does not exist
             RecordElement("SOTX", "5", TextBlockBytes(7, 0x626C)));
    for (unsigned short staff : {1, 2, 3}) {
        Names names = NamesOf(staff);
        EXPECT_EQ(names.full, "") << "staff " << staff;
        EXPECT_EQ(names.trimmed, "") << "staff " << staff;
        EXPECT_EQ(names.display, "") << "staff " << staff;
    }
    // A text block that does not load is not followed to a raw text.
    FCStaff missing;
    ASSERT_TRUE(missing.Load(2));
    TakeHostCalls();
    std::unique_ptr<FCString> name(missing.CreateFullNameString());
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_LoadEData SOTX 9.0.0.0 26"}));
}

TEST_F(StaffRecords, TranspositionWordsDecodeToIntervalAndAlteration)
{
    struct Case {
        unsigned word;
        int interval;
        int alteration;
    };
    const Case cases[] = {
        {0x0000, 0, 0},  {0x0042, 1, 2},   {0x0FC0, -1, 0},  {0x20FE, -2, 0},  {0x2F05, 5, -1},
        {0x003E, 0, -2}, {0x0820, -32, -32}, {0x2780, -128, 7}, {0xFFFF, -1, -1},
    };
    std::string body;
    unsigned number = 1;
    for (const Case& c : cases) {
        body += RecordElement("SOIS", std::to_string(number++).c_str(), StaffBytes(c.word, 0));
    }
    OpenOnly(body);
    number = 1;
    for (const Case& c : cases) {
        FCStaff staff;
        ASSERT_TRUE(staff.Load(static_cast<unsigned short>(number++)));
        EXPECT_EQ(staff.GetTransposeInterval(), c.interval) << std::hex << c.word;
        EXPECT_EQ(staff.GetTransposeAlteration(), c.alteration) << std::hex << c.word;
    }
}

TEST_F(StaffRecords, TheFirstStaffIsTheHostsNextAfterNumberZero)
{
    OpenOnly(RecordElement("SOIS", "3", StaffBytes(0x0042, 0)) + RecordElement("SOIS", "8", StaffBytes(0, 0)));
    FCStaff staff;
    ASSERT_TRUE(staff.Load(8));
    TakeHostCalls();
    EXPECT_TRUE(staff.LoadFirst());
    EXPECT_EQ(staff.GetItemNo(), 3);
    EXPECT_EQ(staff.GetTransposeAlteration(), 2);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_NextEData SOIS 0.0.0.0 0", "FX_LoadEData SOIS 3.0.0.0 114"}));

    OpenOnly("");
    FCStaff none;
    EXPECT_FALSE(none.LoadFirst());
}

TEST_F(StaffRecords, CurrentStaffSpecLoadsByCellAndPositionAndRefusesWrites)
{
    // Staff 2, measure 4, position 0x00012345 (key bytes 4 to 7).
    OpenOnly(RecordElement("SOSC", "2 4 9029 1", StaffBytes(0x0FC0, 0)) +
             RecordElement("SOSC", "2 4 65535 65535", StaffBytes(0x0042, 0)) +
             RecordElement("SOIS", "1", StaffBytes(0, 0)));
    FCCurrentStaffSpec spec;
    FCCell cell(4, 2);
    TakeHostCalls();
    ASSERT_TRUE(spec.Load(&cell, 0x00012345));
    EXPECT_EQ(spec.GetTransposeInterval(), -1);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_LoadEData SOSC 2.4.9029.1 114"}));
    EXPECT_EQ(spec.GetItemNo(), 0);
    ASSERT_TRUE(spec.Load(&cell, -1));
    EXPECT_EQ(spec.GetTransposeInterval(), 1);
    FCCell elsewhere(5, 2);
    EXPECT_FALSE(spec.Load(&elsewhere, 0));

    TakeHostCalls();
    EXPECT_FALSE(spec.Load(1));
    EXPECT_FALSE(spec.SaveAs(1));
    EXPECT_FALSE(spec.SaveNew());
    EXPECT_FALSE(spec.Save());
    EXPECT_FALSE(spec.DeleteData());
    EXPECT_EQ(TakeHostCalls(), Calls{});
    EXPECT_STREQ(spec.ClassName(), "FCCurrentStaffSpec");
    EXPECT_EQ(spec.Tag(), 0x534F5343u);
}

}  // namespace

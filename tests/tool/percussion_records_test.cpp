// The percussion host records, loaded from a workbench document's store.
#include <memory>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "host/finale_version.h"
#include "tests/tool/tool_documents.h"
#include "tool/percussion_records.h"

namespace {

using workbench::Bytes;
using workbench::RecordKey;

class PercussionRecords : public ::testing::Test {
protected:
    void SetUp() override { document = &OpenEmptyDocument(); }
    void TearDown() override
    {
        SetFinaleFrameworkVersion(0x0F000200);
        workbench::Workbench::Instance().CloseAll();
    }
    workbench::Document* document = nullptr;
};

TEST_F(PercussionRecords, LayoutNoteDecodesTypeOrderAndPosition)
{
    document->records.Put(0x6F744469, RecordKey::FromNumbers(7, 0), Bytes{0x23, 0x10, 0xFE, 0xFF, 9, 9, 9, 9, 9, 9, 9, 9});
    document->records.Put(0x6F744469, RecordKey::FromNumbers(7, 1), Bytes{0x23, 0xF0, 0x03, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
    document->records.Put(0x6F744469, RecordKey::FromNumbers(7, 2), Bytes{0x00, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});

    FCPercussionLayoutNotes notes;
    notes.LoadAllForItem(7);
    ASSERT_EQ(notes.GetCount(), 3);
    EXPECT_EQ(notes.GetItemAt(0)->GetNoteType(), 35);
    EXPECT_EQ(notes.GetItemAt(0)->GetOrderID(), 1);
    EXPECT_EQ(notes.GetItemAt(0)->GetStaffPosition(), -2);
    EXPECT_EQ(notes.GetItemAt(1)->GetNoteType(), 35);
    EXPECT_EQ(notes.GetItemAt(1)->GetOrderID(), -1);
    EXPECT_EQ(notes.GetItemAt(1)->GetStaffPosition(), 3);
    EXPECT_EQ(notes.GetItemAt(2)->GetNoteType(), 0);
    EXPECT_EQ(notes.GetItemAt(2)->GetOrderID(), -8);
    EXPECT_EQ(notes.GetItemAt(2)->GetLayoutIndex(), 2);
    EXPECT_EQ(notes.GetItemAt(0)->_GetPercussionNoteDef(), notes.GetItemAt(0)->_GetBuffer());
}

TEST_F(PercussionRecords, LayoutNoteTagFollowsTheRunningVersionOnEveryCall)
{
    FCPercussionLayoutNote note;
    SetFinaleFrameworkVersion(0x10000000);
    EXPECT_EQ(note.Tag(), 0x6F744469u);
    SetFinaleFrameworkVersion(0x11000000);
    EXPECT_EQ(note.Tag(), 0x4F024469u);
    SetFinaleFrameworkVersion(0x10FFFFFF);
    EXPECT_EQ(note.Tag(), 0x6F744469u);

    // Newer hosts keep the layout under the other tag.
    document->records.Put(0x4F024469, RecordKey::FromNumbers(3, 0), Bytes(12, 0x01));
    FCPercussionLayoutNotes notes;
    notes.LoadAllForItem(3);
    EXPECT_EQ(notes.GetCount(), 0);
    SetFinaleFrameworkVersion(0x11000000);
    notes.LoadAllForItem(3);
    EXPECT_EQ(notes.GetCount(), 1);
}

TEST_F(PercussionRecords, PercussionStaffTakesItsTagFromTheStaffAndLoadsOnlyByNumber)
{
    FCPercussionStaff staff;
    EXPECT_EQ(staff.Tag(), 0x6F744453u);
    staff.SetCustomTag(0x6F745858);
    EXPECT_EQ(staff.Tag(), 0x6F745858u);

    document->records.Put(0x6F745858, RecordKey::FromNumbers(1), Bytes{0x0C, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    workbench::Workbench::Instance().ClearCalls();
    EXPECT_FALSE(staff.LoadFirst());
    EXPECT_TRUE(workbench::Workbench::Instance().Calls().empty());
    ASSERT_TRUE(staff.Load(1));
    EXPECT_EQ(staff.GetLayoutNumber(), 12);
    EXPECT_STREQ(staff.ClassName(), "FCPercussionStaff");
}

TEST_F(PercussionRecords, InstrumentDefinitionClonesItsOwnBytes)
{
    document->records.Put(0x6F744F43, RecordKey::FromNumbers(4), Bytes{0, 0, 0, 0, 0, 0, 0x05, 0x00, 0, 0, 0, 0});
    FCInstrumentDef definition;
    ASSERT_TRUE(definition.Load(4));
    EXPECT_EQ(definition.GetMIDIMapNumber(), 5);

    std::unique_ptr<__FCBaseData> clone(definition.CreateClone());
    auto* copy = dynamic_cast<FCInstrumentDef*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetMIDIMapNumber(), 5);
    EXPECT_EQ(copy->GetDataSize(), 12);
    copy->_GetBuffer()[6] = 9;
    EXPECT_EQ(definition.GetMIDIMapNumber(), 5);
    EXPECT_EQ(copy->GetMIDIMapNumber(), 9);
}

TEST_F(PercussionRecords, LayoutNameIsATextNumberedByTheLayout)
{
    const char name[] = "Marching Kit";
    document->records.Put(0x6F73444C, RecordKey::FromNumbers(6), Bytes(name, name + sizeof name));
    FCPercussionLayoutNotesText text;
    ASSERT_TRUE(text.Load(6));
    std::unique_ptr<FCString> loaded(text.CreateString());
    EXPECT_STREQ(loaded->GetCString(), "Marching Kit");

    FCPercussionLayoutNotesText missing;
    EXPECT_FALSE(missing.Load(7));
    std::unique_ptr<FCString> empty(missing.CreateString());
    EXPECT_EQ(empty->GetLength(), 0);
}

}  // namespace

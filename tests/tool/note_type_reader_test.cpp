// Reading the host's percussion note type table through FX_GetFinalePath.
#include <string>

#include <gtest/gtest.h>

#include "tests/tool/allocation_counter.h"
#include "tests/tool/test_files.h"
#include "tests/tool/tool_documents.h"
#include "tool/block_handler.h"

namespace {

class NoteTypeTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        _PercussionNoteTypes.ClearAll();
        document = &OpenEmptyDocument();
    }
    void TearDown() override
    {
        _PercussionNoteTypes.ClearAll();
        workbench::Workbench::Instance().CloseAll();
    }
    // The document's note type file, holding these bytes.
    void UseFile(const std::string& bytes) { document->noteTypeFile = folder.Write("types.txt", bytes); }
    bool Read() { return handler.ReadPercNoteTypesFile(); }
    FCPercNoteType* Entry(int index) { return _PercussionNoteTypes.GetItemAt(index); }

    TestFolder folder;
    workbench::Document* document = nullptr;
    FCDrumwellBlockHandler handler{nullptr, nullptr, nullptr, nullptr, nullptr};
};

TEST_F(NoteTypeTable, EntryLinesGiveEightFieldsTakenAsTheyStand)
{
    UseFile("2024061501\r\n"
            "// percussion note types\r\n"
            "35,1,Acoustic Bass Drum,0,35,0,0,0\r\n"
            "36, 1, Kick Drum , 4, 36\n"
            "40,1,Snare,0,38,1,2,3,extra,more\n"
            "65571,7,Tom%g,9,41,5,6,7\n"
            "   50,1,Caj\xF3n,0,-7\t\n");
    ASSERT_TRUE(Read());
    ASSERT_EQ(_PercussionNoteTypes.GetCount(), 5);
    EXPECT_EQ(Entry(0)->typeNumber, 35);
    EXPECT_STREQ(Entry(0)->name.GetCString(), "Acoustic Bass Drum");
    EXPECT_EQ(Entry(0)->generalMidiNote, 35);
    EXPECT_EQ(Entry(0)->column2, 1);

    EXPECT_STREQ(Entry(1)->name.GetCString(), " Kick Drum ");
    EXPECT_EQ(Entry(1)->column2, 1);
    EXPECT_EQ(Entry(1)->column4, 4);
    EXPECT_EQ(Entry(1)->generalMidiNote, 36);
    EXPECT_EQ(Entry(1)->column6, 0);
    EXPECT_EQ(Entry(1)->column8, 0);

    EXPECT_EQ(Entry(2)->column6, 1);
    EXPECT_EQ(Entry(2)->column7, 2);
    EXPECT_EQ(Entry(2)->column8, 3);

    EXPECT_EQ(Entry(3)->typeNumber, 35);  // 65571 = 65536 + 35
    EXPECT_STREQ(Entry(3)->name.GetCString(), "Tom%g");
    EXPECT_EQ(Entry(3)->column4, 9);

    // Leading blanks are trimmed off the line; bytes above 0x7F come back as they were.
    EXPECT_EQ(Entry(4)->typeNumber, 50);
    EXPECT_STREQ(Entry(4)->name.GetCString(), "Caj\xF3n");
    EXPECT_EQ(Entry(4)->generalMidiNote, -7);
}

TEST_F(NoteTypeTable, LinesThatAreNoEntriesAreSkipped)
{
    UseFile("0000000000\n"
            "\n"
            "36,1,Kick,0\n"
            "x36,1,Kick,0,36\n"
            "# 37,1,Side Stick,0,37\n"
            "Heading, with, four, commas, here\n"
            "38,1,Snare,0,38\n");
    ASSERT_TRUE(Read());
    ASSERT_EQ(_PercussionNoteTypes.GetCount(), 1);
    EXPECT_EQ(Entry(0)->typeNumber, 38);
}

TEST_F(NoteTypeTable, TheFirstLineMustBeATenDigitStamp)
{
    for (const char* file : {"123456789\n35,1,Kick,0,35\n", "2024-06-15\n35,1,Kick,0,35\n",
                             "35,1,Kick,0,35\n", "12345678901\n35,1,Kick,0,35\n", "\n35,1,Kick,0,35\n"}) {
        UseFile(file);
        EXPECT_FALSE(Read()) << file;
        EXPECT_EQ(_PercussionNoteTypes.GetCount(), 0) << file;
    }
    UseFile("  1234567890 \t\n35,1,Kick,0,35\n");
    EXPECT_TRUE(Read());
    EXPECT_EQ(_PercussionNoteTypes.GetCount(), 1);
}

TEST_F(NoteTypeTable, ReadOnceItHasEntries)
{
    UseFile("");
    EXPECT_TRUE(Read());
    EXPECT_EQ(_PercussionNoteTypes.GetCount(), 0);

    // A table without entries is read again next time.
    UseFile("1234567890\n");
    EXPECT_TRUE(Read());
    UseFile("1234567890\n35,1,Kick,0,35\n");
    EXPECT_TRUE(Read());
    EXPECT_EQ(_PercussionNoteTypes.GetCount(), 1);

    // Once filled, the file is not touched again.
    UseFile("broken");
    EXPECT_TRUE(Read());
    document->noteTypeFile = folder.Path() + "\\missing.txt";
    EXPECT_TRUE(Read());
    EXPECT_EQ(_PercussionNoteTypes.GetCount(), 1);
}

TEST_F(NoteTypeTable, AMissingFileFails)
{
    document->noteTypeFile = folder.Path() + "\\missing.txt";
    EXPECT_FALSE(Read());
    EXPECT_EQ(_PercussionNoteTypes.GetCount(), 0);
}

TEST_F(NoteTypeTable, MalformedFilesAreReadWithoutLeaks)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 7919 + 13) % 256);
    }
    std::string nuls = std::string("1234567890\n35,1,Ki\0ck,0,35\n", 28) + std::string(100, '\0');
    std::string longLine = "1234567890\n36,1," + std::string(100000, 'x') + ",0,36\n" + std::string(100000, ',') + "\n";
    // The host's call log and the table's own array stay after the first read.
    UseFile("1234567890\n35,1,Kick,0,35\n");
    Read();
    _PercussionNoteTypes.ClearAll();
    for (const std::string& bytes : {junk, nuls, longLine, std::string("1234567890"), std::string(1, '\xFF')}) {
        UseFile(bytes);
        workbench::Workbench::Instance().ClearCalls();
        long before = LiveAllocations();
        Read();
        _PercussionNoteTypes.ClearAll();
        EXPECT_EQ(LiveAllocations(), before);
    }
    UseFile(longLine);
    ASSERT_TRUE(Read());
    ASSERT_EQ(_PercussionNoteTypes.GetCount(), 1);
    EXPECT_EQ(Entry(0)->name.GetLength(), 100000);
}

}  // namespace

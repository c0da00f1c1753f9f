// The note list's sorting orders.
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tool/percussion_notes.h"
#include "tool/sorting.h"

namespace {

struct Note {
    const char* name;
    int mapped;
    int generalMidi;
    int position;
    int index;
};

class SortingOrders : public ::testing::Test {
protected:
    void SetUp() override { _GlobalUserSettings.sortingOrder = 0; }
    void TearDown() override { _GlobalUserSettings.sortingOrder = 0; }

    void Fill(std::initializer_list<Note> notes)
    {
        list.ClearAll();
        for (const Note& note : notes) {
            auto* info = new FCPercussionNoteInfo;
            info->noteName.SetCString(note.name);
            info->mappedMidiNote = note.mapped;
            info->generalMidiNote = note.generalMidi;
            info->staffPosition = note.position;
            info->layoutIndex = note.index;
            list.Add(info);
        }
    }

    std::vector<std::string> SortedNames(int order)
    {
        _GlobalUserSettings.sortingOrder = order;
        FCPercussionNoteListSorter sorter;
        list.Sort(&sorter);
        std::vector<std::string> names;
        for (int i = 0; i < list.GetCount(); ++i) {
            names.push_back(list.GetItemAt(i)->noteName.GetCString());
        }
        return names;
    }

    FCPercussionNoteInfos list;
};

TEST_F(SortingOrders, CaptionsInPopUpOrder)
{
    EXPECT_STREQ(_SortingOrderDescriptions[0], "Percussion Layout Index");
    EXPECT_STREQ(_SortingOrderDescriptions[1], "Note Name");
    EXPECT_STREQ(_SortingOrderDescriptions[2], "Mapped MIDI Note");
    EXPECT_STREQ(_SortingOrderDescriptions[3], "Staff Position");
    EXPECT_STREQ(_SortingOrderDescriptions[4], "General MIDI Note");
}

TEST_F(SortingOrders, LayoutIndexAscendingOnItsLow16BitsSigned)
{
    Fill({{"c", 0, 0, 0, 2}, {"a", 0, 0, 0, 0x10000}, {"b", 0, 0, 0, 1}, {"neg", 0, 0, 0, 0xFFFF}});
    // 0x10000 counts as 0 and 0xFFFF as -1.
    EXPECT_EQ(SortedNames(0), (std::vector<std::string>{"neg", "a", "b", "c"}));
}

TEST_F(SortingOrders, NamesByByteOrderWithoutCaseFolding)
{
    Fill({{"snare", 0, 0, 0, 0}, {"Tom", 0, 0, 0, 1}, {"\xE9tude", 0, 0, 0, 2}, {"Kick", 0, 0, 0, 3}});
    EXPECT_EQ(SortedNames(1), (std::vector<std::string>{"Kick", "Tom", "snare", "\xE9tude"}));
}

TEST_F(SortingOrders, MappedNotesAscendingWithUnmappedLast)
{
    Fill({{"38", 38, 0, 0, 0}, {"none", -1, 0, 0, 1}, {"36", 36, 0, 0, 2}});
    EXPECT_EQ(SortedNames(2), (std::vector<std::string>{"36", "38", "none"}));
    Fill({{"x", -1, 0, 0, 0}, {"40", 40, 0, 0, 1}, {"y", -1, 0, 0, 2}, {"35", 35, 0, 0, 3}});
    std::vector<std::string> sorted = SortedNames(2);
    EXPECT_EQ(sorted[0], "35");
    EXPECT_EQ(sorted[1], "40");
}

TEST_F(SortingOrders, StaffPositionsDescending)
{
    Fill({{"-4", 0, 0, -4, 0}, {"0", 0, 0, 0, 1}, {"3", 0, 0, 3, 2}});
    EXPECT_EQ(SortedNames(3), (std::vector<std::string>{"3", "0", "-4"}));
}

TEST_F(SortingOrders, GeneralMidiAscendingWithUnknownFirst)
{
    Fill({{"38", 0, 38, 0, 0}, {"unknown", 0, -1, 0, 1}, {"36", 0, 36, 0, 2}});
    EXPECT_EQ(SortedNames(4), (std::vector<std::string>{"unknown", "36", "38"}));
}

TEST_F(SortingOrders, EqualKeysEndInTheExchangeSortsOrder)
{
    // Equal staff positions: the exchange sort swaps only on a positive answer.
    Fill({{"first", 0, 0, 1, 0}, {"second", 0, 0, 1, 1}, {"high", 0, 0, 5, 2}});
    EXPECT_EQ(SortedNames(3), (std::vector<std::string>{"high", "second", "first"}));
}

TEST_F(SortingOrders, UnknownOrderLeavesTheListAsItIs)
{
    Fill({{"b", 2, 2, 2, 2}, {"a", 1, 1, 1, 1}, {"c", 3, 3, 3, 3}});
    EXPECT_EQ(SortedNames(-1), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(SortedNames(5), (std::vector<std::string>{"b", "a", "c"}));
}

}  // namespace

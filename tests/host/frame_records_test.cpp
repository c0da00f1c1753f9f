// Cleaning of frame records before they go back to the host.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "host/record_bytes.h"
#include "host/service_wrappers.h"

namespace {

constexpr int kEntrySize = 146;

// A frame record pointing at `count` entries of 146 bytes each.
struct Frame {
    explicit Frame(int count) : entries(count * kEntrySize, 0)
    {
        WriteU32(record, 14, reinterpret_cast<unsigned long>(entries.data()));
        WriteU16(record, 18, static_cast<unsigned>(count));
    }
    unsigned char* Entry(int e) { return entries.data() + e * kEntrySize; }
    unsigned char* Slot(int e, int slot) { return Entry(e) + 16 + slot * 10; }
    void SetNotes(int e, const std::vector<int>& ids)
    {
        WriteU16(Entry(e), 14, static_cast<unsigned>(ids.size()));
        for (size_t i = 0; i < ids.size(); ++i) {
            WriteU16(Slot(e, static_cast<int>(i)), 4, static_cast<unsigned>(ids[i]));
        }
    }
    unsigned char record[24] = {};
    std::vector<unsigned char> entries;
};

TEST(CleanTGF, SharedAndZeroIdentifiersGetNewOnesAboveTheHighest)
{
    Frame frame(1);
    frame.SetNotes(0, {3, 3, 0});
    WriteU16(frame.Slot(0, 0), 0, 0xAAAA);        // left alone
    WriteU32(frame.Slot(0, 1), 6, 0xFFFFFFFF);    // bits 16-20 replaced, others kept
    std::memset(frame.Slot(0, 5), 0x77, 10);      // unused: cleared

    CleanTGF(frame.record);

    EXPECT_EQ(ReadS16(frame.Slot(0, 0), 4), 4);
    EXPECT_EQ(ReadS16(frame.Slot(0, 1), 4), 3);
    EXPECT_EQ(ReadS16(frame.Slot(0, 2), 4), 5);
    EXPECT_EQ(ReadU32(frame.Slot(0, 0), 6), 4ul << 16);
    EXPECT_EQ(ReadU32(frame.Slot(0, 1), 6), 0xFFE3FFFFul);
    EXPECT_EQ(ReadU32(frame.Slot(0, 2), 6), 5ul << 16);
    EXPECT_EQ(ReadU16(frame.Slot(0, 0), 0), 0xAAAA);
    for (int slot = 3; slot < 12; ++slot) {
        for (int b = 0; b < 10; ++b) {
            EXPECT_EQ(frame.Slot(0, slot)[b], 0) << "slot " << slot;
        }
    }
    EXPECT_EQ(ReadU32(frame.Entry(0), 8), 0u);
}

TEST(CleanTGF, RestsGetANoteRecord)
{
    Frame frame(2);
    frame.SetNotes(0, {});
    WriteU32(frame.Entry(0), 8, 0x00000010);
    frame.SetNotes(1, {9});

    CleanTGF(frame.record);

    EXPECT_EQ(ReadS16(frame.Entry(0), 14), 1);
    EXPECT_EQ(ReadU32(frame.Slot(0, 0), 6), 0x80000000ul);
    EXPECT_EQ(ReadS16(frame.Slot(0, 0), 4), 0);
    EXPECT_EQ(ReadU32(frame.Entry(0), 8), 0x01000010ul);
    // The second entry is cleaned too; its one note keeps its identifier.
    EXPECT_EQ(ReadS16(frame.Slot(1, 0), 4), 9);
    EXPECT_EQ(ReadU32(frame.Slot(1, 0), 6), 9ul << 16);
}

TEST(CleanTGF, EmptyFramesAndImpossibleCountsAreSafe)
{
    Frame none(1);
    WriteU16(none.record, 18, 0);
    std::memset(none.Slot(0, 4), 0x55, 10);
    CleanTGF(none.record);
    EXPECT_EQ(none.Slot(0, 4)[0], 0x55);

    // A note count beyond the twelve slots touches only the entry's own slots.
    Frame frame(2);
    WriteU16(frame.Entry(0), 14, 40);
    std::memset(frame.Entry(1), 0x66, kEntrySize);
    WriteU16(frame.record, 18, 1);
    CleanTGF(frame.record);
    EXPECT_EQ(frame.Entry(1)[0], 0x66);
    EXPECT_EQ(ReadS16(frame.Slot(0, 11), 4), 12);
}

}  // namespace

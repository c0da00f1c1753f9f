// The note lines that need attention: reasons, colours and explanations.
#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "tool/attention.h"
#include "tool/percussion_notes.h"

namespace {

TEST(Attention, ReasonsColoursAndTexts)
{
    FCPercussionNoteInfos notes;
    struct {
        const char* name;
        int mapped;
        int generalMidi;
    } const lines[] = {{"Tom", 48, 45}, {"Tom 2", 48, 48}, {"Pedal", -1, 44},
                       {"Snare", 40, 38}, {"Kick", 36, 36}, {"Odd", 50, -1}};
    for (const auto& line : lines) {
        auto* note = new FCPercussionNoteInfo;
        note->noteName.SetCString(line.name);
        note->mappedMidiNote = line.mapped;
        note->generalMidiNote = line.generalMidi;
        notes.Add(note);
    }
    EXPECT_EQ(CalcNoteAttention(&notes, 0), kAttentionSharedNote | kAttentionOffGeneralMidi);
    EXPECT_EQ(CalcNoteAttention(&notes, 1), kAttentionSharedNote);
    EXPECT_EQ(CalcNoteAttention(&notes, 2), kAttentionUnmapped);
    EXPECT_EQ(CalcNoteAttention(&notes, 3), kAttentionOffGeneralMidi);
    // Matching General MIDI, or none to compare with: nothing to point at.
    EXPECT_EQ(CalcNoteAttention(&notes, 4), 0);
    EXPECT_EQ(CalcNoteAttention(&notes, 5), 0);
    EXPECT_EQ(CalcNoteAttention(&notes, 6), 0);

    COLORREF text = 1, background = 1, strongest = 0, unused = 0;
    EXPECT_FALSE(GetAttentionColours(0, false, &text, &background));
    EXPECT_EQ(text, 1u);
    ASSERT_TRUE(GetAttentionColours(kAttentionSharedNote, false, &strongest, &unused));
    ASSERT_TRUE(GetAttentionColours(kAttentionSharedNote | kAttentionOffGeneralMidi, false, &text, &background));
    EXPECT_EQ(text, strongest);
    COLORREF backgrounds[3];
    int kinds[] = {kAttentionSharedNote, kAttentionUnmapped, kAttentionOffGeneralMidi};
    for (int i = 0; i < 3; ++i) {
        GetAttentionColours(kinds[i], false, &text, &backgrounds[i]);
        COLORREF selected = 0;
        GetAttentionColours(kinds[i], true, &text, &selected);
        EXPECT_NE(selected, backgrounds[i]);
    }
    EXPECT_NE(backgrounds[0], backgrounds[1]);
    EXPECT_NE(backgrounds[1], backgrounds[2]);
    EXPECT_NE(backgrounds[0], backgrounds[2]);

    FCString tip;
    CreateAttentionText(&notes, 0, &tip);
    EXPECT_STREQ(tip.GetCString(), "Shares MIDI note 48 ('C3') with Tom 2\r\nMapped to 48 ('C3'); General MIDI: 45 ('A2')");
    CreateAttentionText(&notes, 2, &tip);
    EXPECT_STREQ(tip.GetCString(), "Not mapped: plays nothing");
    CreateAttentionText(&notes, 3, &tip);
    EXPECT_STREQ(tip.GetCString(), "Mapped to 40 ('E2'); General MIDI: 38 ('D2')");
    CreateAttentionText(&notes, 4, &tip);
    EXPECT_STREQ(tip.GetCString(), "");
}

}  // namespace

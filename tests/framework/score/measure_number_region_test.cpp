// FCMeasureNumberRegion, FCMeasureNumberRegions and FCEnclosure against the
// workbench host, in the host layouts before and from version 0x0F000000:
// displayed numbers, the measure numbers of all regions, what the setters
// store, and what the older layout refuses.
#include <memory>
#include <string>

#include "framework/data/font_info.h"
#include "framework/data/string.h"
#include "framework/score/measure_number_region.h"
#include "tests/framework/score/score_documents.h"
#include "tests/support/host_calls.h"

namespace {

constexpr unsigned long kBeforeParts = 0x0E000000;
constexpr unsigned long kWithParts = 0x0F000000;

// The region's number for the measure, or "false:" and the text as it was.
std::string Displayed(unsigned short region, short measure)
{
    FCMeasureNumberRegion loaded;
    EXPECT_TRUE(loaded.Load(region));
    FCString text("untouched");
    bool shown = loaded.GetDisplayedNumber(measure, &text);
    return (shown ? "" : "false:") + std::string(text.GetCString());
}

std::string Created(const FCMeasureNumberRegion& region, short measure)
{
    std::unique_ptr<FCString> text(region.CreateDisplayedString(measure));
    return text == nullptr ? "(null)" : text->GetCString();
}

class BothLayouts : public ScoreDocument, public ::testing::WithParamInterface<unsigned long> {};

TEST_P(BothLayouts, DisplayedNumbersCountInDigitsLettersAndBases)
{
    OpenAs(GetParam(), "<measureNumbers measures='1-10'/>"
                       "<measureNumbers measures='1-10' countFromOne='no'/>"
                       "<measureNumbers measures='1-60' style='letters'/>"
                       "<measureNumbers measures='1-20' base='2'/>"
                       "<measureNumbers measures='1-30' style='letters' doubleUp='no'/>");
    EXPECT_EQ(Displayed(1, 1), "1");
    EXPECT_EQ(Displayed(1, 10), "10");
    EXPECT_EQ(Displayed(1, 11), "false:untouched");
    EXPECT_EQ(Displayed(1, 0), "false:untouched");
    EXPECT_EQ(Displayed(2, 1), "0");
    EXPECT_EQ(Displayed(2, 10), "9");
    EXPECT_EQ(Displayed(3, 1), "a");
    EXPECT_EQ(Displayed(3, 26), "z");
    EXPECT_EQ(Displayed(3, 27), "aa");
    EXPECT_EQ(Displayed(3, 28), "bb");
    EXPECT_EQ(Displayed(3, 53), "aaa");
    EXPECT_EQ(Displayed(4, 1), "1");
    EXPECT_EQ(Displayed(4, 6), "110");
    EXPECT_EQ(Displayed(5, 1), "a");
    EXPECT_EQ(Displayed(5, 27), "ba");
}

TEST_P(BothLayouts, AllRegionsNumberEveryMeasureWithPrefixAndSuffix)
{
    OpenAs(GetParam(), "");
    FCMeasureNumberRegions none;
    none.LoadAll();
    FCString text;
    EXPECT_EQ(none.CalcMeasureNumber(7, &text), -1);
    EXPECT_STREQ(text.GetCString(), "7");

    OpenAs(GetParam(), "<measureNumbers measures='1-10' prefix='m. '/>"
                       "<measureNumbers measures='5-20' start='100' suffix=')'/>");
    FCMeasureNumberRegions regions;
    regions.LoadAll();
    ASSERT_EQ(regions.GetCount(), 2);
    EXPECT_EQ(regions.CalcMeasureNumber(7, &text), 0);
    EXPECT_STREQ(text.GetCString(), "7");
    EXPECT_EQ(regions.CalcMeasureNumber(15, &text), 1);
    EXPECT_STREQ(text.GetCString(), "110");
    EXPECT_EQ(regions.CalcMeasureNumber(30, &text), -1);
    EXPECT_STREQ(text.GetCString(), "30");
    // Not measure 7 of the first region, as its low 16 bits would say.
    EXPECT_EQ(regions.CalcMeasureNumber(65543, &text), -1);
    EXPECT_STREQ(text.GetCString(), "65543");

    EXPECT_EQ(Created(*regions.GetItemAt(0), 7), "m. 7");
    EXPECT_EQ(Created(*regions.GetItemAt(1), 15), "110)");
    EXPECT_EQ(Created(*regions.GetItemAt(0), 11), "(null)");
    regions.GetItemAt(0)->GetPrefix(&text);
    EXPECT_STREQ(text.GetCString(), "m. ");
}

INSTANTIATE_TEST_SUITE_P(HostVersions, BothLayouts, ::testing::Values(kBeforeParts, kWithParts));

using Regions = ScoreDocument;

TEST_F(Regions, SettersStoreTheirValuesInTheLayoutWithParts)
{
    OpenAs(kWithParts, "<measureNumbers measures='3-8'/>");
    FCMeasureNumberRegion region;
    ASSERT_TRUE(region.Load(1));
    EXPECT_EQ(region.EnigmaVersion(), 0x0F000200u);
    region.SetEndMeasure(12);
    region.SetStartNumber(5);
    region.SetShowOnTopStaff(true, true);
    region.SetShowOnSystemStart(true, false);
    region.SetHideFirstNumber(true, true);
    region.SetStartVerticalPosition(-30, true);
    region.SetMultipleVerticalPosition(-40, false);
    region.SetUseScoreInfoForParts(false);
    region.SetID(44);
    region.SetBase(26);
    region.SetDoubleUp(true);
    region.SetNumberingStyle(NUMBERING_DIGITS);
    FCFontInfo font;
    font.SetName("Arial");
    font.SetSize(14);
    font.SetEffects(2);
    region.SetMultipleFontInfo(&font, true);
    // The four enclosure views, each given bytes of its own.
    FCEnclosure* views[] = {region.GetEnclosureStart(false), region.GetEnclosureStart(true),
                            region.GetEnclosureMultiple(false), region.GetEnclosureMultiple(true)};
    for (int i = 0; i < 4; ++i) {
        FCEnclosure own;
        own._GetBuffer()[0] = static_cast<unsigned char>(i + 1);
        own._GetBuffer()[11] = 0xEE;
        views[i]->CloneMemoryFrom(&own);
    }
    ASSERT_TRUE(region.Save());

    workbench::Bytes stored = HostRecord(0x534F4D4E, 1);
    ASSERT_EQ(stored.size(), 196u);
    EXPECT_EQ(Word(stored, 134), 13u);
    EXPECT_EQ(region.GetEndMeasure(), 12);
    EXPECT_EQ(Word(stored, 140), 4u);
    EXPECT_EQ(region.GetStartNumber(), 5);
    EXPECT_EQ(Word(stored, 62), 0x0040u);
    EXPECT_EQ(Word(stored, 66 + 62), 0x2000u | 0x0100u);
    EXPECT_TRUE(region.GetShowOnTopStaff(true));
    EXPECT_FALSE(region.GetShowOnTopStaff(false));
    EXPECT_EQ(Word(stored, 66 + 44), 0xFFE2u);
    EXPECT_EQ(Word(stored, 48), 0xFFD8u);
    EXPECT_EQ(Word(stored, 190), 0x0080u);  // count from one alone
    EXPECT_EQ(Word(stored, 136), 48u);
    EXPECT_EQ(Word(stored, 138), 10u);
    EXPECT_EQ(Word(stored, 192), 44u);
    EXPECT_EQ(Word(stored, 66 + 6), 2u);  // Arial is the document's font 2
    EXPECT_EQ(Word(stored, 66 + 8), 14u);
    EXPECT_EQ(Word(stored, 66 + 10), 2u);
    const int enclosures[] = {18, 84, 30, 96};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(stored[enclosures[i]], i + 1) << enclosures[i];
        EXPECT_EQ(stored[enclosures[i] + 11], 0xEE) << enclosures[i];
    }
    FCFontInfo read;
    region.GetMultipleFontInfo(&read, true);
    EXPECT_STREQ(read.GetNameCString(), "Arial");
    EXPECT_EQ(read.GetSize(), 14);

    // A base that cannot number: nothing shown rather than a fault or an endless count.
    FCString text("kept");
    region.SetBase(0);
    EXPECT_FALSE(region.GetDisplayedNumber(4, &text));
    region.SetBase(1);
    EXPECT_FALSE(region.GetDisplayedNumber(4, &text));
    region.SetDoubleUp(true);
    EXPECT_TRUE(region.GetDisplayedNumber(4, &text));
    EXPECT_STREQ(text.GetCString(), "0000000");  // 4 - 3 + 5 counted from one
}

TEST_F(Regions, TheOlderLayoutServesOneFormattingAndRefusesTheRest)
{
    OpenAs(kBeforeParts, "<measureNumbers measures='3-8'><score show='multiples'/></measureNumbers>");
    TakeHostCalls();
    FCMeasureNumberRegion region;
    ASSERT_TRUE(region.Load(1));
    EXPECT_EQ(TakeHostCalls(), std::vector<std::string>{"FX_LoadEData SOMN 1.0.0.0 88"});
    EXPECT_EQ(region.EnigmaVersion(), 0x0A000000u);
    region.SetEndMeasure(12);
    region.SetStartNumber(5);
    region.SetShowOnTopStaff(true, true);
    region.SetShowOnSystemStart(true, false);
    region.SetHideFirstNumber(true, true);
    region.SetStartVerticalPosition(-30, true);
    EXPECT_EQ(Word(workbench::Bytes(region._GetBuffer(), region._GetBuffer() + 88), 20), 0xFFE2u);
    region.SetMultipleVerticalPosition(-40, false);
    FCEnclosure own;
    own._GetBuffer()[3] = 0x77;
    region.GetEnclosureMultiple(true)->CloneMemoryFrom(&own);
    EXPECT_EQ(region.GetEnclosureStart(false)->_GetBuffer()[3], 0x77);
    EXPECT_TRUE(region.GetShowOnTopStaff(false));
    EXPECT_TRUE(region.GetShowMultiples(true));
    EXPECT_TRUE(region.GetUseScoreInfoForParts());
    EXPECT_FALSE(region.GetShowMultiMeasureRange(false));
    EXPECT_FALSE(region.GetShowMultiMeasureRange(true));

    const workbench::Bytes before(region._GetBuffer(), region._GetBuffer() + 88);
    FCFontInfo font;
    font.SetName("Arial");
    region.SetMultipleFontInfo(&font, false);
    region.SetMultiMeasureFontInfo(&font, true);
    region.SetUseScoreInfoForParts(false);
    FCMeasureNumberRegion other;
    other.SetStartFontInfo(&font, false);
    region.CloneFormattingFrom(&other, true, true);
    EXPECT_EQ(workbench::Bytes(region._GetBuffer(), region._GetBuffer() + 88), before);
    EXPECT_TRUE(region.GetUseScoreInfoForParts());
    FCFontInfo untouched;
    untouched.SetName("Courier");
    region.GetMultipleFontInfo(&untouched, false);
    EXPECT_STREQ(untouched.GetNameCString(), "Courier");

    region.SetStartFontInfo(&font, true);
    ASSERT_TRUE(region.Save());
    workbench::Bytes stored = HostRecord(0x534F4D4E, 1);
    ASSERT_EQ(stored.size(), 88u);
    EXPECT_EQ(Word(stored, 8), 13u);
    EXPECT_EQ(Word(stored, 16), 4u);
    EXPECT_EQ(Word(stored, 82), 0x0080u | 0x4000u | 0x0008u | 0x8000u | 0x1000u);
    EXPECT_EQ(Word(stored, 20), 0xFFD8u);
    EXPECT_EQ(Word(stored, 0), 2u);
    EXPECT_EQ(stored[73], 0x77);
}

TEST_F(Regions, CloneFormattingFromTakesTheScoreOrThePartsFormatting)
{
    OpenAs(kWithParts, "<measureNumbers measures='1-4'><score show='top'><font of='start' name='Arial' size='10'/>"
                       "</score></measureNumbers>"
                       "<measureNumbers measures='5-8'><score show='bottom'/><parts show='multiples'/>"
                       "</measureNumbers>"
                       "<measureNumbers measures='9-12'/>");
    FCMeasureNumberRegion shared, separate, target;
    ASSERT_TRUE(shared.Load(1) && separate.Load(2) && target.Load(3));
    target.CloneFormattingFrom(&shared, false, true);
    EXPECT_TRUE(target.GetShowOnTopStaff(true));
    EXPECT_FALSE(target.GetShowOnTopStaff(false));
    FCFontInfo font;
    target.GetStartFontInfo(&font, true);
    EXPECT_STREQ(font.GetNameCString(), "Arial");
    EXPECT_EQ(font.GetSize(), 10);

    target.CloneFormattingFrom(&separate, true, true);
    EXPECT_TRUE(target.GetShowOnBottomStaff(false));
    EXPECT_TRUE(target.GetShowMultiples(true));
    EXPECT_FALSE(target.GetShowOnTopStaff(true));
    EXPECT_FALSE(target.GetShowOnBottomStaff(true));
    target.CloneFormattingFrom(nullptr, true, true);
    EXPECT_EQ(target.GetStartMeasure(), 9);
}

}  // namespace

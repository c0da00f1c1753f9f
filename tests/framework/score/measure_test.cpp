// FCMeasure and FCMeasures against measures the workbench built from a
// document file: time signature texts, show states, positioning, barlines,
// full names by host version, Save folding in the owned objects, and
// regions with missing measures.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/data/music_region.h"
#include "framework/data/string.h"
#include "framework/score/measure.h"
#include "framework/score/measures.h"
#include "host/finale_version.h"
#include "host/record_bytes.h"
#include "tests/framework/score/score_documents.h"

namespace {

std::string Text(const FCTimeSignature* time)
{
    FCString text("stale");
    time->MakeString(&text);
    return text.GetCString();
}

// The words at 8, 10 and so on of the measure record the host holds.
std::vector<unsigned> HostWords(const workbench::Document& document, unsigned measure, std::vector<int> offsets)
{
    const workbench::Bytes* record = document.records.Find(0x534F4D53, workbench::RecordKey::FromNumbers(measure));
    std::vector<unsigned> words;
    for (int offset : offsets) {
        words.push_back(record == nullptr ? 0xDEAD : ReadU16(record->data(), offset));
    }
    return words;
}

TEST(Measure, TimeSignatureTexts)
{
    OpenMeasures();
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(3));
    FCTimeSignature* time = measure.GetTimeSignature();
    EXPECT_EQ(Text(time), "6/8");
    time->SetCompositeBottom(true);
    EXPECT_EQ(Text(time), "???");
    time->SetCompositeBottom(false);
    time->SetCompositeTop(true);
    EXPECT_EQ(Text(time), "???");
    // A load gives the object handed out the record's plain values.
    ASSERT_TRUE(measure.Load(4));
    EXPECT_EQ(Text(time), "2/4");
    EXPECT_EQ(Text(measure.GetTimeSignatureForDisplay()), "4/4");
    ASSERT_TRUE(measure.Load(5));  // no second time signature
    EXPECT_EQ(Text(measure.GetTimeSignatureForDisplay()), "???");
}

TEST(Measure, ShowStatesPositioningAndBarlinesReadAndWriteTheirCodes)
{
    workbench::Document& document = OpenMeasures();
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(7));
    EXPECT_EQ(measure.GetShowKeySignature(), FCMeasure::SHOWSTATE_NEVER);
    EXPECT_EQ(measure.GetShowTimeSignature(), FCMeasure::SHOWSTATE_ALWAYS);
    EXPECT_EQ(measure.GetPositioningNotesMode(), FCMeasure::POSITIONING_BEATCHART);
    // Codes beyond the styles (9) and an unknown positioning code (3).
    ASSERT_TRUE(measure.Load(10));
    EXPECT_EQ(measure.GetBarline(), FCMeasure::BARLINE_DEFAULT);
    EXPECT_EQ(measure.GetLeftBarline(), 8);
    EXPECT_EQ(measure.GetPositioningNotesMode(), FCMeasure::POSITIONING_BEATCHART);

    ASSERT_TRUE(measure.Load(6));
    EXPECT_EQ(measure.GetShowKeySignature(), FCMeasure::SHOWSTATE_ALWAYS);
    EXPECT_EQ(measure.GetShowTimeSignature(), FCMeasure::SHOWSTATE_NEVER);
    EXPECT_EQ(measure.GetPositioningNotesMode(), FCMeasure::POSITIONING_MANUAL);
    EXPECT_EQ(measure.GetBarline(), FCMeasure::BARLINE_FINAL);
    EXPECT_EQ(measure.GetLeftBarline(), FCMeasure::BARLINE_DOUBLE);
    measure.SetShowKeySignature(FCMeasure::SHOWSTATE_NEVER);
    measure.SetShowTimeSignature(FCMeasure::SHOWSTATE_IFNEEDED);
    measure.SetShowTimeSignature(static_cast<FCMeasure::SHOW_STATES>(3));
    measure.SetPositioningNotesMode(FCMeasure::POSITIONING_TIMESIG);
    measure.SetPositioningNotesMode(static_cast<FCMeasure::POSITIONING_MODES>(3));
    measure.SetBarline(FCMeasure::BARLINE_DASHED);
    measure.SetBarline(static_cast<FCMeasure::BARLINE_STYLES>(7));
    measure.SetLeftBarline(FCMeasure::BARLINE_NONE);
    measure.SetLeftBarline(FCMeasure::BARLINE_UNKNOWN);
    ASSERT_TRUE(measure.Save());
    // The full names bit 0x0800 of the first word stays.
    EXPECT_EQ(HostWords(document, 6, {8, 10, 16}), (std::vector<unsigned>{0x0820, 0x0050, 0x0010}));
    measure.SetPositioningNotesMode(FCMeasure::POSITIONING_MANUAL);
    measure.SetShowKeySignature(FCMeasure::SHOWSTATE_ALWAYS);
    ASSERT_TRUE(measure.Save());
    EXPECT_EQ(HostWords(document, 6, {8, 10}), (std::vector<unsigned>{0x0804, 0x0850}));
}

TEST(Measure, FullNamesOnlyFromHostVersion16)
{
    workbench::Document& document = OpenMeasures();
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(6));
    SetFinaleFrameworkVersion(0x0F000200);
    EXPECT_FALSE(measure.GetShowFullNames());
    measure.SetShowFullNames(false);
    ASSERT_TRUE(measure.Save());
    EXPECT_EQ(HostWords(document, 6, {8})[0] & 0x0800, 0x0800u);
    SetFinaleFrameworkVersion(0x10000000);
    EXPECT_TRUE(measure.GetShowFullNames());
    measure.SetShowFullNames(false);
    ASSERT_TRUE(measure.Save());
    EXPECT_EQ(HostWords(document, 6, {8})[0] & 0x0800, 0u);
    SetFinaleFrameworkVersion(0x0F000200);
}

TEST(Measure, SaveFoldsInTheSignaturesHandedOut)
{
    workbench::Document& document = OpenMeasures();
    FCMeasure measure;
    ASSERT_TRUE(measure.Load(1));
    measure.GetKeySignature()->SetKeyID(0x0002);
    // Loading another measure refreshes what was handed out, so that no
    // measure's key is saved into another.
    ASSERT_TRUE(measure.Load(4));
    EXPECT_EQ(measure.GetKeySignature()->GetKeyID(), 0x0007);
    FCTimeSignature* time = measure.GetTimeSignature();
    time->SetBeats(3);
    time->SetBeatDuration(999);
    time->SetCompositeBottom(true);
    ASSERT_TRUE(measure.Save());
    // The second time signature, at 12 and 14, was never asked for.
    EXPECT_EQ(HostWords(document, 4, {2, 4, 6, 12, 14}), (std::vector<unsigned>{0x0007, 3, 1024, 4, 1024}));

    measure.GetKeySignature()->SetKeyID(0x01FE);
    time->SetCompositeBottom(false);
    time->SetCompositeTop(true);
    time->SetBeats(9);
    measure.GetTimeSignatureForDisplay()->SetBeats(5);
    measure.GetTimeSignatureForDisplay()->SetBeatDuration(512);
    ASSERT_TRUE(measure.Save());
    EXPECT_EQ(HostWords(document, 4, {2, 4, 6, 12, 14}), (std::vector<unsigned>{0x01FE, 3, 999, 5, 512}));

    // A clone reads its signatures from the record as copied.
    std::unique_ptr<__FCBaseData> clone(measure.CreateClone());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(static_cast<FCMeasure*>(clone.get())->GetItemNo(), 4);
    EXPECT_EQ(static_cast<FCMeasure*>(clone.get())->GetTimeSignature()->GetBeats(), 3);
}

TEST(Measures, LoadRegionSkipsMeasuresThatDoNotLoad)
{
    OpenMeasures();
    FCMusicRegion region;
    region.SetStartMeasure(6);
    region.SetEndMeasure(11);
    FCMeasures measures;
    measures.LoadRegion(&region);
    measures.LoadRegion(&region);
    std::vector<int> numbers;
    for (int i = 0; i < measures.GetCount(); ++i) {
        auto* measure = dynamic_cast<FCMeasure*>(measures.GetItemAt(i));
        ASSERT_NE(measure, nullptr);
        numbers.push_back(measure->GetItemNo());
    }
    EXPECT_EQ(numbers, (std::vector<int>{6, 7, 10}));
    EXPECT_EQ(static_cast<FCMeasure*>(measures.GetItemAt(0))->GetBarline(), FCMeasure::BARLINE_FINAL);
    measures.LoadRegion(nullptr);
    EXPECT_EQ(measures.GetCount(), 0);
}

}  // namespace

// FCCell against cells the workbench built from a document file: the key in
// effect from the measure or from the cell's own record, and the duration of
// the music over the chosen layers, with every frame given back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/cell.h"
#include "framework/data/string.h"
#include "framework/score/key_signature.h"
#include "host/service_wrappers.h"
#include "tests/framework/score/score_documents.h"
#include "tests/support/host_calls.h"

namespace {

using Calls = std::vector<std::string>;

std::string KeyName(FCCell* cell)
{
    FCString name;
    cell->GetKeySignature()->MakeString(&name);
    return name.GetCString();
}

TEST(Cell, KeyFromTheCellsOwnRecordOrFromItsMeasure)
{
    OpenMeasures();
    // Staff 3 allows independent keys and has one in measure 2.
    FCCell own(2, 3);
    EXPECT_EQ(KeyName(&own), "D major");
    // Staff 5 does not: its record in measure 2 is not in effect.
    FCCell measureKey(2, 5);
    EXPECT_EQ(KeyName(&measureKey), "a minor");
    // Staff 3 without a record in measure 3, and with one whose key is not
    // in effect in measure 4.
    FCCell noRecord(3, 3);
    EXPECT_EQ(KeyName(&noRecord), "C flat major");
    FCCell notInEffect(4, 3);
    EXPECT_EQ(KeyName(&notInEffect), "C sharp major");

    // The cell keeps one key object; a measure without a record leaves it as
    // it was.
    FCCell cell(8, 3);
    FCKeySignature* key = cell.GetKeySignature();
    EXPECT_EQ(key->GetKeyID(), 0);
    cell.SetMeasure(3);
    EXPECT_EQ(cell.GetKeySignature(), key);
    EXPECT_EQ(key->GetKeyID(), 0x00F9);
    cell.SetMeasure(9);
    EXPECT_EQ(cell.GetKeySignature()->GetKeyID(), 0x00F9);

    TakeHostCalls();
    cell.SetMeasure(2);
    EXPECT_EQ(cell.GetKeySignature()->GetKeyID(), 0x0002);
    EXPECT_EQ(TakeHostCalls(), (Calls{"FX_LoadEData SOSC 3.2.0.0 114", "FX_LoadEData dtFL 3.2.0.0 10"}));
}

TEST(Cell, EntryDurationOverTheChosenLayers)
{
    workbench::Document& document = OpenMeasures();
    const long loaded = _LoadedTGFCounter;
    // Staff 3 (slot 1), measure 1: layers 1 to 3 last 4096, 6144 and 2048;
    // the document shows layers 1 and 3.
    FCCell cell(1, 3);
    TakeHostCalls();
    EXPECT_EQ(cell.CalcEntryDuration(2), 6144);
    EXPECT_EQ(TakeHostCalls(),
              (Calls{"FX_GetMaxLayers", "FX_InstToSlot", "FX_LoadTGF", "FX_GetTGFDuration", "FX_FreeTGF"}));
    EXPECT_EQ(cell.CalcEntryDuration(1), 4096);
    EXPECT_EQ(cell.CalcEntryDuration(3), 2048);
    EXPECT_EQ(cell.CalcEntryDuration(0), 4096);
    EXPECT_EQ(cell.CalcEntryDuration(-1), 6144);
    EXPECT_EQ(cell.CalcEntryDuration(4), 0);
    EXPECT_EQ(cell.CalcEntryDuration(5), 0);

    // Staff 5 is in slot 2; its music is in layer 4 only, which is hidden.
    FCCell other(1, 5);
    EXPECT_EQ(other.CalcEntryDuration(4), 1024);
    EXPECT_EQ(other.CalcEntryDuration(0), 0);
    EXPECT_EQ(other.CalcEntryDuration(-1), 1024);
    FCCell empty(2, 3);
    EXPECT_EQ(empty.CalcEntryDuration(-1), 0);

    EXPECT_TRUE(document.framesOut.empty());
    // The framework's count goes up for a load without a frame too: 11 of
    // the loads above found no music.
    EXPECT_EQ(_LoadedTGFCounter - loaded, 11);
}

}  // namespace

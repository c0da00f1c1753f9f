// The cells of a region against the workbench host: a cell-detail collection
// loaded over a region and over the whole document, and a region browser's
// walk, its order and its count when the walk is stopped.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/browsers.h"
#include "framework/data/cell.h"
#include "framework/data/collection_data.h"
#include "framework/data/fixed_size_record.h"
#include "framework/data/music_region.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using Texts = std::vector<std::string>;

constexpr long kToEnd = 0x7FFFFFFF;

// A 2-byte record of a cell: staff, measure and inci in its key.
class CellMark : public FixedSizeRecord<CellMark, __FCCellDetail, 2> {
public:
    unsigned long Tag() override { return 0x6474524D; }  // d, t, R, M
};

class CellMarks : public __FCCollectionCellDetail {
public:
    __FCBaseData* CreateElement() override { return new CellMark; }
};

// Visits each cell by handing it to the handler; writes down "measure.staff".
class CellVisits : public __FCBrowserRegionBase {
public:
    __FCBase* FindFirst(FCIteratorHandler*) override { return nullptr; }

    Texts cells;
    std::vector<FCMusicRegion*> regions;

protected:
    bool _VisitCell(FCCell* cell, FCIteratorHandler* handler, FCMusicRegion* region) override
    {
        cells.push_back(std::to_string(cell->GetMeasure()) + "." + std::to_string(cell->GetStaff()));
        regions.push_back(region);
        return handler->Iterate(cell);
    }
};

// Says false at its `stopAt`-th call (1 for the first).
class StopAt : public FCIteratorHandler {
public:
    explicit StopAt(int call) : stopAt(call) {}
    bool Iterate(__FCBase*) override { return ++calls != stopAt; }
    int stopAt;
    int calls = 0;
};

// Two measures, staves 4, 5 and 9; records in cells of measures 1 to 3 and
// one under the key of a cell 0 in measure 0.
const std::string kScore = std::string("<measures count='2'/><staff number='4'/><staff number='5'/><staff number='9'/>") +
                           RecordElement("dtRM", "4 1 0", {1, 0}) + RecordElement("dtRM", "4 1 1", {2, 0}) +
                           RecordElement("dtRM", "5 1 0", {3, 0}) + RecordElement("dtRM", "9 1 0", {4, 0}) +
                           RecordElement("dtRM", "5 2 0", {5, 0}) + RecordElement("dtRM", "9 2 0", {6, 0}) +
                           RecordElement("dtRM", "4 3 0", {7, 0}) + RecordElement("dtRM", "0 0 0", {8, 0});

// "staff/measure/inci" of each element; an element's cell was the load's own.
Texts Elements(const CellMarks& marks)
{
    Texts texts;
    for (int i = 0; i < marks.GetCount(); ++i) {
        auto* mark = dynamic_cast<CellMark*>(marks.GetItemAt(i));
        if (mark == nullptr) {
            texts.push_back("(not a mark)");
            continue;
        }
        EXPECT_EQ(mark->GetConnectedCell(), nullptr);
        texts.push_back(std::to_string(mark->_GetKeyNumber(0)) + "/" + std::to_string(mark->_GetKeyNumber(1)) + "/" +
                        std::to_string(mark->_GetKeyNumber(2)));
    }
    return texts;
}

void Span(FCMusicRegion* region, short startSlot, short startMeasure, short endSlot, short endMeasure)
{
    region->SetStartSlot(startSlot);
    region->SetStartMeasure(startMeasure);
    region->SetStartMeasurePos(0);
    region->SetEndSlot(endSlot);
    region->SetEndMeasure(endMeasure);
    region->SetEndMeasurePos(kToEnd);
}

class RegionLoading : public ::testing::Test {
protected:
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }
};

TEST_F(RegionLoading, CellDetailsLoadMeasureByMeasureAndSlotBySlot)
{
    OpenOnly(kScore);
    CellMarks marks;
    FCMusicRegion region;
    Span(&region, 1, 1, 2, 2);
    marks.LoadAllInRegion(&region);
    EXPECT_EQ(Elements(marks), (Texts{"4/1/0", "4/1/1", "5/1/0", "5/2/0"}));

    // Slot 4 holds no staff; measure 2 only.
    Span(&region, 2, 2, 4, 2);
    marks.LoadAllInRegion(&region);
    EXPECT_EQ(Elements(marks), (Texts{"5/2/0", "9/2/0"}));

    marks.LoadAll();
    EXPECT_EQ(Elements(marks), (Texts{"4/1/0", "4/1/1", "5/1/0", "9/1/0", "5/2/0", "9/2/0"}));

    // An empty region has no cells at all, not one in measure 0.
    FCMusicRegion empty;
    marks.LoadAllInRegion(&empty);
    EXPECT_EQ(marks.GetCount(), 0);

    marks.LoadAll();
    workbench::Workbench::Instance().CloseAll();
    marks.LoadAll();
    EXPECT_EQ(marks.GetCount(), 0);
}

TEST_F(RegionLoading, TheBrowserVisitsEachCellAndCountsTheVisitsThatWentOn)
{
    OpenOnly(kScore);
    FCMusicRegion region;
    Span(&region, 2, 1, 3, 2);
    CellVisits all;
    StopAt never(0);
    EXPECT_EQ(all.ForEachInRegion(&never, &region), 4);
    EXPECT_EQ(all.cells, (Texts{"1.5", "1.9", "2.5", "2.9"}));
    EXPECT_EQ(all.regions, (std::vector<FCMusicRegion*>(4, &region)));

    CellVisits stopped;
    StopAt third(3);
    EXPECT_EQ(stopped.ForEachInRegion(&third, &region), 2);
    EXPECT_EQ(stopped.cells, (Texts{"1.5", "1.9", "2.5"}));
    CellVisits first;
    StopAt once(1);
    EXPECT_EQ(first.ForEachInRegion(&once, &region), 0);
    EXPECT_EQ(first.cells.size(), 1u);

    CellVisits none;
    FCMusicRegion empty;
    EXPECT_EQ(none.ForEachInRegion(&never, &empty), 0);
    EXPECT_TRUE(none.cells.empty());

    CellVisits document;
    EXPECT_EQ(document.ForEach(&never), 6);
    EXPECT_EQ(document.cells, (Texts{"1.4", "1.5", "1.9", "2.4", "2.5", "2.9"}));
    ASSERT_FALSE(document.regions.empty());
    EXPECT_NE(document.regions.front(), nullptr);

    workbench::Workbench::Instance().CloseAll();
    CellVisits nothing;
    EXPECT_EQ(nothing.ForEach(&never), 0);
    EXPECT_TRUE(nothing.cells.empty());
}

}  // namespace

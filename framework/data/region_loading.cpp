// Loading and browsing the cells of a region: the cell-detail collection's
// loads over regions and the whole document, and the region browser.
#include "framework/data/browsers.h"
#include "framework/data/cell.h"
#include "framework/data/collection_data.h"
#include "framework/data/music_region.h"
#include "host/service_wrappers.h"

namespace {

// Calls `visit` with each cell of the region, measure by measure and, within
// a measure, slot by slot; stops when it answers false.
template <typename Visit>
void ForEachCell(FCMusicRegion* region, Visit visit)
{
    // An empty region has no cells, not a cell in measure 0.
    if (region->IsEmpty()) {
        return;
    }
    for (int measure = region->GetStartMeasure(); measure <= region->GetEndMeasure(); ++measure) {
        for (int slot = region->GetStartSlot(); slot <= region->GetEndSlot(); ++slot) {
            short staff = static_cast<short>(
                FX_SlotToInst(static_cast<short>(slot), region->GetStartInstrumentList(), kFinaleInterfaceVersion));
            FCCell cell(measure, staff);
            if (!visit(&cell)) {
                return;
            }
        }
    }
}

}  // namespace

void __FCCollectionCellDetail::LoadAll()
{
    FCMusicRegion document;
    document.SetFullDocument();
    LoadAllInRegion(&document);
}

void __FCCollectionCellDetail::LoadAllInRegion(FCMusicRegion* region)
{
    ClearAll();
    auto cursor = _CreateTemplate<__FCCellDetail>();
    if (!cursor) {
        return;
    }
    ForEachCell(region, [&](FCCell* cell) {
        cursor->ConnectCell(cell);
        _AppendWalk(cursor.get());
        return true;
    });
    cursor->ConnectCell(nullptr);
}

int __FCBrowserRegionBase::ForEach(FCIteratorHandler* handler)
{
    FCMusicRegion document;
    document.SetFullDocument();
    return ForEachInRegion(handler, &document);
}

int __FCBrowserRegionBase::ForEachInRegion(FCIteratorHandler* handler, FCMusicRegion* region)
{
    int visited = 0;
    ForEachCell(region, [&](FCCell* cell) {
        if (!_VisitCell(cell, handler, region)) {
            return false;
        }
        ++visited;
        return true;
    });
    return visited;
}

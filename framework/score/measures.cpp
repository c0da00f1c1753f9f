// Loading the measures of a region.
#include "framework/score/measures.h"

#include "framework/data/music_region.h"

void FCMeasures::LoadRegion(FCMusicRegion* region)
{
    ClearAll();
    auto cursor = _CreateTemplate<FCMeasure>();
    if (region == nullptr || !cursor) {
        return;
    }
    for (int number = region->GetStartMeasure(); number <= region->GetEndMeasure(); ++number) {
        if (cursor->Load(static_cast<unsigned short>(number)) && !_AppendClone(cursor.get())) {
            return;
        }
    }
}

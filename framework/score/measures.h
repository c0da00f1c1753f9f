// FCMeasures: the measures of the document, or of a region, as a collection.
#pragma once

#include "framework/data/collection_data.h"
#include "framework/score/measure.h"

class FCMusicRegion;

class FCMeasures : public __FCCollectionNoInciOther {
public:
    const char* ClassName() const override { return "FCMeasures"; }
    __FCBaseData* CreateElement() override { return new FCMeasure; }
    // The region's measures from its start to its end measure, each that
    // loads; numbers without a measure record are skipped.
    void LoadRegion(FCMusicRegion* region);
};

// FCMeasure: the host's record of one measure, numbered by the measure number.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"

class FCMeasure : public FixedSizeRecord<FCMeasure, __FCNoInciOther, 26> {
public:
    const char* ClassName() const override { return "FCMeasure"; }
    unsigned long Tag() override { return 0x534F4D53; }
};

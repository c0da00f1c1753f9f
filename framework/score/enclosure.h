// FCEnclosure: the host's 12-byte enclosure record, either stand-alone with
// a block of its own or a view on 12 bytes inside another record.
#pragma once

#include "framework/data/record_families.h"
#include "framework/score/measure_number_layout.h"

class FCEnclosure : public __FCNoInciOther {
public:
    // Stand-alone, with a zeroed block.
    FCEnclosure();
    const char* ClassName() const override { return "FCEnclosure"; }
    int DataSizeLoad() override { return enclosure_record::kSize; }
    void* Allocate() override;
    __FCBaseData* CreateObject() override { return new FCEnclosure; }
    // The custom tag when one is set.
    unsigned long Tag() override;
    // The other's 12 bytes into the bytes this enclosure works on.
    void CloneMemoryFrom(const __FCBaseData* other) override;

    // Makes this enclosure a view on 12 bytes that its owner keeps; they
    // count as loaded.
    void _PointAt(unsigned char* bytes);

private:
    unsigned char _block[enclosure_record::kSize] = {};
    unsigned char* _bytes = _block;
};

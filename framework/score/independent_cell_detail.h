// FCIndependentCellDetail: the one record per cell that carries the cell's
// own key and time signature, where its staff allows independent ones.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/independent_cell_detail_layout.h"
#include "host/record_bytes.h"

class FCIndependentCellDetail
    : public FixedSizeRecord<FCIndependentCellDetail, __FCNoInciCellDetail, independent_cell_detail::kSize> {
public:
    const char* ClassName() const override { return "FCIndependentCellDetail"; }
    unsigned long Tag() override { return independent_cell_detail::kTag; }
    int DataSizeSave() const override { return independent_cell_detail::kSize; }

    // The cell's key word, in effect when GetHasKeySignature is true.
    unsigned short GetKeySignatureID() const { return ReadU16(_GetBlock(), independent_cell_detail::kKey); }
    bool GetHasKeySignature() const
    {
        return (ReadU16(_GetBlock(), independent_cell_detail::kFlags) & independent_cell_detail::kHasKey) != 0;
    }
};

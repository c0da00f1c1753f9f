// FCCell: one staff in one measure of the score.
#pragma once

#include <memory>

#include "framework/data/base.h"

class FCKeySignature;

class FCCell : public __FCBase {
public:
    FCCell() = default;
    FCCell(int measure, int staff);
    const char* ClassName() const override { return "FCCell"; }

    // The host receives the low 16 bits of each number.
    int GetMeasure() const { return _measure; }
    int GetStaff() const { return _staff; }
    void SetMeasure(int measure);
    void SetStaff(int staff);

    // What the cell holds in the score. These need the score's record
    // classes and are defined beside them (framework/score/cell_contents.cpp),
    // so that the data classes, which take cells, never need the score's.
    //
    // The key signature in effect: the cell's own where its staff allows
    // independent keys, else its measure's. The cell owns the object.
    FCKeySignature* GetKeySignature();
    // The longest duration of the cell's music, in the host's units, over
    // the layer (1 to the host's count), every layer shown (0) or all (-1).
    long CalcEntryDuration(int layer);

private:
    int _measure = 0;
    int _staff = 0;
    // An FCKeySignature, made by the first GetKeySignature.
    std::unique_ptr<__FCBase> _pKeySig;
};

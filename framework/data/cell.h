// FCCell: one staff in one measure of the score.
#pragma once

#include "framework/data/base.h"

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

private:
    int _measure = 0;
    int _staff = 0;
};

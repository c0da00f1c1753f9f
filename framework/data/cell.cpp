// The cell's measure and staff numbers.
#include "framework/data/cell.h"

FCCell::FCCell(int measure, int staff) : _measure(measure), _staff(staff) {}

void FCCell::SetMeasure(int measure)
{
    _measure = measure;
}

void FCCell::SetStaff(int staff)
{
    _staff = staff;
}

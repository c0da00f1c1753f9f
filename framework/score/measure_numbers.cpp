// Measure numbers as shown: a region's displayed number, with prefix and
// suffix, and the number of any measure through all regions.
#include <climits>
#include <vector>

#include "framework/data/string.h"
#include "framework/score/measure_number_region.h"

bool FCMeasureNumberRegion::ContainsMeasure(short measure) const
{
    return GetStartMeasure() <= measure && measure <= GetEndMeasure();
}

bool FCMeasureNumberRegion::GetDisplayedNumber(short measure, FCString* text) const
{
    if (text == nullptr || !ContainsMeasure(measure)) {
        return false;
    }
    const int base = GetBase();
    const bool doubleUp = GetDoubleUp();
    // Positional digits need a base of 2 or more to come to an end.
    if (base < 1 || (base == 1 && !doubleUp)) {
        return false;
    }
    int d = measure - GetStartMeasure() + GetStartNumber() - (GetCountFromOne() ? 0 : 1);
    std::vector<short> units;
    if (doubleUp) {
        // The digit doubled up once for every full run of the base: a ... z, aa ... zz, aaa ...
        int repeats = d / base + 1;
        short unit = static_cast<short>(GetStartChar() + d % base);
        units.assign(repeats > 0 ? repeats : 0, unit);
    } else {
        // Digits from the lowest; the first one even for 0.
        do {
            units.insert(units.begin(), static_cast<short>(GetStartChar() + d % base));
            d /= base;
        } while (d > 0);
    }
    text->SetCString("");
    text->_ExpandStorageIfNecessary(static_cast<int>(units.size()));
    for (short unit : units) {
        text->Append(unit);
    }
    return true;
}

FCString* FCMeasureNumberRegion::CreateDisplayedString(short measure) const
{
    FCString number;
    if (!GetDisplayedNumber(measure, &number)) {
        return nullptr;
    }
    auto* text = new FCString;
    GetPrefix(text);
    text->Append(&number);
    FCString suffix;
    GetSuffix(&suffix);
    text->Append(&suffix);
    return text;
}

int FCMeasureNumberRegions::CalcMeasureNumber(int measure, FCString* text) const
{
    if (text == nullptr) {
        return -1;
    }
    if (measure >= SHRT_MIN && measure <= SHRT_MAX) {
        for (int i = 0; i < GetCount(); ++i) {
            FCMeasureNumberRegion* region = GetItemAt(i);
            if (region != nullptr && region->GetDisplayedNumber(static_cast<short>(measure), text)) {
                return i;
            }
        }
    }
    text->SetInteger(measure);
    return -1;
}

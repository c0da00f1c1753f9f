// The record version corrections by tag and size, the runs of "other"
// records behind preference tags, and the four-byte field conversions.
#include "host/record_translation.h"

#include "host/host_records.h"
#include "host/service_wrappers.h"

namespace {

enum class Correction { kRaise, kSet, kLower };

struct VersionCorrection {
    unsigned long tag;
    long size;
    Correction how;
    unsigned long version;
    // Shown when a raise was needed: the caller passed the new layout's size
    // with an old layout's version.
    const char* warning;
};

constexpr VersionCorrection kCorrections[] = {
    {0x534F4D53, 26, Correction::kRaise, 0x0A000000, nullptr},
    {0x534F4D53, 24, Correction::kSet, 0x09000000, nullptr},
    {0x534F5353, 28, Correction::kRaise, 0x0A000000, nullptr},
    {0x534F5353, 24, Correction::kRaise, 0x06000000, nullptr},
    {0x534F5353, 22, Correction::kSet, 0x05000000, nullptr},
    {0x4F025353, 28, Correction::kRaise, 0x0A000000, nullptr},
    {0x4F025353, 24, Correction::kRaise, 0x06000000, nullptr},
    {0x4F025353, 22, Correction::kSet, 0x05000000, nullptr},
    {0x534F4953, 66, Correction::kSet, 0x05000000, nullptr},
    {0x534F4953, 102, Correction::kSet, 0x08000000, nullptr},
    {0x534F5458, 48, Correction::kLower, 0x08000000, nullptr},
    {0x534F5458, 26, Correction::kRaise, 0x09000000,
     "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter"},
    {0x53444746, 12, Correction::kLower, 0x08000000, nullptr},
    {0x53444746, 10, Correction::kRaise, 0x09000000,
     "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter"},
    {0x6F74444F, 12, Correction::kLower, 0x08000000, nullptr},
    {0x6F74444F, 34, Correction::kRaise, 0x09000000,
     "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter"},
};

}  // namespace

void HandleEnigmaVersion(unsigned long tag, long size, unsigned long* version)
{
    for (const VersionCorrection& row : kCorrections) {
        if (row.tag != tag || row.size != size) {
            continue;
        }
        switch (row.how) {
        case Correction::kRaise:
            if (*version < row.version) {
                if (row.warning != nullptr) {
                    FX_AlertMessage(0, 0, 0, row.warning, kFinaleInterfaceVersion);
                }
                *version = row.version;
            }
            break;
        case Correction::kSet:
            *version = row.version;
            break;
        case Correction::kLower:
            if (*version > row.version) {
                *version = row.version;
            }
            break;
        }
        return;
    }
}

namespace {

struct PreferenceRun {
    unsigned long tag;
    // 0: any comparator, from incident 0. Otherwise only comparators 1 to
    // this one, comparator c from incident c-1.
    short lastComparator;
    unsigned long otherTag;
    int length;
};

constexpr PreferenceRun kPreferenceRuns[] = {
    {0x70665046, 1, 0x6F743737, 4},    // pfPF, ot77
    {0x70664744, 0, 0x6F743739, 1},    // pfGD, ot79
    {0x70664747, 0, 0x6F743838, 11},   // pfGG, ot88
    {0x70664762, 4, 0x6F743938, 1},    // pfGb, ot98
    {0x70664764, 0, 0x6F743830, 1},    // pfGd, ot80
    {0x70664773, 1, 0x6F743931, 1},    // pfGs, ot91
    {0x70664D4D, 0, 0x6F743235, 2},    // pfMM, ot25
    {0x70664E44, 0, 0x6F743034, 1},    // pfND, ot04
    {0x70664E64, 0, 0x6F743636, 1},    // pfNd, ot66
    {0x70665343, 0, 0x6F743532, 2},    // pfSC, ot52
    {0x7066534E, 128, 0x6F743430, 1},  // pfSN, ot40
    {0x70665350, 0, 0x6F743934, 3},    // pfSP, ot94
    {0x7066536C, 15, 0x6F743236, 1},   // pfSl, ot26
    {0x70665443, 0, 0x6F743836, 5},    // pfTC, ot86
    {0x70665449, 0, 0x6F743834, 4},    // pfTI, ot84
    {0x70665458, 0, 0x6F743738, 8},    // pfTX, ot78
    {0x70665470, 0, 0x6F743835, 4},    // pfTp, ot85
    {0x70665473, 9, 0x6F743930, 1},    // pfTs, ot90
};

}  // namespace

void mapPrefTag(unsigned long tag, short comparator, unsigned long* otherTag, int* runLength, int* firstIncident)
{
    *otherTag = 0;
    *runLength = 0;
    *firstIncident = 0;
    for (const PreferenceRun& run : kPreferenceRuns) {
        if (run.tag != tag) {
            continue;
        }
        if (run.lastComparator == 0) {
            *otherTag = run.otherTag;
            *runLength = run.length;
        } else if (comparator >= 1 && comparator <= run.lastComparator) {
            *otherTag = run.otherTag;
            *runLength = run.length;
            *firstIncident = comparator - 1;
        }
        return;
    }
}

long makePrefsFourbyte(short firstWord, short secondWord, int conversion)
{
    switch (conversion) {
    case MAP_ARRAY_FOURBYTE_HIGH_FIRST:
        return firstWord * 65536L + static_cast<unsigned short>(secondWord);
    case MAP_ARRAY_FOURBYTE_LOW_FIRST:
        return secondWord * 65536L + static_cast<unsigned short>(firstWord);
    default:
        return 0;
    }
}

void makePrefsTwobytes(long value, short* firstWord, short* secondWord, int conversion)
{
    const short upper = static_cast<short>(static_cast<unsigned long>(value) >> 16);
    const short lower = static_cast<short>(value);
    switch (conversion) {
    case MAP_ARRAY_FOURBYTE_HIGH_FIRST:
        *firstWord = upper;
        *secondWord = lower;
        break;
    case MAP_ARRAY_FOURBYTE_LOW_FIRST:
        *firstWord = lower;
        *secondWord = upper;
        break;
    default:
        break;
    }
}

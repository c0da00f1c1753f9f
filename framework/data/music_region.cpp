// Regions of the score: the rectangle's queries and changes, the host's
// current regions, and copy, cut and paste through a clip token.
#include "framework/data/music_region.h"

#include <cstring>

#include "framework/data/cell.h"
#include "framework/data/collection.h"
#include "framework/data/region_layout.h"
#include "framework/data/staff.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"

namespace {
constexpr short kCopy = 1;
constexpr short kCut = 2;

// What the clip services take: the region followed by two 32-bit values of 1.
struct ClipRegion {
    explicit ClipRegion(const unsigned char* region)
    {
        std::memcpy(bytes, region, region_record::kSize);
        WriteU32(bytes, region_record::kSize, 1);
        WriteU32(bytes, region_record::kSize + 4, 1);
    }
    unsigned char bytes[region_record::kSize + 8];
};

// Whether the document has the measure: a size query of its record by tag.
bool MeasureExists(int measure)
{
    unsigned char key[8] = {};
    WriteU16(key, 0, static_cast<unsigned>(measure));
    long size = 0;
    return FX_LoadEData(region_record::kMeasureTag, key, nullptr, &size, kFinaleInterfaceVersion) != 0;
}

short StaffOfSlot(short slot, unsigned short list)
{
    return static_cast<short>(FX_SlotToInst(slot, list, kFinaleInterfaceVersion));
}
}  // namespace

FCMusicRegion::FCMusicRegion(const EREGION* region)
{
    std::memset(_region, 0, sizeof _region);
    if (region != nullptr) {
        SetEnigmaRegion(region);
    }
}

FCMusicRegion::~FCMusicRegion()
{
    ReleaseMusic();
}

void FCMusicRegion::SetEnigmaRegion(const EREGION* region)
{
    std::memcpy(_region, region->bytes, sizeof _region);
    _document = static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
}

void FCMusicRegion::GetEnigmaRegion(EREGION* region) const
{
    std::memcpy(region->bytes, _region, sizeof _region);
}

bool FCMusicRegion::ReadCurrentRegions(bool selection)
{
    long flags = 0;
    EREGION selected = {};
    EREGION document = {};
    bool answered = FX_GetCurERegions(&flags, &selected, &document, kFinaleInterfaceVersion) != 0;
    std::memcpy(_region, selection ? selected.bytes : document.bytes, sizeof _region);
    _document = static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
    return answered;
}

bool FCMusicRegion::SetCurrentSelection()
{
    return ReadCurrentRegions(true);
}

bool FCMusicRegion::SetFullDocument()
{
    ReadCurrentRegions(false);
    return true;
}

bool FCMusicRegion::SetInDocument()
{
    if (!IsCurrentDocument()) {
        return false;
    }
    EREGION region;
    GetEnigmaRegion(&region);
    return FX_SetCurERegion(&region, kFinaleInterfaceVersion) != 0;
}

long FCMusicRegion::Redraw()
{
    EREGION region;
    GetEnigmaRegion(&region);
    return FX_RedrawMusic(&region, kFinaleInterfaceVersion);
}

unsigned short FCMusicRegion::GetStartInstrumentList() const { return ReadU16(_region, region_record::kStartList); }
short FCMusicRegion::GetStartSlot() const { return ReadS16(_region, region_record::kStartSlot); }
short FCMusicRegion::GetStartMeasure() const { return ReadS16(_region, region_record::kStartMeasure); }
long FCMusicRegion::GetStartMeasurePos() const { return ReadS32(_region, region_record::kStartPos); }
unsigned short FCMusicRegion::GetEndInstrumentList() const { return ReadU16(_region, region_record::kEndList); }
short FCMusicRegion::GetEndSlot() const { return ReadS16(_region, region_record::kEndSlot); }
short FCMusicRegion::GetEndMeasure() const { return ReadS16(_region, region_record::kEndMeasure); }
long FCMusicRegion::GetEndMeasurePos() const { return ReadS32(_region, region_record::kEndPos); }
void FCMusicRegion::SetStartInstrumentList(unsigned short list) { WriteU16(_region, region_record::kStartList, list); }
void FCMusicRegion::SetStartSlot(short slot) { WriteU16(_region, region_record::kStartSlot, static_cast<unsigned short>(slot)); }
void FCMusicRegion::SetStartMeasure(short measure) { WriteU16(_region, region_record::kStartMeasure, static_cast<unsigned short>(measure)); }
void FCMusicRegion::SetStartMeasurePos(long position) { WriteU32(_region, region_record::kStartPos, static_cast<unsigned long>(position)); }
void FCMusicRegion::SetEndInstrumentList(unsigned short list) { WriteU16(_region, region_record::kEndList, list); }
void FCMusicRegion::SetEndSlot(short slot) { WriteU16(_region, region_record::kEndSlot, static_cast<unsigned short>(slot)); }
void FCMusicRegion::SetEndMeasure(short measure) { WriteU16(_region, region_record::kEndMeasure, static_cast<unsigned short>(measure)); }
void FCMusicRegion::SetEndMeasurePos(long position) { WriteU32(_region, region_record::kEndPos, static_cast<unsigned long>(position)); }

bool FCMusicRegion::IsEmpty() const
{
    return GetStartMeasure() == 0 && GetEndMeasure() == 0;
}

bool FCMusicRegion::IsMeasureIncluded(short measure) const
{
    return GetStartMeasure() <= measure && measure <= GetEndMeasure();
}

bool FCMusicRegion::IsStaffIncluded(short staff) const
{
    short slot = static_cast<short>(FX_InstToSlot(staff, GetStartInstrumentList(), kFinaleInterfaceVersion));
    return slot > 0 && GetStartSlot() <= slot && slot <= GetEndSlot();
}

bool FCMusicRegion::IsMeasurePosWithin(int measure, long position) const
{
    return IsMeasureIncluded(static_cast<short>(measure)) &&
           (measure != GetStartMeasure() || position >= GetStartMeasurePos()) &&
           (measure != GetEndMeasure() || position <= GetEndMeasurePos());
}

bool FCMusicRegion::IsFullMeasureIncluded(short measure) const
{
    return IsMeasurePosWithin(measure, 0) && IsMeasurePosWithin(measure, region_record::kEndOfMeasure);
}

bool FCMusicRegion::IsCellPosWithin(FCCell* cell, long position) const
{
    return IsStaffIncluded(static_cast<short>(cell->GetStaff())) && IsMeasurePosWithin(cell->GetMeasure(), position);
}

bool FCMusicRegion::IsStartPos(int measure, long position) const
{
    return measure == GetStartMeasure() && position == GetStartMeasurePos();
}

bool FCMusicRegion::IsPartial() const
{
    return GetStartMeasurePos() != 0 || GetEndMeasurePos() != region_record::kEndOfMeasure;
}

bool FCMusicRegion::IsCurrentDocument() const
{
    return _document == FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion);
}

bool FCMusicRegion::IsLastEndMeasure() const
{
    return MeasureExists(GetEndMeasure()) && !MeasureExists(GetEndMeasure() + 1);
}

bool FCMusicRegion::IsFullDocumentWidth() const
{
    return !IsPartial() && GetStartMeasure() == 1 && IsLastEndMeasure();
}

bool FCMusicRegion::IsOverlapping(const FCMusicRegion* other) const
{
    if (GetEndMeasure() < other->GetStartMeasure() || other->GetEndMeasure() < GetStartMeasure()) {
        return false;
    }
    if (GetEndMeasure() == other->GetStartMeasure() && GetEndMeasurePos() < other->GetStartMeasurePos()) {
        return false;
    }
    if (other->GetEndMeasure() == GetStartMeasure() && other->GetEndMeasurePos() < GetStartMeasurePos()) {
        return false;
    }
    if (GetEndSlot() < GetStartSlot()) {
        return false;
    }
    // Slots count in int, so that a range ending at slot 32767 ends; a slot
    // without a staff shares nothing.
    for (int slot = GetStartSlot(); slot <= GetEndSlot(); ++slot) {
        short staff = StaffOfSlot(static_cast<short>(slot), GetStartInstrumentList());
        if (staff <= 0) {
            continue;
        }
        for (int otherSlot = other->GetStartSlot(); otherSlot <= other->GetEndSlot(); ++otherSlot) {
            if (staff == StaffOfSlot(static_cast<short>(otherSlot), other->GetStartInstrumentList())) {
                return true;
            }
        }
    }
    return false;
}

int FCMusicRegion::CalcDuration() const
{
    if (IsEmpty()) {
        return 0;
    }
    short staff = StaffOfSlot(GetStartSlot(), GetStartInstrumentList());
    int total = 0;
    for (int measure = GetStartMeasure(); measure <= GetEndMeasure(); ++measure) {
        long last = FX_GetMeasureDuration(staff, static_cast<short>(measure), kFinaleInterfaceVersion) - 1;
        if (measure == GetEndMeasure() && GetEndMeasurePos() != region_record::kEndOfMeasure) {
            last = GetEndMeasurePos();
        }
        long first = measure == GetStartMeasure() ? GetStartMeasurePos() : 0;
        total += static_cast<int>(last - first + 1);
    }
    return total;
}

void FCMusicRegion::AssureSortedStaves()
{
    if (GetEndSlot() < GetStartSlot()) {
        short start = GetStartSlot();
        SetStartSlot(GetEndSlot());
        SetEndSlot(start);
    }
}

bool FCMusicRegion::SetFullMeasureStack()
{
    unsigned short list = GetStartInstrumentList();
    if (IsEmpty() || StaffOfSlot(1, list) <= 0) {
        return false;
    }
    short last = 1;
    while (StaffOfSlot(static_cast<short>(last + 1), list) > 0) {
        ++last;
    }
    SetStartSlot(1);
    SetEndSlot(last);
    return true;
}

void FCMusicRegion::ConvertToGlobalInstrumentList()
{
    short startStaff = StaffOfSlot(GetStartSlot(), GetStartInstrumentList());
    short endStaff = StaffOfSlot(GetEndSlot(), GetEndInstrumentList());
    SetStartInstrumentList(0);
    SetEndInstrumentList(0);
    SetStartSlot(static_cast<short>(FX_InstToSlot(startStaff, 0, kFinaleInterfaceVersion)));
    SetEndSlot(static_cast<short>(FX_InstToSlot(endStaff, 0, kFinaleInterfaceVersion)));
}

int FCMusicRegion::ForEachStaff(FCIteratorHandler* handler)
{
    int calls = 0;
    for (int slot = GetStartSlot(); slot <= GetEndSlot(); ++slot) {
        FCStaff staff;
        // A slot without a staff has nothing to hand over.
        if (!staff.Load(static_cast<unsigned short>(StaffOfSlot(static_cast<short>(slot), GetStartInstrumentList())))) {
            continue;
        }
        ++calls;
        if (!handler->Iterate(&staff)) {
            break;
        }
    }
    return calls;
}

bool FCMusicRegion::TakeMusic(short mode)
{
    if (_clipToken != 0 || IsEmpty()) {
        return false;
    }
    ClipRegion clip(_region);
    _clipToken = FX_CopyCutMusic(clip.bytes, mode, kFinaleInterfaceVersion);
    return _clipToken != 0;
}

bool FCMusicRegion::CopyMusic()
{
    return TakeMusic(kCopy);
}

bool FCMusicRegion::CutMusic()
{
    return TakeMusic(kCut);
}

bool FCMusicRegion::PasteMusic()
{
    if (_clipToken == 0 || IsEmpty()) {
        return false;
    }
    ClipRegion clip(_region);
    return FX_InsertMergeMusic(_clipToken, clip.bytes, true, kFinaleInterfaceVersion) != 0;
}

bool FCMusicRegion::ReleaseMusic()
{
    if (_clipToken == 0) {
        return false;
    }
    if (FX_DisposeFinClipFileToken(_clipToken, kFinaleInterfaceVersion) == 0) {
        return false;
    }
    _clipToken = 0;
    return true;
}

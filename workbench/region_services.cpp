// The services on regions of the current document: its selection and whole
// extent, slots and staves, measure durations, and music copied to clip tokens.
#include <cstring>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/host_services.h"
#include "workbench/workbench.h"

using namespace workbench;

extern "C" short WINAPI HostGetCurERegions(long* flags, EREGION* selection, EREGION* whole, long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetCurERegions", version);
    if (document == nullptr) {
        return 0;
    }
    if (flags != nullptr) {
        // Whether anything is selected.
        *flags = IsEmptyRegion(document->selection.data()) ? 0 : 1;
    }
    if (selection != nullptr) {
        std::memcpy(selection->bytes, document->selection.data(), region_record::kSize);
    }
    if (whole != nullptr) {
        std::memcpy(whole->bytes, WholeRegion(*document).data(), region_record::kSize);
    }
    return 1;
}

extern "C" long WINAPI HostSetCurERegion(EREGION* selection, long version)
{
    Document* document = Workbench::Instance().Serve("FX_SetCurERegion", version);
    if (document == nullptr || selection == nullptr || !IsRegionInDocument(*document, selection->bytes)) {
        return 0;
    }
    std::memcpy(document->selection.data(), selection->bytes, region_record::kSize);
    Workbench::Instance().ViewChanged();
    return 1;
}

// Only the global instrument list (0) exists.
extern "C" short WINAPI HostSlotToInst(short slot, unsigned short instrumentList, long version)
{
    Document* document = Workbench::Instance().Serve("FX_SlotToInst", version);
    if (document == nullptr || instrumentList != 0) {
        return 0;
    }
    return static_cast<short>(StaffInSlot(*document, slot));
}

extern "C" short WINAPI HostInstToSlot(short staff, unsigned short instrumentList, long version)
{
    Document* document = Workbench::Instance().Serve("FX_InstToSlot", version);
    if (document == nullptr || instrumentList != 0) {
        return 0;
    }
    return static_cast<short>(SlotOfStaff(*document, staff));
}

extern "C" long WINAPI HostGetMeasureDuration(short staff, short measure, long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetMeasureDuration", version);
    if (document == nullptr || SlotOfStaff(*document, staff) == 0 || measure < 1) {
        return 0;
    }
    const Bytes* record =
        document->records.Find(measure_record::kTag, RecordKey::FromNumbers(static_cast<unsigned>(measure)));
    if (record == nullptr || record->size() < static_cast<size_t>(measure_record::kBeatDuration) + 2) {
        return 0;
    }
    long beats = ReadS16(record->data(), measure_record::kBeats);
    long duration = ReadS16(record->data(), measure_record::kBeatDuration);
    return beats > 0 && duration > 0 ? beats * duration : 0;
}

// The workbench's documents hold no entries, so a clip carries the region
// only; cutting and pasting it change no record.
extern "C" long WINAPI HostCopyCutMusic(void* source, short mode, long version)
{
    constexpr short kCopy = 1;
    constexpr short kCut = 2;
    Document* document = Workbench::Instance().Serve("FX_CopyCutMusic", version);
    const unsigned char* region = static_cast<const unsigned char*>(source);
    if (document == nullptr || region == nullptr || (mode != kCopy && mode != kCut) || IsEmptyRegion(region) ||
        !IsRegionInDocument(*document, region)) {
        return 0;
    }
    Workbench& host = Workbench::Instance();
    Workbench::Clip clip{document->number, {}};
    std::memcpy(clip.region.data(), region, region_record::kSize);
    long token = host.nextClipToken++;
    host.clips[token] = clip;
    return token;
}

extern "C" long WINAPI HostInsertMergeMusic(long token, void* target, bool, long version)
{
    Document* document = Workbench::Instance().Serve("FX_InsertMergeMusic", version);
    const unsigned char* region = static_cast<const unsigned char*>(target);
    Workbench& host = Workbench::Instance();
    if (document == nullptr || region == nullptr || host.clips.count(token) == 0 || IsEmptyRegion(region) ||
        !IsRegionInDocument(*document, region)) {
        return 0;
    }
    return 1;
}

extern "C" long WINAPI HostDisposeFinClipFileToken(long token, long version)
{
    Workbench::Instance().Serve("FX_DisposeFinClipFileToken", version);
    return Workbench::Instance().clips.erase(token) == 1 ? 1 : 0;
}

// The services on the music of cells: the layers shown, and the frames of
// entries handed out, measured and taken back.
#include <algorithm>
#include <cstdint>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/host_services.h"
#include "workbench/workbench.h"

using namespace workbench;

namespace {

constexpr int kLayers = 4;
constexpr long kLongestDuration = 0x7FFFFFFF;

// The open document's frame that begins at `record`, or null: the host
// touches no frame it did not hand out.
std::vector<std::unique_ptr<Frame>>::iterator FindFrame(const void* record, Document** owner)
{
    for (const auto& document : Workbench::Instance().Documents()) {
        auto& frames = document->framesOut;
        auto found = std::find_if(frames.begin(), frames.end(), [record](const std::unique_ptr<Frame>& frame) {
            return frame->record.data() == record;
        });
        if (found != frames.end()) {
            *owner = document.get();
            return found;
        }
    }
    *owner = nullptr;
    return {};
}

}  // namespace

extern "C" short WINAPI HostGetShowLayer(short layer, long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetShowLayer", version);
    if (document == nullptr || layer < 0 || layer >= kLayers) {
        return 0;
    }
    return (document->view.shownLayers & (1u << layer)) != 0 ? 1 : 0;
}

// Only the global instrument list (0) exists.
extern "C" void* WINAPI HostLoadTGF(unsigned short instrumentList, short slot, short measure, short layer, short,
                                    long version)
{
    Document* document = Workbench::Instance().Serve("FX_LoadTGF", version);
    const int staff = document == nullptr || instrumentList != 0 ? 0 : StaffInSlot(*document, slot);
    if (staff == 0) {
        return nullptr;
    }
    auto music = document->music.find(CellLayer{staff, measure, layer});
    if (music == document->music.end()) {
        return nullptr;
    }
    const std::vector<long>& durations = music->second;
    auto frame = std::make_unique<Frame>();
    frame->entries.assign(durations.size() * frame_entry::kSize, 0);
    for (size_t i = 0; i < durations.size(); ++i) {
        WriteU32(frame->entries.data() + i * frame_entry::kSize, handed_frame::kEntryDuration,
                 static_cast<unsigned long>(durations[i]));
    }
    frame->record.assign(handed_frame::kRecordSize, 0);
    WriteU32(frame->record.data(), frame_record::kEntries,
             static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(frame->entries.data())));
    WriteU16(frame->record.data(), frame_record::kEntryCount, static_cast<unsigned>(durations.size()));
    document->framesOut.push_back(std::move(frame));
    return document->framesOut.back()->record.data();
}

// The sum of the entries' durations as they stand in the frame.
extern "C" long WINAPI HostGetTGFDuration(void* record, long version)
{
    Workbench::Instance().Log("FX_GetTGFDuration", static_cast<unsigned long>(version));
    Document* owner = nullptr;
    auto frame = FindFrame(record, &owner);
    if (owner == nullptr) {
        return 0;
    }
    // The plug-in may have changed the entries; the sum never wraps.
    const Bytes& entries = (*frame)->entries;
    unsigned long long duration = 0;
    for (size_t at = 0; at < entries.size(); at += frame_entry::kSize) {
        duration += ReadU32(entries.data() + at, handed_frame::kEntryDuration);
    }
    return duration > kLongestDuration ? kLongestDuration : static_cast<long>(duration);
}

extern "C" long WINAPI HostFreeTGF(void* record, long version)
{
    Workbench::Instance().Log("FX_FreeTGF", static_cast<unsigned long>(version));
    Document* owner = nullptr;
    auto frame = FindFrame(record, &owner);
    if (owner == nullptr) {
        return 0;
    }
    owner->framesOut.erase(frame);
    return 1;
}

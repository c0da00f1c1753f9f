// The services on the open documents: which is current, their paths and
// fonts, and where the note type file and the percussion MIDI maps are.
#include <windows.h>

#include <cstring>

#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/host_services.h"
#include "workbench/paths.h"
#include "workbench/workbench.h"

namespace workbench {
namespace {

// A path record holds the full path or nothing: a cut path names another file.
bool FillPath(FinPathSpec2009* record, const std::string& path)
{
    if (record == nullptr || path.empty() || path.size() >= static_cast<size_t>(kPathRecordSize)) {
        return false;
    }
    std::memset(record->bytes, 0, sizeof record->bytes);
    std::memcpy(record->bytes, path.data(), path.size());
    return true;
}

}  // namespace
}  // namespace workbench

using namespace workbench;

extern "C" short WINAPI HostGetCurrentEnigmaDocument(long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetCurrentEnigmaDocument", version);
    return static_cast<short>(document == nullptr ? 0 : document->number);
}

extern "C" short WINAPI HostSetCurrentEnigmaDocument(short document, long version)
{
    Workbench::Instance().Serve("FX_SetCurrentEnigmaDocument", version);
    Workbench& host = Workbench::Instance();
    if (!host.SetCurrent(document)) {
        return 0;
    }
    host.ViewChanged();
    return 1;
}

extern "C" short WINAPI HostGetNextEnigmaDocument(short document, long version)
{
    Workbench::Instance().Serve("FX_GetNextEnigmaDocument", version);
    int next = 0;
    for (const auto& open : Workbench::Instance().Documents()) {
        if (open->number > document && (next == 0 || open->number < next)) {
            next = open->number;
        }
    }
    return static_cast<short>(next);
}

extern "C" short WINAPI HostGetDocumentPath(short document, FinPathSpec2009* path, long version)
{
    Workbench::Instance().Serve("FX_GetDocumentPath", version);
    Document* found = Workbench::Instance().Find(document);
    return found != nullptr && FillPath(path, found->path) ? 1 : 0;
}

extern "C" short WINAPI HostFontNameToNum(const char* name, long version)
{
    Document* document = Workbench::Instance().Serve("FX_FontNameToNum", version);
    return document == nullptr ? 0 : FontNumber(*document, name);
}

extern "C" short WINAPI HostFontNumToName(short number, char* name, long version)
{
    Document* document = Workbench::Instance().Serve("FX_FontNumToName", version);
    if (document == nullptr || number < 1 || number > static_cast<int>(document->fonts.size()) ||
        document->fonts[number - 1].empty()) {
        return 0;
    }
    // The service takes no size: callers hand in 256 bytes.
    return CopyText(name, 256, document->fonts[number - 1]) ? 1 : 0;
}

extern "C" short WINAPI HostGetFinalePath(long kind, FinPathSpec2009* path, long version)
{
    constexpr long kNoteTypeFile = 14;
    Document* document = Workbench::Instance().Serve("FX_GetFinalePath", version);
    if (kind != kNoteTypeFile) {
        return 0;
    }
    std::string file = NoteTypeTable(document != nullptr ? document->noteTypeFile : std::string());
    return IsExistingFile(file) && FillPath(path, file) ? 1 : 0;
}

extern "C" short WINAPI HostGetPercMapRefData(unsigned short map, FinPathSpec2009* path, char* name, short size,
                                              long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetPercMapRefData", version);
    if (document == nullptr || path == nullptr || name == nullptr || size <= 0) {
        return 0;
    }
    for (const MidiMapFile& file : document->midiMaps) {
        if (file.number == map) {
            if (!IsExistingFile(file.path) || !FillPath(path, file.path)) {
                return 0;
            }
            return CopyText(name, size, file.reference) ? 1 : 0;
        }
    }
    return 0;
}

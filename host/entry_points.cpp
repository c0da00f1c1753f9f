// The plug-in's six exported entry points, which the host calls. Nothing may
// leave them as an exception: it cannot unwind into the host.
#include <windows.h>

#include <cstring>

#include "host/finale_version.h"
#include "host/menu_entry_layout.h"
#include "host/record_bytes.h"
#include "host/ui.h"
#include "tool/drumwell_window.h"
#include "tool/sorting.h"

namespace {

constexpr unsigned long kPluginInterfaceVersion = 0x10000000;

// A bounded copy that fills the rest of the field with NUL bytes.
void CopyField(unsigned char* record, int offset, const char* text)
{
    std::strncpy(reinterpret_cast<char*>(record + offset), text, menu_entry::kTextSize);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

extern "C" unsigned long WINAPI FinaleExtensionVersion(unsigned long runningVersion)
{
    SetFinaleFrameworkVersion(runningVersion);
    return kPluginInterfaceVersion;
}

extern "C" long WINAPI FinaleExtensionInit(long, unsigned long* flags)
{
    if (flags != nullptr) {
        *flags |= 1;
    }
    _GlobalUserSettings.sortingOrder = 0;
    return 1;
}

extern "C" long WINAPI FinaleExtensionEnumerate(long, long index, void* entry)
{
    if (static_cast<short>(index) > 0 || entry == nullptr) {
        return 0;
    }
    auto* record = static_cast<unsigned char*>(entry);
    CopyField(record, menu_entry::kText, "Ostrel Drumwell...");
    CopyField(record, menu_entry::kDescription, "Displays the mapped percussion for a staff.");
    CopyField(record, menu_entry::kName, "Drumwell");
    WriteU16(record, menu_entry::kFirstWord, 0);
    WriteU16(record, menu_entry::kSecondWord, 0);
    return 1;
}

extern "C" long WINAPI FinaleExtensionInvoke(HWND hostWindow, long, long, long)
{
    try {
        FCUI ui(hostWindow);
        DisplayUserWindow(&ui);
    } catch (...) {
        // The window stays as far as it got; the host goes on.
    }
    return 0;
}

extern "C" void WINAPI FinaleExtensionTerminate(long)
{
}

extern "C" long WINAPI FinaleExtensionGetMenuStatus(long)
{
    return 1;
}

// The services on the document window: its view, scrolling, redrawing, and
// the host's menu items.
#include <algorithm>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/host_services.h"
#include "workbench/workbench.h"

using namespace workbench;

extern "C" short WINAPI HostExecuteMenuItem(long item, long version)
{
    // The menu items plug-ins ask for; the workbench has none of their
    // commands, so it only records them.
    static const long kKnownItems[] = {12106, 12112, 10602, 35622, 10611, 10612, 10613,
                                       10614, 10615, 10616, 10617, 10618, 10619};
    Workbench& host = Workbench::Instance();
    host.Log("FX_ExecuteMenuItem", static_cast<unsigned long>(version));
    if (host.Current() == nullptr || std::find(std::begin(kKnownItems), std::end(kKnownItems), item) ==
                                         std::end(kKnownItems)) {
        return 0;
    }
    host.executedMenuItems.push_back(item);
    return 1;
}

extern "C" short WINAPI HostGetCurrentWindowInfo(void* info, long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_GetCurrentWindowInfo", static_cast<unsigned long>(version));
    Document* document = host.Current();
    if (document == nullptr || info == nullptr) {
        return 0;
    }
    // Only the fields the host defines; the caller's record may be no longer.
    WriteU32(info, window_info::kDocumentWindow,
             static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(host.mainWindow)));
    WriteU16(info, window_info::kPageView, document->view.pageView ? 1 : 0);
    WriteU16(info, window_info::kZoom, static_cast<unsigned>(document->view.zoom));
    WriteU16(info, window_info::kPage, static_cast<unsigned>(document->view.page));
    return 1;
}

extern "C" long WINAPI HostScrollTo(short measure, short staff, long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_ScrollTo", static_cast<unsigned long>(version));
    Document* document = host.Current();
    if (document == nullptr || measure < 1 || measure > MeasureCount(*document) ||
        SlotOfStaff(*document, staff) == 0) {
        return 0;
    }
    document->view.measure = measure;
    document->view.staff = staff;
    host.ViewChanged();
    return 1;
}

extern "C" long WINAPI HostRedrawMusic(EREGION* region, long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_RedrawMusic", static_cast<unsigned long>(version));
    if (host.Current() == nullptr || region == nullptr) {
        return 0;
    }
    host.ViewChanged();
    return 1;
}

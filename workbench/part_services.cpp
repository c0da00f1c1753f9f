// The services on the current document's score and linked parts.
#include "workbench/host_services.h"
#include "workbench/linked_parts.h"
#include "workbench/workbench.h"

using namespace workbench;

extern "C" short WINAPI HostGetNextPartID(short part, long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetNextPartID", version);
    return static_cast<short>(document == nullptr ? -1 : NextPartID(*document, part));
}

extern "C" short WINAPI HostGetCurrentPartID(long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetCurrentPartID", version);
    return static_cast<short>(document == nullptr ? -1 : document->currentPart);
}

extern "C" long WINAPI HostSetCurrentPartID(short part, long version)
{
    Document* document = Workbench::Instance().Serve("FX_SetCurrentPartID", version);
    if (document == nullptr || !SetCurrentPart(*document, part)) {
        return 0;
    }
    Workbench::Instance().ViewChanged();
    return 1;
}

// The text stays where it is until the document closes.
extern "C" const char* WINAPI HostGetPartName(short part, long version)
{
    Document* document = Workbench::Instance().Serve("FX_GetPartName", version);
    const char* name = document == nullptr ? nullptr : PartName(*document, part);
    return name == nullptr ? "" : name;
}

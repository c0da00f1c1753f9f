// The edit block services: each block is journalled, so that a cancel puts
// the document back and an end becomes an undo step.
#include "workbench/host_services.h"
#include "workbench/workbench.h"

using workbench::Workbench;

extern "C" long WINAPI HostStartFinaleEdit(const char* undoText, long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_StartFinaleEdit", static_cast<unsigned long>(version));
    workbench::Document* document = host.Current();
    if (document == nullptr) {
        return 0;
    }
    host.journal.Start(document, undoText == nullptr ? "" : undoText);
    return 1;
}

extern "C" short WINAPI HostEndFinaleEdit(long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_EndFinaleEdit", static_cast<unsigned long>(version));
    if (!host.journal.End()) {
        return 0;
    }
    host.ViewChanged();
    return 1;
}

extern "C" void WINAPI HostCancelFinaleEdit(long version)
{
    Workbench& host = Workbench::Instance();
    host.Log("FX_CancelFinaleEdit", static_cast<unsigned long>(version));
    if (host.journal.Cancel()) {
        host.ViewChanged();
    }
}

// FX_AlertMessage: messages the host shows for the plug-in's developer.
#include "workbench/host_services.h"
#include "workbench/output.h"
#include "workbench/workbench.h"

extern "C" short WINAPI HostAlertMessage(long, unsigned short, long, const char* message, long)
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.hostAlerts.push_back(message == nullptr ? "" : message);
    if (host.echoHostAlerts) {
        workbench::PrintLine("host message: " + workbench::Escaped(host.hostAlerts.back()));
    }
    if (host.interactive) {
        MessageBoxA(host.mainWindow, host.hostAlerts.back().c_str(), "Finale workbench", MB_OK | MB_ICONWARNING);
    }
    return 1;
}

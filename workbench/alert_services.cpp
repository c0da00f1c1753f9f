// FX_AlertMessage: messages the host shows for the plug-in's developer.
#include <cstdio>

#include "workbench/host_services.h"
#include "workbench/workbench.h"

extern "C" short WINAPI HostAlertMessage(long, unsigned short, long, const char* message, long)
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.hostAlerts.push_back(message == nullptr ? "" : message);
    if (host.echoHostAlerts) {
        std::printf("host message: %s\n", host.hostAlerts.back().c_str());
        std::fflush(stdout);
    }
    return 1;
}

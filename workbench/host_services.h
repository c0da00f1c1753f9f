// The services the workbench host offers to plug-ins. They carry names of
// their own; services.def exports each under the service's name (FX_...).
#pragma once

#include <windows.h>

extern "C" {

// Records of the current document (record_services.cpp).
short WINAPI HostLoadEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
short WINAPI HostSaveEData(unsigned long tag, void* key, const void* buffer, long size, unsigned long version);
short WINAPI HostCreateEData(unsigned long tag, void* key, const void* buffer, long size, unsigned long version);
short WINAPI HostDeleteEData(unsigned long tag, void* key, unsigned long version);
short WINAPI HostNextEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
short WINAPI HostPreviousEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);

// Messages for the plug-in's developer (alert_services.cpp).
short WINAPI HostAlertMessage(long a, unsigned short b, long c, const char* message, long version);

}  // extern "C"

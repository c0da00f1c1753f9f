// The running host version; until the host reports one, the interface version.
#include "host/finale_version.h"

#include "host/host_records.h"

unsigned long _RunningFinaleVersion = kFinaleInterfaceVersion;

void SetFinaleFrameworkVersion(unsigned long version)
{
    _RunningFinaleVersion = version;
}

unsigned long GetFinaleFrameworkVersion()
{
    return _RunningFinaleVersion;
}

void SetMinRequiredVersion(unsigned long)
{
}

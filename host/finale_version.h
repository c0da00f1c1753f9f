// The version of the running host, as the host reports it at start-up.
#pragma once

extern unsigned long _RunningFinaleVersion;

void SetFinaleFrameworkVersion(unsigned long version);
unsigned long GetFinaleFrameworkVersion();
// Accepted for compatibility; a minimum version is not enforced.
void SetMinRequiredVersion(unsigned long version);

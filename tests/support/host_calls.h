// The workbench host's call log as short lines, and raw records written as
// document text, for tests that watch what the framework asks the host.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "workbench/workbench.h"

// Every call since the last look, as "service TAG n0.n1.n2.n3 size" for record
// services and as "service" for the others; the log is cleared.
inline std::vector<std::string> TakeHostCalls()
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    std::vector<std::string> calls;
    for (const workbench::ServiceCall& call : host.Calls()) {
        if (call.tag == 0) {
            calls.push_back(call.service);
            continue;
        }
        char line[128];
        std::snprintf(line, sizeof line, "%s %c%c%c%c %u.%u.%u.%u %ld", call.service,
                      static_cast<char>(call.tag >> 24), static_cast<char>(call.tag >> 16),
                      static_cast<char>(call.tag >> 8), static_cast<char>(call.tag), call.key.Number(0),
                      call.key.Number(1), call.key.Number(2), call.key.Number(3), call.size);
        calls.push_back(line);
    }
    host.ClearCalls();
    return calls;
}

// A <record> element of a workbench document with the bytes in hexadecimal.
inline std::string RecordElement(const char* tag, const char* key, const std::vector<unsigned char>& bytes)
{
    std::string element = std::string("<record tag='") + tag + "' key='" + key + "'>";
    for (unsigned char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", byte);
        element += hex;
    }
    return element + "</record>";
}

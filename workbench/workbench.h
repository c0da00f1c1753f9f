// The workbench host's state: its documents, the current one, and a log of
// the services called, which tests and the scripted mode read.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "workbench/document.h"

namespace workbench {

struct ServiceCall {
    const char* service;
    unsigned long tag;
    RecordKey key;
    long size;
    unsigned long version;
};

class Workbench {
public:
    static Workbench& Instance();

    // Takes the document, numbers it and makes it current.
    Document& Open(std::unique_ptr<Document> document);
    void CloseAll();
    Document* Current();
    Document* Find(int number);
    const std::vector<std::unique_ptr<Document>>& Documents() const { return _documents; }
    bool SetCurrent(int number);

    void Log(const ServiceCall& call) { _calls.push_back(call); }
    const std::vector<ServiceCall>& Calls() const { return _calls; }
    void ClearCalls() { _calls.clear(); }

    // Plug-in dialogs that exist now, in the order they were created; the
    // modeless ones get their keyboard messages through IsDialogMessage.
    struct PluginDialog {
        HWND window;
        bool modal;
    };
    std::vector<PluginDialog> pluginDialogs;

    // Messages of FX_AlertMessage, in order; echoed to standard output when set.
    std::vector<std::string> hostAlerts;
    bool echoHostAlerts = false;

private:
    std::vector<std::unique_ptr<Document>> _documents;
    int _current = 0;
    std::vector<ServiceCall> _calls;
};

}  // namespace workbench

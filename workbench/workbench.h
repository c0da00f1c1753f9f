// The workbench host's state: its documents, the current one, the open edit
// blocks, and a log of the services called, which tests and the scripted
// mode read.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "workbench/document.h"
#include "workbench/edit_journal.h"

namespace workbench {

struct ServiceCall {
    const char* service;
    unsigned long tag;
    RecordKey key;
    long size;
    unsigned long version;
};

// The host version the workbench reports to plug-ins unless told otherwise.
constexpr unsigned long kDefaultHostVersion = 0x10000000;

class Workbench {
public:
    static Workbench& Instance();

    // Takes the document, numbers it and makes it current; its changes are
    // journalled from now on.
    Document& Open(std::unique_ptr<Document> document);
    void CloseAll();
    Document* Current();
    Document* Find(int number);
    const std::vector<std::unique_ptr<Document>>& Documents() const { return _documents; }
    bool SetCurrent(int number);

    void Log(const ServiceCall& call) { _calls.push_back(call); }
    // Services without a record: only the name and the version.
    void Log(const char* service, unsigned long version) { _calls.push_back(ServiceCall{service, 0, {}, 0, version}); }
    // Logs a service call without a record; answers the current document.
    Document* Serve(const char* service, long version)
    {
        Log(service, static_cast<unsigned long>(version));
        return Current();
    }
    const std::vector<ServiceCall>& Calls() const { return _calls; }
    void ClearCalls() { _calls.clear(); }

    EditJournal journal;
    unsigned long hostVersion = kDefaultHostVersion;

    // The main window, handed to plug-ins and reported as the document window.
    HWND mainWindow = nullptr;
    // Told when a service changed the selection or asked for a redraw.
    std::function<void()> viewChanged;
    void ViewChanged()
    {
        if (viewChanged) {
            viewChanged();
        }
    }

    // Music copied or cut: the clip token's document and region.
    struct Clip {
        int document;
        std::array<unsigned char, 20> region;
    };
    std::map<long, Clip> clips;
    long nextClipToken = 1;

    // Host menu items plug-ins had executed, in order.
    std::vector<long> executedMenuItems;

    // Plug-in dialogs that exist now, in the order they were created; the
    // modeless ones get their keyboard messages through IsDialogMessage.
    struct PluginDialog {
        HWND window;
        bool modal;
        // The plug-in's procedure and window object, which get the dialog's
        // messages; kept here because window properties cost a trip to the
        // window server on every message.
        long(WINAPI* proc)(HWND, unsigned long, unsigned int, long, void*);
        void* object;
    };
    std::vector<PluginDialog> pluginDialogs;

    // Messages of FX_AlertMessage, in order; echoed to standard output when
    // set, and shown in a message box as well when `interactive` is set.
    std::vector<std::string> hostAlerts;
    bool echoHostAlerts = false;
    bool interactive = false;

private:
    std::vector<std::unique_ptr<Document>> _documents;
    int _current = 0;
    std::vector<ServiceCall> _calls;
};

}  // namespace workbench

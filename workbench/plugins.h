// The plug-ins FINALE.EXE has loaded and the menu entries they announced.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace workbench {

struct MenuEntry {
    std::string text;  // the menu text
    std::string description;
    std::string name;
    size_t plugin;  // index among the loaded plug-ins
    long index;     // the plug-in's own entry index
};

class Plugins {
public:
    Plugins() = default;
    ~Plugins() { UnloadAll(); }
    Plugins(const Plugins&) = delete;
    Plugins& operator=(const Plugins&) = delete;

    // Loads the plug-in, tells it the host version, starts it and collects
    // its menu entries. A plug-in already loaded is not loaded again.
    bool Load(const std::string& path, unsigned long hostVersion, std::string* error);
    const std::vector<MenuEntry>& Entries() const { return _entries; }
    const std::string& PathOf(const MenuEntry& entry) const { return _plugins.at(entry.plugin).path; }
    // The 0-based entry whose menu text is `text`, or the same without its
    // closing "..."; -1 when none.
    int FindEntry(const std::string& text) const;
    bool IsAvailable(size_t entry) const;
    void Invoke(size_t entry, HWND window) const;
    // Tells every plug-in to finish, then unloads them.
    void UnloadAll();

private:
    struct Plugin {
        HMODULE module;
        std::string path;
        long(WINAPI* invoke)(HWND window, long entry, long, long);
        void(WINAPI* terminate)(long);
        long(WINAPI* menuStatus)(long entry);
    };
    std::vector<Plugin> _plugins;
    std::vector<MenuEntry> _entries;
};

// The plug-ins (*.fxt) in a folder, by file name.
std::vector<std::string> PluginsIn(const std::string& folder);

}  // namespace workbench

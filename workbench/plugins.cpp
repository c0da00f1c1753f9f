// Loading plug-ins through their six entry points.
#include "workbench/plugins.h"

#include <algorithm>
#include <cstring>

#include "workbench/host_layouts.h"
#include "workbench/paths.h"

namespace workbench {
namespace {

// A plug-in that never stops announcing entries is cut off here.
constexpr long kMostEntries = 64;

template <typename Proc>
Proc EntryPoint(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A field of the menu entry record, which need not end in a NUL.
std::string Field(const unsigned char* record, int offset)
{
    const char* text = reinterpret_cast<const char*>(record + offset);
    size_t length = 0;
    while (length < static_cast<size_t>(menu_entry::kTextSize) && text[length] != '\0') {
        ++length;
    }
    return std::string(text, length);
}

}  // namespace

bool Plugins::Load(const std::string& path, unsigned long hostVersion, std::string* error)
{
    std::string full = FullPath(path);
    HMODULE module = full.empty() ? nullptr : LoadLibraryA(full.c_str());
    if (module == nullptr) {
        *error = Utf8FromPath(path) + ": cannot load the plug-in (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    for (const Plugin& loaded : _plugins) {
        if (loaded.module == module) {
            FreeLibrary(module);  // only the extra reference
            return true;
        }
    }
    auto version = EntryPoint<unsigned long(WINAPI*)(unsigned long)>(module, "FinaleExtensionVersion");
    auto init = EntryPoint<long(WINAPI*)(long, long*)>(module, "FinaleExtensionInit");
    auto enumerate = EntryPoint<long(WINAPI*)(long, long, void*)>(module, "FinaleExtensionEnumerate");
    Plugin plugin{module, full, EntryPoint<decltype(Plugin::invoke)>(module, "FinaleExtensionInvoke"),
                  EntryPoint<decltype(Plugin::terminate)>(module, "FinaleExtensionTerminate"),
                  EntryPoint<decltype(Plugin::menuStatus)>(module, "FinaleExtensionGetMenuStatus")};
    if (version == nullptr || init == nullptr || enumerate == nullptr || plugin.invoke == nullptr ||
        plugin.terminate == nullptr || plugin.menuStatus == nullptr) {
        FreeLibrary(module);
        *error = Utf8FromPath(path) + ": not a plug-in: it lacks the Finale extension entry points";
        return false;
    }
    // What the plug-in answers is the interface version it was built for;
    // the workbench serves every version.
    version(hostVersion);
    long flags = 0;
    if (init(0, &flags) == 0) {
        plugin.terminate(0);
        FreeLibrary(module);
        *error = Utf8FromPath(path) + ": the plug-in refused to start";
        return false;
    }
    _plugins.push_back(plugin);
    for (long index = 0; index < kMostEntries; ++index) {
        // Larger than the record the contract names, and cleared: plug-ins
        // may leave fields unwritten.
        unsigned char record[256] = {};
        static_assert(sizeof record >= menu_entry::kSize, "the menu entry record is 196 bytes at least");
        if (enumerate(0, index, record) == 0) {
            break;
        }
        _entries.push_back(MenuEntry{Field(record, menu_entry::kText), Field(record, menu_entry::kDescription),
                                     Field(record, menu_entry::kName), _plugins.size() - 1, index});
    }
    return true;
}

int Plugins::FindEntry(const std::string& text) const
{
    for (size_t i = 0; i < _entries.size(); ++i) {
        const std::string& menu = _entries[i].text;
        bool ellipsis = menu.size() > 3 && menu.compare(menu.size() - 3, 3, "...") == 0;
        if (menu == text || (ellipsis && menu.compare(0, menu.size() - 3, text) == 0 && text.size() == menu.size() - 3)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool Plugins::IsAvailable(size_t entry) const
{
    const MenuEntry& menu = _entries.at(entry);
    return _plugins[menu.plugin].menuStatus(menu.index) != 0;
}

void Plugins::Invoke(size_t entry, HWND window) const
{
    const MenuEntry& menu = _entries.at(entry);
    _plugins[menu.plugin].invoke(window, menu.index, 0, 0);
}

void Plugins::UnloadAll()
{
    for (const Plugin& plugin : _plugins) {
        plugin.terminate(0);
    }
    for (const Plugin& plugin : _plugins) {
        FreeLibrary(plugin.module);
    }
    _plugins.clear();
    _entries.clear();
}

std::vector<std::string> PluginsIn(const std::string& folder)
{
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*.fxt").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            found.push_back(folder + "\\" + data.cFileName);
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace workbench

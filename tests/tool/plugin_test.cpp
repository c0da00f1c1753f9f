// The plug-in DLL as a host sees it: its exports and imports, the entry
// points' answers and the menu entry, and the inspector's dialog template.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "workbench/workbench.h"

namespace {

HMODULE Plugin()
{
    static HMODULE module = LoadLibraryA(DRUMWELL_PLUGIN_PATH);
    return module;
}

const unsigned char* Image()
{
    return reinterpret_cast<const unsigned char*>(Plugin());
}

const IMAGE_DATA_DIRECTORY& Directory(int index)
{
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Image());
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(Image() + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[index];
}

template <typename Function>
Function Entry(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(Plugin(), name)));
}

TEST(Plugin, ExportsExactlyTheSixEntryPoints)
{
    ASSERT_NE(Plugin(), nullptr) << DRUMWELL_PLUGIN_PATH;
    const IMAGE_DATA_DIRECTORY& directory = Directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    ASSERT_NE(directory.VirtualAddress, 0u);
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(Image() + directory.VirtualAddress);
    auto* names = reinterpret_cast<const DWORD*>(Image() + exports->AddressOfNames);
    std::set<std::string> found;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        found.insert(reinterpret_cast<const char*>(Image() + names[i]));
    }
    EXPECT_EQ(exports->NumberOfFunctions, 6u);
    EXPECT_EQ(found, (std::set<std::string>{"FinaleExtensionEnumerate", "FinaleExtensionGetMenuStatus",
                                            "FinaleExtensionInit", "FinaleExtensionInvoke",
                                            "FinaleExtensionTerminate", "FinaleExtensionVersion"}));
}

TEST(Plugin, ImportsOnlySystemDlls)
{
    ASSERT_NE(Plugin(), nullptr);
    const IMAGE_DATA_DIRECTORY& directory = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    std::vector<std::string> dlls;
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(Image() + directory.VirtualAddress);
         import->Name != 0; ++import) {
        std::string name = reinterpret_cast<const char*>(Image() + import->Name);
        for (char& c : name) {
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        }
        dlls.push_back(name);
    }
    const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "COMCTL32.DLL", "MSVCRT.DLL",
                                          "ADVAPI32.DLL"};
    ASSERT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) {
        EXPECT_TRUE(system.count(dll) == 1) << dll;
    }
}

TEST(Plugin, EntryPointsAnswerTheHost)
{
    auto version = Entry<unsigned long(WINAPI*)(unsigned long)>("FinaleExtensionVersion");
    auto init = Entry<long(WINAPI*)(long, unsigned long*)>("FinaleExtensionInit");
    auto status = Entry<long(WINAPI*)(long)>("FinaleExtensionGetMenuStatus");
    auto terminate = Entry<void(WINAPI*)(long)>("FinaleExtensionTerminate");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(0x12345678), 0x10000000u);
    EXPECT_EQ(version(0), 0x10000000u);
    unsigned long flags = 6;
    EXPECT_EQ(init(0, &flags), 1);
    EXPECT_EQ(flags, 7u);
    EXPECT_EQ(init(0, nullptr), 1);
    EXPECT_EQ(status(0), 1);
    terminate(0);
}

TEST(Plugin, MenuEntryIsFilledWithBoundedCopiesForIndexZeroAndBelow)
{
    auto enumerate = Entry<long(WINAPI*)(long, long, void*)>("FinaleExtensionEnumerate");
    ASSERT_NE(enumerate, nullptr);
    for (long index : {0L, -1L, 0x10000L}) {
        unsigned char record[256];
        std::memset(record, 0xCC, sizeof record);
        ASSERT_EQ(enumerate(0, index, record), 1) << index;
        EXPECT_STREQ(reinterpret_cast<char*>(record), "Ostrel Drumwell...");
        EXPECT_STREQ(reinterpret_cast<char*>(record + 64), "Displays the mapped percussion for a staff.");
        EXPECT_STREQ(reinterpret_cast<char*>(record + 128), "Drumwell");
        for (int i = 18; i < 64; ++i) {
            EXPECT_EQ(record[i], 0) << i;
        }
        for (int i = 128 + 8; i < 196; ++i) {
            EXPECT_EQ(record[i], 0) << i;
        }
        EXPECT_EQ(record[196], 0xCC);
        EXPECT_EQ(record[255], 0xCC);
    }
    for (long index : {1L, 2L, 0x7FFFL}) {
        unsigned char record[200];
        std::memset(record, 0xCC, sizeof record);
        EXPECT_EQ(enumerate(0, index, record), 0);
        EXPECT_EQ(record[0], 0xCC);
        EXPECT_EQ(record[199], 0xCC);
    }
}

// The inspector window of a new invocation, as the host delivers it: the
// sort pop-up's selected entry (0-based), the window closed again.
LRESULT SelectedSortEntryOfANewWindow()
{
    auto invoke = Entry<long(WINAPI*)(HWND, long, long, long)>("FinaleExtensionInvoke");
    invoke(nullptr, 0, 0, 0);
    const auto& dialogs = workbench::Workbench::Instance().pluginDialogs;
    if (dialogs.size() != 1) {
        ADD_FAILURE() << dialogs.size() << " dialogs";
        return -2;
    }
    HWND dialog = dialogs.back().window;
    LRESULT selected = SendDlgItemMessageA(dialog, 112, CB_GETCURSEL, 0, 0);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    return selected;
}

TEST(Plugin, InitOnALoadedPluginStartsTheNextWindowInTheFirstSortingOrder)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    auto init = Entry<long(WINAPI*)(long, unsigned long*)>("FinaleExtensionInit");
    unsigned long flags = 0;
    ASSERT_EQ(init(0, &flags), 1);
    EXPECT_EQ(SelectedSortEntryOfANewWindow(), 0);

    // The order chosen in a window outlives it while the plug-in runs ...
    auto invoke = Entry<long(WINAPI*)(HWND, long, long, long)>("FinaleExtensionInvoke");
    invoke(nullptr, 0, 0, 0);
    ASSERT_EQ(workbench::Workbench::Instance().pluginDialogs.size(), 1u);
    HWND dialog = workbench::Workbench::Instance().pluginDialogs.back().window;
    HWND popup = GetDlgItem(dialog, 112);
    SendMessageA(popup, CB_SETCURSEL, 3, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(112, CBN_SELCHANGE), reinterpret_cast<LPARAM>(popup));
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(SelectedSortEntryOfANewWindow(), 3);

    // ... until the host starts the plug-in again.
    ASSERT_EQ(init(0, &flags), 1);
    EXPECT_EQ(SelectedSortEntryOfANewWindow(), 0);
    EXPECT_TRUE(workbench::Workbench::Instance().pluginDialogs.empty());
}

// Reads the extended dialog template the way the dialog manager does.
class TemplateReader {
public:
    explicit TemplateReader(const unsigned char* data) : _data(data) {}
    unsigned Word() { return Take(2); }
    unsigned long Dword() { return Take(4); }
    short Short() { return static_cast<short>(Take(2)); }
    unsigned Byte() { return Take(1); }
    // A string or an ordinal (0xFFFF followed by the number, as "#n").
    std::string StringOrOrdinal()
    {
        unsigned first = Word();
        if (first == 0xFFFF) {
            return "#" + std::to_string(Word());
        }
        std::string text;
        for (unsigned unit = first; unit != 0; unit = Word()) {
            text += static_cast<char>(unit);
        }
        return text;
    }
    void AlignToDword() { _offset = (_offset + 3) & ~size_t{3}; }

private:
    unsigned long Take(int bytes)
    {
        unsigned long value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<unsigned long>(_data[_offset + i]) << (8 * i);
        }
        _offset += bytes;
        return value;
    }
    const unsigned char* _data;
    size_t _offset = 0;
};

// A predefined class may be stored by its ordinal or by its name.
std::string ClassName(const std::string& stored)
{
    if (stored == "#128") {
        return "BUTTON";
    }
    if (stored == "#130") {
        return "STATIC";
    }
    if (stored == "#133") {
        return "COMBOBOX";
    }
    return stored;
}

TEST(Plugin, DialogTemplateIsTheInspectorWindow)
{
    HRSRC resource = FindResourceExA(Plugin(), MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(20128),
                                     MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_NE(resource, nullptr);
    TemplateReader reader(static_cast<const unsigned char*>(LockResource(LoadResource(Plugin(), resource))));
    EXPECT_EQ(reader.Word(), 1u);
    EXPECT_EQ(reader.Word(), 0xFFFFu);
    EXPECT_EQ(reader.Dword(), 0u);  // help ID
    EXPECT_EQ(reader.Dword(), 0u);  // extended style
    EXPECT_EQ(reader.Dword(), 0x90CC0048ul);
    unsigned count = reader.Word();
    EXPECT_EQ(count, 15u);
    EXPECT_EQ(reader.Short(), 20);
    EXPECT_EQ(reader.Short(), 40);
    EXPECT_EQ(reader.Short(), 300);
    EXPECT_EQ(reader.Short(), 290);
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // no menu
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // the default class
    EXPECT_EQ(reader.StringOrOrdinal(), "Ostrel Drumwell");
    EXPECT_EQ(reader.Word(), 8u);
    EXPECT_EQ(reader.Word(), 0u);  // weight
    EXPECT_EQ(reader.Byte(), 0u);  // not italic
    EXPECT_EQ(reader.Byte(), 1u);  // DEFAULT_CHARSET
    EXPECT_EQ(reader.StringOrOrdinal(), "MS Sans Serif");

    struct Control {
        unsigned long id;
        const char* windowClass;
        const char* text;
        unsigned long style;
        short x, y, width, height;
    };
    const Control expected[] = {
        {101, "STATIC", "Staff Name: ", 0x50000000, 10, 10, 200, 8},
        {102, "STATIC", "---", 0x50000000, 10, 20, 200, 8},
        {103, "STATIC", "Percussion Layout Name: ", 0x50000000, 10, 40, 200, 8},
        {104, "STATIC", "---", 0x50000000, 10, 50, 200, 8},
        {105, "STATIC", "Percussion MIDI Map:", 0x50000000, 10, 70, 200, 8},
        {106, "STATIC", "---", 0x50000000, 10, 80, 200, 8},
        {107, "STATIC", "Total Layout Items:", 0x50000000, 10, 100, 100, 8},
        {108, "STATIC", "---", 0x50000000, 10, 110, 100, 8},
        {109, "STATIC", "Total MIDI Map Items:", 0x50000000, 150, 100, 100, 8},
        {110, "STATIC", "---", 0x50000000, 150, 110, 100, 8},
        {111, "STATIC", "&Sort by:", 0x50000000, 10, 130, 30, 8},
        {112, "COMBOBOX", "", 0x50010203, 40, 130, 110, 30},
        {113, "SysListView32", "", 0x5081000D, 10, 150, 280, 110},
        {1, "BUTTON", "Create &Report", 0x50010001, 80, 270, 60, 14},
        {2, "BUTTON", "&Close", 0x50010000, 180, 270, 40, 14},
    };
    for (const Control& control : expected) {
        reader.AlignToDword();
        EXPECT_EQ(reader.Dword(), 0u) << control.id;  // help ID
        EXPECT_EQ(reader.Dword(), 0u) << control.id;  // extended style
        EXPECT_EQ(reader.Dword(), control.style) << control.id;
        EXPECT_EQ(reader.Short(), control.x) << control.id;
        EXPECT_EQ(reader.Short(), control.y) << control.id;
        EXPECT_EQ(reader.Short(), control.width) << control.id;
        EXPECT_EQ(reader.Short(), control.height) << control.id;
        EXPECT_EQ(reader.Dword(), control.id);
        std::string windowClass = ClassName(reader.StringOrOrdinal());
        // Window classes are found whatever their case.
        EXPECT_EQ(_stricmp(windowClass.c_str(), control.windowClass), 0) << control.id << " " << windowClass;
        EXPECT_EQ(reader.StringOrOrdinal(), control.text) << control.id;
        EXPECT_EQ(reader.Word(), 0u) << control.id;  // no creation data
    }
}


std::string VersionValue(const std::vector<char>& info, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0) {
        return "<none>";
    }
    return std::string(value, strnlen(value, length));
}

TEST(Plugin, VersionResourceNamesTheProductAndTheProjectVersion)
{
    DWORD size = GetFileVersionInfoSizeA(DRUMWELL_PLUGIN_PATH, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(DRUMWELL_PLUGIN_PATH, 0, size, info.data()));
    EXPECT_EQ(VersionValue(info, "ProductName"), "Ostrel Drumwell");
    EXPECT_EQ(VersionValue(info, "ProductVersion"), DRUMWELL_VERSION);
    EXPECT_EQ(VersionValue(info, "FileVersion"), DRUMWELL_VERSION);
    EXPECT_NE(VersionValue(info, "FileDescription").find("percussion"), std::string::npos);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    char numbers[32];
    snprintf(numbers, sizeof numbers, "%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
             HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(std::string(numbers), DRUMWELL_VERSION);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

}  // namespace

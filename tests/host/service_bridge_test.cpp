// The host service bridge against a bare host that offers only a few
// services: binding once, missing-service values, 16-bit results and
// arguments, counters and version gates.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/finale_version.h"
#include "host/service_wrappers.h"
#include "tests/support/import_hook.h"

namespace {
int g_slot_seen;
unsigned g_list_seen;
long g_version_seen;
int g_show_hide_calls;
long g_start_answer = 1;
int g_end_calls;
int g_cancel_calls;
}  // namespace

// The bare host's services. The first answers more than 16 bits, of which a
// host declared as returning a 16-bit value hands over only the low half.
extern "C" int WINAPI BareGetMaxLayers(long)
{
    return 0x1234FFFF;
}
extern "C" short WINAPI BareSlotToInst(short slot, unsigned short list, long version)
{
    g_slot_seen = slot;
    g_list_seen = list;
    g_version_seen = version;
    return 7;
}
extern "C" long WINAPI BareShowHideDlgItem(HWND, long, short, long)
{
    ++g_show_hide_calls;
    return 5;
}
extern "C" short WINAPI BareAnalyzeChord(void*, void*, long, long version)
{
    g_version_seen = version;
    return 1;
}
extern "C" long WINAPI BareStartFinaleEdit(const char*, long)
{
    return g_start_answer;
}
extern "C" short WINAPI BareEndFinaleEdit(long)
{
    ++g_end_calls;
    return 3;
}
extern "C" void WINAPI BareCancelFinaleEdit(long)
{
    ++g_cancel_calls;
}

namespace {

std::vector<std::string> g_lookups;
FARPROC(WINAPI* g_real_get_proc_address)(HMODULE, LPCSTR);

FARPROC WINAPI CountingGetProcAddress(HMODULE module, LPCSTR name)
{
    g_lookups.push_back(name);
    return g_real_get_proc_address(module, name);
}

int LookupsOf(const char* name)
{
    int count = 0;
    for (const std::string& lookup : g_lookups) {
        count += lookup == name ? 1 : 0;
    }
    return count;
}

TEST(HostBridge, RunningVersionStartsAtTheInterfaceVersionAndKeepsWhatIsSet)
{
    EXPECT_EQ(GetFinaleFrameworkVersion(), 0x0F000200u);
    SetFinaleFrameworkVersion(0x11000000);
    EXPECT_EQ(GetFinaleFrameworkVersion(), 0x11000000u);
    SetMinRequiredVersion(0x7FFFFFFF);
    EXPECT_EQ(GetFinaleFrameworkVersion(), 0x11000000u);
}

TEST(HostBridge, HostModuleIsThisExecutable)
{
    EXPECT_EQ(GetFinaleHandle(), GetModuleHandleA(nullptr));
}

TEST(HostBridge, MissingServicesAnswerTheirOwnValues)
{
    EXPECT_STREQ(FX_GetPartName(1, 0x0F000200), " ");
    EXPECT_EQ(FX_GetCurrentPartID(0x0F000200), -1);
    EXPECT_EQ(FX_GetNextPartID(0, 0x0F000200), -1);
    EXPECT_EQ(FX_GetTextEncoding(0x0F000200), -2);
    EXPECT_EQ(FX_CountParts(0x0F000200), -1);
    EXPECT_EQ(FX_ProcessMidiData(nullptr, 0x0F000200), -1);
    EXPECT_EQ(FX_GetPlaybackSystem(0x0F000200), -1);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(0x0F000200), 0);
    EXPECT_EQ(FX_SetCurERegion(nullptr, 0x0F000200), 0);
    EXPECT_EQ(FX_ExecuteMenuItem(12106, 0x0F000200), 0);
}

TEST(HostBridge, ServicesTheHostMustOfferAnswerZeroAndLeaveTheirArgumentsAlone)
{
    char name[8] = "keep";
    EXPECT_EQ(FX_FontNumToName(3, name, 0x0F000200), 0);
    EXPECT_STREQ(name, "keep");
    char note[20] = "same";
    EXPECT_EQ(FX_MidiNoteToString(38, note, 20, 1, 0x0F000200), 0);
    EXPECT_STREQ(note, "same");
    EXPECT_EQ(FX_GetMeasureDuration(1, 1, 0x0F000200), 0);
    EXPECT_EQ(FX_Dialog(20128, nullptr, nullptr, 0, nullptr, 0x0F000200), 0);
}

TEST(HostBridge, ServiceIsLookedUpOncePerProcessEvenWhenMissing)
{
    ScopedImportHook hook("KERNEL32.dll", "GetProcAddress", reinterpret_cast<void*>(&CountingGetProcAddress));
    ASSERT_NE(hook.Original(), nullptr);
    g_real_get_proc_address = reinterpret_cast<decltype(g_real_get_proc_address)>(hook.Original());

    FX_GetWindowCount(0x0F000200);
    FX_GetWindowCount(0x0F000200);
    FX_GetWindowCount(0x0F000200);
    EXPECT_EQ(LookupsOf("FX_GetWindowCount"), 1);

    EXPECT_EQ(FX_GetMaxLayers(0x0F000200), -1);
    EXPECT_EQ(FX_GetMaxLayers(0x0F000200), -1);
    EXPECT_EQ(LookupsOf("FX_GetMaxLayers"), 1);
}

TEST(HostBridge, SixteenBitResultsAreSignExtended)
{
    // The host's 32-bit register holds 0x1234FFFF; only its low half is the result.
    EXPECT_EQ(FX_GetMaxLayers(0x0F000200), -1);
}

TEST(HostBridge, SixteenBitArgumentsPassTheirLowHalf)
{
    int slot = 0x18001;
    int list = 0x2FFFE;
    EXPECT_EQ(FX_SlotToInst(static_cast<short>(slot), static_cast<unsigned short>(list), 0x0F000200), 7);
    EXPECT_EQ(g_slot_seen, -32767);
    EXPECT_EQ(g_list_seen, 0xFFFEu);
    EXPECT_EQ(g_version_seen, 0x0F000200);
}

TEST(HostBridge, FramesAreCountedWhetherOrNotTheHostHandsThemOut)
{
    long before = _LoadedTGFCounter;
    void* frame = FX_LoadTGF(0, 1, 1, 0, 1, 0x0F000200);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(_LoadedTGFCounter, before + 1);
    FX_FreeTGF(frame, 0x0F000200);
    EXPECT_EQ(_LoadedTGFCounter, before);

    long mass = _MassEditDepth;
    FX_StartMassEdit(0, 0, 0x0F000200);
    EXPECT_EQ(_MassEditDepth, mass + 1);
    FX_EndMassEdit(0, 0, 0x0F000200);
    FX_EndMassEdit(0, 0, 0x0F000200);
    EXPECT_EQ(_MassEditDepth, mass - 1);
}

TEST(HostBridge, EndAndCancelNeverReachTheHostWithoutAnOpenEdit)
{
    ASSERT_EQ(_FinaleEditDepth, 0);
    EXPECT_EQ(FX_EndFinaleEdit(0x0F000200), 1);
    FX_CancelFinaleEdit(0x0F000200);
    EXPECT_EQ(_FinaleEditDepth, 0);
    EXPECT_EQ(g_end_calls, 0);
    EXPECT_EQ(g_cancel_calls, 0);

    EXPECT_EQ(FX_StartFinaleEdit("Drumwell", 0x0F000200), 1);
    EXPECT_EQ(FX_StartFinaleEdit("Inner", 0x0F000200), 1);
    EXPECT_EQ(_FinaleEditDepth, 2);
    EXPECT_EQ(FX_EndFinaleEdit(0x0F000200), 3);
    FX_CancelFinaleEdit(0x0F000200);
    EXPECT_EQ(_FinaleEditDepth, 0);
    EXPECT_EQ(g_end_calls, 1);
    EXPECT_EQ(g_cancel_calls, 1);
}

TEST(HostBridge, RefusedStartStillRaisesTheDepth)
{
    g_start_answer = 0;
    const int cancels = g_cancel_calls;
    EXPECT_EQ(FX_StartFinaleEdit("Drumwell", 0x0F000200), 0);
    EXPECT_EQ(_FinaleEditDepth, 1);
    // The unmatched cancel that follows reaches the host.
    FX_CancelFinaleEdit(0x0F000200);
    EXPECT_EQ(g_cancel_calls, cancels + 1);
    EXPECT_EQ(_FinaleEditDepth, 0);
}

TEST(HostBridge, DialogItemServicesAreUsedFromTheirVersionOn)
{
    EXPECT_EQ(FX_ShowHideDlgItem(nullptr, 5, 1, 0x0B01FFFF), 1);
    EXPECT_EQ(g_show_hide_calls, 0);
    EXPECT_EQ(FX_ShowHideDlgItem(nullptr, 5, 1, 0x0B020000), 5);
    EXPECT_EQ(g_show_hide_calls, 1);
}

TEST(HostBridge, DialogItemsFallBackToWin32)
{
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent,
                                 reinterpret_cast<HMENU>(5), nullptr, nullptr);
    ShowWindow(parent, SW_SHOW);
    // The host has no FX_GetDlgCntl at all: even a new version falls back.
    EXPECT_EQ(FX_GetDlgCntl(parent, 5, 0x0F000200), child);
    EXPECT_EQ(FX_GetDlgCntl(parent, 6, 0x0A000000), nullptr);

    FX_ShowHideDlgItem(parent, 5, 0, 0x0A000000);
    EXPECT_FALSE(IsWindowVisible(child));
    FX_ShowHideDlgItem(parent, 5, 1, 0x0A000000);
    EXPECT_TRUE(IsWindowVisible(child));
    DestroyWindow(parent);
}

TEST(HostBridge, ChordAnalysisRaisesOldVersions)
{
    FX_AnalyzeChord(nullptr, nullptr, 0, 0x0A000000);
    EXPECT_EQ(g_version_seen, 0x0B000000);
    FX_AnalyzeChord(nullptr, nullptr, 0, 0x0F000200);
    EXPECT_EQ(g_version_seen, 0x0F000200);
}

}  // namespace

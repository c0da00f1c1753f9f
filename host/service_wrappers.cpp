// The wrappers of the host services: the plain ones from service_table.h,
// then those that count, clean or choose before they forward.
#include "host/service_wrappers.h"

#define SERVICE(R, NAME, PARAMS, ARGS, MISSING)           \
    Widened<R>::type WINAPI NAME PARAMS                   \
    {                                                     \
        static BoundService<R(WINAPI*) PARAMS> service;   \
        auto hostProc = Bind(service, #NAME);             \
        return hostProc ? hostProc ARGS : (MISSING);      \
    }
#include "host/service_table.h"
#undef SERVICE

long _FinaleEditDepth = 0;
long _MassEditDepth = 0;

long WINAPI FX_StartFinaleEdit(const char* undoText, long version)
{
    static BoundService<long(WINAPI*)(const char*, long)> service;
    // Counted whatever the host answers: a refused start is still matched by
    // the caller's end or cancel.
    ++_FinaleEditDepth;
    auto proc = Bind(service, "FX_StartFinaleEdit");
    return proc ? proc(undoText, version) : 0;
}

int WINAPI FX_EndFinaleEdit(long version)
{
    static BoundService<short(WINAPI*)(long)> service;
    if (_FinaleEditDepth <= 0) {
        return 1;
    }
    --_FinaleEditDepth;
    auto proc = Bind(service, "FX_EndFinaleEdit");
    return proc ? proc(version) : 0;
}

void WINAPI FX_CancelFinaleEdit(long version)
{
    static BoundService<void(WINAPI*)(long)> service;
    if (_FinaleEditDepth <= 0) {
        return;
    }
    --_FinaleEditDepth;
    if (auto proc = Bind(service, "FX_CancelFinaleEdit")) {
        proc(version);
    }
}

long WINAPI FX_StartMassEdit(long a, long b, long version)
{
    static BoundService<long(WINAPI*)(long, long, long)> service;
    ++_MassEditDepth;
    auto proc = Bind(service, "FX_StartMassEdit");
    return proc ? proc(a, b, version) : 0;
}

long WINAPI FX_EndMassEdit(long a, short b, long version)
{
    static BoundService<long(WINAPI*)(long, short, long)> service;
    --_MassEditDepth;
    auto proc = Bind(service, "FX_EndMassEdit");
    return proc ? proc(a, b, version) : 0;
}

namespace {
// Hosts before this version have no dialog item services of their own.
constexpr unsigned long kFirstDialogItemVersion = 0x0B020000;
constexpr unsigned long kFirstChordAnalysisVersion = 0x0B000000;
}  // namespace

long WINAPI FX_ShowHideDlgItem(HWND dialog, long item, short show, long version)
{
    static BoundService<long(WINAPI*)(HWND, long, short, long)> service;
    if (static_cast<unsigned long>(version) >= kFirstDialogItemVersion) {
        if (auto proc = Bind(service, "FX_ShowHideDlgItem")) {
            return proc(dialog, item, show, version);
        }
    }
    ShowWindow(GetDlgItem(dialog, item), show != 0 ? SW_SHOWNORMAL : SW_HIDE);
    return 1;
}

HWND WINAPI FX_GetDlgCntl(HWND dialog, long item, long version)
{
    static BoundService<HWND(WINAPI*)(HWND, long, long)> service;
    if (static_cast<unsigned long>(version) >= kFirstDialogItemVersion) {
        if (auto proc = Bind(service, "FX_GetDlgCntl")) {
            return proc(dialog, item, version);
        }
    }
    return GetDlgItem(dialog, item);
}

int WINAPI FX_AnalyzeChord(void* entry, void* result, long flags, long version)
{
    static BoundService<short(WINAPI*)(void*, void*, long, long)> service;
    if (static_cast<unsigned long>(version) < kFirstChordAnalysisVersion) {
        version = static_cast<long>(kFirstChordAnalysisVersion);
    }
    auto proc = Bind(service, "FX_AnalyzeChord");
    return proc ? proc(entry, result, flags, version) : 0;
}

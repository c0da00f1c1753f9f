// A small plug-in that the workbench's end-to-end tests drive: one menu
// entry, a modeless dialog through FX_Dialog, alerts, an edit block, and a
// list view whose cell texts are asked for through callbacks.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "probe_plugin.h"

namespace {

constexpr long kVersion = 0x0F000200;
unsigned long g_hostVersion;
HWND g_dialog;
int g_firstWidth;
int g_firstHeight;

template <typename Proc>
Proc Service(const char* name)
{
    return reinterpret_cast<Proc>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("FINALE.EXE"), name)));
}

struct Note {
    const char* name;
    short midi;
};
const Note kNotes[] = {{"Kick", 36}, {"Snare", 38}, {"Middle C", 60}};

void ShowSelection(HWND dialog)
{
    auto regions = Service<short(WINAPI*)(long*, void*, void*, long)>("FX_GetCurERegions");
    auto slotToStaff = Service<short(WINAPI*)(short, unsigned short, long)>("FX_SlotToInst");
    unsigned char selected[20] = {};
    unsigned char whole[20] = {};
    long flags = 0;
    char text[128] = "no document";
    if (regions != nullptr && slotToStaff != nullptr && regions(&flags, selected, whole, kVersion) != 0) {
        auto word = [](const unsigned char* region, int offset) {
            return static_cast<short>(region[offset] | (region[offset + 1] << 8));
        };
        std::snprintf(text, sizeof text, "slots %d-%d, measures %d-%d, staff %d of %d", word(selected, 2),
                      word(selected, 12), word(selected, 4), word(selected, 14),
                      slotToStaff(word(selected, 2), 0, kVersion), word(whole, 12));
    }
    SetDlgItemTextA(dialog, PROBE_SELECTION, text);
}

void Edit(HWND dialog)
{
    auto start = Service<long(WINAPI*)(const char*, long)>("FX_StartFinaleEdit");
    auto end = Service<short(WINAPI*)(long)>("FX_EndFinaleEdit");
    auto save = Service<short(WINAPI*)(unsigned long, void*, const void*, long, unsigned long)>("FX_SaveEData");
    unsigned char key[8] = {1, 0};
    const char name[] = "Edited Kit";
    bool saved = start("Probe Edit", kVersion) != 0 && save(0x7478626C, key, name, sizeof name, kVersion) != 0;
    end(kVersion);
    SetDlgItemTextA(dialog, PROBE_SELECTION, saved ? "edited" : "not edited");
}

void FillNotes(HWND dialog)
{
    HWND list = GetDlgItem(dialog, PROBE_NOTES);
    const char* titles[] = {"Note", "MIDI"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(titles[i]);
        column.cx = 120;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 3; ++row) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
}

// The cell texts, asked for whenever the list needs them.
void CellText(NMLVDISPINFOA* info)
{
    int row = info->item.iItem;
    if (row < 0 || row >= 3 || (info->item.mask & LVIF_TEXT) == 0) {
        return;
    }
    char text[64];
    if (info->item.iSubItem == 0) {
        std::snprintf(text, sizeof text, "%s", kNotes[row].name);
    } else {
        char name[20] = {};
        Service<long(WINAPI*)(short, char*, short, short, long)>("FX_MidiNoteToString")(kNotes[row].midi, name,
                                                                                       sizeof name, 1, kVersion);
        std::snprintf(text, sizeof text, "%d ('%s')", kNotes[row].midi, name);
    }
    lstrcpynA(info->item.pszText, text, info->item.cchTextMax);
}

void Close(HWND dialog)
{
    Service<long(WINAPI*)(HWND, long)>("FX_EndDialog")(dialog, kVersion);
}

long WINAPI ProbeProc(HWND dialog, unsigned long message, unsigned int wParam, long lParam, void*)
{
    switch (message) {
    case WM_INITDIALOG: {
        g_dialog = dialog;
        RECT client;
        GetClientRect(dialog, &client);
        g_firstWidth = client.right;
        g_firstHeight = client.bottom;
        const char* entries[] = {"First", "Second", "Third"};
        for (const char* entry : entries) {
            SendDlgItemMessageA(dialog, PROBE_CHOICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        SendDlgItemMessageA(dialog, PROBE_CHOICE, CB_SETCURSEL, 0, 0);
        char version[32];
        std::snprintf(version, sizeof version, "Host: 0x%08lX", g_hostVersion);
        SetDlgItemTextA(dialog, PROBE_VERSION, version);
        FillNotes(dialog);
        return 1;
    }
    case WM_SIZE: {
        char size[32];
        std::snprintf(size, sizeof size, "Size: %+d,%+d", LOWORD(lParam) - g_firstWidth, HIWORD(lParam) - g_firstHeight);
        SetDlgItemTextA(dialog, PROBE_SIZE, size);
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == PROBE_NOTES && header->code == LVN_GETDISPINFOA) {
            CellText(reinterpret_cast<NMLVDISPINFOA*>(lParam));
        }
        return 0;
    }
    case WM_CLOSE:
        Close(dialog);
        return 1;
    case WM_DESTROY:
        g_dialog = nullptr;
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case PROBE_CHECK:
            ShowSelection(dialog);
            return 1;
        case PROBE_CLOSE:
            Close(dialog);
            return 1;
        case PROBE_ASK: {
            int answer = MessageBoxA(GetActiveWindow(), "Keep going?", "Probe Question", MB_YESNO);
            SetDlgItemTextA(dialog, PROBE_SELECTION, answer == IDYES ? "answer: yes" : "answer: no");
            return 1;
        }
        case PROBE_WARN:
            Service<short(WINAPI*)(long, unsigned short, long, const char*, long)>("FX_AlertMessage")(
                0, 0, 0, "Probe developer message", kVersion);
            MessageBoxA(GetActiveWindow(), "Something went wrong.\nTwice.", "Probe Error", MB_OK | MB_ICONERROR);
            return 1;
        case PROBE_EDIT:
            Edit(dialog);
            return 1;
        case PROBE_CHOICE:
            if (HIWORD(wParam) == CBN_SELCHANGE) {
                char entry[32] = {};
                char text[48];
                LRESULT index = SendDlgItemMessageA(dialog, PROBE_CHOICE, CB_GETCURSEL, 0, 0);
                SendDlgItemMessageA(dialog, PROBE_CHOICE, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
                std::snprintf(text, sizeof text, "Chosen: %s", entry);
                SetDlgItemTextA(dialog, PROBE_CHOSEN, text);
            }
            return 1;
        }
        return 0;
    }
    return 0;
}

}  // namespace

extern "C" unsigned long WINAPI FinaleExtensionVersion(unsigned long hostVersion)
{
    g_hostVersion = hostVersion;
    return 0x10000000;
}

extern "C" long WINAPI FinaleExtensionInit(long, long* flags)
{
    *flags |= 1;
    return 1;
}

extern "C" long WINAPI FinaleExtensionEnumerate(long, long index, char* record)
{
    if (static_cast<short>(index) > 0) {
        return 0;
    }
    std::strncpy(record, "Workbench Probe...", 64);
    std::strncpy(record + 64, "Shows what the workbench host tells a plug-in.", 64);
    std::strncpy(record + 128, "Probe", 64);
    return 1;
}

extern "C" long WINAPI FinaleExtensionInvoke(HWND window, long, long, long)
{
    if (g_dialog != nullptr) {
        ShowWindow(g_dialog, SW_SHOWNORMAL);
        return 0;
    }
    auto dialog = Service<long(WINAPI*)(short, void*, HWND, short, void*, long)>("FX_Dialog");
    if (dialog == nullptr) {
        MessageBoxA(window, "The host has no FX_Dialog.", "Probe", MB_OK);
        return 0;
    }
    dialog(PROBE_DIALOG, reinterpret_cast<void*>(ProbeProc), window, 0, nullptr, kVersion);
    return 0;
}

extern "C" void WINAPI FinaleExtensionTerminate(long) {}

extern "C" long WINAPI FinaleExtensionGetMenuStatus(long)
{
    return 1;
}

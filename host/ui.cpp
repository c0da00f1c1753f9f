// Alerts, menu commands and view queries of FCUI.
#include "host/ui.h"

#include "framework/data/staff.h"
#include "framework/data/string.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"
#include "host/window_info_layout.h"

namespace {

const char* Text(FCString* text)
{
    return text == nullptr ? nullptr : text->GetCString();
}

// The 8-bit texts of an alert. Narrowing a string again frees its previous
// text, so one string given as message and title is narrowed once.
struct AlertTexts {
    AlertTexts(FCString* messageString, FCString* titleString)
        : message(Text(messageString)), title(titleString == messageString ? message : Text(titleString))
    {
    }
    const char* message;
    const char* title;
};

int ShowMessage(const char* message, const char* title, const char* defaultTitle, UINT style)
{
    return MessageBoxA(GetActiveWindow(), message, title != nullptr ? title : defaultTitle, style);
}

// The host's view as FX_GetCurrentWindowInfo describes it.
struct WindowInfo {
    bool known = false;
    unsigned char bytes[window_info::kSize] = {};
};

WindowInfo QueryWindowInfo()
{
    // The whole record is cleared, so a host that fills less leaves zeros.
    WindowInfo info;
    info.known = FX_GetCurrentWindowInfo(info.bytes, kFinaleInterfaceVersion) != 0;
    return info;
}

constexpr long kMenuItems[] = {0, 12106, 12112, 10602, 35622, 10611, 10612, 10613, 10614, 10615, 10616, 10617, 10618, 10619};
constexpr int kFirstStaff = 1;
constexpr int kLastStaffTried = 101;

}  // namespace

void FCUI::AlertError(const char* message, const char* title)
{
    ShowMessage(message, title, "Error", MB_OK | MB_ICONERROR);
}

void FCUI::AlertError(FCString* message, FCString* title)
{
    AlertTexts texts(message, title);
    AlertError(texts.message, texts.title);
}

int FCUI::AlertYesNo(const char* message, const char* title)
{
    switch (ShowMessage(message, title, "Error", MB_YESNO)) {
    case IDYES:
        return 0;
    case IDNO:
        return 1;
    default:
        return 2;
    }
}

int FCUI::AlertYesNo(FCString* message, FCString* title)
{
    AlertTexts texts(message, title);
    return AlertYesNo(texts.message, texts.title);
}

void FCUI::AlertNeutral(const char* message, const char* title)
{
    ShowMessage(message, title, "", MB_OK);
}

void FCUI::AlertNeutral(FCString* message, FCString* title)
{
    AlertTexts texts(message, title);
    AlertNeutral(texts.message, texts.title);
}

void FCUI::AlertInfo(const char* message, const char* title)
{
    ShowMessage(message, title, "Information", MB_OK | MB_ICONINFORMATION);
}

void FCUI::AlertInfo(FCString* message, FCString* title)
{
    AlertTexts texts(message, title);
    AlertInfo(texts.message, texts.title);
}

bool FCUI::MenuCommand(int command)
{
    if (command < 0 || command >= static_cast<int>(sizeof kMenuItems / sizeof kMenuItems[0])) {
        return false;
    }
    return FX_ExecuteMenuItem(kMenuItems[command], kFinaleInterfaceVersion) != 0;
}

void FCUI::RedrawDocument()
{
    long flags = 0;
    EREGION selection = {};
    EREGION document = {};
    FX_GetCurERegions(&flags, &selection, &document, kFinaleInterfaceVersion);
    FX_RedrawMusic(&document, kFinaleInterfaceVersion);
}

bool FCUI::IsPageView()
{
    WindowInfo info = QueryWindowInfo();
    return info.known && ReadU16(info.bytes, window_info::kPageView) != 0;
}

int FCUI::GetCurrentPage()
{
    WindowInfo info = QueryWindowInfo();
    if (!info.known || ReadU16(info.bytes, window_info::kPageView) == 0) {
        return 0;
    }
    return ReadS16(info.bytes, window_info::kPage);
}

int FCUI::GetZoomLevel()
{
    WindowInfo info = QueryWindowInfo();
    return info.known ? ReadS16(info.bytes, window_info::kZoom) : 100;
}

HWND FCUI::GetDocumentWindow()
{
    WindowInfo info = QueryWindowInfo();
    return info.known ? reinterpret_cast<HWND>(ReadU32(info.bytes, window_info::kDocumentWindow)) : nullptr;
}

void FCUI::MoveToMeasure(int measure, int staff)
{
    if (staff == 0) {
        for (int number = kFirstStaff; number <= kLastStaffTried && staff == 0; ++number) {
            FCStaff candidate;
            if (candidate.Load(static_cast<unsigned short>(number))) {
                staff = number;
            }
        }
        if (staff == 0) {
            return;
        }
    }
    FX_ScrollTo(static_cast<short>(measure), static_cast<short>(staff), kFinaleInterfaceVersion);
}

void FCUI::Beep()
{
    if (!MessageBeep(MB_ICONEXCLAMATION)) {
        MessageBeep(0xFFFFFFFF);
    }
}

int FCUI::GetScreenHeight()
{
    return GetSystemMetrics(SM_CYFULLSCREEN);
}

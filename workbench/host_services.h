// The services the workbench host offers to plug-ins. They carry names of
// their own; services.def exports each under the service's name (FX_...).
#pragma once

#include <windows.h>

#include "host/host_records.h"

extern "C" {

// Records of the current document (record_services.cpp).
short WINAPI HostLoadEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
short WINAPI HostSaveEData(unsigned long tag, void* key, const void* buffer, long size, unsigned long version);
short WINAPI HostCreateEData(unsigned long tag, void* key, const void* buffer, long size, unsigned long version);
short WINAPI HostDeleteEData(unsigned long tag, void* key, unsigned long version);
short WINAPI HostNextEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
short WINAPI HostPreviousEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);

// Messages for the plug-in's developer (alert_services.cpp).
short WINAPI HostAlertMessage(long a, unsigned short b, long c, const char* message, long version);

// Documents, their paths, fonts and the files beside them (document_services.cpp).
short WINAPI HostGetCurrentEnigmaDocument(long version);
short WINAPI HostSetCurrentEnigmaDocument(short document, long version);
short WINAPI HostGetNextEnigmaDocument(short document, long version);
short WINAPI HostGetDocumentPath(short document, FinPathSpec2009* path, long version);
short WINAPI HostFontNameToNum(const char* name, long version);
short WINAPI HostFontNumToName(short number, char* name, long version);
short WINAPI HostGetFinalePath(long kind, FinPathSpec2009* path, long version);
short WINAPI HostGetPercMapRefData(unsigned short map, FinPathSpec2009* path, char* name, short size, long version);

// The current document's score and linked parts (part_services.cpp).
short WINAPI HostGetNextPartID(short part, long version);
short WINAPI HostGetCurrentPartID(long version);
long WINAPI HostSetCurrentPartID(short part, long version);
const char* WINAPI HostGetPartName(short part, long version);

// Regions, slots, measures and clip tokens (region_services.cpp).
short WINAPI HostGetCurERegions(long* flags, EREGION* selection, EREGION* document, long version);
long WINAPI HostSetCurERegion(EREGION* region, long version);
short WINAPI HostSlotToInst(short slot, unsigned short instrumentList, long version);
short WINAPI HostInstToSlot(short staff, unsigned short instrumentList, long version);
long WINAPI HostGetMeasureDuration(short staff, short measure, long version);
long WINAPI HostCopyCutMusic(void* region, short mode, long version);
long WINAPI HostInsertMergeMusic(long token, void* region, bool merge, long version);
long WINAPI HostDisposeFinClipFileToken(long token, long version);

// Edit blocks, journalled (edit_services.cpp).
long WINAPI HostStartFinaleEdit(const char* undoText, long version);
short WINAPI HostEndFinaleEdit(long version);
void WINAPI HostCancelFinaleEdit(long version);

// The document window and the menus (view_services.cpp).
short WINAPI HostExecuteMenuItem(long item, long version);
short WINAPI HostGetCurrentWindowInfo(void* info, long version);
long WINAPI HostScrollTo(short measure, short staff, long version);
long WINAPI HostRedrawMusic(EREGION* region, long version);

// Notes and layers (music_services.cpp).
short WINAPI HostGetMaxLayers(long version);
long WINAPI HostMidiNoteToString(short note, char* buffer, short size, short flag, long version);

// Layers shown and frames of the cells' music (frame_services.cpp).
short WINAPI HostGetShowLayer(short layer, long version);
void* WINAPI HostLoadTGF(unsigned short instrumentList, short slot, short measure, short layer, short flags,
                         long version);
long WINAPI HostGetTGFDuration(void* frame, long version);
long WINAPI HostFreeTGF(void* frame, long version);

// Plug-in dialogs and their items (dialog_services.cpp). The procedure is
// called for every message from WM_INITDIALOG on, with the window object last.
typedef long(WINAPI* HostDialogProc)(HWND dialog, unsigned long message, unsigned int wParam, long lParam,
                                      void* window);
long WINAPI HostDialog(short id, HostDialogProc proc, HWND parent, short modal, void* window, long version);
long WINAPI HostEndDialog(HWND dialog, long version);
long WINAPI HostSetDlgString(HWND dialog, long item, const char* text, long version);
long WINAPI HostGetDlgString(HWND dialog, long item, char* buffer, short size, long version);
long WINAPI HostGetDlgItemVal(HWND dialog, long item, short kind, long version);
long WINAPI HostSetDlgItemVal(HWND dialog, long item, short kind, long value, long version);
// Decimal numbers shown in edit fields (kind 0).
long WINAPI HostGetDlgItemUser(HWND dialog, long item, short kind, double* value, long version);
long WINAPI HostSetDlgItemUser(HWND dialog, long item, short kind, double value, long version);
long WINAPI HostEnableDlgItem(HWND dialog, long item, short enable, long version);
long WINAPI HostShowHideDlgItem(HWND dialog, long item, short show, long version);
HWND WINAPI HostGetDlgCntl(HWND dialog, long item, long version);

}  // extern "C"

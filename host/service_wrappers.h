// Wrappers of the host services: each bears the service's name and argument
// list, binds the service on first use and forwards to it (service_table.h).
#pragma once

#include <windows.h>

#include "host/host_records.h"
#include "host/service_binding.h"

// The dialog procedure handed to FX_Dialog; `data` is the window object.
typedef long(WINAPI* FinaleDialogProc)(HWND dialog, unsigned long message, unsigned int wParam, long lParam,
                                        void* data);

#define SERVICE(R, NAME, PARAMS, ARGS, MISSING) Widened<R>::type WINAPI NAME PARAMS;
#include "host/service_table.h"
#undef SERVICE

// Frames of entries: counted while handed out, cleaned before they go back.
extern long _LoadedTGFCounter;
extern bool _CanAddNoteRecordToRests;
void* WINAPI FX_LoadTGF(unsigned short instrumentList, short slot, short measure, short layer, short flags,
                        long version);
long WINAPI FX_FreeTGF(void* frame, long version);
int WINAPI FX_SaveTGF(void* frame, long version);
int WINAPI FX_InsertEXENTRY(void* frame, short entry, short flags, long version);
int WINAPI FX_DeleteEXENTRY(void* frame, short entry, short flags, long version);
int WINAPI FX_ReduceEntries(void* frame, long version);
// Prepares a frame record for the host: unique note identifiers, flag bits
// that repeat them, unused note slots cleared, and a note record for rests.
void CleanTGF(void* frame);

// Edit blocks, counted; end and cancel never reach the host when none is open.
extern long _FinaleEditDepth;
long WINAPI FX_StartFinaleEdit(const char* undoText, long version);
int WINAPI FX_EndFinaleEdit(long version);
void WINAPI FX_CancelFinaleEdit(long version);

extern long _MassEditDepth;
long WINAPI FX_StartMassEdit(long a, long b, long version);
long WINAPI FX_EndMassEdit(long a, short b, long version);

// Dialog items: the host's service from version 0x0B020000 on, Win32 before.
long WINAPI FX_ShowHideDlgItem(HWND dialog, long item, short show, long version);
HWND WINAPI FX_GetDlgCntl(HWND dialog, long item, long version);

// The host needs at least version 0x0B000000 for chord analysis.
int WINAPI FX_AnalyzeChord(void* entry, void* result, long flags, long version);

// Records of the document, by tag and key. The version is corrected by tag
// and size first, and the load and save emulate preference records on top of
// the 12-byte "other" records (record_services.cpp).
int WINAPI FX_LoadEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
int WINAPI FX_SaveEData(unsigned long tag, void* key, void* buffer, long size, unsigned long version);
int WINAPI FX_CreateEData(unsigned long tag, void* key, void* buffer, long size, unsigned long version);
int WINAPI FX_DeleteEData(unsigned long tag, void* key, unsigned long version);
int WINAPI FX_NextEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);
int WINAPI FX_PreviousEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version);

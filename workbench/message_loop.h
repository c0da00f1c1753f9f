// FINALE.EXE's message loop: every message goes first to the open modeless
// plug-in dialogs, so that Tab, Enter and Escape work in them.
#pragma once

#include <windows.h>

namespace workbench {

// Whether an open modeless plug-in dialog took the message (IsDialogMessage),
// or the main window a Tab key.
bool IsPluginDialogMessage(MSG* message);
// Processes the messages waiting now; false once WM_QUIT has come.
bool ProcessPendingMessages();
// Runs until WM_QUIT; its exit code.
int RunMessageLoop();

}  // namespace workbench

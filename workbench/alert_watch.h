// Alerts a plug-in shows while a script runs: each message box is printed as
// it appears (title, text and the button pressed) and answered at once.
#pragma once

#include <windows.h>

#include "workbench/options.h"

namespace workbench {

// Watches the message boxes of the calling thread until StopAlertWatch.
bool StartAlertWatch();
void StopAlertWatch();
void SetAlertAnswer(Answer answer);

// Whether a window is a message box (a system dialog, not a plug-in's own).
bool IsMessageBox(HWND window);
// The button an answer presses in a message box: the answer's own button,
// else the nearest of the same sense, else the first button; 0 when none.
int ButtonForAnswer(HWND box, Answer answer);

}  // namespace workbench

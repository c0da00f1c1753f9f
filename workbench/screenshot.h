// Saving a window as a BMP image: whole, frame included, or its client area.
#pragma once

#include <windows.h>

#include <string>

namespace workbench {

// False with a message when the window cannot be captured or the file
// cannot be written.
bool SaveScreenshot(HWND window, const std::string& path, std::string* error);
// The client area's pixels as they are now, whatever was drawn last.
bool SaveClientCapture(HWND window, const std::string& path, std::string* error);

}  // namespace workbench

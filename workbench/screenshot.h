// Saving a window, frame included, as a BMP image.
#pragma once

#include <windows.h>

#include <string>

namespace workbench {

// False with a message when the window cannot be captured or the file
// cannot be written.
bool SaveScreenshot(HWND window, const std::string& path, std::string* error);

}  // namespace workbench

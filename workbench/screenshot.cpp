// Window captures written as 24-bit BMP files.
#include "workbench/screenshot.h"

#include <cstdio>
#include <vector>

#include "workbench/paths.h"

namespace workbench {
namespace {

// The window whole, taken from the screen so that what lies over it (a
// dropped-down list) is in the picture as a user sees it; or its client area
// from its own DC, as it is drawn now.
bool SaveImage(HWND window, bool clientOnly, const std::string& path, std::string* error)
{
    RECT area;
    if (!IsWindow(window) || !(clientOnly ? GetClientRect(window, &area) : GetWindowRect(window, &area)) ||
        area.right <= area.left || area.bottom <= area.top) {
        *error = "screenshot: no window to capture";
        return false;
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HWND owner = clientOnly ? window : nullptr;
    HDC source = GetDC(owner);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, source, clientOnly ? 0 : area.left,
                         clientOnly ? 0 : area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up rows, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    int rows = copied ? GetDIBits(memory, bitmap, 0, height, pixels.data(),
                                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)
                      : 0;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(owner, source);
    if (rows != height) {
        *error = "screenshot: the window cannot be captured";
        return false;
    }

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    bool written = out != nullptr && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&header, sizeof header, 1, out) == 1 &&
                   std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    if (out != nullptr && std::fclose(out) != 0) {
        written = false;
    }
    if (!written) {
        *error = "screenshot: cannot write " + Utf8FromPath(path);
        return false;
    }
    return true;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& path, std::string* error)
{
    return SaveImage(window, false, path, error);
}

bool SaveClientCapture(HWND window, const std::string& path, std::string* error)
{
    return SaveImage(window, true, path, error);
}

}  // namespace workbench

// Recoding through UTF-16, the one form every Windows code page maps to.
#include "workbench/code_pages.h"

#include <windows.h>

#include <vector>

namespace workbench {

std::string Recode(const std::string& text, unsigned from, unsigned to, bool* lossy)
{
    if (lossy != nullptr) {
        *lossy = false;
    }
    if (text.empty()) {
        return text;
    }
    const int size = static_cast<int>(text.size());
    const DWORD strict = from == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    int wide = MultiByteToWideChar(from, strict, text.data(), size, nullptr, 0);
    if (wide <= 0) {
        // Not valid in its own code page: read leniently, and say so.
        if (lossy != nullptr) {
            *lossy = true;
        }
        wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
        if (wide <= 0) {
            return std::string();
        }
    }
    std::vector<wchar_t> units(wide);
    MultiByteToWideChar(from, 0, text.data(), size, units.data(), wide);
    // UTF-8 holds every character; the others say when one had no place.
    BOOL replaced = FALSE;
    BOOL* replacedFlag = to == CP_UTF8 ? nullptr : &replaced;
    const char* fallback = to == CP_UTF8 ? nullptr : "?";
    const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int bytes = WideCharToMultiByte(to, flags, units.data(), wide, nullptr, 0, fallback, replacedFlag);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0) {
        WideCharToMultiByte(to, flags, units.data(), wide, &out[0], bytes, fallback, replacedFlag);
    }
    if (lossy != nullptr && replaced) {
        *lossy = true;
    }
    return out;
}

}  // namespace workbench

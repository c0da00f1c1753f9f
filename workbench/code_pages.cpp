// Recoding through UTF-16, the one form every Windows code page maps to.
#include "workbench/code_pages.h"

#include <windows.h>

namespace workbench {

std::wstring Widen(const std::string& text, unsigned from, bool* invalid)
{
    if (invalid != nullptr) {
        *invalid = false;
    }
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const DWORD strict = from == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    if (MultiByteToWideChar(from, strict, text.data(), size, nullptr, 0) <= 0 && invalid != nullptr) {
        *invalid = true;
    }
    const int wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
    std::wstring units(wide > 0 ? wide : 0, L'\0');
    if (wide > 0) {
        MultiByteToWideChar(from, 0, text.data(), size, &units[0], wide);
    }
    return units;
}

std::string Recode(const std::string& text, unsigned from, unsigned to, bool* lossy)
{
    bool invalid = false;
    const std::wstring units = Widen(text, from, &invalid);
    // UTF-8 holds every character; the others say when one had no place.
    BOOL replaced = FALSE;
    BOOL* replacedFlag = to == CP_UTF8 ? nullptr : &replaced;
    const char* fallback = to == CP_UTF8 ? nullptr : "?";
    const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int wide = static_cast<int>(units.size());
    const int bytes =
        wide > 0 ? WideCharToMultiByte(to, flags, units.data(), wide, nullptr, 0, fallback, replacedFlag) : 0;
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0) {
        WideCharToMultiByte(to, flags, units.data(), wide, &out[0], bytes, fallback, replacedFlag);
    }
    if (lossy != nullptr) {
        *lossy = invalid || replaced;
    }
    return out;
}

}  // namespace workbench

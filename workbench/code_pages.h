// Texts between Windows code pages: documents and printed output are UTF-8,
// the host's texts Windows Latin 1, paths the process's own code page.
#pragma once

#include <string>

namespace workbench {

constexpr unsigned kHostCodePage = 1252;

// `text` in UTF-16; `invalid`, when given, tells whether it was not valid in
// its code page (it is then read leniently).
std::wstring Widen(const std::string& text, unsigned from, bool* invalid = nullptr);
// `text` from one code page to another. `lossy`, when given, tells whether
// a character had no place in the target or the text was not valid in its
// own code page; such characters become '?'.
std::string Recode(const std::string& text, unsigned from, unsigned to, bool* lossy = nullptr);

}  // namespace workbench

// Texts a person reads, for the W functions: the wide form of
// core/translation.h's lookup, for captions kept as wide text (control tables,
// window titles).
//
//   CreateWindowExW(0, L"BUTTON", ui::TranslateWide(L"Cancel").c_str(), ...);
#pragma once

#include <string>

#include "core/translation.h"
#include "core/wide.h"

namespace quorvel::ui {

// `english` in the current language; itself when the language has no
// translation of it (and always in English). Null is an empty text.
inline std::wstring TranslateWide(const wchar_t* english) {
    return english ? Wide(Translate(Narrow(english))) : std::wstring();
}

}  // namespace quorvel::ui

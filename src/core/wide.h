// UTF-8 (inside the program) to UTF-16 (the W functions) and back.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

namespace quorvel {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows build has 16-bit wchar_t");

inline std::wstring Wide(std::string_view utf8) {
    const std::u16string u16 = Utf8ToUtf16(utf8);
    return std::wstring(u16.begin(), u16.end());
}

inline std::string Narrow(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

// The first `maxUnits` UTF-16 units of `text` at most, one fewer when the cut
// would split a surrogate pair (for fixed-size W fields: a face name, a tool tip).
inline std::wstring_view Utf16Prefix(std::wstring_view text, std::size_t maxUnits) {
    std::size_t units = text.size() < maxUnits ? text.size() : maxUnits;
    const auto highSurrogate = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    if (units > 0 && units < text.size() && highSurrogate(text[units - 1])) --units;
    return text.substr(0, units);
}

}  // namespace quorvel

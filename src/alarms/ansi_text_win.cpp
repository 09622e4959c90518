// Short and long strings read through the user's ANSI code page.
#include <windows.h>

#include <climits>
#include <stdexcept>

#include "alarms/ansi_text.h"
#include "core/text.h"

namespace quorvel {

std::string AnsiToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) return std::string(bytes);
    if (bytes.size() > INT_MAX) throw std::length_error("text too long");
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    if (units > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), units);
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace quorvel

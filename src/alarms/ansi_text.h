// Text in the user's ANSI code page, as short and long strings of the stored
// alarm bytes carry it, converted to the program's UTF-8. Defined per platform:
// the user's ANSI code page on Windows, Windows-1252 elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

std::string AnsiToUtf8(std::string_view bytes);

}  // namespace quorvel

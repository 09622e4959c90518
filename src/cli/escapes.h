// The line escapes of batch mode, so any text fits on one line: \\ \t \n \r \xHH.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::cli {

// Decodes the escapes; throws BadInput for any other backslash sequence.
std::string Unescape(std::string_view text);

// Writes backslash, tab, line feed and carriage return as their escapes and the
// other control characters as \xHH; everything else is copied.
std::string Escape(std::string_view text);

}  // namespace quorvel::cli

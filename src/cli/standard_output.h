// Standard output and standard error as UTF-8 text: bytes to a pipe or file,
// and on Windows UTF-16 to a console window, which shows it as it is.
#pragma once

#include <string_view>

namespace quorvel::cli {

enum class StandardStream { Output, Error };

// Writes all of the text, unchanged (no line-end translation); false on failure.
bool WriteStandard(StandardStream stream, std::string_view text);

}  // namespace quorvel::cli

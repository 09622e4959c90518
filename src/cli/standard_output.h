// Standard output and standard error as UTF-8 text: bytes to a pipe or file,
// and on Windows UTF-16 to a console window, which shows it as it is.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::cli {

enum class StandardStream { Output, Error };

// Writes all of the text, unchanged (no line-end translation); false on failure.
bool WriteStandard(StandardStream stream, std::string_view text);

// Writes a command's output, then its messages, and gives its exit code. Output that
// cannot be written (a full disk, a closed pipe) is told and ends with 1, never
// passing for success.
inline int WriteResults(int code, std::string_view out, std::string err) {
    if (!WriteStandard(StandardStream::Output, out)) {
        err += "quorvel-cli: cannot write the output\n";
        code = 1;
    }
    WriteStandard(StandardStream::Error, err);
    return code;
}

}  // namespace quorvel::cli

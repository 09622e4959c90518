// Whole files and standard streams as bytes, with no line-end translation on
// any platform.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::cli {

// The bytes of the file (a UTF-8 path), or of standard input for "-". Throws
// BadInput when it cannot be opened or read.
std::string ReadBytes(const std::string& path);

// Writes the bytes to standard output; throws BadInput when that fails.
void WriteStdout(std::string_view bytes);

// Writes the bytes to the file (a UTF-8 path), replacing it, or to standard
// output for "-". Throws BadInput when that fails.
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace quorvel::cli

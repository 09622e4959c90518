// Whole files and standard streams as bytes, with no line-end translation on
// any platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::cli {

// The largest stored value the registry's standard format holds (1 MB): no
// stored alarm list is larger, so more is not an alarm list.
inline constexpr std::size_t kMaxStoredValueBytes = 1024 * 1024;
// JSON of the largest stored value stays well within this.
inline constexpr std::size_t kMaxJsonBytes = 16 * kMaxStoredValueBytes;

// The bytes of the file (a UTF-8 path), or of standard input for "-", reading
// no further than `maxBytes` (an endless stream is refused, not read until
// memory runs out). Throws BadInput when it cannot be opened or read, or when
// it holds more than `maxBytes`.
std::string ReadBytes(const std::string& path, std::size_t maxBytes);

// Writes the bytes to standard output; throws BadInput when that fails.
void WriteStdout(std::string_view bytes);

// Writes the bytes to the file (a UTF-8 path), replacing it, or to standard
// output for "-". Throws BadInput when that fails.
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace quorvel::cli

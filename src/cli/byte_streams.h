// Whole files and standard streams as bytes, with no line-end translation on
// any platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "alarms/alarm_book.h"

namespace quorvel::cli {

// The bounds on untrusted input. Stored alarm bytes: the most the clock
// itself stores (kMaxAlarmsValueBytes), so whatever it stores is read back.
inline constexpr std::size_t kMaxStoredValueBytes = kMaxAlarmsValueBytes;
// JSON: room for the JSON of any list of that size, whose text may be escaped
// to six characters a byte ("\u0001").
inline constexpr std::size_t kMaxJsonBytes = 8 * kMaxStoredValueBytes;

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

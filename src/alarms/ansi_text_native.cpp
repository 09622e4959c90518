// Without a platform ANSI code page, short and long strings are read as the
// Western European one, Windows-1252.
#include "alarms/ansi_text.h"

#include "core/text.h"

namespace quorvel {

std::string AnsiToUtf8(std::string_view bytes) {
    return IsAscii(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

}  // namespace quorvel

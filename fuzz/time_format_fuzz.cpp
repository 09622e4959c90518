// Fuzzes the time format language: any format, any day count, settings whose
// texts come from the input too. The output must stay valid UTF-8 of at most
// kMaxFormattedChars characters whatever the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/format/time_format.h"
#include "core/text.h"

using namespace quorvel;

namespace {

// Valid UTF-8 only: every character is counted the same way the formatter counts it.
bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8CharLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
        pos += length;
    }
    return true;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

// Input: 8 bytes of day count, one byte choosing the settings, then the format;
// an optional 0x00 0x00 splits off a text used for every locale string.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::uint8_t choice = data[8];
    std::string_view rest(reinterpret_cast<const char*>(data + 9), size - 9);

    FormatSettings settings = EnUsFormatSettings();
    if (const auto split = rest.find(std::string_view("\0\0", 2)); split != std::string_view::npos) {
        const std::string_view localeText = rest.substr(split + 2);
        rest = rest.substr(0, split);
        // Locale formats that expand again, long names and odd separators.
        settings.shortDateFormat = std::string(localeText);
        settings.longDateFormat = std::string(localeText) + "dddddd c";
        settings.shortTimeFormat = std::string(localeText);
        settings.longTimeFormat = "t" + std::string(localeText);
        settings.amString = std::string(localeText);
        settings.dateSeparator = std::string(localeText);
        settings.timeSeparator = choice & 1 ? std::string(1, '\0') : std::string(localeText);
        settings.longMonthNames.fill(std::string(localeText));
        settings.shortDayNames.fill(std::string(localeText));
        settings.eraName = std::string(localeText);
    }
    if (choice & 2) {
        settings.eraFormatter = [choice](const DateTimeParts&, std::string_view picture, std::string& text) {
            text.assign(picture);
            return (choice & 4) != 0;
        };
    }

    std::string out;
    FormatDateTime(out, rest, value, settings);
    Check(Utf8CharCount(out) <= kMaxFormattedChars);
    Check(out.size() <= 4 * kMaxFormattedChars);
    Check(IsValidUtf8(out));
    return 0;
}

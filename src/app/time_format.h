// The time format language of the clock text: tokens such as hh, nn, ss, ddd,
// mmmm, yyyy, AM/PM, quoted literals and the locale's own date and time formats.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/date_time.h"

namespace quorvel {

// Everything the language takes from the user's regional settings. Formats are
// already in this language (not the platform's own pictures). Text is UTF-8.
struct FormatSettings {
    std::string dateSeparator = "/";  // one character; "\0" writes nothing
    std::string timeSeparator = ":";
    std::string shortDateFormat = "m/d/yy";
    std::string longDateFormat = "mmmm d, yyyy";
    std::string shortTimeFormat = "h:mm AMPM";
    std::string longTimeFormat = "h:mm:ss AMPM";
    std::string amString = "am";
    std::string pmString = "pm";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    std::string eraName;  // g in the portable build
};

// The built-in United States English profile.
const FormatSettings& EnUsFormatSettings();

inline constexpr std::size_t kMaxFormattedChars = 256;

// Formats value with format into out (cleared first; its capacity is reused, so
// a caller that keeps the string allocates nothing per call).
void FormatDateTime(std::string& out, std::string_view format, TDateTime value, const FormatSettings& settings);
std::string FormatDateTime(std::string_view format, TDateTime value, const FormatSettings& settings);

}  // namespace quorvel

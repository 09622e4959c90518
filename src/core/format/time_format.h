// The time format language of the clock text: tokens such as hh, nn, ss, ddd,
// mmmm, yyyy, AM/PM, quoted literals and the locale's own date and time formats.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/date_time.h"

namespace quorvel {

// Writes an era part of date as the platform's locale formatter gives it for a
// picture: "yy" or "yyyy" (the era year), "g" or "gg" (the era name). Returns
// false when the platform has nothing for it; the language then uses the
// Gregorian year and FormatSettings::eraName. Only the era tokens call it, so the
// usual per-tick formats never reach it.
using EraFormatter = std::function<bool(const DateTimeParts& date, std::string_view picture, std::string& text)>;

// Everything the language takes from the user's regional settings. Formats are
// already in this language (not the platform's own pictures). Text is UTF-8.
struct FormatSettings {
    // The first character is written; an empty separator or the zero character
    // writes nothing.
    std::string dateSeparator = "/";
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
    std::string eraName;         // g when no era formatter answers
    EraFormatter eraFormatter;   // empty: Gregorian year and eraName
};

// The built-in United States English profile.
const FormatSettings& EnUsFormatSettings();

// Longest output, in characters (code points); the rest is dropped.
inline constexpr std::size_t kMaxFormattedChars = 256;

// Formats value with format into out (cleared first; its capacity is reused, so
// a caller that keeps the string allocates nothing per call). The output is
// valid UTF-8: a malformed byte in the format or the settings is written as
// U+FFFD. A value outside years 1-9999 (or not finite) gives empty text.
void FormatDateTime(std::string& out, std::string_view format, DateTime value, const FormatSettings& settings);
std::string FormatDateTime(std::string_view format, DateTime value, const FormatSettings& settings);

}  // namespace quorvel

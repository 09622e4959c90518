// Format settings from a JSON file: dateSeparator, timeSeparator, shortDateFormat,
// longDateFormat, shortTimeFormat, longTimeFormat (in the time format language),
// amString, pmString, shortMonthNames, longMonthNames (12, January first),
// shortDayNames, longDayNames (7, Sunday first) and eraName. A missing key keeps
// its default.
#pragma once

#include <string>

#include "core/format/time_format.h"

namespace quorvel::cli {

// Throws BadInput for a file that cannot be read, is not JSON, has a key of
// another name or a value of the wrong kind or length.
FormatSettings LoadJsonLocale(const std::string& path);

}  // namespace quorvel::cli

// The platform's SYSTEMTIME and the program's date-time (core/date_time.h), both
// ways; Win32 only.
#pragma once

#include <windows.h>

#include <optional>

#include "core/date_time.h"

namespace quorvel {

// SYSTEMTIME of a date-time (years 1601-9999, which SYSTEMTIME can hold); nothing otherwise.
std::optional<SYSTEMTIME> ToSystemTime(DateTime value);
std::optional<SYSTEMTIME> ToSystemTime(const DateTimeParts& parts);
// The date-time of a SYSTEMTIME (wDayOfWeek ignored); nothing for invalid fields.
std::optional<DateTime> FromSystemTime(const SYSTEMTIME& time);
// The calendar fields of a SYSTEMTIME, as they are (not checked).
DateTimeParts PartsOf(const SYSTEMTIME& time);

}  // namespace quorvel

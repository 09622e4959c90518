// Date-time as a day count: days since 1899-12-30 00:00 local wall-clock time,
// the fraction being the time of day (one minute is 1/1440 day). No time zone.
//
// Before the epoch the integer part counts days back and the fraction still
// runs forward from midnight: -1.25 is 1899-12-29 06:00.
#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

using DateTime = double;

inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr std::int64_t kMsPerDay = 86'400'000;

struct DateTimeParts {
    int year = 1899;
    int month = 12;  // 1-12
    int day = 30;    // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 7;  // 1 = Sunday ... 7 = Saturday
};

bool IsLeapYear(int year);
// Days in the month (1-12) of the year; 0 for a month out of range.
int DaysInMonth(int year, int month);

// Day number of a calendar date (years 1-9999); nothing for an invalid date.
std::optional<DateTime> EncodeDate(int year, int month, int day);
// Fraction of a day; nothing for fields out of range (24:00:00.000 is out).
std::optional<DateTime> EncodeTime(int hour, int minute, int second, int millisecond);
// Date and time together, with the fraction running forward also before the epoch.
std::optional<DateTime> EncodeDateTime(const DateTimeParts& parts);

// Calendar fields of a day count, rounded to the nearest millisecond; a time
// that rounds up to midnight moves to the next day. Values outside years
// 1-9999 (or not finite) give nothing.
std::optional<DateTimeParts> DecodeDateTime(DateTime value);

// Whether the value is a moment of years 1-9999, the calendar's range: finite,
// and read by DecodeDateTime. Moments from outside (another program, a command
// line) are taken only within it.
bool InCalendarRange(DateTime value);

// 1 = Sunday ... 7 = Saturday, for the day the value falls on.
int DayOfWeek(DateTime value);

}  // namespace quorvel

#include "core/date_time.h"

#include <cmath>

namespace quorvel {
namespace {

// Days from 0001-01-01 (proleptic Gregorian) to 1899-12-30.
constexpr std::int64_t kEpochOrdinal = 693'593;
constexpr double kMinDay = -693'593.0;        // 0001-01-01
constexpr double kMaxDay = 2'958'466.0;       // 10000-01-01, exclusive

constexpr int kCumulativeDays[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
};

// Days since 0001-01-01 for a valid date.
std::int64_t Ordinal(int year, int month, int day) {
    const std::int64_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + kCumulativeDays[IsLeapYear(year)][month - 1] + day - 1;
}

void FromOrdinal(std::int64_t ordinal, DateTimeParts& out) {
    // 400-year cycles of 146097 days, then centuries, 4-year groups and years.
    std::int64_t n400 = ordinal / 146'097, rest = ordinal % 146'097;
    std::int64_t n100 = rest / 36'524;
    if (n100 == 4) n100 = 3;
    rest -= n100 * 36'524;
    std::int64_t n4 = rest / 1'461;
    rest -= n4 * 1'461;
    std::int64_t n1 = rest / 365;
    if (n1 == 4) n1 = 3;
    rest -= n1 * 365;
    out.year = static_cast<int>(n400 * 400 + n100 * 100 + n4 * 4 + n1 + 1);
    const auto& cumulative = kCumulativeDays[IsLeapYear(out.year)];
    int month = 1;
    while (month < 12 && cumulative[month] <= rest) ++month;
    out.month = month;
    out.day = static_cast<int>(rest - cumulative[month - 1] + 1);
    // 0001-01-01 was a Monday.
    out.dayOfWeek = static_cast<int>((ordinal + 1) % 7) + 1;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const auto& cumulative = kCumulativeDays[IsLeapYear(year)];
    return cumulative[month] - cumulative[month - 1];
}

std::optional<DateTime> EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return static_cast<double>(Ordinal(year, month, day) - kEpochOrdinal);
}

std::optional<DateTime> EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return std::nullopt;
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

std::optional<DateTime> EncodeDateTime(const DateTimeParts& parts) {
    const auto date = EncodeDate(parts.year, parts.month, parts.day);
    const auto time = EncodeTime(parts.hour, parts.minute, parts.second, parts.millisecond);
    if (!date || !time) return std::nullopt;
    return *date < 0 ? *date - *time : *date + *time;
}

std::optional<DateTimeParts> DecodeDateTime(DateTime value) {
    if (!std::isfinite(value) || value <= kMinDay - 1.0 || value >= kMaxDay) return std::nullopt;
    const double whole = std::trunc(value);
    std::int64_t ms = std::llround(std::fabs(value - whole) * static_cast<double>(kMsPerDay));
    // The time may round up to midnight: that is the start of the next calendar day.
    std::int64_t ordinal = static_cast<std::int64_t>(whole) + kEpochOrdinal;
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++ordinal;
    }
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(kMaxDay) + kEpochOrdinal) return std::nullopt;
    DateTimeParts parts;
    FromOrdinal(ordinal, parts);
    parts.hour = static_cast<int>(ms / 3'600'000);
    parts.minute = static_cast<int>(ms / 60'000 % 60);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.millisecond = static_cast<int>(ms % 1000);
    return parts;
}

bool InCalendarRange(DateTime value) { return DecodeDateTime(value).has_value(); }

int DayOfWeek(DateTime value) {
    const auto parts = DecodeDateTime(value);
    return parts ? parts->dayOfWeek : 1;
}

}  // namespace quorvel

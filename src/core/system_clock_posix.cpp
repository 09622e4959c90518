// Local time for the native build, from the C library's time zone rules.
#include <chrono>
#include <ctime>

#include "core/clock.h"

namespace quorvel {

DateTime SystemNow() {
    const auto now = std::chrono::system_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second reads as :59
    parts.millisecond = static_cast<int>(ms % 1000);
    return EncodeDateTime(parts).value_or(0.0);
}

}  // namespace quorvel

#include "core/system_time.h"

namespace quorvel {

std::optional<SYSTEMTIME> ToSystemTime(DateTime value) {
    const std::optional<DateTimeParts> parts = DecodeDateTime(value);
    if (!parts) return std::nullopt;
    return ToSystemTime(*parts);
}

std::optional<SYSTEMTIME> ToSystemTime(const DateTimeParts& parts) {
    if (parts.year < 1601 || parts.year > 9999) return std::nullopt;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(parts.year);
    st.wMonth = static_cast<WORD>(parts.month);
    st.wDay = static_cast<WORD>(parts.day);
    st.wDayOfWeek = static_cast<WORD>(parts.dayOfWeek - 1);  // 0 = Sunday
    st.wHour = static_cast<WORD>(parts.hour);
    st.wMinute = static_cast<WORD>(parts.minute);
    st.wSecond = static_cast<WORD>(parts.second);
    st.wMilliseconds = static_cast<WORD>(parts.millisecond);
    return st;
}

DateTimeParts PartsOf(const SYSTEMTIME& time) {
    DateTimeParts parts;
    parts.year = time.wYear;
    parts.month = time.wMonth;
    parts.day = time.wDay;
    parts.dayOfWeek = time.wDayOfWeek + 1;
    parts.hour = time.wHour;
    parts.minute = time.wMinute;
    parts.second = time.wSecond;
    parts.millisecond = time.wMilliseconds;
    return parts;
}

std::optional<DateTime> FromSystemTime(const SYSTEMTIME& time) { return EncodeDateTime(PartsOf(time)); }

}  // namespace quorvel

// Local time for the Windows build: the system's own local clock.
#include <windows.h>

#include "core/clock.h"

namespace quorvel {

DateTime SystemNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    DateTimeParts parts;
    parts.year = st.wYear;
    parts.month = st.wMonth;
    parts.day = st.wDay;
    parts.hour = st.wHour;
    parts.minute = st.wMinute;
    parts.second = st.wSecond;
    parts.millisecond = st.wMilliseconds;
    return EncodeDateTime(parts).value_or(0.0);
}

}  // namespace quorvel

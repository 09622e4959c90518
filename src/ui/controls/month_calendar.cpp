#include "ui/controls/month_calendar.h"

#include "ui/controls/date_time_picker.h"

namespace quorvel::ui {

bool MonthCalendar::SetDate(DateTime value) {
    std::optional<SYSTEMTIME> st = ToSystemTime(value);
    if (!st) return false;
    st->wHour = st->wMinute = st->wSecond = st->wMilliseconds = 0;
    return SendMessageW(Handle(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&*st)) != 0;
}

std::optional<DateTime> MonthCalendar::Date() const {
    SYSTEMTIME st{};
    if (!SendMessageW(Handle(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st))) return std::nullopt;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    return FromSystemTime(st);
}

bool MonthCalendar::ReflectNotify(const NMHDR& header, LRESULT&) {
    if (header.code != MCN_SELCHANGE) return false;
    if (onChange) onChange();
    return true;
}

}  // namespace quorvel::ui

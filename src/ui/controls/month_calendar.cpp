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

void MonthCalendar::SetMonthDelta(int months) { SendMessageW(Handle(), MCM_SETMONTHDELTA, static_cast<WPARAM>(months), 0); }

SIZE MonthCalendar::MinimumSize() const {
    RECT needed{};
    SendMessageW(Handle(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
    return {needed.right - needed.left, needed.bottom - needed.top};
}

bool MonthCalendar::ReflectNotify(const NMHDR& header, LRESULT&) {
    if (header.code != MCN_SELCHANGE) return false;
    if (onChange) onChange();
    return true;
}

}  // namespace quorvel::ui

#include "ui/controls/date_time_picker.h"

namespace quorvel::ui {

void DateTimePicker::ShowSeconds() {
    SendMessageW(Handle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH':'mm':'ss"));
}

bool DateTimePicker::SetValue(DateTime value) {
    const std::optional<SYSTEMTIME> st = ToSystemTime(value);
    return st && SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*st)) != 0;
}

std::optional<DateTime> DateTimePicker::Value() const {
    SYSTEMTIME st{};
    if (SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return std::nullopt;
    return FromSystemTime(st);
}

bool DateTimePicker::ReflectNotify(const NMHDR& header, LRESULT&) {
    if (header.code != DTN_DATETIMECHANGE) return false;
    if (onChange) onChange();
    return true;
}

}  // namespace quorvel::ui

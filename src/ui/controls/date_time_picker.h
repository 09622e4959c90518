// Date picker and time picker (DATETIMEPICK_CLASSW; DTS_TIMEFORMAT for time),
// holding the program's date-time: days since 1899-12-30 (core/date_time.h).
#pragma once

#include <functional>
#include <optional>

#include "core/date_time.h"
#include "core/system_time.h"
#include "ui/controls/control.h"

namespace quorvel::ui {

class DateTimePicker : public Control {
public:
    // Shows hours, minutes and seconds (24-hour "HH:mm:ss"), for a time picker.
    void ShowSeconds();
    // Date and time shown (a date picker ignores its time part); false when the
    // value cannot be shown (out of range).
    bool SetValue(DateTime value);
    // What is shown, with date and time; nothing when a DTS_SHOWNONE box is unchecked.
    std::optional<DateTime> Value() const;

    // The user changed the value (DTN_DATETIMECHANGE).
    std::function<void()> onChange;

    bool ReflectNotify(const NMHDR& header, LRESULT& result) override;
};

}  // namespace quorvel::ui

// A month calendar (MONTHCAL_CLASSW) selecting one day as a date-time.
#pragma once

#include <functional>
#include <optional>

#include "core/date_time.h"
#include "ui/controls/control.h"

namespace quorvel::ui {

class MonthCalendar : public Control {
public:
    // Selects the day of value (its time is ignored) and shows its month.
    bool SetDate(DateTime value);
    // The selected day at 00:00.
    std::optional<DateTime> Date() const;
    // The scroll buttons move this many months.
    void SetMonthDelta(int months);
    // The smallest size that shows a whole month in the control's font.
    SIZE MinimumSize() const;

    // The selection changed (MCN_SELCHANGE), by the user or by scrolling months.
    std::function<void()> onChange;

    bool ReflectNotify(const NMHDR& header, LRESULT& result) override;
};

}  // namespace quorvel::ui

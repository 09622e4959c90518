// CalendarWindow, "Calendar": a month calendar with today selected each time
// the clock's "Show calendar" shows it. Created once, hidden, at start; its
// close box only hides it.
#pragma once

#include <optional>

#include "core/date_time.h"
#include "ui/controls/month_calendar.h"
#include "ui/window.h"

namespace quorvel {

class CalendarWindow : public ui::Window {
public:
    ~CalendarWindow() override;

    // Creates the window, hidden, at its place on the screen.
    void Create();
    // Selects today (the current local date) and shows the window without waiting.
    void ShowToday();

    // For tests: the calendar control, and the day selected, at 00:00.
    HWND MonthCalendarHandle() const { return calendar_.Handle(); }
    std::optional<DateTime> SelectedDate() const { return calendar_.Date(); }

protected:
    void OnCreate() override;
    void OnClose() override;
    void OnDpiChanged(UINT dpi) override;

private:
    void FitCalendar();

    ui::MonthCalendar calendar_;
};

}  // namespace quorvel

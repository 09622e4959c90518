// AlarmOutlook: what the clock does about alarms still to come, beside firing
// them: advance reminders ahead of their moments, the next alarm named in the
// tray icon's tip and on the first line of the clock's menu, and the wake
// timer set for the earliest alarm that wakes the computer. Its check runs
// after every check of the alarms; the wake timer's firing runs both.
#pragma once

#include <windows.h>

#include <memory>

#include "alarms/advance_reminders.h"
#include "alarms/upcoming.h"
#include "alarms/wake_schedule.h"
#include "app/clock_window.h"
#include "app/wake_timer.h"
#include "core/listeners.h"

namespace quorvel {

class AlarmBook;
class ClockMenu;
class ClockTray;
class ReminderWindows;

class AlarmOutlook final : public ClockMessageHandler {
public:
    // All must outlive the outlook; it listens at the clock window and to the book.
    AlarmOutlook(ClockWindow& clock, AlarmBook& book, ClockTray& tray, ClockMenu& menu);
    ~AlarmOutlook();
    AlarmOutlook(const AlarmOutlook&) = delete;
    AlarmOutlook& operator=(const AlarmOutlook&) = delete;

    // Once the alarms are loaded: advance reminders show in `reminders`, the
    // wake timer is set and the next alarm named.
    void Start(ReminderWindows& reminders);
    // After every check of the alarms.
    void AfterCheck();

    // A changed locale changes the texts' times; the message goes on to others.
    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    WakeTimer& Timer() { return wakeTimer_; }
    const WakeSchedule& Wake() const { return wake_; }

private:
    ClockWindow& clock_;
    AlarmBook& book_;
    ClockTray& tray_;
    ClockMenu& menu_;
    FormatSettings locale_;
    NextAlarmLine nextAlarm_;
    std::unique_ptr<AdvanceReminders> advance_;  // from Start on
    WakeTimer wakeTimer_;
    WakeSchedule wake_;
    Listeners::Token listener_;
};

}  // namespace quorvel

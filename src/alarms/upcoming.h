// What comes next on the alarm list: the moment an alarm next falls due, the
// next alarm to come, the earliest moment worth waking the computer for, and
// how a coming moment reads ("in 10 minutes, at 10:42 AM").
#pragma once

#include <optional>
#include <string>

#include "alarms/alarm.h"
#include "core/format/time_format.h"

namespace quorvel {

// The moment the alarm next comes due: its DateTime, or for a Daily alarm
// dated on a day it leaves out, the same time on its next chosen day (where
// the check moves it before it could fire).
DateTime NextDue(const AlarmFields& alarm);

// The enabled alarm not firing now that comes due first (of two alike, the
// earlier in the list); nullptr when none waits.
const Alarm* NextAlarm(const AlarmList& list);

// The earliest moment after `now` at which an enabled alarm that wakes the
// computer comes due (a snoozed one at its snooze); nothing when none waits.
std::optional<DateTime> EarliestWake(const AlarmList& list, DateTime now);

// "Due in 10 minutes, at 10:42 AM", "Due in 1 hour 30 minutes, tomorrow at
// 8:00 AM", "Due in 3 days, on 5/14/2026 at 8:00 AM": the wait and the moment,
// with the locale's short time and date.
std::string DueText(DateTime now, DateTime due, const FormatSettings& locale);
// The next-alarm line, "Next: Standup at 10:42 AM" ("... tomorrow at ...",
// "... on 5/14/2026 at ...") or "No alarms" when none waits, kept current from check to check: worked out again
// after a change of the list or the locale, once the moment of the alarm it
// names has come (that alarm fires, and the one after it is next), and when
// the day changes ("tomorrow" becomes today). Any other check costs a comparison.
class NextAlarmLine {
public:
    void Invalidate() { stale_ = true; }
    // The line, when it differs from the one given last; nothing otherwise.
    std::optional<std::string> Update(const AlarmList& list, DateTime now, const FormatSettings& locale);

private:
    bool stale_ = true;
    DateTime recheckAt_ = 0;  // the named alarm's moment, or a minute on for one overdue
    DateTime day_ = 0;        // the day it was worked out on
    std::string text_;
};

}  // namespace quorvel

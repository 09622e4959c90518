// The alarm list as the JSON of quorvel-cli's backups: an array of objects with
// Name, Sound, Reminder, DateTime (the day count, written so that it reads back
// to the same double; "NaN", "Infinity" and "-Infinity" as strings), When (the
// local time, informative) and Repeat and Enabled; with the options also Days
// (["Mon", ... "Sun"]), SnoozeMinutes (1-1440), IfMissed ("each", "once",
// "skip") and RepeatSound (true/false).
#pragma once

#include <string>
#include <string_view>

#include "alarms/alarm.h"

namespace quorvel::cli {

// Indented JSON ending in a line end. Text that is not valid UTF-8 is written
// with U+FFFD in place of the bad bytes.
// `withOptions`: the options' keys too (export); without them the JSON is of
// the stored bytes alone (decode).
std::string AlarmsToJson(const AlarmList& list, bool withOptions);

// Appends the alarms of the JSON to the list; a field left out keeps the value
// of a new alarm, and When counts only without DateTime. Without `withOptions`
// the options' keys are passed over (encode writes bytes alone). Throws
// BadInput with a one-line message naming the alarm for anything else (the list
// may then hold some of the alarms).
void AlarmsFromJson(std::string_view text, AlarmList& list, bool withOptions);

}  // namespace quorvel::cli

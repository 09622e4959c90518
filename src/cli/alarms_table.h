// quorvel-cli alarms list: the alarms as a table for people to read.
#pragma once

#include <string>

#include "alarms/alarm.h"

namespace quorvel::cli {

// One line a column head, then one line an alarm in list order: name, next
// moment (local time), repeat (with the days of a Daily alarm), enabled.
std::string AlarmsTable(const AlarmList& list);

}  // namespace quorvel::cli

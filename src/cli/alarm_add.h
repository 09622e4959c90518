// quorvel-cli alarms add: the alarm its options describe, and the names the
// command line gives repeat kinds and durations.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alarms/alarm.h"

namespace quorvel::cli {

// --name NAME (--at WHEN | --in DURATION) [--text TEXT] [--sound FILE]
// [--repeat KIND] [--days Mon,Tue,...] [--snooze MINUTES] [--if-missed each|once|skip]
// [--before DURATION] [--wake].
// The alarm is enabled; everything not given has the value of a new alarm.
// Throws BadInput with a line naming what is wrong.
AlarmFields ParseAddArguments(const std::vector<std::string>& args, DateTime now);

// "90s", "10m", "1h30m", "2d" (any of d, h, m, s once each, in that order),
// more than nothing: the length in days.
std::optional<double> ParseDuration(std::string_view text);

// The repeat caption in lower case with hyphens: "no-repeat", "each-5-minutes",
// "annualy" (also "annually").
std::string RepeatKindName(RepeatKind kind);
std::optional<RepeatKind> RepeatKindFromName(std::string_view name);

}  // namespace quorvel::cli

// quorvel-cli alarms: backup of the alarm list as JSON, from and to the exact
// bytes of the stored "Alarms" value.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "alarms/alarm.h"

namespace quorvel::cli {

// A subcommand a platform adds (on Windows: export and import through the
// registry). `run` gets the arguments after its name, may throw BadInput, and
// returns the exit code.
struct AlarmsSubcommand {
    std::string_view name;
    std::string_view usage;  // its line of the usage text, with the line end
    std::function<int(const std::vector<std::string>&)> run;
};

// args: what follows "alarms" on the command line. Returns the exit code:
// 0 done, 1 the stored alarms were damaged or unreadable (what was read is still
// printed), 2 a usage, input or JSON error (one line on standard error).
int RunAlarmsCommand(const std::vector<std::string>& args, std::span<const AlarmsSubcommand> more = {});

// The stored bytes of the list; throws BadInput when they are more than the
// clock stores (kMaxStoredValueBytes).
std::vector<std::uint8_t> StorableBytes(const AlarmList& list);

// One line "quorvel-cli: alarms: MESSAGE" on standard error.
void Complain(std::string_view message);

// Prints the list as JSON (with its options or not) to standard output and a
// failure met while reading it (when not empty) to standard error. Returns 0,
// or kExitFailed after a failure.
int PrintAlarms(const AlarmList& list, std::string_view failure, bool withOptions);

}  // namespace quorvel::cli

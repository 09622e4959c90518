// quorvel-cli alarms: backup of the alarm list as JSON, from and to the exact
// bytes of the stored "Alarms" value.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// args: what follows "alarms" on the command line. Returns the exit code:
// 0 done, 1 the bytes were damaged (what was read is still printed), 2 a usage,
// input or JSON error.
int RunAlarmsCommand(const std::vector<std::string>& args);

}  // namespace quorvel

// quorvel-cli alarms export, import, list and add (Windows): the current
// user's stored alarms and their options, and alarms handed to the running clock.
#pragma once

#include <array>

#include "cli/alarms_command.h"

namespace quorvel::cli {

// export [FILE|-]: the stored list as JSON (standard output by default); no
//   stored value is the empty list. Damaged bytes print what was read and exit 1.
// import FILE|-: replaces the stored list with the JSON's; refused while the
//   clock runs (it would save its own list over the imported one) and before
//   the clock has ever saved its settings.
// list: the stored alarms as a table.
// add ...: one alarm (see alarm_add.h), handed to the running clock, which
//   stores it, or else added to the stored list as import stores one.
std::array<AlarmsSubcommand, 4> AlarmsRegistryCommands();

}  // namespace quorvel::cli

// quorvel-cli alarms export and import (Windows): the JSON backup straight from
// and to the stored "Alarms" value of the current user.
#pragma once

#include <array>

#include "cli/alarms_command.h"

namespace quorvel::cli {

// export [FILE|-]: the stored list as JSON (standard output by default); no
//   stored value is the empty list. Damaged bytes print what was read and exit 1.
// import FILE|-: replaces the stored list with the JSON's; refused while the
//   clock runs (it would save its own list over the imported one) and before
//   the clock has ever saved its settings.
std::array<AlarmsSubcommand, 2> AlarmsRegistryCommands();

}  // namespace quorvel::cli

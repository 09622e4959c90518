// The moment to format: a day count (46363.37855613426) or local ISO time
// (2026-12-07T09:05:07.250, also without seconds, milliseconds or time of day).
#pragma once

#include <string_view>

#include "core/date_time.h"

namespace quorvel::cli {

// Throws BadInput for anything else and for dates outside years 1-9999.
DateTime ParseWhen(std::string_view text);

}  // namespace quorvel::cli

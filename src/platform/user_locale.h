// The user's regional settings as the time format language needs them.
#pragma once

#include "core/format/time_format.h"

namespace quorvel {

// Reads the current user's locale (separators, date pictures translated into the
// language, time formats built from the hour flags, AM/PM strings, month and day
// names); an item the locale does not give keeps its default. Era tokens go
// through the locale's own date formatter. Call again after a settings change.
FormatSettings ReadUserFormatSettings();

}  // namespace quorvel

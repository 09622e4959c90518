// The one source of "now" in the program: the local date and time to the
// millisecond. Tests set it to a fixed value; the program reads the system.
#pragma once

#include <functional>

#include "core/date_time.h"

namespace quorvel {

// The current local date and time, from the test's setting when one is made.
DateTime Now();

// The system's local time to the millisecond (defined per platform).
DateTime SystemNow();

// Test seam: a fixed "now" (or a function giving it); clear with ResetClock().
void SetClock(DateTime fixedNow);
void SetClock(std::function<DateTime()> source);
void ResetClock();

}  // namespace quorvel

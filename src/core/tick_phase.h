// The clock's tick in step with the system clock: every 250 ms, just after
// each quarter second of the system time begins, so a new second shows as it
// begins rather than up to a quarter second later.
#pragma once

#include "core/date_time.h"

namespace quorvel {

inline constexpr int kTickPeriodMs = 250;
// Ticks are set this long after the quarter second: a timer never fires
// early, and the text formatted on time must already show the new second.
inline constexpr int kTickMarginMs = 1;
// A tick this much later than its quarter second still counts as in step: a
// timer is late by up to one scheduler period (15.6 ms on Windows by default).
inline constexpr int kTickLateMs = 20;

// Milliseconds into the second of a local time (0-999).
int MillisecondOfSecond(DateTime time);
// From `now` to the next tick in step: the next quarter second plus the
// margin, 1 to 250 ms away.
int DelayToNextTickMs(DateTime now);
// Whether a tick that runs at `now` is in step: at most kTickLateMs after its
// quarter second. One that is not (a late tick, a changed system time) sets
// the next tick with DelayToNextTickMs.
bool TickInStep(DateTime now);

}  // namespace quorvel

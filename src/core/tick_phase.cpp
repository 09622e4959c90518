#include "core/tick_phase.h"

#include <optional>

namespace quorvel {

int MillisecondOfSecond(DateTime time) {
    const std::optional<DateTimeParts> parts = DecodeDateTime(time);
    return parts ? parts->millisecond : 0;
}

int DelayToNextTickMs(DateTime now) {
    const int intoQuarter = MillisecondOfSecond(now) % kTickPeriodMs;
    const int delay = (kTickPeriodMs + kTickMarginMs - intoQuarter) % kTickPeriodMs;
    return delay == 0 ? kTickPeriodMs : delay;
}

bool TickInStep(DateTime now) {
    const int intoQuarter = MillisecondOfSecond(now) % kTickPeriodMs;
    return intoQuarter <= kTickMarginMs + kTickLateMs;
}

}  // namespace quorvel

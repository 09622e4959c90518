// The moment the alarm editor's OK stores, from what its date and time pickers
// show. A picker shows whole seconds of years 1601-9999 only, so an alarm's
// moment is taken from them only where the user changed one of them: an alarm
// dated outside what they show (or damaged: NaN, infinite) keeps its moment,
// and so do its milliseconds.
#pragma once

#include <optional>

#include "core/date_time.h"

namespace quorvel {

// The pickers' values: the date picker's day and the time picker's time of
// day count; nothing where a picker could not be read.
struct PickedMoment {
    std::optional<DateTime> date;
    std::optional<DateTime> time;
};

// `stored` is the alarm's moment, `shown` what the pickers showed when the
// editor opened, `picked` what they show at OK. Neither changed: `stored`.
// Otherwise the day of the changed date (else of `stored`) at the changed time
// of day (else that of `stored`, milliseconds included), the time of day
// counted forward from that day's midnight also before 1899-12-30. When the
// pickers did not show `stored` (they cannot), both parts come from them.
DateTime EditedMoment(DateTime stored, const PickedMoment& shown, const PickedMoment& picked);

}  // namespace quorvel

#include "alarms/edited_moment.h"

#include <cmath>

namespace quorvel {
namespace {

double Day(DateTime value) { return std::trunc(value); }

// Hours, minutes and seconds as one number; the pickers show no milliseconds.
std::optional<int> WholeSeconds(const std::optional<DateTime>& value) {
    const auto parts = value ? DecodeDateTime(*value) : std::nullopt;
    if (!parts) return std::nullopt;
    return (parts->hour * 60 + parts->minute) * 60 + parts->second;
}

}  // namespace

DateTime EditedMoment(DateTime stored, const PickedMoment& shown, const PickedMoment& picked) {
    const std::optional<int> pickedSeconds = WholeSeconds(picked.time);
    const bool dateChanged = picked.date && (!shown.date || Day(*picked.date) != Day(*shown.date));
    const bool timeChanged = pickedSeconds && pickedSeconds != WholeSeconds(shown.time);
    if (!dateChanged && !timeChanged) return stored;

    // Whether the pickers showed the stored moment (to the second), or stood in
    // for one they cannot show: then both parts come from them.
    const bool storedShown = shown.date && Day(*shown.date) == Day(stored) &&
                             WholeSeconds(shown.time) == WholeSeconds(stored);
    const bool dayFromPicker = dateChanged || !storedShown;
    const bool timeFromPicker = timeChanged || !storedShown;
    if ((dayFromPicker && !picked.date) || (timeFromPicker && !pickedSeconds)) return stored;
    const double day = dayFromPicker ? Day(*picked.date) : Day(stored);
    const double timeOfDay = timeFromPicker ? static_cast<double>(*pickedSeconds) / 86'400.0
                                            : std::fabs(stored - Day(stored));
    return day < 0 ? day - timeOfDay : day + timeOfDay;
}

}  // namespace quorvel

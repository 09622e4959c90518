// The moment the alarm editor's OK stores, from its date and time pickers.
#include "alarms/edited_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

DateTime At(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, ms}).value();
}

// The pickers as the editor fills them: the date picker at the day (its time
// part is the moment's own), the time picker at the moment.
PickedMoment Showing(DateTime moment) { return {std::trunc(moment), moment}; }

TEST(EditedMoment, OnlyWhatTheUserChangedComesFromThePickers) {
    const DateTime tea = At(2027, 3, 3, 7, 8, 9, 250);
    const DateTime old = At(1800, 6, 1, 8, 30, 15);  // a negative day number
    const DateTime now = At(2026, 12, 7, 10, 5, 7);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        DateTime stored;
        PickedMoment shown;
        PickedMoment picked;
        DateTime expected;
    };
    const std::vector<Case> cases = {
        {"nothing changed: to the millisecond", tea, Showing(tea), Showing(tea), tea},
        {"the time changed", tea, Showing(tea), {tea, At(2027, 3, 3, 0, 0, 0)}, At(2027, 3, 3, 0, 0, 0)},
        {"the date changed: the time of day kept", tea, Showing(tea), Showing(At(2027, 4, 1, 7, 8, 9)),
         At(2027, 4, 1, 7, 8, 9, 250)},
        {"before 1899, nothing changed", old, Showing(old), Showing(old), old},
        {"before 1899, the time changed: from that day's midnight", old, Showing(old),
         {old, At(1800, 6, 1, 9, 0, 0)}, At(1800, 6, 1, 9, 0, 0)},
        {"before 1899, the date changed", old, Showing(old), {At(1800, 6, 2, 8, 30, 15), old},
         At(1800, 6, 2, 8, 30, 15)},
        {"a date the pickers cannot show, nothing changed", At(100, 1, 1, 12, 0, 0), Showing(now), Showing(now),
         At(100, 1, 1, 12, 0, 0)},
        {"a date the pickers cannot show, the date changed: all from the pickers", At(100, 1, 1, 12, 0, 0),
         Showing(now), {At(2027, 1, 1, 10, 5, 7), now}, At(2027, 1, 1, 10, 5, 7)},
        {"NaN, nothing changed", nan, Showing(now), Showing(now), nan},
        {"NaN, the time changed", nan, Showing(now), {now, At(2026, 12, 7, 6, 0, 0)}, At(2026, 12, 7, 6, 0, 0)},
        {"unreadable pickers", tea, Showing(tea), {std::nullopt, std::nullopt}, tea},
    };
    for (const Case& c : cases) {
        const DateTime got = EditedMoment(c.stored, c.shown, c.picked);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(got)) << c.name;
        } else {
            EXPECT_EQ(got, c.expected) << c.name;
        }
    }
}

}  // namespace
}  // namespace quorvel

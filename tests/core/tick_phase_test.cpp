#include "core/tick_phase.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

DateTime At(int hour, int minute, int second, int millisecond) {
    return *EncodeDateTime({2026, 3, 29, hour, minute, second, millisecond});
}

TEST(TickPhase, EachTickIsSetForTheNextQuarterSecond) {
    struct Case {
        DateTime now;
        int delay;
        bool inStep;
    };
    const Case cases[] = {
        {At(10, 0, 0, 1), 250, true},     // on time: the next one a period later
        {At(10, 0, 0, 0), 1, true},       // at the quarter itself
        {At(10, 0, 0, 21), 230, true},    // as late as still counts
        {At(10, 0, 0, 22), 229, false},   // later: set again
        {At(10, 0, 0, 137), 114, false},  // a start at any phase
        {At(10, 0, 0, 249), 2, false},    // just before a quarter
        {At(10, 0, 0, 251), 250, true},
        {At(10, 0, 0, 999), 2, false},    // across a second
        {At(10, 0, 59, 900), 101, false}, // across a minute
        {At(23, 59, 59, 760), 241, true}, // across a day
        {At(9, 59, 30, 613), 138, false}, // the system time set back between two ticks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << MillisecondOfSecond(c.now) << " ms");
        EXPECT_EQ(DelayToNextTickMs(c.now), c.delay);
        EXPECT_EQ(TickInStep(c.now), c.inStep);
        // The tick that delay sets is in step, and shows the second it is in.
        const DateTime next = c.now + c.delay / static_cast<double>(kMsPerDay);
        EXPECT_TRUE(TickInStep(next));
        EXPECT_EQ(MillisecondOfSecond(next) % kTickPeriodMs, kTickMarginMs);
    }
}

}  // namespace
}  // namespace quorvel

// The chime's boundaries in local time, tick by tick: zones off UTC by hours
// and fractions of hours, both days the clocks change, quiet hours across
// midnight, struck hours, and what a late start or a sleep leaves unplayed.
#include "core/chime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

constexpr DateTime kHour = 1.0 / 24;

// UTC on 29 March 2026 (a spring-forward Sunday in Europe).
DateTime Utc(int hour, int minute, int second = 0) {
    return EncodeDateTime({2026, 3, 29, 0, 0, 0, 0}).value() + (hour * 3600 + minute * 60 + second) / 86'400.0;
}

// The local time of a UTC moment in a zone.
using Zone = std::function<DateTime(DateTime utc)>;

Zone Offset(double hours) {
    return [hours](DateTime utc) { return utc + hours * kHour; };
}
// Clocks going from `before` to `after` hours ahead of UTC at UTC 01:00.
Zone Changing(double before, double after) {
    return [=](DateTime utc) { return utc + (utc < Utc(1, 0) ? before : after) * kHour; };
}

struct Case {
    const char* name;
    Zone zone;
    ChimeSettings settings;
    DateTime from, to;  // UTC, ticked every second
    std::vector<std::string> expected;  // local "HH:MM", with " xN" for N strokes
    DateTime asleepFrom = 0, asleepTo = 0;  // no ticks in between
};

std::vector<std::string> Chimes(const Case& c) {
    ChimeClock clock;
    std::vector<std::string> chimes;
    for (int tick = 0;; ++tick) {
        // A hair past each second, as a real tick comes after its moment.
        const DateTime now = c.from + tick / 86'400.0 + 1e-9;
        if (now > c.to) break;
        if (now > c.asleepFrom && now < c.asleepTo) continue;
        const auto stroke = clock.Tick(now, c.zone(now), c.settings);
        if (!stroke) continue;
        const auto p = DecodeDateTime(stroke->boundary).value();
        char text[32];
        std::snprintf(text, sizeof text, "%02d:%02d", p.hour, p.minute);
        chimes.push_back(text + (stroke->strokes > 1 ? " x" + std::to_string(stroke->strokes) : ""));
    }
    return chimes;
}

TEST(Chime, ComesOnceAtEachLocalBoundary) {
    const ChimeSettings hours{60}, halves{30}, quarters{15};
    const ChimeSettings struck{60, "", true};
    const ChimeSettings quiet{60, "", false, 22 * 60, 7 * 60};
    const Case cases[] = {
        {"UTC, every hour", Offset(0), hours, Utc(9, 30), Utc(12, 30), {"10:00", "11:00", "12:00"}},
        {"UTC+5:30: the local hour, not UTC's", Offset(5.5), hours, Utc(4, 0), Utc(6, 0), {"10:00", "11:00"}},
        {"UTC+5:45, every half hour", Offset(5.75), halves, Utc(4, 0), Utc(5, 0), {"10:00", "10:30"}},
        {"quarter hours, the hour struck", Offset(0), ChimeSettings{15, "", true}, Utc(10, 50), Utc(11, 20),
         {"11:00 x11", "11:15"}},
        {"struck at noon and midnight: 12 strokes", Offset(12), struck, Utc(11, 30), Utc(12, 30), {"00:00 x12"}},
        {"quiet from 22:00 to 7:00", Offset(0), quiet, Utc(21, 30), Utc(8, 30) + 1, {"07:00", "08:00"}},
        {"off", Offset(0), ChimeSettings{}, Utc(9, 30), Utc(12, 30), {}},
        {"spring forward: no 02:00, 03:00 once", Changing(1, 2), hours, Utc(0, -30), Utc(2, 30),
         {"01:00", "03:00", "04:00"}},
        {"fall back: the repeated hour chimes once", Changing(2, 1), quarters, Utc(0, -5), Utc(2, 20),
         {"02:00", "02:15", "02:30", "02:45", "03:00", "03:15"}},
        {"started just after a boundary: not played", Offset(0), hours, Utc(10, 0, 0), Utc(10, 30), {}},
        {"asleep over 11:00: not played on waking", Offset(0), hours, Utc(10, 30), Utc(12, 30), {"12:00"},
         Utc(10, 58), Utc(11, 7)},
    };
    for (const Case& c : cases) EXPECT_EQ(Chimes(c), c.expected) << c.name;
}

TEST(Chime, QuietHoursAndStoredIntervals) {
    struct Quiet {
        int minute, from, to;
        bool quiet;
    };
    const Quiet quiet[] = {
        {23 * 60, 22 * 60, 7 * 60, true}, {0, 22 * 60, 7 * 60, true},       {7 * 60, 22 * 60, 7 * 60, false},
        {12 * 60, 22 * 60, 7 * 60, false}, {13 * 60, 12 * 60, 14 * 60, true}, {14 * 60, 12 * 60, 14 * 60, false},
        {5 * 60, 300, 300, false},
    };
    for (const Quiet& q : quiet) EXPECT_EQ(InQuietHours(q.minute, q.from, q.to), q.quiet) << q.minute << " " << q.from;
    EXPECT_EQ(ChimeInterval(30), 30);
    EXPECT_EQ(ChimeInterval(20), 0);
    EXPECT_EQ(ChimeInterval(-60), 0);
}

}  // namespace
}  // namespace quorvel

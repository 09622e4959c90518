// The clock's chime: when a boundary of local time (the hour, the half hour or
// the quarter hour) has just been reached, and how many strokes it plays. It
// follows the local time of the zone, worked out from UTC at every tick, so in
// a zone at UTC+5:30 the hour is the local one; on a day the clocks change
// each local boundary chimes once: none for the skipped hour, no second chime
// in the repeated one. Boundaries passed while the computer slept, or before
// the clock started, are not played afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/date_time.h"

namespace quorvel {

struct ChimeSettings {
    int everyMinutes = 0;  // 0 (off), 60, 30 or 15
    std::string sound;     // a sound file, UTF-8; empty: the built-in chime
    bool strikeHours = false;  // at the full hour, strike it: 1 to 12 strokes
    int quietFrom = 0;     // minutes after midnight; equal to quietTo: no quiet hours
    int quietTo = 0;

    bool operator==(const ChimeSettings&) const = default;
};

// A stored value, 0 for anything but 15, 30 or 60.
int ChimeInterval(std::int32_t stored);
// Whether the minute of the day lies in the quiet hours [from, to), a span
// that may cross midnight; none when from == to.
bool InQuietHours(int minuteOfDay, int from, int to);

struct ChimeStroke {
    DateTime boundary;  // local
    int strokes;        // 1, or the hour (1-12) when the hour is struck
};

class ChimeClock {
public:
    // At every tick, with UTC now and the zone's local time of it: the
    // boundary reached since the last tick, if it is to chime. A tick more
    // than a minute after the last (the computer slept) or before it (the
    // clock was set back) only takes note.
    std::optional<ChimeStroke> Tick(DateTime utcNow, DateTime localNow, const ChimeSettings& settings);

private:
    std::optional<DateTime> lastUtc_;
    DateTime lastLocal_ = 0;
    std::optional<std::int64_t> lastChimed_;  // local boundary, ms since the epoch
};

}  // namespace quorvel

#include "core/chime.h"

#include <cmath>
#include <utility>

namespace quorvel {
namespace {

constexpr DateTime kLongestTick = 60.0 / 86'400;
constexpr std::int64_t kMsPerMinute = 60'000;

std::int64_t LocalMs(DateTime local) { return std::llround(local * static_cast<double>(kMsPerDay)); }

}  // namespace

int ChimeInterval(std::int32_t stored) { return stored == 15 || stored == 30 || stored == 60 ? stored : 0; }

bool InQuietHours(int minuteOfDay, int from, int to) {
    if (from == to) return false;
    if (from < to) return minuteOfDay >= from && minuteOfDay < to;
    return minuteOfDay >= from || minuteOfDay < to;  // across midnight
}

std::optional<ChimeStroke> ChimeClock::Tick(DateTime utcNow, DateTime localNow, const ChimeSettings& settings) {
    const std::optional<DateTime> lastUtc = std::exchange(lastUtc_, utcNow);
    const DateTime lastLocal = std::exchange(lastLocal_, localNow);
    if (lastUtc && utcNow < *lastUtc) lastChimed_.reset();  // set back: its boundaries come again
    if (!lastUtc || !(utcNow >= *lastUtc) || utcNow - *lastUtc > kLongestTick) return std::nullopt;
    const int every = ChimeInterval(settings.everyMinutes);
    if (every == 0) return std::nullopt;
    const std::int64_t before = LocalMs(lastLocal);
    const std::int64_t now = LocalMs(localNow);
    const std::int64_t period = every * kMsPerMinute;
    // The latest boundary reached: where the clocks spring forward, the one
    // they land on; where they go back, none is reached again.
    const std::int64_t boundary = now / period * period;
    if (boundary <= before || (lastChimed_ && boundary <= *lastChimed_)) return std::nullopt;
    lastChimed_ = boundary;
    const std::int64_t minuteOfDay = boundary / kMsPerMinute % 1440;
    if (InQuietHours(static_cast<int>(minuteOfDay), settings.quietFrom, settings.quietTo)) return std::nullopt;
    const int hour = static_cast<int>(minuteOfDay / 60);
    const bool fullHour = minuteOfDay % 60 == 0;
    const int strokes = settings.strikeHours && fullHour ? (hour % 12 == 0 ? 12 : hour % 12) : 1;
    return ChimeStroke{static_cast<double>(boundary) / static_cast<double>(kMsPerDay), strokes};
}

}  // namespace quorvel

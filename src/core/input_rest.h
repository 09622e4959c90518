// How long the user's input has rested, from the system's millisecond tick
// counts: the reminder windows wait for a rest before they take the keyboard.
#pragma once

#include <cstdint>

namespace quorvel {

// Milliseconds from the last input (a key, the pointer, any device) to `now`.
// The counts wrap every 49.7 days, which the unsigned difference does not mind;
// an input stamped after `now` (the two read from clocks a moment apart) has
// not rested at all, rather than for most of the 49.7 days.
std::uint32_t InputRestMs(std::uint32_t now, std::uint32_t lastInput);

}  // namespace quorvel

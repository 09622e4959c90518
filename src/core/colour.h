// Colours as the program stores them: 0x00BBGGRR for plain colours; a value with
// the top bit set names a system colour by the index in its low byte.
#pragma once

#include <cstdint>

namespace quorvel {

using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kNavy = 0x00800000;
inline constexpr Colour kSilver = 0x00C0C0C0;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kWindowTextColour = 0x80000008;
inline constexpr Colour kHighlightColour = 0x8000000D;

constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFFu); }

}  // namespace quorvel

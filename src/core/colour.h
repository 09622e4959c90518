// Colours as the program stores them: 0x00BBGGRR for plain colours; a value with
// the top bit set names a system colour by the index in its low byte.
#pragma once

#include <cstdint>

namespace quorvel {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clHighlight = 0x8000000D;

constexpr bool IsSystemColour(TColor c) { return (c & 0x80000000u) != 0; }
constexpr int SystemColourIndex(TColor c) { return static_cast<int>(c & 0xFFu); }

}  // namespace quorvel

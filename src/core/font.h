// A font as the program stores it: family, size in points, colour and style bits.
#pragma once

#include <cstdint>
#include <string>

#include "core/colour.h"

namespace quorvel {

enum FontStyle : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

inline constexpr std::size_t kMaxFontNameChars = 31;

struct FontSpec {
    std::string name = "Verdana";  // UTF-8, at most 31 characters kept
    int size = 16;                 // points
    Colour colour = kNavy;
    std::uint8_t style = kBold | kItalic;

    bool operator==(const FontSpec&) const = default;
};

// numerator / denominator rounded to the nearest integer, halves away from zero.
constexpr int RoundedQuotient(long long numerator, long long denominator) {
    const bool negative = (numerator < 0) != (denominator < 0);
    const long long n = numerator < 0 ? -numerator : numerator;
    const long long d = denominator < 0 ? -denominator : denominator;
    const long long q = (2 * n + d) / (2 * d);
    return static_cast<int>(negative ? -q : q);
}

// Character height in pixels (cell height minus internal leading) of a font of
// `points` at `dpi` pixels per inch: round(points * dpi / 72). A Win32 LOGFONT
// asks for it with lfHeight = -PointsToPixels(...).
constexpr int PointsToPixels(int points, int dpi) { return RoundedQuotient(1LL * points * dpi, 72); }

}  // namespace quorvel

// A font as the program stores it: family, size in points, colour and style bits.
#pragma once

#include <cstdint>
#include <string>

#include "core/colour.h"

namespace quorvel {

enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

inline constexpr std::size_t kMaxFontNameChars = 31;

struct FontSpec {
    std::string name = "Verdana";  // UTF-8, at most 31 characters kept
    int size = 16;                 // points
    TColor color = clNavy;
    std::uint8_t style = fsBold | fsItalic;
};

}  // namespace quorvel

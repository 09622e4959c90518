// The settings window's transparency slider and the clock's opacity. The slider
// gives transparency in per cent (0 opaque, 100 fully transparent); the window
// takes an opacity from 0 (invisible) to 255 (opaque). Only 101 opacities are
// reachable through the slider, so the two mappings are not inverses.
#pragma once

#include <cstdint>

namespace quorvel {

// 255 - round(percent * 255 / 100), the product taken exactly and an exact half
// rounded to the even neighbour (percent 10 gives 229, 50 gives 127). A value
// outside 0 to 100 is taken as the nearer end.
constexpr std::uint8_t OpacityFromTransparency(int percent) {
    const int p = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    const int scaled = p * 255;
    int rounded = scaled / 100;
    const int rest = scaled % 100;
    if (rest > 50 || (rest == 50 && rounded % 2 == 1)) ++rounded;
    return static_cast<std::uint8_t>(255 - rounded);
}

// round((255 - opacity) * 100 / 255); an exact half cannot occur.
constexpr int TransparencyFromOpacity(std::uint8_t opacity) {
    const int scaled = (255 - opacity) * 100;
    return (2 * scaled + 255) / 510;
}

}  // namespace quorvel

#include "core/font.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Font, PointsToPixelsRoundsHalvesAwayFromZero) {
    struct Case {
        int points, dpi, pixels;
    };
    constexpr Case kCases[] = {
        {16, 96, 21},   // 21.33: the clock's initial font
        {17, 96, 23},   // 22.67
        {3, 96, 4},     // the wheel's lower limit
        {200, 96, 267}, // its upper limit, 266.67
        {9, 96, 12},    // exact
        {3, 120, 5},    // 5.0
        {1, 108, 2},    // 1.5 rounds up
        {16, 144, 32},
        {16, 120, 27},  // 26.67
        {0, 96, 0},
        {-16, 96, -21},  // halves and fractions mirror below zero
        {-1, 108, -2},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(PointsToPixels(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi << " dpi";
    }
}

}  // namespace
}  // namespace quorvel

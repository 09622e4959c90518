#include "core/opacity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

TEST(Opacity, TransparencyGivesTheExamplesOpacities) {
    struct Case {
        int percent, opacity;
    };
    constexpr Case kCases[] = {
        {0, 255}, {1, 252}, {61, 99}, {100, 0},
        // exact halves go to the even neighbour: 25.5 -> 26, 76.5 -> 76, 127.5 -> 128 ...
        {10, 229}, {30, 179}, {50, 127}, {70, 77}, {90, 25},
        {-5, 255}, {250, 0},  // outside the slider's range: its ends
    };
    for (const Case& c : kCases) EXPECT_EQ(OpacityFromTransparency(c.percent), c.opacity) << c.percent << " %";
}

TEST(Opacity, OpacityGivesTheExamplesTransparencies) {
    struct Case {
        int opacity, percent;
    };
    constexpr Case kCases[] = {{255, 0}, {128, 50}, {100, 61}, {0, 100}, {127, 50}, {99, 61}};
    for (const Case& c : kCases) {
        EXPECT_EQ(TransparencyFromOpacity(static_cast<std::uint8_t>(c.opacity)), c.percent) << "opacity " << c.opacity;
    }
}

// Every input against the rules computed another way: in floating point, where
// p * 2.55 and (255 - a) / 2.55 are exact enough to tell halves from the rest.
TEST(Opacity, EveryInputFollowsTheRoundingRules) {
    for (int p = 0; p <= 100; ++p) {
        const double exact = p * 255 / 100.0;
        const double rounded = std::nearbyint(exact);  // the default mode: halves to even
        EXPECT_EQ(OpacityFromTransparency(p), 255 - static_cast<int>(rounded)) << p << " %";
    }
    for (int a = 0; a <= 255; ++a) {
        const double exact = (255 - a) * 100 / 255.0;
        EXPECT_NE(exact - std::floor(exact), 0.5) << "opacity " << a;
        const int percent = TransparencyFromOpacity(static_cast<std::uint8_t>(a));
        EXPECT_EQ(percent, static_cast<int>(std::lround(exact))) << "opacity " << a;
        // Through the slider and back moves an opacity by less than one step.
        EXPECT_LE(std::abs(OpacityFromTransparency(percent) - a), 2) << "opacity " << a;
        EXPECT_EQ(TransparencyFromOpacity(OpacityFromTransparency(percent)), percent) << "opacity " << a;
    }
}

}  // namespace
}  // namespace quorvel

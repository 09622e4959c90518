#include "core/screen_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

ScreenRect At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

TEST(RestingPlace, OnlyAWindowOffEveryMonitorMoves) {
    const ScreenRect primary = At(0, 0, 1920, 1080);
    const ScreenRect primaryWork = At(0, 0, 1920, 1040);
    const ScreenRect left = At(-1280, 100, 1280, 1024);
    const std::vector<ScreenRect> both{primary, left};
    const std::vector<ScreenRect> primaryOnly{primary};
    struct Case {
        ScreenRect window;
        std::vector<ScreenRect> monitors;
        std::optional<ScreenPoint> expected;
    };
    const Case cases[] = {
        {At(351, 174, 172, 34), both, std::nullopt},
        {At(-1000, 500, 172, 34), both, std::nullopt},                // on the second monitor
        {At(-1000, 500, 172, 34), primaryOnly, ScreenPoint{351, 174}},  // that monitor is gone
        {At(-171, 10, 172, 34), primaryOnly, std::nullopt},            // one column still on screen
        {At(-172, 10, 172, 34), primaryOnly, ScreenPoint{351, 174}},   // touching is not showing
        {At(1920, 1080, 172, 34), primaryOnly, ScreenPoint{351, 174}},
        {At(5000, -3000, 172, 34), primaryOnly, ScreenPoint{351, 174}},
        {At(500, 500, 172, 34), {}, ScreenPoint{351, 174}},  // no monitor reported at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.window.left << "," << c.window.top);
        EXPECT_EQ(RestingPlace(c.window, c.monitors, primaryWork), c.expected);
    }
}

TEST(RestingPlace, ASmallPrimaryGetsTheNearestPlaceOnIt) {
    const ScreenRect gone = At(3000, 3000, 200, 50);
    struct Case {
        ScreenRect work;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {At(0, 0, 400, 200), {200, 150}},      // 351 + 200 > 400, 174 + 50 > 200
        {At(0, 0, 551, 224), {351, 174}},      // just fits
        {At(0, 30, 800, 100), {351, 80}},      // a work area below a top taskbar
        {At(0, 0, 150, 40), {0, 0}},           // larger than the area: top-left on it
        {At(-500, -300, 640, 480), {-60, 130}},  // an area not at the origin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.work.right << "x" << c.work.bottom);
        EXPECT_EQ(RestingPlace(gone, std::vector<ScreenRect>{c.work}, c.work), c.expected);
    }
}

}  // namespace
}  // namespace quorvel

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

namespace quorvel {
namespace {

// Windows of 972 x 648 (486 x 324 at 200 %) on a 1280 x 1024 screen whose work
// area ends at 984 above a taskbar; a second monitor to the left at 100 %.
TEST(WindowPlaces, EveryWindowOpensWhollyInsideTheWorkArea) {
    const ScreenRect work = At(0, 0, 1280, 984);
    const ScreenRect left = At(-1280, 100, 1280, 1024);
    struct Case {
        const char* what;
        ScreenPoint place;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {"stated at 96 dpi", ScaledPlace({649, 288}, 96, {0, 0}, 486, 324, work), {649, 288}},
        {"stated at 192 dpi: scaled, then pulled in", ScaledPlace({649, 288}, 192, {0, 0}, 972, 648, work), {308, 336}},
        {"stated at 144 dpi", ScaledPlace({363, 302}, 144, {0, 0}, 300, 250, work), {545, 453}},
        {"stated on a monitor not at the origin", ScaledPlace({100, 50}, 96, {-1280, 100}, 300, 200, left),
         {-1180, 150}},
        {"larger than the area: its top-left on it", ScaledPlace({649, 288}, 192, {0, 0}, 1400, 1100, work), {0, 0}},
        {"centred", CentreIn(972, 648, work), {154, 168}},
        {"centred, larger than the area", CentreIn(1400, 648, work), {0, 168}},
        {"kept inside from above and left", KeepInside({-50, -20}, 100, 100, work), {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.place, c.expected) << c.what;
}

TEST(WindowPlaces, WindowsOpenedTogetherCascadeSoEveryCaptionShows) {
    const ScreenRect work = At(0, 0, 1280, 984);
    using Points = std::vector<ScreenPoint>;
    struct Case {
        Points taken;
        ScreenPoint base;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {{}, {500, 400}, {500, 400}},
        {{{500, 400}}, {500, 400}, {524, 424}},
        {{{500, 400}, {524, 424}}, {500, 400}, {548, 448}},
        {{{524, 424}}, {500, 400}, {500, 400}},                  // the first place is free again
        {{{1180, 884}}, {1180, 884}, {1180, 884}},               // at the edge the next one is pulled back
        {{{200, 300}, {500, 400}}, {500, 400}, {524, 424}},      // others elsewhere do not count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CascadePlace(c.base, 24, c.taken, 100, 100, work), c.expected)
            << c.taken.size() << " taken, base " << c.base.x << "," << c.base.y;
    }
}

}  // namespace
}  // namespace quorvel

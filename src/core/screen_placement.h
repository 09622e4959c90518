// Where windows go on the screen: the clock back onto a monitor when its stored
// position lies off every screen, and every other window wholly inside its
// monitor's work area, at any resolution.
#pragma once

#include <optional>
#include <span>

namespace quorvel {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Overlaps(const ScreenRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The clock's first-start position, in screen pixels.
inline constexpr ScreenPoint kHomePosition{351, 174};

// nullopt while `window` shows at least partly on one of `monitors`; otherwise
// the new top-left: kHomePosition, pulled into `primaryWorkArea` as far as the
// window's size allows (a window larger than the area keeps its top-left corner
// on it).
std::optional<ScreenPoint> RestingPlace(const ScreenRect& window, std::span<const ScreenRect> monitors,
                                        const ScreenRect& primaryWorkArea);

// The top-left nearest `wanted` that keeps a window of width x height wholly
// inside `area`; a window larger than the area keeps its top-left corner on it.
ScreenPoint KeepInside(ScreenPoint wanted, int width, int height, const ScreenRect& area);

// The top-left that centres a window of width x height in `area` (kept inside it).
ScreenPoint CentreIn(int width, int height, const ScreenRect& area);

// A position designed at 96 dpi as an offset from `origin` (its monitor's
// top-left), scaled to `dpi` like the window's size, then kept inside `area`.
ScreenPoint ScaledPlace(ScreenPoint designed96, int dpi, ScreenPoint origin, int width, int height,
                        const ScreenRect& area);

// Windows opened together at one place cascade: the first of base, base +
// (step, step), base + 2 (step, step) ... (each kept inside `area`) that no
// window in `taken` occupies, so every window's caption shows.
ScreenPoint CascadePlace(ScreenPoint base, int step, std::span<const ScreenPoint> taken, int width, int height,
                         const ScreenRect& area);

}  // namespace quorvel

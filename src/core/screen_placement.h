// Where the clock goes when its stored position lies off every screen (a
// monitor that is gone): back to its first-start place, 351, 174 on the
// primary monitor, moved the least that keeps it on the primary's work area.
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

}  // namespace quorvel

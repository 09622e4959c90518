#include "core/screen_placement.h"

#include <algorithm>

#include "core/font.h"

namespace quorvel {
namespace {

// The start of a span of `length` placed as near `wanted` as [low, high) allows.
int Pull(int wanted, int length, int low, int high) { return std::max(low, std::min(wanted, high - length)); }

}  // namespace

std::optional<ScreenPoint> RestingPlace(const ScreenRect& window, std::span<const ScreenRect> monitors,
                                        const ScreenRect& primaryWorkArea) {
    for (const ScreenRect& monitor : monitors) {
        if (window.Overlaps(monitor)) return std::nullopt;
    }
    return ScreenPoint{Pull(kHomePosition.x, window.Width(), primaryWorkArea.left, primaryWorkArea.right),
                       Pull(kHomePosition.y, window.Height(), primaryWorkArea.top, primaryWorkArea.bottom)};
}

ScreenPoint KeepInside(ScreenPoint wanted, int width, int height, const ScreenRect& area) {
    return {Pull(wanted.x, width, area.left, area.right), Pull(wanted.y, height, area.top, area.bottom)};
}

ScreenPoint CentreIn(int width, int height, const ScreenRect& area) {
    return KeepInside({area.left + (area.Width() - width) / 2, area.top + (area.Height() - height) / 2}, width,
                      height, area);
}

ScreenPoint ScaledPlace(ScreenPoint designed96, int dpi, ScreenPoint origin, int width, int height,
                        const ScreenRect& area) {
    const ScreenPoint scaled{origin.x + RoundedQuotient(1LL * designed96.x * dpi, 96),
                             origin.y + RoundedQuotient(1LL * designed96.y * dpi, 96)};
    return KeepInside(scaled, width, height, area);
}

ScreenPoint CascadePlace(ScreenPoint base, int step, std::span<const ScreenPoint> taken, int width, int height,
                         const ScreenRect& area) {
    ScreenPoint place = KeepInside(base, width, height, area);
    // Among taken.size() + 1 places one is free, unless the area squeezes them together.
    for (std::size_t k = 0; k <= taken.size(); ++k) {
        const int offset = static_cast<int>(k) * step;
        place = KeepInside({base.x + offset, base.y + offset}, width, height, area);
        if (std::find(taken.begin(), taken.end(), place) == taken.end()) break;
    }
    return place;
}

}  // namespace quorvel

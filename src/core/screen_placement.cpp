#include "core/screen_placement.h"

#include <algorithm>

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

}  // namespace quorvel

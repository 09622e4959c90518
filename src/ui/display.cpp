#include "ui/display.h"

namespace quorvel::ui {
namespace {
std::optional<int>& Override() {
    static std::optional<int> depth;
    return depth;
}
}  // namespace

int ColourDepth(HDC dc) {
    if (Override()) return *Override();
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

void OverrideColourDepth(std::optional<int> depth) { Override() = depth; }

COLORREF ToColourRef(Colour colour) {
    if (IsSystemColour(colour)) return GetSysColor(SystemColourIndex(colour));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace quorvel::ui

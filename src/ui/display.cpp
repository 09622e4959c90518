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

int LargestMonitorHeight() {
    int tallest = 0;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT area, LPARAM data) -> BOOL {
            int& height = *reinterpret_cast<int*>(data);
            if (area->bottom - area->top > height) height = area->bottom - area->top;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tallest));
    return tallest > 0 ? tallest : GetSystemMetrics(SM_CYSCREEN);
}

RECT MonitorRectOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

void CentreOnMonitor(HWND window, HWND placeNear) {
    RECT r{};
    GetWindowRect(window, &r);
    const RECT screen = MonitorRectOf(placeNear ? placeNear : window);
    SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - (r.right - r.left)) / 2,
                 screen.top + (screen.bottom - screen.top - (r.bottom - r.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF ToColourRef(Colour colour) {
    if (IsSystemColour(colour)) return GetSysColor(SystemColourIndex(colour));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace quorvel::ui

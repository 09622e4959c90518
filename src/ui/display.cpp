#include "ui/display.h"

#include <algorithm>

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

namespace {
std::optional<bool>& HighContrastOverride() {
    static std::optional<bool> on;
    return on;
}
}  // namespace

bool HighContrastOn() {
    if (HighContrastOverride()) return *HighContrastOverride();
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void OverrideHighContrast(std::optional<bool> on) { HighContrastOverride() = on; }

namespace {
std::optional<bool>& ScreenReaderOverride() {
    static std::optional<bool> running;
    return running;
}
}  // namespace

bool ScreenReaderRunning() {
    if (ScreenReaderOverride()) return *ScreenReaderOverride();
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

void OverrideScreenReader(std::optional<bool> running) { ScreenReaderOverride() = running; }

int LargestMonitorHeight() {
    int tallest = 0;
    for (const RECT& monitor : MonitorRects()) tallest = std::max<int>(tallest, monitor.bottom - monitor.top);
    return tallest > 0 ? tallest : GetSystemMetrics(SM_CYSCREEN);
}

namespace {
MONITORINFO MonitorOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    return info;
}
}  // namespace

RECT MonitorRectOf(HWND window) { return MonitorOf(window).rcMonitor; }

RECT WorkAreaOf(HWND window) { return MonitorOf(window).rcWork; }

COLORREF ToColourRef(Colour colour) {
    if (IsSystemColour(colour)) return GetSysColor(SystemColourIndex(colour));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT area, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<RECT>*>(data)->push_back(*area);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace quorvel::ui

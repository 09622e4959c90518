#include "core/full_screen.h"

namespace quorvel {

bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor) {
    return window.left <= monitor.left + kCoverTolerance && window.top <= monitor.top + kCoverTolerance &&
           window.right >= monitor.right - kCoverTolerance && window.bottom >= monitor.bottom - kCoverTolerance;
}

bool IsShellWindowClass(std::string_view className) {
    constexpr std::string_view kShellClasses[] = {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd",
                                                   "#32769"};  // the last: the desktop window itself
    for (std::string_view shell : kShellClasses) {
        if (className == shell) return true;
    }
    return false;
}

bool IsFullScreen(const ForegroundWindow& window, const ScreenRect& monitor) {
    if (!window.visible || window.minimised || window.clocksOwn) return false;
    if (window.maximised && window.captionOrFrame) return false;
    if (IsShellWindowClass(window.className)) return false;
    return CoversMonitor(window.rect, monitor);
}

bool FullScreenInFront(const ForegroundWindow* foreground, bool foregroundOnMonitor, const ScreenRect& monitor,
                       ShellState shell) {
    if (shell == ShellState::PresentationMode) return true;
    if (!foreground) return false;
    const bool someonesProgram = !foreground->clocksOwn && !IsShellWindowClass(foreground->className);
    if (shell == ShellState::Direct3DFullScreen && foregroundOnMonitor && someonesProgram) return true;
    return IsFullScreen(*foreground, monitor);
}

bool TakesTheTop(const WindowAbove& window, const ScreenRect& clock) {
    constexpr std::string_view kPassingClasses[] = {"#32768", "SysShadow", "tooltips_class32"};
    if (!window.visible || window.clocksOwn || !window.rect.Overlaps(clock)) return false;
    for (std::string_view passing : kPassingClasses) {
        if (window.className == passing) return false;
    }
    return true;
}

}  // namespace quorvel

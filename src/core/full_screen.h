// Whether a full-screen program is in front of the clock, from plain facts
// about the foreground window and the clock's monitor: the clock steps aside
// for it and reminders wait for it.
#pragma once

#include <string_view>

#include "core/screen_placement.h"

namespace quorvel {

// The foreground window as the window manager describes it.
struct ForegroundWindow {
    ScreenRect rect;             // outer rectangle, screen pixels
    std::string_view className;  // its window class
    bool visible = true;
    bool minimised = false;
    bool maximised = false;
    bool captionOrFrame = false;  // has a caption or a sizing frame
    bool clocksOwn = false;       // one of the clock's own windows
};

// What the shell says of the user's state.
enum class ShellState {
    Other,
    Direct3DFullScreen,  // a full-screen Direct3D program runs
    PresentationMode,    // the user turned on presentation mode
};

// A window covers a monitor when it reaches each of its edges, give or take
// kCoverTolerance pixels.
inline constexpr int kCoverTolerance = 4;
bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor);

// The desktop and the shell's own windows (taskbars, desktop icons), which
// cover the screen without being anyone's full-screen program.
bool IsShellWindowClass(std::string_view className);

// A full-screen window on `monitor`: it covers it, shows, is neither the
// desktop nor the shell's nor the clock's, and is not a maximized window with
// a caption or a sizing frame (those cover the monitor when the taskbar hides
// itself).
bool IsFullScreen(const ForegroundWindow& window, const ScreenRect& monitor);

// The verdict for the clock on `monitor`: the foreground window is full screen
// there, or the shell says a presentation is on, or a full-screen Direct3D
// program is in front on that monitor. (No foreground window: pass nullptr.)
bool FullScreenInFront(const ForegroundWindow* foreground, bool foregroundOnMonitor, const ScreenRect& monitor,
                       ShellState shell);

// A window above the clock in the z-order, as the window manager describes it.
struct WindowAbove {
    ScreenRect rect;
    std::string_view className;
    bool visible = true;
    bool clocksOwn = false;
};

// Whether that window has taken the clock's place on top: it shows, over the
// clock, and is another program's, but not a pop-up menu, its shadow or a
// tool tip, which come and go above everything.
bool TakesTheTop(const WindowAbove& window, const ScreenRect& clock);

}  // namespace quorvel

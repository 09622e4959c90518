#include "core/full_screen.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

ScreenRect At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

const ScreenRect kMonitor = At(0, 0, 1920, 1080);
const ScreenRect kRightMonitor = At(1920, 0, 1280, 1024);

TEST(FullScreen, TheForegroundWindowsShapeAndKind) {
    struct Case {
        const char* what;
        ForegroundWindow window;
        bool fullScreen;
    };
    const Case cases[] = {
        {"a borderless popup of the monitor's size", {At(0, 0, 1920, 1080), "Game"}, true},
        {"larger than the monitor", {At(-10, -10, 1940, 1100), "Game"}, true},
        {"short of each edge by the tolerance", {At(4, 4, 1912, 1072), "Game"}, true},
        {"short of the bottom by more", {At(0, 0, 1920, 1075), "Game"}, false},
        {"on the other monitor", {kRightMonitor, "Game"}, false},
        {"a maximized window with a caption", {At(-8, -8, 1936, 1096), "Notepad", true, false, true, true}, false},
        {"a window with a caption sized over the monitor", {At(-8, -8, 1936, 1096), "Notepad", true, false, false, true},
         true},
        {"maximized without caption or frame", {At(0, 0, 1920, 1080), "Video", true, false, true, false}, true},
        {"hidden", {At(0, 0, 1920, 1080), "Game", false}, false},
        {"minimized", {At(0, 0, 1920, 1080), "Game", true, true}, false},
        {"the desktop's icons", {At(0, 0, 1920, 1080), "Progman"}, false},
        {"the desktop's background", {At(0, 0, 1920, 1080), "WorkerW"}, false},
        {"the taskbar", {At(0, 0, 1920, 1080), "Shell_TrayWnd"}, false},
        {"a second monitor's taskbar", {At(0, 0, 1920, 1080), "Shell_SecondaryTrayWnd"}, false},
        {"the desktop window", {At(0, 0, 1920, 1080), "#32769"}, false},
        {"the clock's own window", {At(0, 0, 1920, 1080), "QuorvelReminder", true, false, false, false, true}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsFullScreen(c.window, kMonitor), c.fullScreen);
        EXPECT_EQ(FullScreenInFront(&c.window, true, kMonitor, ShellState::Other), c.fullScreen);
    }
}

TEST(FullScreen, TheShellsVerdict) {
    const ForegroundWindow small{At(100, 100, 800, 600), "Game"};
    const ForegroundWindow taskbar{At(0, 1040, 1920, 40), "Shell_TrayWnd"};
    struct Case {
        const char* what;
        const ForegroundWindow* foreground;
        bool onMonitor;
        ShellState shell;
        bool fullScreen;
    };
    const Case cases[] = {
        {"Direct3D, its window on the clock's monitor", &small, true, ShellState::Direct3DFullScreen, true},
        {"Direct3D on another monitor", &small, false, ShellState::Direct3DFullScreen, false},
        {"Direct3D, the taskbar in front", &taskbar, true, ShellState::Direct3DFullScreen, false},
        {"a presentation, whatever is in front", &small, false, ShellState::PresentationMode, true},
        {"a presentation, nothing in front", nullptr, false, ShellState::PresentationMode, true},
        {"nothing in front", nullptr, false, ShellState::Other, false},
        {"a small window", &small, true, ShellState::Other, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FullScreenInFront(c.foreground, c.onMonitor, kMonitor, c.shell), c.fullScreen);
    }
}

TEST(FullScreen, AWindowThatTakesTheTopFromTheClock) {
    const ScreenRect clock = At(351, 174, 172, 34);
    struct Case {
        const char* what;
        WindowAbove window;
        bool takes;
    };
    const Case cases[] = {
        {"another program's top-most window over it", {At(300, 150, 400, 300), "Overlay"}, true},
        {"beside it", {At(600, 150, 400, 300), "Overlay"}, false},
        {"hidden", {At(300, 150, 400, 300), "Overlay", false}, false},
        {"the clock's own reminder", {At(300, 150, 400, 300), "QuorvelReminder", true, true}, false},
        {"a pop-up menu", {At(300, 150, 400, 300), "#32768"}, false},
        {"a menu's shadow", {At(300, 150, 400, 300), "SysShadow"}, false},
        {"a tool tip", {At(360, 180, 80, 20), "tooltips_class32"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TakesTheTop(c.window, clock), c.takes);
    }
}

}  // namespace
}  // namespace quorvel

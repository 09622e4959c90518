// Tells a single click on the tray icon from a double-click. The shell reports
// a double-click as click, double-click, click; a menu opened at the first
// click would take the second one, so a double-click could never show the
// clock. A click therefore waits the double-click time on a timer of its own
// before it counts, and the release that ends a double-click is dropped.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/callback_timer.h"

namespace quorvel {

class TrayClickTiming {
public:
    // `onClick` runs with the pointer position of a click that no double-click followed.
    explicit TrayClickTiming(std::function<void(POINT at)> onClick);

    // A click (left button released on the icon).
    void Click();
    // A double-click: the pending click is forgotten, and so is the release
    // that ends the double-click, if it comes within the double-click time.
    void DoubleClick();
    // Restarts that time: the ending release may also arrive only after the
    // double-click's own work (showing the clock) has finished.
    void DoubleClickHandled();

private:
    void OnTimer();

    std::function<void(POINT)> onClick_;
    ui::CallbackTimer timer_;  // its window made at the first click
    POINT clickAt_{};
    bool afterDoubleClick_ = false;
    DWORD doubleClickTime_ = 0;
};

}  // namespace quorvel

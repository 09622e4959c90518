// Tells a single click on the tray icon from a double-click. The shell reports
// a double-click as click, double-click, click; a menu opened at the first
// click would take the second one, so a double-click could never show the
// clock. A click therefore waits the double-click time on a timer of the owner
// window before it counts, and the release that ends a double-click is dropped.
#pragma once

#include <windows.h>

#include <functional>

namespace quorvel {

class TrayClickTiming {
public:
    // `timerId` is a timer id of `owner` that nothing else uses; `onClick` runs
    // with the pointer position of a click that no double-click followed.
    TrayClickTiming(UINT_PTR timerId, std::function<void(POINT at)> onClick);

    void Attach(HWND owner) { owner_ = owner; }
    UINT_PTR TimerId() const { return timerId_; }

    // A click (left button released on the icon).
    void Click();
    // A double-click: the pending click is forgotten, and so is the release
    // that ends the double-click, if it comes within the double-click time.
    void DoubleClick();
    // Restarts that time: the ending release may also arrive only after the
    // double-click's own work (showing the clock) has finished.
    void DoubleClickHandled();
    // The owner's WM_TIMER for TimerId(): the wait is over.
    void OnTimer();

private:
    UINT_PTR timerId_;
    std::function<void(POINT)> onClick_;
    HWND owner_ = nullptr;
    POINT clickAt_{};
    bool afterDoubleClick_ = false;
    DWORD doubleClickTime_ = 0;
};

}  // namespace quorvel

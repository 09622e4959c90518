// Click-through: while it is on, the pointer passes through the whole clock to
// the window beneath, and the tray icon stays up as the way back. Holding Ctrl
// with the pointer over the clock has the clock take the pointer again for as
// long as Ctrl is held, to drag it or open its menu. The pointer is looked at
// only while click-through is on: at each tick, and every 50 ms while it is
// over the clock.
#pragma once

#include <windows.h>

#include "app/clock_window.h"
#include "ui/timer.h"

namespace quorvel {

class ClockTray;

class ClickThrough final : public ClockMessageHandler {
public:
    // Both must outlive it; it listens at the clock window.
    ClickThrough(ClockWindow& clock, ClockTray& tray);

    // Once the clock window exists.
    void Start();
    void SetOn(bool on);
    bool On() const { return on_; }
    void OnTick();

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool PointerOverClock() const;
    void FollowPointer();

    ClockWindow& clock_;
    ClockTray& tray_;
    ui::Timer pointerTimer_;
    bool on_ = false;
};

}  // namespace quorvel

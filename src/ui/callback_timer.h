// A timer for a part that has no window of its own: each tick calls a
// function. Its message-only window is made at the first start, so a timer
// that never runs costs no window.
//
//   ui::CallbackTimer strokes_{700, [this] { NextStroke(); }};
//   if (!strokes_.Start()) ...   // no window or no timer from the system
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/message_window.h"
#include "ui/timer.h"

namespace quorvel::ui {

class CallbackTimer {
public:
    CallbackTimer(UINT intervalMs, std::function<void()> onTick);

    // Switches the timer on, making its window first; false when either failed.
    [[nodiscard]] bool Start();
    void Stop() { timer_.Stop(); }
    // As Timer::SetInterval.
    [[nodiscard]] bool SetInterval(UINT intervalMs) { return timer_.SetInterval(intervalMs); }
    bool Enabled() const { return timer_.Enabled(); }

private:
    std::function<void()> onTick_;
    std::unique_ptr<MessageWindow> window_;
    Timer timer_;  // after the window: killed before the window goes
};

}  // namespace quorvel::ui

// A window timer with an interval and an on/off switch. Its ticks arrive as
// WM_TIMER with Id() at the owner window (Window::OnTimer).
//
// Starting can fail (the system's timers are a limited resource): every call
// that starts the timer says whether it did, and a timer that could not start
// stays off, so that the caller can tell the user and a later call tries again.
#pragma once

#include <windows.h>

namespace quorvel::ui {

class Timer {
public:
    Timer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
    ~Timer() { Kill(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // The window that receives the ticks. A timer switched on before it had one
    // starts here; false when it could not.
    [[nodiscard]] bool Attach(HWND owner);

    // Switches the timer on; false when it could not start. Without an owner
    // yet it starts at Attach.
    [[nodiscard]] bool Start();
    void Stop();
    [[nodiscard]] bool SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // A new interval, counted from now when the timer runs; false when it could
    // not be restarted (it is then off).
    [[nodiscard]] bool SetInterval(UINT intervalMs);
    UINT Interval() const { return interval_; }
    UINT_PTR Id() const { return id_; }

private:
    bool Run();
    void Kill();

    UINT_PTR id_;
    UINT interval_;
    HWND owner_ = nullptr;
    bool enabled_ = false;
};

}  // namespace quorvel::ui

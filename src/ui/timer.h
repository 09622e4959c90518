// A window timer with an interval and an on/off switch. Its ticks arrive as
// WM_TIMER with Id() at the owner window (Window::OnTimer).
#pragma once

#include <windows.h>

namespace quorvel::ui {

class Timer {
public:
    Timer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
    ~Timer() { Stop(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // The window that receives the ticks; a timer enabled before it has one
    // starts here.
    void Attach(HWND owner) {
        Stop();
        owner_ = owner;
        if (enabled_) Start();
    }

    void SetEnabled(bool enabled) {
        if (enabled == enabled_) return;
        enabled_ = enabled;
        if (enabled) Start(); else Stop();
    }
    bool Enabled() const { return enabled_; }
    UINT Interval() const { return interval_; }
    UINT_PTR Id() const { return id_; }

private:
    void Start() {
        if (owner_) SetTimer(owner_, id_, interval_, nullptr);
    }
    void Stop() {
        if (owner_ && IsWindow(owner_)) KillTimer(owner_, id_);
    }

    UINT_PTR id_;
    UINT interval_;
    HWND owner_ = nullptr;
    bool enabled_ = false;
};

}  // namespace quorvel::ui

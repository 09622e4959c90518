#include "ui/timer.h"

namespace quorvel::ui {

bool Timer::Attach(HWND owner) {
    Kill();
    owner_ = owner;
    return !enabled_ || Run();
}

bool Timer::Start() {
    if (enabled_) return true;
    enabled_ = true;
    return Run();
}

void Timer::Stop() {
    if (!enabled_) return;
    enabled_ = false;
    Kill();
}

bool Timer::SetEnabled(bool enabled) {
    if (enabled) return Start();
    Stop();
    return true;
}

bool Timer::SetInterval(UINT intervalMs) {
    interval_ = intervalMs;
    // SetTimer with the same id replaces the running timer and restarts its count.
    return !enabled_ || Run();
}

// Sets the system timer when there is an owner; a failure leaves the switch off.
bool Timer::Run() {
    if (!owner_) return true;
    if (SetTimer(owner_, id_, interval_, nullptr) != 0) return true;
    enabled_ = false;
    return false;
}

void Timer::Kill() {
    if (owner_ && IsWindow(owner_)) KillTimer(owner_, id_);
}

}  // namespace quorvel::ui

#include "app/tray_click_timing.h"

#include <utility>

namespace quorvel {

TrayClickTiming::TrayClickTiming(std::function<void(POINT at)> onClick)
    : onClick_(std::move(onClick)), timer_(1, GetDoubleClickTime()) {}

void TrayClickTiming::Click() {
    // The release ending a double-click comes at once; a click after the
    // double-click time is a new one (that release went elsewhere).
    if (std::exchange(afterDoubleClick_, false) && GetTickCount() - doubleClickTime_ <= GetDoubleClickTime()) return;
    GetCursorPos(&clickAt_);
    if (!timerWindow_) {
        timerWindow_ = std::make_unique<ui::MessageWindow>([this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
            if (msg != WM_TIMER) return false;
            OnTimer();
            result = 0;
            return true;
        });
        (void)timer_.Attach(timerWindow_->Handle());  // not running yet
    }
    // Without a timer the click counts at once: a menu that opens early beats
    // one that never opens.
    if (!timer_.SetInterval(GetDoubleClickTime()) || !timer_.Start()) OnTimer();
}

void TrayClickTiming::DoubleClick() {
    timer_.Stop();
    afterDoubleClick_ = true;
    doubleClickTime_ = GetTickCount();
}

void TrayClickTiming::DoubleClickHandled() { doubleClickTime_ = GetTickCount(); }

void TrayClickTiming::OnTimer() {
    timer_.Stop();
    if (onClick_) onClick_(clickAt_);
}

}  // namespace quorvel

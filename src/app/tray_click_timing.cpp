#include "app/tray_click_timing.h"

#include <utility>

namespace quorvel {

TrayClickTiming::TrayClickTiming(std::function<void(POINT at)> onClick)
    : onClick_(std::move(onClick)), timer_(GetDoubleClickTime(), [this] { OnTimer(); }) {}

void TrayClickTiming::Click() {
    // The release ending a double-click comes at once; a click after the
    // double-click time is a new one (that release went elsewhere).
    if (std::exchange(afterDoubleClick_, false) && GetTickCount() - doubleClickTime_ <= GetDoubleClickTime()) return;
    GetCursorPos(&clickAt_);
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

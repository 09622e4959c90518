#include "app/tray_click_timing.h"

#include <utility>

namespace quorvel {

TrayClickTiming::TrayClickTiming(UINT_PTR timerId, std::function<void(POINT at)> onClick)
    : timerId_(timerId), onClick_(std::move(onClick)) {}

void TrayClickTiming::Click() {
    // The release ending a double-click comes at once; a click after the
    // double-click time is a new one (that release went elsewhere).
    if (std::exchange(afterDoubleClick_, false) && GetTickCount() - doubleClickTime_ <= GetDoubleClickTime()) return;
    GetCursorPos(&clickAt_);
    SetTimer(owner_, timerId_, GetDoubleClickTime(), nullptr);
}

void TrayClickTiming::DoubleClick() {
    KillTimer(owner_, timerId_);
    afterDoubleClick_ = true;
    doubleClickTime_ = GetTickCount();
}

void TrayClickTiming::DoubleClickHandled() { doubleClickTime_ = GetTickCount(); }

void TrayClickTiming::OnTimer() {
    KillTimer(owner_, timerId_);
    if (onClick_) onClick_(clickAt_);
}

}  // namespace quorvel

#include "ui/callback_timer.h"

#include <stdexcept>
#include <utility>

namespace quorvel::ui {

CallbackTimer::CallbackTimer(UINT intervalMs, std::function<void()> onTick)
    : onTick_(std::move(onTick)), timer_(1, intervalMs) {}

bool CallbackTimer::Start() {
    if (!window_) {
        try {
            window_ = std::make_unique<MessageWindow>([this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
                if (msg != WM_TIMER) return false;
                if (onTick_) onTick_();
                result = 0;
                return true;
            });
        } catch (const std::runtime_error&) {
            return false;
        }
        (void)timer_.Attach(window_->Handle());  // off until started below
    }
    return timer_.Start();
}

}  // namespace quorvel::ui

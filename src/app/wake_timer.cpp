#include "app/wake_timer.h"

#include "core/system_time.h"

namespace quorvel {
namespace {

constexpr UINT kFiredMessage = WM_APP + 1;

}  // namespace

std::optional<LONGLONG> LocalMomentToUtc(DateTime local) {
    const auto localTime = ToSystemTime(local);
    SYSTEMTIME utc{};
    FILETIME file{};
    if (!localTime || !TzSpecificLocalTimeToSystemTime(nullptr, &*localTime, &utc) || !SystemTimeToFileTime(&utc, &file))
        return std::nullopt;
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
}

// The window, the timer and the pool's wait come at the first moment to wake
// for: a list without such alarms costs no threads.
bool WakeTimer::Ready() {
    if (wait_) return true;
    if (!reports_) {
        reports_ = std::make_unique<ui::MessageWindow>([this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
            if (msg != kFiredMessage) return false;
            if (onFired) onFired();
            result = 0;
            return true;
        });
    }
    if (!timer_) timer_.Reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));
    HANDLE wait = nullptr;
    if (timer_ && RegisterWaitForSingleObject(&wait, timer_.Get(), Signalled, this, INFINITE, WT_EXECUTEDEFAULT))
        wait_.Reset(wait);
    return static_cast<bool>(wait_);
}

WakeTimer::~WakeTimer() { wait_.Reset(); }

// On a thread of the system's pool: the program's thread takes it from here.
void CALLBACK WakeTimer::Signalled(void* context, BOOLEAN) {
    PostMessageW(static_cast<WakeTimer*>(context)->reports_->Handle(), kFiredMessage, 0, 0);
}

void WakeTimer::SetWake(std::optional<DateTime> moment) {
    const std::optional<LONGLONG> due = moment ? LocalMomentToUtc(*moment) : std::nullopt;
    dueUtc_.reset();
    if (!due) {
        if (wait_) CancelWaitableTimer(timer_.Get());
        return;
    }
    if (!Ready()) return;
    LARGE_INTEGER when{};
    when.QuadPart = *due;  // positive: an absolute UTC time
    // With resume: where the power plan allows, the computer wakes for it. A
    // system without wake support sets it all the same (ERROR_NOT_SUPPORTED).
    if (SetWaitableTimer(timer_.Get(), &when, 0, nullptr, nullptr, TRUE)) dueUtc_ = due;
}

}  // namespace quorvel

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

WakeTimer::WakeTimer()
    : reports_([this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
          if (msg != kFiredMessage) return false;
          if (onFired) onFired();
          result = 0;
          return true;
      }),
      timer_(CreateWaitableTimerW(nullptr, FALSE, nullptr)) {
    HANDLE wait = nullptr;
    if (timer_ && RegisterWaitForSingleObject(&wait, timer_.Get(), Signalled, this, INFINITE, WT_EXECUTEDEFAULT))
        wait_.Reset(wait);
}

WakeTimer::~WakeTimer() { wait_.Reset(); }

// On a thread of the system's pool: the program's thread takes it from here.
void CALLBACK WakeTimer::Signalled(void* context, BOOLEAN) {
    PostMessageW(static_cast<WakeTimer*>(context)->reports_.Handle(), kFiredMessage, 0, 0);
}

void WakeTimer::SetWake(std::optional<DateTime> moment) {
    if (!wait_) return;
    const std::optional<LONGLONG> due = moment ? LocalMomentToUtc(*moment) : std::nullopt;
    dueUtc_.reset();
    if (!due) {
        CancelWaitableTimer(timer_.Get());
        return;
    }
    LARGE_INTEGER when{};
    when.QuadPart = *due;  // positive: an absolute UTC time
    // With resume: where the power plan allows, the computer wakes for it. A
    // system without wake support sets it all the same (ERROR_NOT_SUPPORTED).
    if (SetWaitableTimer(timer_.Get(), &when, 0, nullptr, nullptr, TRUE)) dueUtc_ = due;
}

}  // namespace quorvel

// WakeTimer: the platform's wake-up for WakeSchedule, one waitable timer set
// with resume for a local moment: where the power plan allows wake timers, the
// computer wakes from sleep for it. When the moment comes (awake or woken),
// onFired runs on the program's thread, from its message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "alarms/wake_schedule.h"
#include "core/unique.h"
#include "ui/message_window.h"

namespace quorvel {

class WakeTimer final : public WakeDevice {
public:
    // Without a timer from the system (none left), SetWake does nothing: the
    // alarms still fire whenever the computer is awake.
    WakeTimer() = default;
    ~WakeTimer();
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;

    // Sets the timer for the local moment (nothing cancels it). A moment the
    // system cannot set, or cannot wake for, is set without waking; one it
    // cannot set at all leaves no timer.
    void SetWake(std::optional<DateTime> moment) override;
    std::function<void()> onFired;

    // The UTC time the timer was last set for (FILETIME units); nothing when none is set.
    std::optional<LONGLONG> DueUtc() const { return dueUtc_; }

private:
    struct CloseHandleDeleter {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    // Ends the waiting, and waits for a callback under way to finish.
    struct UnregisterWaitDeleter {
        void operator()(HANDLE wait) const { UnregisterWaitEx(wait, INVALID_HANDLE_VALUE); }
    };
    static void CALLBACK Signalled(void* context, BOOLEAN timedOut);
    bool Ready();

    std::unique_ptr<ui::MessageWindow> reports_;
    Unique<HANDLE, CloseHandleDeleter> timer_;
    Unique<HANDLE, UnregisterWaitDeleter> wait_;  // goes first: no callback outlives the rest
    std::optional<LONGLONG> dueUtc_;
};

// The UTC FILETIME count of a local moment, by the system's time-zone rules
// for that date; nothing for a moment the system cannot convert.
std::optional<LONGLONG> LocalMomentToUtc(DateTime local);

}  // namespace quorvel

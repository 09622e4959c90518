// WakeSchedule: keeps one wake-up set for the earliest moment an enabled alarm
// that wakes the computer (AlarmOptions::wake) waits for, and sets it again
// after every change of the list; with no such alarm, none is set. The
// platform's timer is behind WakeDevice, so the choice of moment is the same
// wherever it runs.
#pragma once

#include <optional>

#include "alarms/alarm_book.h"
#include "core/date_time.h"

namespace quorvel {

class WakeDevice {
public:
    // Sets the wake-up for the local moment, replacing the one set; nothing cancels it.
    virtual void SetWake(std::optional<DateTime> moment) = 0;

protected:
    ~WakeDevice() = default;
};

class WakeSchedule {
public:
    // Both must outlive the schedule; it listens to the book's changes from here on.
    WakeSchedule(AlarmBook& book, WakeDevice& device);
    ~WakeSchedule();
    WakeSchedule(const WakeSchedule&) = delete;
    WakeSchedule& operator=(const WakeSchedule&) = delete;

    // Sets the device for the list as it is now (at start, after the load,
    // which tells no change); the device is told only of a moment that differs.
    void Update();
    const std::optional<DateTime>& Moment() const { return moment_; }

private:
    AlarmBook& book_;
    WakeDevice& device_;
    Listeners::Token listener_;
    std::optional<DateTime> moment_;
    bool set_ = false;  // the device was told at least once
};

}  // namespace quorvel

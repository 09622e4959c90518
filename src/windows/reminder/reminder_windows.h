// ReminderWindows: makes a reminder window for every firing alarm, owns the
// open ones, cascades those that show together, and frees each from the event
// loop once its close processing has run. Windows still open when it goes are destroyed without ending their
// triggers, so their alarms stay as stored before they fired. The alarm list
// outlives it: the windows look their alarms up in it when they close.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "ui/message_window.h"
#include "windows/reminder/reminder_window.h"

namespace quorvel {

class ReminderWindows final : public ReminderFactory {
public:
    // New windows are centred on the monitor of `placeNear` (the clock).
    explicit ReminderWindows(HWND placeNear);
    ~ReminderWindows();
    ReminderWindows(const ReminderWindows&) = delete;
    ReminderWindows& operator=(const ReminderWindows&) = delete;

    ReminderLink& CreateReminder() override;
    ReminderLink* OpenReminderOf(AlarmId alarm) override;

    // A firing alarm got no reminder window (the book tells it once): a box
    // owned by no window, so the user sees it whatever is on screen.
    static void ShowFailure(const std::string& message);

    // Asked by each window as it is about to show (ReminderWindow::howToShow).
    std::function<ReminderWindow::Showing()> howToShow;
    // The windows that wait show, oldest first.
    void ShowWaiting();

    // The windows not yet freed, oldest first.
    std::size_t Count() const { return windows_.size(); }
    ReminderWindow& operator[](std::size_t index) const { return *windows_[index]; }

private:
    // A window about to show goes where no other shown reminder covers its caption.
    void Place(ReminderWindow& window) const;
    void ScheduleFree(ReminderWindow& window);
    void Free(const ReminderWindow* window);

    HWND placeNear_;
    std::vector<std::unique_ptr<ReminderWindow>> windows_;
    ui::MessageWindow freeRequests_;
};

}  // namespace quorvel

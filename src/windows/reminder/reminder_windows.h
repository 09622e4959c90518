// ReminderWindows: makes a reminder window for every firing alarm, owns the
// open ones, cascades those that show together, and frees each from the event
// loop once its close processing has run. Windows still open when it goes are destroyed without ending their
// triggers, so their alarms stay as stored before they fired. The alarm list
// outlives it: the windows look their alarms up in it when they close. Advance
// reminders show in the same windows, one per alarm.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "alarms/advance_reminders.h"
#include "alarms/alarm.h"
#include "ui/message_window.h"
#include "windows/reminder/reminder_window.h"

namespace quorvel {

class ReminderWindows final : public ReminderFactory, public NoticeBoard {
public:
    // New windows are centred on the monitor of `placeNear` (the clock).
    explicit ReminderWindows(HWND placeNear);
    ~ReminderWindows();
    ReminderWindows(const ReminderWindows&) = delete;
    ReminderWindows& operator=(const ReminderWindows&) = delete;

    ReminderLink& CreateReminder() override;
    ReminderLink* OpenReminderOf(AlarmId alarm) override;

    void ShowNotice(AlarmId alarm, const std::string& text) override;
    void CloseNotice(AlarmId alarm) override;
    // The user answered an advance reminder (ReminderWindow::ShowNotice); its window is closing.
    std::function<void(AlarmId alarm, bool snoozed, int minutes)> onNoticeAnswered;

    // A firing alarm got no reminder window (the book tells it once): a box
    // owned by no window, so the user sees it whatever is on screen.
    static void ShowFailure(const std::string& message);

    // Whether a reminder's sound plays now.
    bool SoundPlaying() const;
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
    ReminderWindow& NewWindow();

    HWND placeNear_;
    std::vector<std::unique_ptr<ReminderWindow>> windows_;
    std::vector<std::pair<AlarmId, ReminderWindow*>> notices_;  // the advance reminders showing
    ui::MessageWindow freeRequests_;
};

}  // namespace quorvel

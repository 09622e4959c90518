// How the clock lives beside other programs: it steps aside for a full-screen
// program on its monitor and comes back after it, holds reminders back while
// such a program is in front, lets the pointer through when asked, answers its
// show/hide shortcut from any program, and keeps its place on top. Program
// makes it; the settings window changes it through the clock's commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/click_through.h"
#include "app/clock_window.h"
#include "app/full_screen_watch.h"
#include "app/show_hide_hot_key.h"
#include "app/top_most_keeper.h"
#include "windows/reminder/reminder_window.h"

namespace quorvel {

class ClockMenu;
class ClockTray;

class DesktopPresence final : public ClockMessageHandler {
public:
    // All must outlive it; it listens at the clock window.
    DesktopPresence(ClockWindow& clock, ClockTray& tray, ClockMenu& menu);

    // Once the clock window exists with its stored settings: acts on them. A
    // shortcut that cannot be had is told here, once.
    void Start();
    // At every tick: a look at the desktop once a second.
    void OnTick();

    // The settings, acted on at once and kept with the clock's.
    void SetHideWhenFullScreen(bool hide);
    void SetRemindersOverFullScreen(bool over);
    void SetClickThrough(bool on);
    // False when the shortcut cannot be had; ShortcutRefusal says why.
    [[nodiscard]] bool SetShowHideHotKey(std::int32_t stored);
    std::string ShortcutRefusal() const;

    // How a reminder may show now (a fresh look at the foreground).
    ReminderWindow::Showing HowRemindersShow();
    // Reminders that waited may show (the full-screen program has gone, or
    // they may now show over it).
    std::function<void()> onRemindersMayShow;

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FullScreenChanged(bool inFront);
    void Keep(const DesktopOptions& options);

    ClockWindow& clock_;
    ClockMenu& menu_;
    FullScreenWatch watch_;
    ClickThrough clickThrough_;
    ShowHideHotKey hotKey_;
    TopMostKeeper topMost_;
    int ticks_ = 0;
    int looks_ = 0;
};

}  // namespace quorvel

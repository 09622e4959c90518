// ReminderWindow: one firing of an alarm on screen. Shows the alarm's reminder
// text in a small always-on-top tool window with OK and Snooze, plays its sound
// once, and ends the trigger when it closes (see alarms/alarm_firing.h). A
// text-less alarm's window stays hidden while its sound plays.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "alarms/alarm_firing.h"
#include "sound/media_player.h"
#include "ui/window.h"

namespace quorvel {

class ReminderWindow final : public ui::Window, public AlarmFiring {
public:
    // Creates the window, hidden, centred on the monitor of `placeNear` (the
    // primary monitor when null). `release` frees the window later, from the
    // event loop; it is called once the close processing has run.
    ReminderWindow(HWND placeNear, std::function<void(ReminderWindow&)> release);
    ~ReminderWindow() override;

    HWND OkButton() const;
    HWND SnoozeButton() const;
    HWND TextBox() const;
    MediaPlayer& Player() { return player_; }

protected:
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;
    // The title bar's close box (and Alt+F4): the same as OK.
    void OnClose() override;

    void SetText(const std::string& text) override;
    void AppendLine(const std::string& line) override;
    void ShowInFront() override;
    std::string StartSound(const std::string& path, bool reportEnd) override;
    void Beep() override;
    void StopSound() override;
    void Release() override;

private:
    void OnOkButton();
    void OnSnoozeButton();
    void OnSoundEnd();

    HWND placeNear_;
    std::function<void(ReminderWindow&)> release_;
    MediaPlayer player_;
};

}  // namespace quorvel

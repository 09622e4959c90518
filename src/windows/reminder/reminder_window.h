// ReminderWindow: one firing of an alarm on screen. Shows the alarm's reminder
// text in a small always-on-top tool window with OK and Snooze, plays its sound
// once (or until answered), and ends the trigger when it closes (see
// alarms/alarm_firing.h). A text-less alarm's window stays hidden while its
// sound plays. Snooze adds the alarm's own snooze length; the button's menu
// (right click, Shift+F10) offers 5, 10, 15, 30 or 60 minutes this time.
//
// Keys being typed when it comes up never answer it: while the user is at work
// (any input, a key or the pointer, within the last second, in any program, as
// the system's last input time tells) it shows on top without taking the
// keyboard, and takes it, OK focused, once input has rested for a second; its
// own timer looks again ten times a second. No hook watches anyone's keys.
// When it closes, the window it took the keyboard from gets it back. While a
// full-screen program is in front, it waits unseen, or shows on top without
// ever taking the keyboard, as howToShow says.
//
// The same window shows an alarm's advance reminder (ShowNotice): its text,
// one beep, and OK and Snooze that only report the answer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "alarms/alarm_firing.h"
#include "sound/media_player.h"
#include "ui/controls/button.h"
#include "ui/controls/rich_edit.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace quorvel {

class ReminderWindow final : public ui::Window, public AlarmFiring {
public:
    // How long input rests before the window takes the keyboard.
    static constexpr DWORD kInputRestMs = 1000;

    // Creates the window, hidden, centred on the monitor of `placeNear` (the
    // primary monitor when null). `place` moves it, just before it shows, to
    // where no other reminder covers its caption. `release` frees the window
    // later, from the event loop; it is called once the close processing has run.
    ReminderWindow(HWND placeNear, std::function<void(ReminderWindow&)> place,
                   std::function<void(ReminderWindow&)> release);
    ~ReminderWindow() override;

    // An advance reminder instead of a firing: shows the text in front with
    // one beep. OK and the close box answer (false, 0), Snooze (true, 0 for
    // the alarm's own length) and its menu (true, minutes); the window then
    // closes. Called again while it shows, it only replaces the text.
    void ShowNotice(const std::string& text, std::function<void(bool snoozed, int minutes)> answered);
    // Closes an advance reminder without an answer.
    void CloseNotice();

    HWND OkButton() const { return okButton_.Handle(); }
    HWND SnoozeButton() const { return snoozeButton_.Handle(); }
    HWND TextBox() const { return textBox_.Handle(); }
    MediaPlayer& Player() { return player_; }
    // Shown, but waiting for input to rest before it takes the keyboard.
    bool WaitingForInputRest() const { return restTimer_.Enabled(); }

    // How a reminder may show now: as usual, not yet (it waits, unseen, for
    // ShowWaiting), or on top at once without ever taking the keyboard.
    enum class Showing { Usual, Wait, Quiet };
    // Asked as the window is about to show, and before it takes the keyboard
    // later; none: as usual.
    std::function<Showing()> howToShow;
    // Not yet shown: it waits for ShowWaiting.
    bool Waiting() const { return waiting_; }
    // A waiting window shows, as howToShow now says.
    void ShowWaiting();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;
    void OnTimer(UINT_PTR id) override;
    // The title bar's close box (and Alt+F4): the same as OK.
    void OnClose() override;

    // The Snooze button's menu: a snooze of another length, this time only.
    bool OnContextMenu(HWND control, POINT screen) override;

    void SetText(const std::string& text) override;
    void AppendLine(const std::string& line) override;
    void ShowInFront() override;
    std::string StartSound(const std::string& path, bool reportEnd) override;
    void Beep() override;
    void StopSound() override;
    void Release() override;
    // Posts itself the request, so a handle freed first drops it.
    void CloseLater() override;

private:
    void TakeKeyboard();
    void OnOkButton();
    void OnSnoozeButton();
    void OnSoundEnd();
    // OK or Snooze: an advance reminder reports it, a firing ends its trigger.
    void Answer(bool snoozed, int minutes);

    std::function<void(ReminderWindow&)> place_;
    std::function<void(ReminderWindow&)> release_;
    MediaPlayer player_;
    ui::Button okButton_;
    ui::Button snoozeButton_;
    ui::RichEdit textBox_;
    ui::Timer restTimer_;  // runs while waiting for input to rest
    HWND keyboardFrom_ = nullptr;  // the window that had the keyboard before this one took it
    std::function<void(bool snoozed, int minutes)> noticeAnswered_;  // set while an advance reminder shows
    bool waiting_ = false;
};

}  // namespace quorvel

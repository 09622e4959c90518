// One firing of an alarm as its reminder window runs it: what the window shows,
// plays and beeps when the alarm fires, and the close processing that ends the
// trigger, once, whatever closes the window. The window supplies the platform's
// part through the protected steps.
//
// The firing names its alarm by id and looks it up in the alarm's list when it
// needs it, so the list must outlive the firing; an alarm deleted meanwhile is
// not found, and the close processing then only closes the window.
#pragma once

#include <string>
#include <string_view>

#include "alarms/alarm.h"

namespace quorvel {

class AlarmFiring : public ReminderLink {
public:
    // Shows the reminder text (if any) in front, plays the sound once or
    // beeps; an alarm with neither text nor sound ends as soon as the event
    // loop is reached (CloseLater), triggered until then. A text-less
    // alarm whose sound cannot be played shows the window with the error line,
    // so the user sees that it fired and why it was silent. An alarm whose
    // sound repeats shows the window, text or not, and plays the sound again
    // at each end until it is answered, for at most kRepeatSoundForDays.
    void ShowAlarm(Alarm& alarm) final;
    void PressOk() override { Close(); }

    // The ways a firing ends. Each runs the close processing unless it has
    // run already; a request after it (a report already queued) is ignored.
    void Close();                  // OK, the close box, CloseReminder
    void Snooze(int minutes = 0);  // Snooze: due again in `minutes`, or the alarm's own snooze length
    void SoundFinished();          // the player's end report

    bool Closed() const { return closed_; }
    // Whether this is the open trigger of that alarm: started, not yet closed.
    bool Fires(AlarmId alarm) const { return list_ && !closed_ && alarmId_ == alarm; }

    static constexpr std::string_view kSoundErrorPrefix = "Cannot play sound - ";

protected:
    AlarmFiring() = default;
    // A window that goes before its firing has ended (the program ends) leaves
    // the alarm triggered, as stored before it fired.
    ~AlarmFiring() = default;

    // Puts the text into the text box, replacing what it held.
    virtual void SetText(const std::string& text) = 0;
    // Adds a line under the text box's text.
    virtual void AppendLine(const std::string& line) = 0;
    // Shows the window, not modal, in front of the others.
    virtual void ShowInFront() = 0;
    // Opens the file and plays it once, with an end report if asked. Throws
    // (std::exception with the platform's text) when the file cannot be
    // opened; returns the platform's text for a play the device refused,
    // empty when it plays.
    virtual std::string StartSound(const std::string& path, bool reportEnd) = 0;
    // The platform's default alert sound.
    virtual void Beep() = 0;
    // Stops the sound if it is playing, then closes the player.
    virtual void StopSound() = 0;
    // Hides the window and has it freed once the event loop is next reached,
    // never inside the handler running now.
    virtual void Release() = 0;
    // Has Close() called once the event loop is next reached, never inside the
    // handler running now; nothing when the window is freed first.
    virtual void CloseLater() = 0;

private:
    // The alarm while its list holds it, else nullptr.
    Alarm* FiringAlarm() const { return list_ ? list_->Find(alarmId_) : nullptr; }

    AlarmList* list_ = nullptr;  // of the fired alarm; set when it starts
    AlarmId alarmId_ = 0;
    bool snoozed_ = false;
    int snoozeMinutes_ = 0;
    bool closed_ = false;
    bool repeatSound_ = false;
    DateTime soundStarted_ = 0;
};

}  // namespace quorvel

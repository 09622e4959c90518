#include "alarms/alarm_firing.h"

#include <exception>
#include <utility>

#include "core/clock.h"

namespace quorvel {

AlarmFiring::~AlarmFiring() {
    if (alarm_ && alarm_->reminderWindow == this) alarm_->reminderWindow = nullptr;
}

void AlarmFiring::ShowAlarm(Alarm& alarm) {
    alarm_ = &alarm;
    repeatSound_ = alarm.options.repeatSound && !alarm.sound.empty();
    // A sound that repeats until answered needs a window to answer, text or not.
    const bool shown = !alarm.reminder.empty() || repeatSound_;
    if (shown) {
        SetText(alarm.reminder);
        ShowInFront();
    }
    if (alarm.sound.empty()) {
        Beep();
        // Nothing to answer: over already, but ended after the check that
        // fired it, which must not see its alarm re-armed or deleted.
        if (!shown) CloseLater();
        return;
    }
    bool failed = false;
    std::string reason;
    try {
        soundStarted_ = Now();
        reason = StartSound(alarm.sound, !shown || repeatSound_);
        // A refused play sends no end report, so a text-less firing would stay
        // triggered with nothing on screen; with text the window is there anyway.
        failed = !shown && !reason.empty();
    } catch (const std::exception& e) {
        failed = true;
        reason = e.what();
    }
    if (!failed) return;
    AppendLine(std::string(kSoundErrorPrefix) + reason);
    Beep();
    if (!shown) ShowInFront();
}

void AlarmFiring::Snooze(int minutes) {
    if (closed_) return;
    snoozed_ = true;
    snoozeMinutes_ = minutes;
    Close();
}

void AlarmFiring::SoundFinished() {
    if (closed_) return;
    if (repeatSound_) {
        // Again from the start while the limit allows; then silence, and the
        // window stays until it is answered.
        if (alarm_ && Now() - soundStarted_ < kRepeatSoundForDays) {
            try {
                StartSound(alarm_->sound, true);
            } catch (const std::exception&) {
                // The file went while it played: nothing more to play.
            }
        }
        return;
    }
    snoozed_ = false;
    Close();
}

// The close processing, in this order: the trigger flag, the sound, the
// window link, the window's release, then snooze or re-arm. The last step may
// destroy the alarm, so nothing here touches it afterwards.
void AlarmFiring::Close() {
    if (closed_) return;
    closed_ = true;
    Alarm* alarm = std::exchange(alarm_, nullptr);
    if (alarm) alarm->triggered = false;
    StopSound();
    if (alarm) alarm->reminderWindow = nullptr;
    Release();
    if (alarm) alarm->EndTrigger(snoozed_, snoozeMinutes_);
}

}  // namespace quorvel

#include "alarms/alarm_firing.h"

#include <exception>

#include "core/clock.h"

namespace quorvel {

void AlarmFiring::ShowAlarm(Alarm& alarm) {
    list_ = &alarm.List();
    alarmId_ = alarm.Id();
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
        const Alarm* alarm = FiringAlarm();
        if (alarm && Now() - soundStarted_ < kRepeatSoundForDays) {
            try {
                StartSound(alarm->sound, true);
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
// window's release, then snooze or re-arm. The alarm is looked up again after
// the platform's steps, and the last step may destroy it.
void AlarmFiring::Close() {
    if (closed_) return;
    closed_ = true;
    if (Alarm* alarm = FiringAlarm()) alarm->triggered = false;
    StopSound();
    Release();
    if (Alarm* alarm = FiringAlarm()) alarm->EndTrigger(snoozed_, snoozeMinutes_);
}

}  // namespace quorvel

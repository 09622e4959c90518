#include "alarms/alarm_firing.h"

#include <exception>
#include <utility>

namespace quorvel {

AlarmFiring::~AlarmFiring() {
    if (alarm_ && alarm_->reminderWindow == this) alarm_->reminderWindow = nullptr;
}

void AlarmFiring::ShowAlarm(Alarm& alarm) {
    alarm_ = &alarm;
    const bool hasText = !alarm.reminder.empty();
    if (hasText) {
        SetText(alarm.reminder);
        ShowInFront();
    }
    if (alarm.sound.empty()) {
        Beep();
        if (!hasText) Close();
        return;
    }
    bool failed = false;
    std::string reason;
    try {
        reason = StartSound(alarm.sound, !hasText);
        // A refused play sends no end report, so a text-less firing would stay
        // triggered with nothing on screen; with text the window is there anyway.
        failed = !hasText && !reason.empty();
    } catch (const std::exception& e) {
        failed = true;
        reason = e.what();
    }
    if (!failed) return;
    AppendLine(std::string(kSoundErrorPrefix) + reason);
    Beep();
    if (!hasText) ShowInFront();
}

void AlarmFiring::Snooze() {
    if (closed_) return;
    snoozed_ = true;
    Close();
}

void AlarmFiring::SoundFinished() {
    if (closed_) return;
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
    if (alarm) alarm->EndTrigger(snoozed_);
}

}  // namespace quorvel

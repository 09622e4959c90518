#include "app/alarm_outlook.h"

#include "alarms/alarm_book.h"
#include "app/clock_menu.h"
#include "app/clock_tray.h"
#include "core/clock.h"
#include "platform/user_locale.h"
#include "windows/reminder/reminder_windows.h"

namespace quorvel {

AlarmOutlook::AlarmOutlook(ClockWindow& clock, AlarmBook& book, ClockTray& tray, ClockMenu& menu)
    : clock_(clock),
      book_(book),
      tray_(tray),
      menu_(menu),
      locale_(ReadUserFormatSettings()),
      wake_(book, wakeTimer_),
      listener_(book.onChanged.Add([this] {
          nextAlarm_.Invalidate();
          if (advance_) advance_->ListChanged();
      })) {
    clock_.AddMessageHandler(*this);
    // The moment came, the computer awake or woken for it: the check runs at
    // once (once the clock runs: before its first tick nothing is checked).
    wakeTimer_.onFired = [this] {
        if (!clock_.Ticking()) return;
        book_.CheckAlarms();
        AfterCheck();
    };
}

AlarmOutlook::~AlarmOutlook() { book_.onChanged.Remove(listener_); }

void AlarmOutlook::Start(ReminderWindows& reminders) {
    advance_ = std::make_unique<AdvanceReminders>(book_.Alarms(), reminders);
    advance_->SetLocale(locale_);
    reminders.onNoticeAnswered = [this](AlarmId alarm, bool snoozed, int minutes) {
        advance_->Answer(alarm, snoozed, minutes, Now());
    };
    wake_.Update();
    AfterCheck();
}

void AlarmOutlook::AfterCheck() {
    const DateTime now = Now();
    // While the check waits (an editor is open), so do the advance reminders.
    if (advance_ && book_.Checking()) advance_->Check(now);
    if (const auto text = nextAlarm_.Update(book_.Alarms(), now, locale_)) {
        tray_.SetNextAlarm(*text);
        menu_.SetNextAlarm(*text);
    }
}

bool AlarmOutlook::HandleClockMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_SETTINGCHANGE) {
        locale_ = ReadUserFormatSettings();
        if (advance_) advance_->SetLocale(locale_);
        nextAlarm_.Invalidate();
    }
    return false;
}

}  // namespace quorvel

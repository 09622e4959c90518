#include "alarms/advance_reminders.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "alarms/upcoming.h"

namespace quorvel {
namespace {

// Two readings of one moment: the check steps a Daily alarm in the same
// arithmetic, but a moment must not count as new for a rounding of its last bit.
bool SameMoment(DateTime a, DateTime b) { return std::fabs(a - b) < 0.5 / 86'400; }

constexpr DateTime kGrace = 0.001 / 86'400;

}  // namespace

AdvanceReminders::AdvanceReminders(const AlarmList& list, NoticeBoard& board) : list_(list), board_(board) {}

std::string AdvanceReminders::NoticeText(const AlarmFields& alarm, DateTime due, DateTime now,
                                         const FormatSettings& locale) {
    std::string text = alarm.name + "\r\n" + DueText(now, due, locale);
    if (!alarm.reminder.empty()) text += "\r\n\r\n" + alarm.reminder;
    return text;
}

void AdvanceReminders::Gather() {
    watched_.clear();
    for (std::size_t i = 0; i < list_.Count(); ++i)
        if (list_[i].options.remindBeforeMinutes > 0) watched_.push_back({i, list_[i].Id()});
    gathered_ = true;
}

AdvanceReminders::Notice* AdvanceReminders::Find(AlarmId alarm) {
    for (Notice& notice : notices_)
        if (notice.alarm == alarm) return &notice;
    return nullptr;
}

void AdvanceReminders::Check(DateTime now) {
    if (!gathered_) Gather();
    for (Notice& notice : notices_) notice.seen = false;
    for (const Watched& watched : watched_) {
        // A place that no longer holds its alarm waits for the next gathering.
        if (watched.index >= list_.Count() || list_[watched.index].Id() != watched.alarm) continue;
        CheckAlarm(list_[watched.index], now);
    }
    // Those whose alarm no longer wants them: gone, off, firing, moved on.
    for (Notice& notice : notices_)
        if (!notice.seen) Close(notice);
    std::erase_if(notices_, [](const Notice& notice) { return !notice.seen; });
}

void AdvanceReminders::CheckAlarm(const Alarm& alarm, DateTime now) {
    const int lead = alarm.options.remindBeforeMinutes;
    if (!alarm.enabled || alarm.triggered || alarm.dueBySnooze || lead <= 0) return;
    const DateTime due = NextDue(alarm);
    // Its moment has come (it fires now) or was missed; or it lies beyond the
    // lead (a millisecond's grace: "10:05" as its own sum lands either side of it).
    if (!(now < due) || now < due - lead / kMinutesPerDay - kGrace) return;
    Notice* notice = Find(alarm.Id());
    if (notice && !SameMoment(notice->due, due)) {
        Close(*notice);
        *notice = Notice(alarm.Id(), due);
        Show(*notice, alarm, now);
    } else if (!notice) {
        notices_.emplace_back(alarm.Id(), due);
        notice = &notices_.back();
        Show(*notice, alarm, now);
    } else if (notice->state == State::Snoozed && !(now < notice->showAgain)) {
        Show(*notice, alarm, now);
    } else if (notice->state == State::Shown) {
        // "in 10 minutes" counts down while it shows.
        std::string text = NoticeText(alarm, due, now, locale_);
        if (text != notice->text) {
            notice->text = std::move(text);
            board_.ShowNotice(alarm.Id(), notice->text);
        }
    }
    notice->seen = true;
}

void AdvanceReminders::Show(Notice& notice, const Alarm& alarm, DateTime now) {
    notice.text = NoticeText(alarm, notice.due, now, locale_);
    try {
        board_.ShowNotice(alarm.Id(), notice.text);
        notice.state = State::Shown;
    } catch (const std::exception&) {
        // No window now: the next check tries again. The alarm's own reminder
        // comes at its moment whatever happens here, and tells its own failure.
        notice.state = State::Snoozed;
        notice.showAgain = now;
    }
}

void AdvanceReminders::Close(Notice& notice) {
    if (notice.state == State::Shown) board_.CloseNotice(notice.alarm);
    notice.state = State::Answered;
}

void AdvanceReminders::Answer(AlarmId alarm, bool snoozed, int minutes, DateTime now) {
    Notice* notice = Find(alarm);
    if (!notice || notice->state != State::Shown) return;
    notice->state = State::Answered;
    if (!snoozed) return;
    if (minutes <= 0) {
        const Alarm* owner = list_.Find(alarm);
        minutes = owner ? owner->options.snoozeMinutes : kDefaultSnoozeMinutes;
    }
    // Never at or after the alarm's own moment: the alarm itself comes then.
    const DateTime again = now + minutes / kMinutesPerDay;
    if (!(again < notice->due)) return;
    notice->state = State::Snoozed;
    notice->showAgain = again;
}

}  // namespace quorvel

#include "alarms/alarm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/clock.h"

namespace quorvel {
namespace {

constexpr long double kMinute = 1.0L / 1440.0L;
constexpr long double kNewAlarmDelay = kMinute;

constexpr std::array<std::string_view, kRepeatKindCount> kCaptions = {
    "No repeat", "Delete after trigger", "Each 5 minutes", "Each 10 minutes", "Each 30 minutes",
    "Hourly",    "Daily",                "Weekly",         "Monthly",         "Annualy",
};

// now + days, summed in extended precision and stored as a double.
DateTime Later(DateTime from, long double days) {
    return static_cast<double>(static_cast<long double>(from) + days);
}

// Length of the month in which today lies.
int DaysInCurrentMonth() {
    const auto today = DecodeDateTime(Now());
    // Only a clock seam set to a value outside years 1-9999 gets here.
    return today ? DaysInMonth(today->year, today->month) : 30;
}

}  // namespace

bool AlarmFields::SameAs(const AlarmFields& other) const {
    const bool sameMoment =
        dateTime == other.dateTime || (std::isnan(dateTime) && std::isnan(other.dateTime));
    return sameMoment && name == other.name && enabled == other.enabled && sound == other.sound &&
           reminder == other.reminder && repeat == other.repeat && options == other.options;
}

AlarmFields NewAlarmFields(DateTime now) {
    AlarmFields fields;
    fields.dateTime = Later(now, kNewAlarmDelay);
    return fields;
}

AlarmFields TimerAlarm(int minutes, DateTime now) {
    AlarmFields timer;
    timer.name = "Timer";
    timer.reminder = std::to_string(minutes) + " minutes are up";
    timer.repeat = RepeatKind::DeleteAfterTrigger;
    timer.dateTime = Later(now, minutes * kMinute);
    return timer;
}

std::string_view RepeatKindCaption(RepeatKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kCaptions.size() ? kCaptions[index] : std::string_view{};
}

std::string RepeatDescription(const AlarmFields& alarm) {
    const std::string_view caption = RepeatKindCaption(alarm.repeat);
    if (caption.empty()) return "Unknown (" + std::to_string(static_cast<unsigned>(alarm.repeat)) + ")";
    std::string text(caption);
    if (alarm.repeat == RepeatKind::Daily && (alarm.options.days & kEveryDay) != kEveryDay)
        text += " (" + DaysText(alarm.options.days) + ")";
    return text;
}

// ---- Alarm ----------------------------------------------------------------

std::size_t Alarm::Index() const { return *collection_->IndexOf(*this); }

void Alarm::Advance(long double days) {
    const double next = Later(dateTime, days);
    // A value so large (or damaged, NaN) that the interval no longer moves it
    // would be due again at every check, forever: retire it instead.
    if (next > dateTime)
        dateTime = next;
    else
        enabled = false;
}

void Alarm::AdvanceOneYear() {
    // The date part counts whole days; the time of day runs forward from
    // midnight also before the epoch, where the value is date - time.
    const double date = std::trunc(dateTime);
    const double timeOfDay = std::fabs(dateTime - date);
    const auto parts = DecodeDateTime(date);
    std::optional<DateTime> nextDate;
    if (parts) {
        // 29 February of a year followed by a common year: 28 February.
        const int day = std::min(parts->day, DaysInMonth(parts->year + 1, parts->month));
        nextDate = EncodeDate(parts->year + 1, parts->month, day);
    }
    if (!nextDate) {
        // No calendar date one year on (year 9999, or a damaged value): the
        // alarm cannot move, so it must not stay due.
        enabled = false;
        return;
    }
    const long double date2 = *nextDate;
    dateTime = static_cast<double>(date2 < 0 ? date2 - timeOfDay : date2 + timeOfDay);
}

void Alarm::Fire(ReminderFactory& reminders) {
    if (triggered) return;
    triggered = true;
    ReminderLink* window = nullptr;
    try {
        window = &reminders.CreateReminder();
    } catch (...) {
        // No window, so nothing would ever end this trigger: leave the alarm
        // waiting, and the next check tries again.
        triggered = false;
        throw;
    }
    window->ShowAlarm(*this);
}

bool Alarm::StepBySchedule() {
    switch (repeat) {
        case RepeatKind::Each5Minutes:
            Advance(5.0L / 1440.0L);
            return true;
        case RepeatKind::Each10Minutes:
            Advance(10.0L / 1440.0L);
            return true;
        case RepeatKind::Each30Minutes:
            Advance(1.0L / 48.0L);
            return true;
        case RepeatKind::Hourly:
            Advance(1.0L / 24.0L);
            return true;
        case RepeatKind::Daily:
            Advance(1.0L);
            StepToChosenDay();
            return true;
        case RepeatKind::Weekly:
            Advance(7.0L);
            return true;
        case RepeatKind::Monthly:
            Advance(DaysInCurrentMonth());
            return true;
        case RepeatKind::Annually:
            AdvanceOneYear();
            return true;
        default:
            return false;
    }
}

void Alarm::Rearm() {
    AlarmList& list = *collection_;
    switch (repeat) {
        case RepeatKind::NoRepeat:
            enabled = false;
            break;
        case RepeatKind::DeleteAfterTrigger:
            Destroy();
            break;
        default:
            // A kind above Annually comes only from damaged data. Left as it
            // is, an enabled past alarm would fire again at every check.
            if (!StepBySchedule()) enabled = false;
            break;
    }
    list.NotifyChanged();
}

void Alarm::StepToChosenDay() {
    const std::uint8_t days = options.days & kEveryDay;
    if (repeat != RepeatKind::Daily || days == kEveryDay || days == 0) return;
    for (int day = 0; day < kDaysPerWeek; ++day) {
        const std::uint8_t bit = WeekdayBit(dateTime);
        if (bit == 0 || (bit & days)) return;  // no date (damaged): Advance has dealt with it
        Advance(1.0L);
    }
}

void Alarm::StepPast(DateTime moment) {
    // Fixed intervals jump most of the way at once: a moment long past must
    // not cost one step per interval.
    long double interval = 0;
    switch (repeat) {
        case RepeatKind::Each5Minutes: interval = 5.0L / 1440.0L; break;
        case RepeatKind::Each10Minutes: interval = 10.0L / 1440.0L; break;
        case RepeatKind::Each30Minutes: interval = 1.0L / 48.0L; break;
        case RepeatKind::Hourly: interval = 1.0L / 24.0L; break;
        case RepeatKind::Daily: interval = 1.0L; break;
        case RepeatKind::Weekly: interval = 7.0L; break;
        case RepeatKind::Monthly: interval = DaysInCurrentMonth(); break;
        default: break;  // Annually steps year by year: at most 9999 steps
    }
    const long double gap = static_cast<long double>(moment) - dateTime;
    if (interval > 0 && gap > 2 * interval) {
        const long double steps = std::floor(gap / interval) - 1;
        dateTime = static_cast<double>(dateTime + steps * interval);
    }
    while (dateTime <= moment) {
        const DateTime before = dateTime;
        StepBySchedule();
        if (!(dateTime > before)) break;  // cannot move on: Advance has disabled it
    }
    StepToChosenDay();  // the jump may have landed on a day the alarm leaves out
}

void Alarm::ResumeSchedule(DateTime snoozedMoment) {
    dateTime = *dueBeforeSnooze_;
    dueBeforeSnooze_.reset();
    StepPast(snoozedMoment);
    collection_->NotifyChanged();
}

bool Alarm::PrepareToFire(DateTime now, bool& moved) {
    const std::uint8_t bit = WeekdayBit(dateTime);
    if (repeat == RepeatKind::Daily && bit != 0 && !(bit & options.days & kEveryDay)) {
        StepToChosenDay();
        moved = true;
        if (!(now >= dateTime)) return false;
    }
    catchUp_ = false;
    if (!(now - dateTime > kMissedAfterDays)) return true;
    switch (options.ifMissed) {
        case IfMissed::Each:
            return true;
        case IfMissed::Once:
            catchUp_ = Repeating();
            return true;
        case IfMissed::Skip:
            // A one-time alarm's moment is gone: it is switched off, as after firing.
            if (Repeating()) {
                StepPast(now);
            } else {
                enabled = false;
            }
            moved = true;
            return false;
    }
    return true;
}

void Alarm::EndTrigger(bool snoozed, int snoozeMinutes) {
    triggered = false;
    const bool catchUp = std::exchange(catchUp_, false);
    dueBySnooze = snoozed;
    if (snoozed) {
        // Further snoozes keep the first remembered moment.
        if (Repeating() && !dueBeforeSnooze_) dueBeforeSnooze_ = dateTime;
        const int minutes = snoozeMinutes > 0 ? snoozeMinutes : options.snoozeMinutes;
        dateTime = Later(Now(), minutes * kMinute);
        collection_->NotifyChanged();
    } else if (Repeating() && dueBeforeSnooze_) {
        ResumeSchedule(dateTime);
    } else if (catchUp) {
        StepPast(Now());
        collection_->NotifyChanged();
    } else {
        dueBeforeSnooze_.reset();
        Rearm();
    }
}

void Alarm::CloseReminder(ReminderFactory& reminders, bool deleteAlarm) {
    if (deleteAlarm)
        repeat = RepeatKind::DeleteAfterTrigger;
    else if (repeat == RepeatKind::DeleteAfterTrigger)
        repeat = RepeatKind::NoRepeat;
    if (ReminderLink* window = reminders.OpenReminderOf(id_)) {
        window->PressOk();
    } else if (triggered) {
        // A trigger without a window (its window failed to start): end it here
        // with the effect OK would have had, rather than leave it triggered.
        EndTrigger(false);
    }
}

void Alarm::Destroy() { collection_->RemoveAt(Index()); }

// ---- AlarmList ---------------------------------------------------------------

AlarmList::~AlarmList() { Clear(); }

Alarm& AlarmList::AddAlarm() { return AddAlarm(Now()); }

Alarm& AlarmList::AddAlarm(DateTime now) {
    std::unique_ptr<Alarm> alarm(new Alarm(*this, nextId_++));
    static_cast<AlarmFields&>(*alarm) = NewAlarmFields(now);
    items_.push_back(std::move(alarm));
    return *items_.back();
}

void AlarmList::Delete(std::size_t index) { RemoveAt(index); }

void AlarmList::Clear() {
    // Destroy back to front, each alarm leaving the list before it dies, so the
    // list never holds a dead alarm.
    while (!items_.empty()) {
        std::unique_ptr<Alarm> last = std::move(items_.back());
        items_.pop_back();
    }
}

void AlarmList::CheckAlarms(ReminderFactory& reminders) {
    if (!armed) return;
    // The clock is read once and then again after every firing (which is what
    // takes time) and for an alarm that falls due within the reading's possible
    // age: every alarm is judged by the time of its own examination, without a
    // clock read per alarm on a long list.
    constexpr DateTime kFreshness = 1.0 / 86'400;  // one second
    DateTime now = Now();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (!armed) return;
        Alarm& alarm = *items_[i];
        if (!alarm.enabled || alarm.triggered) continue;
        if (!(now >= alarm.dateTime)) {
            if (!(alarm.dateTime - now <= kFreshness)) continue;  // NaN never falls due
            now = Now();
            if (now < alarm.dateTime) continue;
        }
        bool moved = false;
        const bool fire = alarm.PrepareToFire(now, moved);
        if (moved) NotifyChanged();
        if (!fire) continue;
        alarm.Fire(reminders);
        now = Now();
    }
}

Alarm* AlarmList::Find(AlarmId id) const {
    for (const auto& alarm : items_)
        if (alarm->id_ == id) return alarm.get();
    return nullptr;
}

std::optional<std::size_t> AlarmList::IndexOf(const Alarm& alarm) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == &alarm) return i;
    return std::nullopt;
}

void AlarmList::RemoveAt(std::size_t index) {
    // Out of the list before it is destroyed: the list never holds a dead alarm.
    std::unique_ptr<Alarm> removed = std::move(items_[index]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void AlarmList::NotifyChanged() const {
    if (onChanged) onChanged();
}

}  // namespace quorvel

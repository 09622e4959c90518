#include "alarms/upcoming.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/translation.h"

namespace quorvel {
namespace {

std::string Count(const char* one, const char* many, long long n) {
    return FillIn(TranslatePlural(one, many, static_cast<unsigned long>(n)), {std::to_string(n)});
}

// "10 minutes", "1 hour 30 minutes", "2 days": a wait rounded up to the minute.
std::string WaitText(DateTime now, DateTime due) {
    const long long minutes = std::max(1LL, static_cast<long long>(std::ceil((due - now) * kMinutesPerDay - 1e-6)));
    if (minutes < 60) return Count("{0} minute", "{0} minutes", minutes);
    if (minutes < 1440) {
        const std::string hours = Count("{0} hour", "{0} hours", minutes / 60);
        return minutes % 60 == 0 ? hours : hours + " " + Count("{0} minute", "{0} minutes", minutes % 60);
    }
    return Count("{0} day", "{0} days", std::llround(static_cast<double>(minutes) / 1440));
}

// A sentence about a moment by its day: {0} what it is about, {1} the
// locale's short time, {2} its short date (a later day's alone).
struct DayTexts {
    const char* today;
    const char* tomorrow;
    const char* later;
};
constexpr DayTexts kNextTexts{N_("Next: {0} at {1}"), N_("Next: {0} tomorrow at {1}"), N_("Next: {0} on {2} at {1}")};
constexpr DayTexts kDueTexts{N_("Due in {0}, at {1}"), N_("Due in {0}, tomorrow at {1}"),
                             N_("Due in {0}, on {2} at {1}")};

std::string MomentText(const DayTexts& texts, std::string_view about, DateTime now, DateTime moment,
                       const FormatSettings& locale) {
    const std::string time = FormatDateTime(locale.shortTimeFormat, moment, locale);
    const double days = std::trunc(moment) - std::trunc(now);
    if (days == 0) return FillIn(Translate(texts.today), {about, time});
    if (days == 1) return FillIn(Translate(texts.tomorrow), {about, time});
    return FillIn(Translate(texts.later), {about, time, FormatDateTime(locale.shortDateFormat, moment, locale)});
}

}  // namespace

DateTime NextDue(const AlarmFields& alarm) {
    const std::uint8_t days = alarm.options.days & kEveryDay;
    DateTime due = alarm.dateTime;
    if (alarm.repeat != RepeatKind::Daily || days == kEveryDay || days == 0) return due;
    // Day by day in the same arithmetic the check uses, so both land on one moment.
    for (int day = 0; day < kDaysPerWeek; ++day) {
        const std::uint8_t bit = WeekdayBit(due);
        if (bit == 0 || (bit & days)) break;
        due = static_cast<double>(static_cast<long double>(due) + 1.0L);
    }
    return due;
}

const Alarm* NextAlarm(const AlarmList& list) {
    const Alarm* next = nullptr;
    DateTime nextDue = 0;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Alarm& alarm = list[i];
        if (!alarm.enabled || alarm.triggered) continue;
        const DateTime due = NextDue(alarm);
        if (std::isnan(due) || (next && !(due < nextDue))) continue;
        next = &alarm;
        nextDue = due;
    }
    return next;
}

std::optional<DateTime> EarliestWake(const AlarmList& list, DateTime now) {
    std::optional<DateTime> earliest;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Alarm& alarm = list[i];
        if (!alarm.enabled || !alarm.options.wake || alarm.triggered) continue;
        const DateTime due = NextDue(alarm);
        if (!(due > now) || !InCalendarRange(due)) continue;
        if (!earliest || due < *earliest) earliest = due;
    }
    return earliest;
}

std::string DueText(DateTime now, DateTime due, const FormatSettings& locale) {
    return MomentText(kDueTexts, WaitText(now, due), now, due, locale);
}

std::optional<std::string> NextAlarmLine::Update(const AlarmList& list, DateTime now, const FormatSettings& locale) {
    if (!stale_ && now < recheckAt_ && std::trunc(now) == day_) return std::nullopt;
    stale_ = false;
    day_ = std::trunc(now);
    const Alarm* next = NextAlarm(list);
    const DateTime due = next ? NextDue(*next) : 0;
    // One overdue (its check is suspended while an editor is open) is looked at again a minute on.
    recheckAt_ = !next ? std::numeric_limits<double>::infinity() : due > now ? due : now + 1 / kMinutesPerDay;
    std::string text = next ? MomentText(kNextTexts, next->name, now, due, locale) : std::string(Translate("No alarms"));
    if (text == text_) return std::nullopt;
    text_ = text;
    return text;
}

}  // namespace quorvel

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
constexpr long double kSnoozeDelay = 5.0L / 1440.0L;

constexpr std::array<std::string_view, kRepeatKindCount> kCaptions = {
    "No repeat", "Delete after trigger", "Each 5 minutes", "Each 10 minutes", "Each 30 minutes",
    "Hourly",    "Daily",                "Weekly",         "Monthly",         "Annualy",
};

// now + days, summed in extended precision and stored as a double.
TDateTime Later(TDateTime from, long double days) {
    return static_cast<double>(static_cast<long double>(from) + days);
}

// Length of the month in which today lies.
int DaysInCurrentMonth() {
    const auto today = DecodeDateTime(Now());
    // Only a clock seam set to a value outside years 1-9999 gets here.
    return today ? DaysInMonth(today->year, today->month) : 30;
}

}  // namespace

std::string_view RepeatKindCaption(TRepeatKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kCaptions.size() ? kCaptions[index] : std::string_view{};
}

// ---- Talarm ----------------------------------------------------------------

std::size_t Talarm::Index() const { return *collection->IndexOf(*this); }

void Talarm::Advance(long double days) {
    const double next = Later(DateTime, days);
    // A value so large (or damaged, NaN) that the interval no longer moves it
    // would be due again at every check, forever: retire it instead.
    if (next > DateTime)
        DateTime = next;
    else
        Enabled = false;
}

void Talarm::AdvanceOneYear() {
    // The date part counts whole days; the time of day runs forward from
    // midnight also before the epoch, where the value is date - time.
    const double date = std::trunc(DateTime);
    const double timeOfDay = std::fabs(DateTime - date);
    const auto parts = DecodeDateTime(date);
    std::optional<TDateTime> nextDate;
    if (parts) {
        // 29 February of a year followed by a common year: 28 February.
        const int day = std::min(parts->day, DaysInMonth(parts->year + 1, parts->month));
        nextDate = EncodeDate(parts->year + 1, parts->month, day);
    }
    if (!nextDate) {
        // No calendar date one year on (year 9999, or a damaged value): the
        // alarm cannot move, so it must not stay due.
        Enabled = false;
        return;
    }
    const long double date2 = *nextDate;
    DateTime = static_cast<double>(date2 < 0 ? date2 - timeOfDay : date2 + timeOfDay);
}

void Talarm::Rearm() {
    Talarms& list = *collection;
    switch (Repeat) {
        case TRepeatKind::rkNoRepeat:
            Enabled = false;
            break;
        case TRepeatKind::rkDeleteAfterTrigger:
            Destroy();
            break;
        case TRepeatKind::rkEach5Minutes:
            Advance(5.0L / 1440.0L);
            break;
        case TRepeatKind::rkEach10Minutes:
            Advance(10.0L / 1440.0L);
            break;
        case TRepeatKind::rkEach30Minutes:
            Advance(1.0L / 48.0L);
            break;
        case TRepeatKind::rkHourly:
            Advance(1.0L / 24.0L);
            break;
        case TRepeatKind::rkDaily:
            Advance(1.0L);
            break;
        case TRepeatKind::rkWeekly:
            Advance(7.0L);
            break;
        case TRepeatKind::rkMonthly:
            Advance(DaysInCurrentMonth());
            break;
        case TRepeatKind::rkAnnually:
            AdvanceOneYear();
            break;
        default:
            // A kind above rkAnnually comes only from damaged data. Left as it
            // is, an enabled past alarm would fire again at every check.
            Enabled = false;
            break;
    }
    list.NotifyRefresh();
}

void Talarm::EndTrigger(bool snoozed) {
    Triggered = false;
    ReminderWindow = nullptr;
    if (snoozed) {
        DateTime = Later(Now(), kSnoozeDelay);
        collection->NotifyRefresh();
    } else {
        Rearm();
    }
}

void Talarm::CloseReminder(bool deleteAlarm) {
    if (deleteAlarm)
        Repeat = TRepeatKind::rkDeleteAfterTrigger;
    else if (Repeat == TRepeatKind::rkDeleteAfterTrigger)
        Repeat = TRepeatKind::rkNoRepeat;
    if (ReminderWindow) {
        ReminderWindow->PressOk();
    } else if (Triggered) {
        // A trigger without a window (its window failed to start): end it here
        // with the effect OK would have had, rather than leave it triggered.
        EndTrigger(false);
    }
}

void Talarm::Destroy() { collection->RemoveAt(Index()); }

// ---- Talarms ---------------------------------------------------------------

Talarms::~Talarms() { Clear(); }

Talarm& Talarms::AddAlarm() { return AddAlarm(Now()); }

Talarm& Talarms::AddAlarm(TDateTime now) {
    std::unique_ptr<Talarm> alarm(new Talarm(*this));
    alarm->DateTime = Later(now, kNewAlarmDelay);
    items.push_back(std::move(alarm));
    return *items.back();
}

void Talarms::Delete(std::size_t index) { RemoveAt(index); }

void Talarms::Clear() {
    for (Walk* w = walks; w; w = w->nextWalk) w->position = 0;
    // Destroy back to front, each alarm leaving the list before it dies, so the
    // list never holds a dead alarm.
    while (!items.empty()) {
        std::unique_ptr<Talarm> last = std::move(items.back());
        items.pop_back();
    }
}

std::optional<std::size_t> Talarms::IndexOf(const Talarm& alarm) const {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == &alarm) return i;
    return std::nullopt;
}

void Talarms::RemoveAt(std::size_t index) {
    // Walks past the removed place move back with the alarms behind it.
    for (Walk* w = walks; w; w = w->nextWalk)
        if (index < w->position) --w->position;
    std::unique_ptr<Talarm> removed = std::move(items[index]);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
}

void Talarms::NotifyRefresh() const {
    if (RefreshIfVisible) RefreshIfVisible();
}

// ---- Talarms::Walk ---------------------------------------------------------

Talarms::Walk::Walk(Talarms& owner) : list(owner), nextWalk(owner.walks) { owner.walks = this; }

Talarms::Walk::~Walk() {
    for (Walk** link = &list.walks; *link; link = &(*link)->nextWalk) {
        if (*link == this) {
            *link = nextWalk;
            break;
        }
    }
}

Talarm* Talarms::Walk::Next() {
    if (position >= list.items.size()) return nullptr;
    return list.items[position++].get();
}

}  // namespace quorvel

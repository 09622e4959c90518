#include "alarms/wake_schedule.h"

#include "alarms/upcoming.h"
#include "core/clock.h"

namespace quorvel {

WakeSchedule::WakeSchedule(AlarmBook& book, WakeDevice& device)
    : book_(book), device_(device), listener_(book.onChanged.Add([this] { Update(); })) {}

WakeSchedule::~WakeSchedule() { book_.onChanged.Remove(listener_); }

void WakeSchedule::Update() {
    const std::optional<DateTime> moment = EarliestWake(book_.Alarms(), Now());
    if (set_ && moment == moment_) return;
    set_ = true;
    moment_ = moment;
    device_.SetWake(moment);
}

}  // namespace quorvel

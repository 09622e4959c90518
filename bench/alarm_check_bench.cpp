// The alarm check walks the whole list on every clock tick: measure a walk over
// 100,000 waiting alarms, none due, and count its heap allocations (none).
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "alarms/alarm.h"
#include "allocation_count.h"
#include "core/clock.h"

namespace {

using quorvel::AlarmList;
using quorvel::ReminderLink;

// Fails the run if any alarm fires: none is due.
struct NoReminders final : quorvel::ReminderFactory {
    ReminderLink& CreateReminder() override { throw std::logic_error("an alarm fired"); }
};

void BM_CheckAlarmsNoneDue(benchmark::State& state) {
    AlarmList list;
    const quorvel::DateTime now = quorvel::SystemNow();
    for (int i = 0; i < state.range(0); ++i) {
        auto& alarm = list.AddAlarm(now);
        alarm.dateTime = now + 1 + i / 1440.0;  // tomorrow onwards, a minute apart
        alarm.enabled = i % 10 != 0;            // some disabled, as real lists have
    }
    list.armed = true;
    NoReminders reminders;
    const long long before = quorvel_bench::AllocationCount();
    for (auto _ : state) list.CheckAlarms(reminders);
    state.counters["allocs_per_walk"] = benchmark::Counter(
        static_cast<double>(quorvel_bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_CheckAlarmsNoneDue)->Arg(100'000)->Unit(benchmark::kMicrosecond);

}  // namespace

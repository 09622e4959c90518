// The alarm check walks the whole list on every clock tick: measure the book's
// check over 100,000 waiting alarms, none due, and count its heap allocations
// (none).
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "alarms/alarm_book.h"
#include "allocation_count.h"
#include "core/clock.h"

namespace {

using namespace quorvel;

// Fails the run if any alarm fires: none is due.
struct NoReminders final : ReminderFactory {
    ReminderLink& CreateReminder() override { throw std::logic_error("an alarm fired"); }
    ReminderLink* OpenReminderOf(AlarmId) override { return nullptr; }
};

struct NothingStored final : AlarmStorage {
    Stored Read() override { return {}; }
    bool Write(std::span<const std::uint8_t>, std::span<const std::uint8_t>) override { return true; }
    void KeepDamagedCopy(Part) override {}
};

void BM_CheckAlarmsNoneDue(benchmark::State& state) {
    NothingStored storage;
    NoReminders reminders;
    AlarmBook book(storage);
    book.Load();
    book.StartChecking();
    book.SetReminders(&reminders);
    bool fired = false;
    book.onReminderFailed = [&](const std::string&) { fired = true; };
    const DateTime now = SystemNow();
    for (int i = 0; i < state.range(0); ++i) {
        AlarmFields alarm = NewAlarmFields(now);
        alarm.dateTime = now + 1 + i / 1440.0;  // tomorrow onwards, a minute apart
        alarm.enabled = i % 10 != 0;            // some disabled, as real lists have
        book.Add(alarm);
    }
    const long long before = quorvel_bench::AllocationCount();
    for (auto _ : state) book.CheckAlarms();
    state.counters["allocs_per_walk"] = benchmark::Counter(
        static_cast<double>(quorvel_bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
    if (fired) state.SkipWithError("an alarm fired");
}
BENCHMARK(BM_CheckAlarmsNoneDue)->Arg(100'000)->Unit(benchmark::kMicrosecond);

}  // namespace

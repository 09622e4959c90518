// Encoding and decoding a list of 10,000 alarms (target: each under 5 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "alarms/alarm_codec.h"

namespace {

constexpr int kAlarms = 10'000;

void Fill(quorvel::AlarmList& list) {
    for (int i = 0; i < kAlarms; ++i) {
        quorvel::Alarm& a = list.AddAlarm();
        a.name = "Alarm " + std::to_string(i);
        a.sound = i % 2 ? "C:\\Windows\\Media\\chimes.wav" : "";
        a.reminder = i % 3 ? "Take the tea out of the pot\r\nand drink it" : "Caf\xC3\xA9 au lait";
        a.dateTime = 45352.354166666664 + i / 1440.0;
        a.repeat = static_cast<quorvel::RepeatKind>(i % 10);
        a.enabled = i % 7 != 0;
    }
}

void BM_EncodeAlarms(benchmark::State& state) {
    quorvel::AlarmList list;
    Fill(list);
    for (auto _ : state) benchmark::DoNotOptimize(quorvel::EncodeAlarms(list));
    state.SetItemsProcessed(state.iterations() * kAlarms);
}
BENCHMARK(BM_EncodeAlarms)->Unit(benchmark::kMillisecond);

// Decoding includes creating every alarm (with its new-alarm defaults, which
// read the real clock) and freeing the list.
void BM_DecodeAlarms(benchmark::State& state) {
    quorvel::AlarmList source;
    Fill(source);
    const std::vector<std::uint8_t> bytes = quorvel::EncodeAlarms(source);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    for (auto _ : state) {
        quorvel::AlarmList list;
        quorvel::DecodeAlarms(bytes, list);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * kAlarms);
}
BENCHMARK(BM_DecodeAlarms)->Unit(benchmark::kMillisecond);

}  // namespace

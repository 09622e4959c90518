// The clock formats its text every 250 ms: measure that call and prove it
// allocates nothing once the caller's buffer has grown.
#include <benchmark/benchmark.h>

#include <string>

#include "allocation_count.h"
#include "core/format/time_format.h"

namespace {

using quorvel::EnUsFormatSettings;
using quorvel::FormatDateTime;

void FormatInto(benchmark::State& state, const char* format) {
    const auto& settings = EnUsFormatSettings();
    std::string out;
    FormatDateTime(out, format, 46363.37855613426, settings);  // grows the buffer once
    double value = 46363.37855613426;
    const long long before = quorvel_bench::AllocationCount();
    for (auto _ : state) {
        FormatDateTime(out, format, value, settings);
        benchmark::DoNotOptimize(out.data());
        value += 1.0 / 86'400'000.0;  // a new millisecond every call
    }
    state.counters["allocs_per_op"] = benchmark::Counter(
        static_cast<double>(quorvel_bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
}

void BM_FormatClockText(benchmark::State& state) { FormatInto(state, "hh:mm:ss"); }
void BM_FormatEmptyFormat(benchmark::State& state) { FormatInto(state, ""); }

// For contrast, and as a check that the counter sees allocations: a new string per
// call must allocate for a text past the small-string buffer.
void BM_FormatIntoNewString(benchmark::State& state) {
    const auto& settings = EnUsFormatSettings();
    const long long before = quorvel_bench::AllocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(FormatDateTime("", 46363.37855613426, settings));
    state.counters["allocs_per_op"] = benchmark::Counter(
        static_cast<double>(quorvel_bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
}

}  // namespace

BENCHMARK(BM_FormatClockText);
BENCHMARK(BM_FormatEmptyFormat);
BENCHMARK(BM_FormatIntoNewString);

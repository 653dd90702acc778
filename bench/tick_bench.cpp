// Micro-benchmarks on the fake backend: one whole tick (the alarm step and
// the clock text), the alarm load alone, and one paint, at several sizes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "alarms/alarms.h"
#include "platform/datetime.h"
#include "display/clock_text.h"
#include "display/paint.h"
#include "platform/fake/fake.h"
#include "platform/fake/window_fake.h"
#include "state/clock_state.h"

using namespace tiklet;

namespace {

const char* const kAlarms = "SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";

// A mix of dated entries (most in the future), daily entries and one Hourly.
void FillAlarms(int count) {
    fake::ResetAll();
    ClockState = TClockState{};
    reportedEntries.clear();
    fake::SetNow(2026, 6, 15, 12, 0, 0, 250);
    for (int i = 0; i < count; ++i) {
        char name[32];
        if (i == 0) {
            fake::SetString(kAlarms, "Hourly", "chime");
            continue;
        }
        std::string entry;
        if (i % 10 == 0) {
            std::snprintf(name, sizeof name, "Daily %02d:%02d:%02d", (i / 3600) % 24, (i / 60) % 60, i % 60);
            entry = name;
        } else {
            // Spread over the next years, every name distinct.
            entry = DateTimeToStr(FromMilliseconds(ToMilliseconds(Now()) + i * (7LL * 3600 + 13) * 1000));
        }
        fake::SetString(kAlarms, entry, "Alarm text number " + std::to_string(i));
    }
    ClockState.format = 3;
    LoadAlarms();
}

void PerEntry(benchmark::State& state) {
    const double entries = static_cast<double>(state.range(0));
    state.SetComplexityN(std::max<std::int64_t>(1, state.range(0)));
    if (entries > 0)
        state.counters["per_entry"] =
            benchmark::Counter(entries, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Tick(benchmark::State& state) {
    FillAlarms(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fake::Advance(1000);
        CheckAlarms(fake::FakeWindow());
        ComposeClockText();
        benchmark::DoNotOptimize(ClockState.clockText.data());
    }
    PerEntry(state);
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

void BM_LoadAlarms(benchmark::State& state) {
    FillAlarms(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LoadAlarms();
        benchmark::DoNotOptimize(ClockState.nextAlarmName.data());
    }
    PerEntry(state);
}
BENCHMARK(BM_LoadAlarms)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

// The default face (253 x 32) and a large one (format 3 at font height 200).
void BM_Paint(benchmark::State& state) {
    fake::ResetAll();
    ClockState = TClockState{};
    const int fontHeight = static_cast<int>(state.range(0));
    ClockState.fontHeight = static_cast<std::uint16_t>(fontHeight);
    ClockState.width = static_cast<std::uint16_t>(2 * fontHeight * 19 / 3);
    ClockState.height = static_cast<std::uint16_t>(8 * fontHeight / 5);
    ClockState.startColor = 0xB48246;
    ClockState.endColor = 0x3C190A;
    ClockState.clockText = "15.06.2026 12:00:00";
    ClockState.fontName = "Tahoma";
    fake::SetCanvas(ClockState.width, ClockState.height);
    for (auto _ : state) {
        PaintClock(fake::FakeWindow(), ComputeGradientSteps());
        fake::GdiCalls().clear();
    }
    state.counters["rows"] = ClockState.height;
}
BENCHMARK(BM_Paint)->Arg(20)->Arg(200);

}  // namespace

BENCHMARK_MAIN();

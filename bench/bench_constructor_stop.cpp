// How soon a running build hears the stop button. The window lets input through from the
// engine's progress call, so the longest time between two calls bounds how long a stop can wait
// (goal: under 0.1 s), and the time from raising the stop to the end of the build is what is
// left. Both are measured on builds that never end by themselves: 80 numbers, game 12.
//
//   build/bin/bench_constructor_stop
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Runs the build for `runFor`, raises the stop from the progress call, and reports the longest
// gap between calls and how long the build took to end after the stop.
void runUntilStopped(benchmark::State &state, int guaranteeIndex, const taru::ConditionEntries &entries,
                     std::chrono::milliseconds runFor)
{
    taru::ConstructionSetup setup;
    for (int i = 1; i <= 80; ++i)
        setup.pool.push_back(static_cast<std::uint8_t>(i));
    setup.game = 12;
    setup.columnSize = 12;
    setup.threshold = taru::GuaranteeThreshold(12, guaranteeIndex);
    const taru::ColumnConditions conditions = taru::ColumnConditions::fromEntries(entries);

    double maxGap = 0;
    double afterStop = 0;
    double accepted = 0;
    for (auto _ : state) {
        bool stop = false;
        const Clock::time_point start = Clock::now();
        Clock::time_point last = start;
        Clock::time_point stoppedAt{};
        const taru::ConstructionResult result =
            taru::ConstructSystem(setup, conditions, stop, [&](const taru::ConstructionProgress &progress) {
                const Clock::time_point now = Clock::now();
                maxGap = std::max(maxGap, ms(now - last));
                last = now;
                accepted = static_cast<double>(progress.accepted);
                if (!stop && now - start >= runFor) {
                    stop = true;
                    stoppedAt = now;
                }
            });
        afterStop = std::max(afterStop, ms(Clock::now() - stoppedAt));
        benchmark::DoNotOptimize(result.stopped);
    }
    state.counters["max_gap_ms"] = maxGap;
    state.counters["end_after_stop_ms"] = afterStop;
    state.counters["accepted"] = accepted;
}

// "100%  12 ή 11αρι(α)": columns keep being accepted; the covered-subset hash set grows to its
// largest size and then fills, so the longest pauses of the engine are all passed through.
void BM_Stop_80_Game12_12or11(benchmark::State &state)
{
    runUntilStopped(state, 1, taru::ConditionEntries(), std::chrono::milliseconds(15000));
}

// Twelve odd numbers and an odd sum: no column can pass, yet each condition alone can, so no
// branch is ruled out early; every candidate is rejected and only the timed progress call lets
// input through.
void BM_Stop_80_Game12_AllRejected(benchmark::State &state)
{
    taru::ConditionEntries entries;
    entries.row(taru::kOddRow).from = QStringLiteral("12");
    entries.row(taru::kSumRow).from = QStringLiteral("481");
    entries.row(taru::kSumRow).to = QStringLiteral("481");
    runUntilStopped(state, 0, entries, std::chrono::milliseconds(2000));
}

} // namespace

BENCHMARK(BM_Stop_80_Game12_12or11)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Stop_80_Game12_AllRejected)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();

// The exhaustive check of a system's guarantee runs after every build, so it must stay well under
// the build itself: the greedy system of 30 numbers game 6 "6 ή 5" under 0.1 s, 30 numbers game 8
// "8 ή 7 ή 6" under 0.5 s. The system is built once, outside the timing.
//
//   build/bin/bench_guarantee_check
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"

#include <benchmark/benchmark.h>

namespace {

void runCheck(benchmark::State &state, int numbers, int game, int threshold, const taru::ColumnConditions &conditions)
{
    taru::ConstructionSetup build;
    for (int i = 1; i <= numbers; ++i)
        build.pool.push_back(static_cast<std::uint8_t>(i));
    build.game = game;
    build.columnSize = game;
    build.threshold = threshold;
    bool stop = false;
    const taru::SystemColumns columns = taru::ConstructSystem(build, conditions, stop).columns;
    taru::GuaranteeCheckResult result;
    for (auto _ : state) {
        result = taru::CheckGuarantee(columns, {build.pool, game, threshold}, conditions);
        benchmark::DoNotOptimize(result.covered);
    }
    if (!result.holds())
        state.SkipWithError("the greedy system does not keep its guarantee");
    state.counters["columns"] = static_cast<double>(columns.size());
    state.counters["subsets"] = static_cast<double>(result.total);
}

// 30 numbers, game 6, T = 5: 18,655 columns, 593,775 subsets.
void BM_Check_30_Game6_6or5(benchmark::State &state) { runCheck(state, 30, 6, 5, {}); }
// 30 numbers, game 8, T = 6: 7,425 columns, 5,852,925 subsets.
void BM_Check_30_Game8_8or7or6(benchmark::State &state) { runCheck(state, 30, 8, 6, {}); }
// 40 numbers, game 8, T = 6 under conditions: the subsets that pass must be walked one by one.
void BM_Check_40_Game8_8or7or6_Conditions(benchmark::State &state)
{
    taru::ConditionEntries entries;
    entries.row(taru::kSumRow) = {"120", "200"};
    entries.row(taru::kOddRow) = {"3", "5"};
    entries.row(taru::kDecadesRow) = {"3", "4"};
    entries.sets[0] = {"1,7,13,19,25,31,37", "1", "3"};
    runCheck(state, 40, 8, 6, taru::ColumnConditions::fromEntries(entries));
}

} // namespace

BENCHMARK(BM_Check_30_Game6_6or5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check_30_Game8_8or7or6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check_40_Game8_8or7or6_Conditions)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

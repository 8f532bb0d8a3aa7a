// The system constructor is the one long computation of the program: a build must take well under
// a second for the usual pools, and stay far ahead of comparing every candidate with every
// accepted column.
//
//   build/bin/bench_constructor                      (all cases; the straightforward one runs once, ~minutes)
//   build/bin/bench_constructor --benchmark_filter=Fast
#include "../tests/core/ConstructorReference.h"

#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <benchmark/benchmark.h>

namespace {

taru::ConstructionSetup setupOf(int numbers, int game, int guaranteeIndex)
{
    taru::ConstructionSetup setup;
    for (int i = 1; i <= numbers; ++i)
        setup.pool.push_back(static_cast<std::uint8_t>(i));
    setup.game = game;
    setup.columnSize = game;
    setup.threshold = taru::GuaranteeThreshold(game, guaranteeIndex);
    return setup;
}

void runFast(benchmark::State &state, int numbers, int game, int guaranteeIndex,
             const taru::ColumnConditions &conditions = taru::ColumnConditions())
{
    const taru::ConstructionSetup setup = setupOf(numbers, game, guaranteeIndex);
    std::size_t columns = 0;
    std::int64_t processed = 0;
    for (auto _ : state) {
        bool stop = false;
        const taru::ConstructionResult result = taru::ConstructSystem(setup, conditions, stop);
        columns = result.columns.size();
        processed = result.processed;
        benchmark::DoNotOptimize(columns);
    }
    state.counters["columns"] = static_cast<double>(columns);
    state.counters["candidates"] = static_cast<double>(processed);
}

// 30 numbers, game 6, "100%  6 ή 5αρι(α)": 593,775 candidates, 18,655 columns.
void BM_Fast_30_Game6_6or5(benchmark::State &state) { runFast(state, 30, 6, 1); }
// 30 numbers, game 8, "100%  8 ή 7 ή 6αρι(α)": 5,852,925 candidates.
void BM_Fast_30_Game8_8or7or6(benchmark::State &state) { runFast(state, 30, 8, 2); }
// 40 numbers, game 6, "100%  6 ή 5 ή 4 ή 3αρι(α)": 3,838,380 candidates.
void BM_Fast_40_Game6_6to3(benchmark::State &state) { runFast(state, 40, 6, 3); }

// 40 numbers, game 8, "100%  8 ή 7 ή 6αρι(α)" under conditions a player would set: 76,904,685
// candidates, most of them ruled out by the conditions whole branches at a time.
void BM_Fast_40_Game8_8or7or6_Conditions(benchmark::State &state)
{
    taru::ConditionEntries entries;
    entries.row(taru::kSumRow) = {"120", "200"};
    entries.row(taru::kOddRow) = {"3", "5"};
    entries.row(taru::kDecadesRow) = {"3", "4"};
    entries.sets[0] = {"1,7,13,19,25,31,37", "1", "3"};
    runFast(state, 40, 8, 2, taru::ColumnConditions::fromEntries(entries));
}

// The same first case compared number by number with every accepted column.
void BM_Straightforward_30_Game6_6or5(benchmark::State &state)
{
    const taru::ConstructionSetup setup = setupOf(30, 6, 1);
    std::size_t columns = 0;
    for (auto _ : state) {
        bool stop = false;
        const taru::reference::Result result = taru::reference::construct(setup, taru::ColumnConditions(), stop);
        columns = result.columns.size();
        benchmark::DoNotOptimize(columns);
    }
    state.counters["columns"] = static_cast<double>(columns);
}

} // namespace

BENCHMARK(BM_Fast_30_Game6_6or5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fast_30_Game8_8or7or6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fast_40_Game6_6to3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fast_40_Game8_8or7or6_Conditions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Straightforward_30_Game6_6or5)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();

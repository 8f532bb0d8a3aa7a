// The optimiser against the greedy build and the smallest systems known for the same promise (no
// conditions, pool 1..n). Each case runs once with the default budget (10 s, both cores); the
// table shows greedy and optimised sizes, the known size and the ratio to it, and the seconds.
//
//   build/bin/bench_optimiser                           (the five reference cases, about a minute)
//   build/bin/bench_optimiser --benchmark_filter=Sweep  (pools 10..30 by 5, games 5..8, every
//                                                        guarantee below the game; 1 s each)
// TARU_OPTIMISER_SECONDS overrides the budget of every case.
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Optimiser.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void runCase(benchmark::State &state, int numbers, int game, int threshold, int known, double seconds)
{
    taru::ConstructionSetup build;
    for (int i = 1; i <= numbers; ++i)
        build.pool.push_back(static_cast<std::uint8_t>(i));
    build.game = game;
    build.columnSize = game;
    build.threshold = threshold;
    bool stop = false;
    const taru::SystemColumns greedy = taru::ConstructSystem(build, {}, stop).columns;
    taru::OptimiserOptions options;
    if (const char *text = std::getenv("TARU_OPTIMISER_SECONDS"))
        seconds = std::atof(text);
    options.budget = std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    taru::OptimiserResult result;
    for (auto _ : state)
        result = taru::OptimiseSystem(greedy, {build.pool, game, threshold}, {}, options);
    if (!result.check.holds())
        state.SkipWithError("the optimised system does not keep the guarantee");
    if (result.columns.size() > greedy.size())
        state.SkipWithError("larger than greedy");
    state.counters["greedy"] = static_cast<double>(greedy.size());
    state.counters["optimised"] = static_cast<double>(result.columns.size());
    if (known > 0) {
        state.counters["known"] = known;
        state.counters["ratio"] = static_cast<double>(result.columns.size()) / known;
    } else {
        state.counters["of_greedy"] = static_cast<double>(result.columns.size()) / static_cast<double>(greedy.size());
    }
    state.counters["seconds"] = result.seconds;
}

void add(const std::string &name, int numbers, int game, int threshold, int known, double seconds)
{
    benchmark::RegisterBenchmark(name.c_str(), runCase, numbers, game, threshold, known, seconds)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char **argv)
{
    // numbers, game, threshold, the smallest size known.
    add("Known/25_6_3", 25, 6, 3, 28, 10);
    add("Known/20_6_4", 20, 6, 4, 86, 10);
    add("Known/15_5_3", 15, 5, 3, 13, 10);
    add("Known/30_6_5", 30, 6, 5, 13837, 10);
    add("Known/12_6_4", 12, 6, 4, 6, 10);
    for (int numbers = 10; numbers <= 30; numbers += 5) {
        for (int game = 5; game <= 8; ++game) {
            for (int threshold = 1; threshold < game; ++threshold)
                add("Sweep/" + std::to_string(numbers) + "_" + std::to_string(game) + "_" + std::to_string(threshold),
                    numbers, game, threshold, 0, 1);
        }
    }
    const bool all = argc == 1;
    std::string filter = "--benchmark_filter=Known";
    std::vector<char *> arguments(argv, argv + argc);
    if (all)
        arguments.push_back(filter.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

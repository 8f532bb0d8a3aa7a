// The backtest checks every coupon of a file against every past draw: 10,000 columns against
// 10,000 draws (10^8 pairs) must take under a second. The window runs it with a stop flag and
// progress (RunBacktest); BM_BacktestStoppable shows what those cost.
//
//   build/bin/bench_backtest
#include "data/CouponFile.h"
#include "draws/Backtest.h"
#include "draws/DrawsFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// range(2): 0 the plain run, 1 the window's run with a stop flag and progress.
void backtest(benchmark::State &state)
{
    const int columns = static_cast<int>(state.range(0));
    const int draws = static_cast<int>(state.range(1));
    const int game = 6;
    std::mt19937 rng(14);
    std::vector<int> numbers(80);
    std::iota(numbers.begin(), numbers.end(), 1);

    taru::data::CouponFileData coupons;
    coupons.count = columns;
    coupons.game = game;
    coupons.valid = true;
    for (int c = 0; c < columns; ++c) {
        std::shuffle(numbers.begin(), numbers.end(), rng);
        coupons.lines.push_back({std::vector<std::uint8_t>(numbers.begin(), numbers.begin() + game)});
    }
    taru::draws::DrawList rows;
    for (int d = 0; d < draws; ++d) {
        std::shuffle(numbers.begin(), numbers.end(), rng);
        taru::draws::DrawEntry entry;
        for (int i = 0; i < taru::draws::kDrawNumbers; ++i)
            entry.numbers[i] = QString::number(numbers[i]);
        rows.append(entry);
    }
    const bool slices = state.range(2) != 0;
    const std::atomic<bool> stop{false};
    for (auto _ : state) {
        const taru::draws::BacktestResult result =
            slices ? *taru::draws::RunBacktest(coupons, rows, &stop, [](std::int64_t, std::int64_t) {})
                   : taru::draws::Backtest(coupons, rows);
        benchmark::DoNotOptimize(result.bestDraw);
    }
    state.counters["pairs"] = static_cast<double>(columns) * draws;
}

} // namespace

void BM_Backtest(benchmark::State &state) { backtest(state); }
void BM_BacktestStoppable(benchmark::State &state) { backtest(state); }

BENCHMARK(BM_Backtest)->Args({10'000, 10'000, 0})->Args({100, 10'000, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestStoppable)->Args({10'000, 10'000, 1})->Args({100, 10'000, 1})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

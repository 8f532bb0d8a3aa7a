// The backtest checks every coupon of a file against every past draw: 10,000 columns against
// 10,000 draws (10^8 pairs) must take under a second.
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

void BM_Backtest(benchmark::State &state)
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
    for (auto _ : state) {
        const taru::draws::BacktestResult result = taru::draws::Backtest(coupons, rows);
        benchmark::DoNotOptimize(result.bestDraw);
    }
    state.counters["pairs"] = static_cast<double>(columns) * draws;
}

} // namespace

BENCHMARK(BM_Backtest)->Args({10'000, 10'000})->Args({100, 10'000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

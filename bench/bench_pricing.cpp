// Pricing sits on every click of the game screen; it must stay far below a frame.
#include "game/Pricing.h"

#include <benchmark/benchmark.h>

static void BM_Combinations80choose12(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(taru::Combinations(80, 12));
}
BENCHMARK(BM_Combinations80choose12);

static void BM_CouponCost(benchmark::State &state)
{
    taru::MultiplierBoxes boxes{};
    boxes[0] = boxes[6] = true;
    taru::DrawBoxes draws{};
    draws[0][3] = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(taru::CouponCost(1, taru::CouponDraws(draws), taru::CouponMultiplier(boxes), 0.5));
}
BENCHMARK(BM_CouponCost);

BENCHMARK_MAIN();

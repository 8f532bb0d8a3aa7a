// The generator must make a million coupons of 12 numbers in well under a second, and the
// preview must make any coupon's line at once and save the whole set as a stream.
#include "game/CouponBoxes.h"
#include "systems/Generator.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

std::vector<std::uint8_t> fullMould()
{
    taru::BoardMarks mould{};
    mould.fill(true);
    return taru::AllowedNumbers(mould);
}

const taru::SlipMarks kOptions{QStringLiteral("1"), QStringLiteral("1,3"), false, QString(), 2, 0};

} // namespace

static void BM_GenerateMillionCouponsOfTwelve(benchmark::State &state)
{
    const std::vector<std::uint8_t> allowed = fullMould();
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const taru::GeneratedCoupons coupons = taru::GenerateCoupons(1'000'000, 12, allowed, kOptions, seed++);
        benchmark::DoNotOptimize(coupons.numbers(999'999).data());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_GenerateMillionCouponsOfTwelve)->Unit(benchmark::kMillisecond);

// Twelve allowed numbers for game 12: every coupon draws until it has all of them.
static void BM_GenerateMillionCouponsTightMould(benchmark::State &state)
{
    taru::BoardMarks mould{};
    for (int n = 30; n < 42; ++n)
        mould[static_cast<std::size_t>(n - 1)] = true;
    const std::vector<std::uint8_t> allowed = taru::AllowedNumbers(mould);
    for (auto _ : state) {
        const taru::GeneratedCoupons coupons = taru::GenerateCoupons(1'000'000, 12, allowed, kOptions, 7);
        benchmark::DoNotOptimize(coupons.numbers(0).data());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_GenerateMillionCouponsTightMould)->Unit(benchmark::kMillisecond);

static void BM_CouponLineOfAMillionSet(benchmark::State &state)
{
    const taru::GeneratedCoupons coupons = taru::GenerateCoupons(1'000'000, 12, fullMould(), kOptions, 3);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coupons.marks(i).numbers.size());
        i = (i + 7919) % coupons.size();
    }
}
BENCHMARK(BM_CouponLineOfAMillionSet);

static void BM_WriteMillionCouponFile(benchmark::State &state)
{
    const taru::GeneratedCoupons coupons = taru::GenerateCoupons(1'000'000, 12, fullMould(), kOptions, 3);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        coupons.writeCouponFile(buffer);
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_WriteMillionCouponFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

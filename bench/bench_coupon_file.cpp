// Reading a large coupon file: 1,000,000 coupon lines of 12 numbers (about 35 MB) read a line at
// a time, and a file of one 200 MB line refused. The memory is what the coupons themselves take,
// never the whole file decoded at once.
//
//   build/bin/bench_coupon_file
#include "data/CouponFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void AHugeLineIsRefused(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("line.tru"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the file");
        file.write("1\r\n12\r\n\r\n0\r\n0\r\n");
        const QByteArray chunk(1 << 20, '7');
        for (int i = 0; i < 200; ++i)
            file.write(chunk);
    }
    for (auto _ : state) {
        const taru::data::CouponFileData file = taru::data::ReadCouponFile(path);
        if (file.valid)
            state.SkipWithError("a 200 MB line was accepted");
    }
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
}
BENCHMARK(AHugeLineIsRefused)->Unit(benchmark::kMillisecond);

void AMillionCouponLines(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.tru"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the file");
        file.write("1000000\r\n12\r\n1,3\r\n2\r\n0\r\n");
        for (int i = 0; i < 1000000; ++i)
            file.write(QByteArray::number(i % 69 + 1) + ",2,13,24,35,46,57,68,71,72,79,80\r\n");
    }
    for (auto _ : state) {
        const taru::data::CouponFileData file = taru::data::ReadCouponFile(path);
        if (!file.valid || file.lines.size() != 1000000)
            state.SkipWithError("the file was not read whole");
        benchmark::DoNotOptimize(file);
    }
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
}
BENCHMARK(AMillionCouponLines)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();

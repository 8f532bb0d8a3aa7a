// Memory of a huge full system: every column of 7 out of 42 numbers (26,978,328 columns, more
// than the 25.6 million the goal names) built without a guarantee test, then written as a
// library system file and as a coupon file, as `taru-cli construct ... --library-dir --coupons`
// does. Goal: the whole process stays under 400 MB (about K bytes per column, not 64).
//
//   build/bin/bench_full_system
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "systems/Constructor.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void FullSystemOf7From42BuiltAndWritten(benchmark::State &state)
{
    taru::ConstructionSetup setup;
    for (int n = 1; n <= 42; ++n)
        setup.pool.push_back(static_cast<std::uint8_t>(n));
    setup.game = 7;
    setup.columnSize = 7;
    setup.threshold = taru::GuaranteeThreshold(7, 0);
    QTemporaryDir dir;
    std::size_t columns = 0;
    for (auto _ : state) {
        bool stop = false;
        taru::ConstructionResult result = taru::ConstructSystem(setup, taru::ColumnConditions(), stop);
        columns = result.columns.size();
        taru::data::WriteSystemFile(dir.filePath(QStringLiteral("full.tbi")), result.columns);
        taru::data::WriteCouponFile(dir.filePath(QStringLiteral("full.tru")), static_cast<std::int64_t>(columns), 7,
                                    QString(), 0, 0, result.columns);
        benchmark::DoNotOptimize(result);
    }
    const double peak = peakResidentMegabytes();
    state.counters["columns"] = static_cast<double>(columns);
    state.counters["peak_rss_MB"] = peak;
    state.counters["bytes_per_column"] = peak * 1024 * 1024 / static_cast<double>(columns);
}
BENCHMARK(FullSystemOf7From42BuiltAndWritten)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();

// A draw every few minutes makes draws files of hundreds of thousands of lines: reading one
// with its figures, and its statistics, must stay quick; a million lines must stay small.
#include "draws/DrawStatistics.h"
#include "draws/DrawsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

using namespace taru::draws;

// A draws file of the given number of lines as the program writes it (numbers ascending),
// made once per size and kept for the run.
QString drawsFile(int lines)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (const auto it = made.find(lines); it != made.end())
        return it->second;
    const QString path = dir.filePath(QStringLiteral("draws_%1.nik").arg(lines));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    std::uint32_t seed = 12345;
    QByteArray chunk;
    for (int i = 1; i <= lines; ++i) {
        std::array<bool, 81> taken{};
        std::array<int, kDrawNumbers> numbers{};
        for (int k = 0; k < kDrawNumbers;) {
            seed = seed * 1664525u + 1013904223u;
            const int n = static_cast<int>(seed >> 8) % 80 + 1;
            if (!taken[static_cast<std::size_t>(n)]) {
                taken[static_cast<std::size_t>(n)] = true;
                numbers[static_cast<std::size_t>(k++)] = n;
            }
        }
        std::sort(numbers.begin(), numbers.end());
        chunk += QByteArray::number(i) + ',' + QByteArray::number(1000000 + i) + ",05/01/2026";
        for (int n : numbers)
            chunk += ',' + QByteArray::number(n);
        chunk += "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    file.close();
    made[lines] = path;
    return path;
}

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Reading the list as the draws window does, with every row's figures, as the grid shows them.
void BM_ReadDrawsWithFigures(benchmark::State &state)
{
    const QString path = drawsFile(static_cast<int>(state.range(0)));
    double grown = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        const DrawsFileData data = ReadDrawsFile(path);
        std::int64_t total = 0;
        for (std::size_t row = 0; row < data.draws.size(); ++row)
            total += data.draws.figures(row)->sum;
        grown = residentMegabytes() - before;
        if (!data.valid || data.draws.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the draws file did not read");
        benchmark::DoNotOptimize(total);
    }
    state.counters["MB_held"] = grown;
}
BENCHMARK(BM_ReadDrawsWithFigures)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The statistics window: one pass over the file.
void BM_StatisticsFromFile(benchmark::State &state)
{
    const QString path = drawsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const StatisticsFileData data = ReadDrawStatistics(path);
        benchmark::DoNotOptimize(data.stats.delayedText());
    }
}
BENCHMARK(BM_StatisticsFromFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// The statistics of a list already held.
void BM_StatisticsOfList(benchmark::State &state)
{
    const DrawsFileData data = ReadDrawsFile(drawsFile(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStatistics(data.draws).streakText());
}
BENCHMARK(BM_StatisticsOfList)->Arg(100000)->Unit(benchmark::kMillisecond);

// Saving after one more draw: the whole file rewritten.
void BM_WriteDraws(benchmark::State &state)
{
    const DrawsFileData data = ReadDrawsFile(drawsFile(static_cast<int>(state.range(0))));
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Nikitries.nik"));
    for (auto _ : state) {
        if (!WriteDrawsFile(out, data.draws).isEmpty())
            state.SkipWithError("the draws file was not written");
    }
}
BENCHMARK(BM_WriteDraws)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

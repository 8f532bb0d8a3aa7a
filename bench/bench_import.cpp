// Importing the largest file the grid takes (100,000 coupons of game 12) must stay well under the
// time a user waits for a file dialog to close; the reader holds one line at a time.
#include "import/CouponImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString writeSample(const QTemporaryDir &dir, const char *name, const QByteArray &header, char separator)
{
    QByteArray bytes = header;
    for (int r = 0; r < taru::imports::kMaxRows; ++r) {
        for (int c = 0; c < taru::imports::kMaxGame; ++c) {
            if (c > 0)
                bytes += separator;
            bytes += QByteArray::number((r * 7 + c * 13) % 80 + 1);
        }
        bytes += "\r\n";
    }
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

// Reads the largest file of one kind, a coupon file when a header is given, else comma text.
static void ReadLargest(benchmark::State &state, const char *name, const QByteArray &header, char separator)
{
    QTemporaryDir dir;
    const QString path = writeSample(dir, name, header, separator);
    for (auto _ : state) {
        const taru::imports::ImportResult result = taru::imports::ReadImportFile(path, 6);
        if (result.grid.rows.size() != std::size_t{taru::imports::kMaxRows})
            state.SkipWithError("not every row was read");
        benchmark::DoNotOptimize(result.grid.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * taru::imports::kMaxRows);
}

static void BM_ImportCsvLargest(benchmark::State &state)
{
    ReadLargest(state, "largest.csv", QByteArray(), ';');
}
BENCHMARK(BM_ImportCsvLargest)->Unit(benchmark::kMillisecond);

static void BM_ImportCouponFileLargest(benchmark::State &state)
{
    ReadLargest(state, "largest.tru", "100000\r\n12\r\n\r\n0\r\n0\r\n", ',');
}
BENCHMARK(BM_ImportCouponFileLargest)->Unit(benchmark::kMillisecond);

static void BM_ImportGridBytesLargest(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeSample(dir, "largest.csv", QByteArray(), ';');
    const taru::imports::ImportGrid grid = taru::imports::ReadImportFile(path, 6).grid;
    for (auto _ : state)
        benchmark::DoNotOptimize(taru::imports::ImportGridBytes(grid));
    state.SetItemsProcessed(state.iterations() * taru::imports::kMaxRows);
}
BENCHMARK(BM_ImportGridBytesLargest)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

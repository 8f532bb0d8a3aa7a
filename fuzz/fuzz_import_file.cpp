// Coupon import: any file, read as text/CSV or as a coupon file, never crashes, leaves a grid of
// whole rows (or none when cleared), and what the save writes imports back to the same coupons.
#include "import/CouponImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace taru::imports;

namespace {

// Each row's values in order, empty cells left out (the save writes no item for them).
std::vector<QStringList> compact(const ImportGrid &grid)
{
    std::vector<QStringList> rows;
    for (const QStringList &row : grid.rows) {
        QStringList values;
        for (const QString &cell : row) {
            if (!cell.isEmpty())
                values.append(cell);
        }
        rows.push_back(values);
    }
    return rows;
}

void check(const ImportResult &result)
{
    if (!result.opened || result.grid.game < kMinGame || result.grid.game > kMaxGame)
        std::abort();
    if (result.grid.rows.size() > std::size_t{kMaxRows})
        std::abort();
    if (result.cleared != (!result.refusals.empty() && result.refusals.back().clears) ||
        (result.cleared && !result.grid.rows.empty()))
        std::abort();
    for (const QStringList &row : result.grid.rows) {
        if (row.size() != result.grid.game)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const bool couponFile = size > 0 && (data[0] & 1);
    const QString path = dir.filePath(couponFile ? QStringLiteral("in.tru") : QStringLiteral("in.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    const ImportResult result = ReadImportFile(path, kDefaultGame);
    check(result);
    if (result.cleared)
        return 0;

    const QString saved = dir.filePath(QStringLiteral("saved.tru"));
    WriteImportGrid(saved, result.grid);
    const ImportResult again = ReadImportFile(saved, kDefaultGame);
    check(again);
    if (again.cleared || again.grid.game != result.grid.game || compact(again.grid) != compact(result.grid))
        std::abort();
    return 0;
}

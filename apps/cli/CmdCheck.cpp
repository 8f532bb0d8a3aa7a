#include "Commands.h"

#include "base/Errors.h"
#include "data/CouponFile.h"
#include "draws/DrawsFile.h"
#include "game/Checking.h"

#include <QFileInfo>
#include <QSet>

namespace taru::cli {

namespace {

WinningPlaces drawFromList(const QString &list)
{
    const QStringList items = list.split(QLatin1Char(','));
    if (items.size() != kWinningSize)
        throw UsageError{QStringLiteral("--draw needs 20 numbers, not %1").arg(items.size())};
    WinningPlaces places;
    QSet<int> seen;
    for (int i = 0; i < kWinningSize; ++i) {
        bool ok = false;
        const int n = items.at(i).trimmed().toInt(&ok);
        if (!ok || n < 1 || n > kNumbers)
            throw UsageError{QStringLiteral("--draw: '%1' is not a number from 1 to 80").arg(items.at(i))};
        if (seen.contains(n))
            throw UsageError{QStringLiteral("--draw: %1 is given twice").arg(n)};
        seen.insert(n);
        places[static_cast<size_t>(i)] = QString::number(n);
    }
    return places;
}

// Row r (1 = the first line of the file) of the draws file, taken as the preview takes a draw:
// each number trimmed and cut to two characters.
WinningPlaces drawFromFile(const QString &path, const QString &rowText)
{
    bool ok = false;
    const int row = rowText.toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--row expects a whole number, not '%1'").arg(rowText)};
    if (!QFileInfo::exists(path))
        throw UsageError{QStringLiteral("no draws file '%1'").arg(path)};
    const draws::DrawsFileData file = draws::ReadDrawsFile(path);
    if (!file.valid)
        throw FileError(file.message());
    if (row < 1 || row > static_cast<int>(file.draws.size()))
        throw UsageError{QStringLiteral("--row must be from 1 to %1, not %2").arg(file.draws.size()).arg(row)};
    const draws::DrawEntry entry = file.draws.entry(static_cast<size_t>(row - 1));
    if (const std::optional<QString> refusal = draws::DrawRefusal(entry))
        throw FileError(QStringLiteral("line %1 of %2 is no draw to check against: %3").arg(row).arg(path, *refusal));
    WinningPlaces places;
    const auto &numbers = entry.numbers;
    for (int i = 0; i < kWinningSize; ++i)
        places[static_cast<size_t>(i)] = numbers[static_cast<size_t>(i)].trimmed().left(2);
    return places;
}

} // namespace

int runCheck(const QStringList &args)
{
    QString couponPath;
    QString drawList;
    QString drawsPath;
    QString row;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--draw") || arg == QLatin1String("--draws") || arg == QLatin1String("--row")) {
            const QString value = optionValue(args, i);
            (arg == QLatin1String("--draw") ? drawList : arg == QLatin1String("--draws") ? drawsPath : row) = value;
        } else {
            takeCouponFile(arg, couponPath);
        }
    }
    if (couponPath.isEmpty())
        throw UsageError{QStringLiteral("which coupon file? check FILE.tru (--draw N1,...,N20 | --draws FILE.nik --row R)")};
    if (drawList.isEmpty() == drawsPath.isEmpty())
        throw UsageError{QStringLiteral("give either --draw N1,...,N20 or --draws FILE.nik --row R")};
    if (!drawsPath.isEmpty() && row.isEmpty())
        throw UsageError{QStringLiteral("--draws needs --row R")};
    if (drawsPath.isEmpty() && !row.isEmpty())
        throw UsageError{QStringLiteral("--row goes with --draws")};

    const WinningPlaces winning = drawList.isEmpty() ? drawFromFile(drawsPath, row) : drawFromList(drawList);
    const data::CouponFileData file = ReadCouponFileOrReport(couponPath);
    if (!file.valid)
        return 1;
    if (const auto refusal = CheckingRefusal(file.count, winning)) {
        err() << refusal->text << '\n';
        return 1;
    }
    const CheckResult result = data::CheckCouponFile(file, winning);
    for (const CheckCategory &category : result.categories)
        out() << category.hits << '\t' << category.count << '\t' << category.coupons.text() << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("check"), 50, CommandNeeds::Core, runCheck,
                                        R"(  check FILE.tru (--draw N1,...,N20 | --draws FILE.nik --row R)
        Checks every coupon of the file against a draw: the 20 numbers given, or line R
        (1 = the first) of a draws file. One line per number of hits, from the game down to 0:
        hits, how many coupons, and which (coupon numbers joined by ","; a list of more than
        300 writes each run of three or more as "first-last"), separated by tabs.
)"};
} // namespace

} // namespace taru::cli

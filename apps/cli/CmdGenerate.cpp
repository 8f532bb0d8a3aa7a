#include "Commands.h"

#include "base/Random.h"
#include "game/CouponBoxes.h"
#include "game/Pricing.h"
#include "systems/Generator.h"

#include <QFile>

namespace taru::cli {

namespace {

// The decades named by --odd or --even (1..8), in the order given.
QList<int> decades(const QString &option, const QString &text)
{
    QList<int> list;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int decade = wholeNumber(option, item);
        if (decade < 1 || decade > 8)
            throw UsageError{QStringLiteral("%1: decade %2 is outside 1..8").arg(option).arg(decade)};
        list << decade;
    }
    return list;
}

} // namespace

int runGenerate(const QStringList &args)
{
    BoardMarks mould{};
    mould.fill(true); // every show starts from the full mould
    struct Press {
        int decade;
        bool even;
    };
    QList<Press> presses;
    int game = kMaxGame;
    QString countText = QStringLiteral("100");
    std::uint64_t seed = FreshSeed();
    QString multipliers;
    DrawsBox draws;
    QString couponsPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--mould")) {
            mould = parseNumbers(option, value);
        } else if (option == QLatin1String("--odd") || option == QLatin1String("--even")) {
            for (int decade : decades(option, value))
                presses.append(Press{decade - 1, option == QLatin1String("--even")});
        } else if (option == QLatin1String("--game")) {
            game = wholeNumber(option, value);
            if (game < 1 || game > kMaxGame)
                throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(game)};
        } else if (option == QLatin1String("--count")) {
            countText = value;
        } else if (option == QLatin1String("--seed")) {
            bool ok = false;
            seed = value.trimmed().toULongLong(&ok);
            if (!ok)
                throw UsageError{QStringLiteral("--seed expects a whole number from 0 to 18446744073709551615, not '%1'").arg(value)};
        } else if (option == QLatin1String("--multiplier-boxes")) {
            multipliers = multiplierBoxList(option, value);
        } else if (option == QLatin1String("--draws")) {
            draws = drawsBoxOf(option, value);
        } else if (option == QLatin1String("--coupons")) {
            couponsPath = value;
        } else {
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
        }
    }
    // The decade buttons are pressed on the mould once it is set.
    for (const Press &press : presses)
        SetDecadeParity(mould, press.decade, press.even, true);

    const int marked = CountMarked(mould);
    if (const QString refusal = GeneratorRefusal(marked, game); !refusal.isEmpty())
        throw UsageError{refusal};
    const CouponCountInput count = ParseCouponCount(countText);
    if (!count.count)
        throw UsageError{count.refusal};
    if (*count.count <= 0)
        return 0;

    const SlipMarks options{QString::number(gameBoxOf(game)), multipliers, false, QString(), draws.column, draws.row};
    const GeneratedCoupons coupons = GenerateCoupons(*count.count, game, AllowedNumbers(mould), options, seed);
    if (!couponsPath.isEmpty()) {
        WriteCouponFile(couponsPath, coupons);
        return 0;
    }
    QFile stdoutFile;
    if (!stdoutFile.open(stdout, QIODevice::WriteOnly))
        throw UsageError{QStringLiteral("standard output cannot be written")};
    out().flush();
    QByteArray block;
    for (std::size_t i = 0; i < coupons.size(); ++i) {
        block += coupons.line(i);
        block += '\n';
        if (block.size() > (1 << 20)) {
            stdoutFile.write(block);
            block.clear();
        }
    }
    stdoutFile.write(block);
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("generate"), 45, CommandNeeds::Core, runGenerate,
                                        R"(  generate [--mould 1-80] [--odd D,...] [--even D,...] [--game K] [--count N]
           [--seed S] [--multiplier-boxes I,J,...] [--draws V] [--coupons OUT.tru]
        Random coupons as the generator makes them. The mould (default: all 80 numbers)
        is set first, then --odd D presses decade D's odd button (1..8), --even its
        even one. Game K defaults to 12, N to 100; the same seed S gives the same
        coupons. Prints one coupon line per coupon, as the coupon file holds it (with
        its "A" placeholders), or writes the coupon file OUT.tru.
)"};
} // namespace

} // namespace taru::cli

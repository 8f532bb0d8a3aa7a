#include "Commands.h"

#include "data/CouponFile.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/GuaranteeQuery.h"

#include <optional>

namespace taru::cli {

int runVerify(const QStringList &args)
{
    QString couponPath;
    std::optional<int> game;
    std::optional<int> guarantee;
    std::optional<int> threshold;
    std::optional<std::array<bool, kNumbers>> numbers;
    std::optional<QString> conditionsPath;
    int holes = 10;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--game")) {
            game = wholeNumber(arg, optionValue(args, i));
        } else if (arg == QLatin1String("--guarantee")) {
            guarantee = wholeNumber(arg, optionValue(args, i));
        } else if (arg == QLatin1String("--threshold")) {
            threshold = wholeNumber(arg, optionValue(args, i));
        } else if (arg == QLatin1String("--numbers")) {
            numbers = parseNumbers(arg, optionValue(args, i));
        } else if (arg == QLatin1String("--conditions")) {
            conditionsPath = optionValue(args, i);
        } else if (arg == QLatin1String("--holes")) {
            holes = wholeNumber(arg, optionValue(args, i));
            if (holes < 0)
                throw UsageError{QStringLiteral("--holes %1 is below 0").arg(holes)};
        } else {
            takeCouponFile(arg, couponPath);
        }
    }
    if (couponPath.isEmpty())
        throw UsageError{QStringLiteral("which coupon file? verify FILE.tru --game G (--guarantee I | --threshold T)")};
    if (!game)
        throw UsageError{QStringLiteral("--game G is needed")};
    if (*game < 1 || *game > kMaxGame)
        throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(*game)};
    if (guarantee.has_value() == threshold.has_value())
        throw UsageError{QStringLiteral("give either --guarantee I or --threshold T")};
    int t = 0;
    if (guarantee) {
        const qsizetype items = GuaranteeItems(*game).size();
        if (*guarantee < 0 || *guarantee >= items)
            throw UsageError{QStringLiteral("--guarantee %1 is not offered for game %2 (0..%3)").arg(*guarantee).arg(*game).arg(items - 1)};
        t = GuaranteeThreshold(*game, *guarantee);
    } else {
        t = *threshold;
        if (t < 1 || t > *game)
            throw UsageError{QStringLiteral("--threshold %1 is outside 1..%2").arg(t).arg(*game)};
    }
    ColumnConditions conditions;
    if (conditionsPath) {
        const ConstructorSetup setup = loadConditionsFile(*conditionsPath);
        checkConditionCells(setup.conditions);
        conditions = ColumnConditions::fromEntries(setup.conditions);
    }

    const data::CouponFileData file = data::ReadCouponFile(couponPath);
    if (!file.valid) {
        err() << file.error << '\n';
        return 1;
    }
    const SystemColumns columns = CouponFileColumns(file);

    GuaranteeSetup setup;
    setup.pool = numbers ? PoolOf(*numbers) : NumbersUsed(columns);
    setup.game = *game;
    setup.threshold = t;
    GuaranteeCheckOptions options;
    options.holeLimit = static_cast<std::size_t>(holes);
    const GuaranteeCheckResult result = CheckGuarantee(columns, setup, conditions, options);
    out() << result.covered << ' ' << result.total << '\n';
    for (const auto hole : result.holes)
        out() << HoleText(hole) << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("verify"), 46, CommandNeeds::Core, runVerify,
                                        R"(  verify FILE.tru --game G (--guarantee I | --threshold T) [--numbers 1-20,33]
         [--conditions FILE.dlv] [--holes N]
        Checks every G-subset of the pool (default: the numbers the file uses) that passes
        the conditions: does some column share T or more numbers with it? T = G - I. Prints
        "COVERED TOTAL", then the first N (default 10) uncovered ones, numbers ascending.
)"};
} // namespace

} // namespace taru::cli

#include "Commands.h"

#include "base/Errors.h"
#include "game/Pricing.h"

namespace taru::cli {

int runPrice(const QStringList &args)
{
    int columns = 1;
    MultiplierBoxes multipliers{};
    DrawBoxes draws{};
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--columns")) {
            columns = wholeNumber(option, value);
            if (columns < 0)
                throw UsageError{QStringLiteral("--columns cannot be negative")};
        } else if (option == QLatin1String("--multiplier-boxes")) {
            for (const QString &item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const int box = wholeNumber(option, item);
                if (box < 1 || box > kMultiplierBoxCount)
                    throw UsageError{QStringLiteral("multiplier box %1 is outside 1..9").arg(box)};
                multipliers[box - 1] = true;
            }
        } else if (option == QLatin1String("--draws")) {
            const int wanted = wholeNumber(option, value);
            bool found = false;
            for (int c = 0; c < kDrawColumns && !found; ++c) {
                for (int r = 0; r < kDrawRows && !found; ++r) {
                    if (kDrawValues[c][r] == wanted) {
                        draws[c][r] = true;
                        found = true;
                    }
                }
            }
            if (!found)
                throw UsageError{QStringLiteral("--draws must be one of 2,3,4,5,6,10,20,50,100,200, not %1").arg(wanted)};
        } else {
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
        }
    }
    double cost = 0.0;
    try {
        cost = CouponCost(columns, CouponDraws(draws), CouponMultiplier(multipliers), LoadColumnPrice());
    } catch (const OverflowError &) {
        throw UsageError{QStringLiteral("columns x draws x multiplier is too large (integer overflow)")};
    }
    out() << FormatMoney(cost) << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("price"), 10, CommandNeeds::Core, runPrice,
                                        R"(  price [--columns N] [--multiplier-boxes I,J,...] [--draws V]
        The cost of a coupon as the windows show it. Boxes are given by index 1..9
        (values 2,3,4,5,6,8,10,12,20); V is the value of the consecutive-draws box
        (2,3,4,5,6,10,20,50,100,200). Defaults: 1 column, no box.
)"};
} // namespace

} // namespace taru::cli

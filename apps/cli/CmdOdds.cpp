#include "Commands.h"

#include "systems/Odds.h"

#include <optional>

namespace taru::cli {

int runOdds(const QStringList &args)
{
    std::optional<int> numbers;
    std::optional<int> game;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--numbers"))
            numbers = wholeNumber(arg, optionValue(args, i));
        else if (arg == QLatin1String("--game"))
            game = wholeNumber(arg, optionValue(args, i));
        else
            throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
    }
    if (!numbers || !game)
        throw UsageError{QStringLiteral("give --numbers N and --game G")};
    if (*numbers < 1 || *numbers > kNumbers)
        throw UsageError{QStringLiteral("--numbers %1 is outside 1..80").arg(*numbers)};
    if (*game < 1 || *game > kMaxGame)
        throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(*game)};
    out() << ProbabilityDecimal(OddsOfGame(*numbers, *game)) << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("odds"), 47, CommandNeeds::Core, runOdds,
                                        R"(  odds --numbers N --game G
        The probability that a draw brings at least G of N chosen numbers, exactly, as a
        decimal with 12 significant digits.
)"};
} // namespace

} // namespace taru::cli

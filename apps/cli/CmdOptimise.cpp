#include "Commands.h"

#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Optimiser.h"

#include <cmath>

namespace taru::cli {

int runOptimise(const QStringList &args)
{
    double seconds = 10.0;
    std::uint64_t seed = 1;
    const BuildRequest request = parseBuildRequest(args, [&](const QString &option, int &i) {
        if (option == QLatin1String("--seconds")) {
            const QString value = optionValue(args, i);
            bool ok = false;
            seconds = value.trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds <= 0.0 || seconds > 86400.0)
                throw UsageError{QStringLiteral("--seconds expects a number of seconds above 0 and up to 86400, not '%1'").arg(value)};
            return true;
        }
        if (option == QLatin1String("--seed")) {
            const QString value = optionValue(args, i);
            bool ok = false;
            seed = value.trimmed().toULongLong(&ok);
            if (!ok)
                throw UsageError{QStringLiteral("--seed expects a whole number from 0 to 18446744073709551615, not '%1'").arg(value)};
            return true;
        }
        return false;
    });
    const ConstructionSetup &build = request.build;
    const GuaranteeSetup guarantee{build.pool, build.game, build.threshold};

    bool stop = false;
    const ConstructionResult greedy = ConstructSystem(build, request.conditions, stop);
    // A stopped build (an impossible minimum) has no columns to improve on.
    OptimiserResult result;
    result.columns = greedy.columns;
    if (!greedy.stopped && !greedy.columns.empty()) {
        OptimiserOptions options;
        options.budget = std::chrono::milliseconds(std::llround(seconds * 1000.0));
        options.seed = seed;
        result = OptimiseSystem(greedy.columns, guarantee, request.conditions, options);
    } else {
        result.check = CheckGuarantee(greedy.columns, guarantee, request.conditions);
    }

    printColumns(result.columns);
    err() << QStringLiteral("greedy %1 optimised %2 seconds %3")
                 .arg(greedy.columns.size())
                 .arg(result.columns.size())
                 .arg(QString::asprintf("%.2f", result.seconds))
          << '\n';
    if (result.tooLarge)
        err() << QStringLiteral("too many combinations of the pool to search: the greedy system is kept") << '\n';
    err() << GuaranteeCheckText(result.check) << '\n';
    out().flush();
    err().flush();

    writeBuildFiles(request, result.columns, !greedy.stopped && !result.columns.empty());
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("optimise"), 45, CommandNeeds::Core, runOptimise,
                                        R"(  optimise [the options of construct] [--seconds S] [--seed X]
        Builds as construct does, then searches for a smaller system with the same
        guarantee for S seconds (default 10) on both cores; X (default 1) makes the search
        repeatable. Prints the columns; on standard error "greedy G optimised O seconds S"
        and the check of the guarantee. --library-dir and --coupons store the smaller one.
)"};
} // namespace

} // namespace taru::cli

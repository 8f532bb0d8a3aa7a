#include "Commands.h"

#include "base/AppPaths.h"
#include "draws/DrawStatistics.h"

#include <QFileInfo>

namespace taru::cli {

int runStats(const QStringList &arguments)
{
    QStringList args = arguments;
    const AppPaths paths = AppPaths::fromEnvironment(args);
    if (args.size() > 1)
        throw UsageError{QStringLiteral("expects at most one draws file (FILE.nik)")};
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
    }
    const QString path = args.isEmpty() ? paths.file(kDrawsFileName) : args.first();
    // No draws file means no draws, as in the window.
    draws::StatisticsFileData data;
    if (QFileInfo::exists(path) || !args.isEmpty())
        data = draws::ReadDrawStatistics(path);
    else
        data.valid = true;
    const draws::DrawStatistics &stats = data.stats;
    for (int n = 1; n <= draws::kHighestNumber; ++n)
        out() << stats.cells(n).join(QLatin1Char('\t')) << '\n';
    out() << stats.totalText() << '\n' << stats.delayedText() << '\n' << stats.streakText() << '\n';
    if (!data.valid) {
        err() << data.message() << '\n';
        return 1;
    }
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("stats"), 32, CommandNeeds::Core, runStats,
                                        R"(  stats [FILE.nik]
        The statistics of every number over a draws file (default: Nikitries.nik of the
        data folder): 80 lines of number, appearances, share, repeats and delay separated
        by tabs, then the total, the most delayed numbers and the streak numbers.
)"};
} // namespace

} // namespace taru::cli

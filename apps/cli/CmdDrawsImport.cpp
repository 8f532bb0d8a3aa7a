#include "Commands.h"

#include "base/AppPaths.h"
#include "draws/DrawsImport.h"

namespace taru::cli {

int runDrawsImport(const QStringList &arguments)
{
    QStringList args = arguments;
    const AppPaths paths = AppPaths::fromEnvironment(args);
    QString source;
    QString into;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--into"))
            into = optionValue(args, i);
        else if (arg.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
        else if (source.isEmpty())
            source = arg;
        else
            throw UsageError{QStringLiteral("one source file only, not also '%1'").arg(arg)};
    }
    if (source.isEmpty())
        throw UsageError{QStringLiteral("which results file? draws-import SOURCE [--into FILE.nik]")};
    if (into.isEmpty())
        into = paths.file(kDrawsFileName);
    const draws::ImportOutcome outcome = draws::ImportDraws(source, into);
    if (!outcome.ok) {
        err() << outcome.error << '\n';
        return 1;
    }
    for (const draws::ImportRefusal &refusal : outcome.refused)
        out() << refusal.line << '\t' << refusal.reason << '\n';
    out() << outcome.summary() << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("draws-import"), 34, CommandNeeds::Core, runDrawsImport,
                                        R"(  draws-import SOURCE [--into FILE.nik]
        Adds published results to a draws file (default: Nikitries.nik of the data folder).
        Each source line: draw number, date (dd/mm/yyyy, d/m/yyyy or yyyy-mm-dd, a time may
        follow) and 20 numbers, separated by commas, semicolons, tabs or blanks; a header line
        is skipped; Windows-1253 or UTF-8. Draws already in the file are skipped, new ones are
        appended in increasing draw number and the file is written once. Prints each refused
        line as LINE<TAB>reason, then "added N, present M, refused R". Exit 1 when a file
        cannot be read or written (the draws file stays as it was).
)"};
} // namespace

} // namespace taru::cli

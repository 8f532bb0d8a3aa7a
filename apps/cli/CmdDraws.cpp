#include "Commands.h"

#include "draws/DrawsFile.h"

namespace taru::cli {

int runDraws(const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects one draws file (FILE.nik)")};
    const draws::DrawsFileData file = draws::ReadDrawsFile(args.first());
    if (!file.valid) {
        err() << file.error << '\n';
        return 1;
    }
    for (const draws::DrawRow &row : file.rows)
        out() << draws::DrawListCells(row.entry, row.figures).join(QLatin1Char('\t')) << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("draws"), 30, CommandNeeds::Core, runDraws,
                                        R"(  draws FILE.nik
        The draws list of a draws file, one line per draw: the 23 fields and the
        8 figures, separated by tabs.
)"};
} // namespace

} // namespace taru::cli

#include "Commands.h"

#include "draws/DrawsFile.h"

namespace taru::cli {

int runDraws(const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects one draws file (FILE.nik)")};
    const draws::DrawsFileData file = draws::ReadDrawsFile(args.first());
    for (std::size_t row = 0; row < file.draws.size(); ++row)
        out() << file.draws.cells(row).join(QLatin1Char('\t')) << '\n';
    if (!file.valid) {
        err() << file.message() << '\n';
        return 1;
    }
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("draws"), 30, CommandNeeds::Core, runDraws,
                                        R"(  draws FILE.nik
        The draws list of a draws file, one line per draw: the 23 fields and the
        8 figures, separated by tabs. A file that cannot be read: the lines before the
        failure, then the message naming the file and the reason, exit 1.
)"};
} // namespace

} // namespace taru::cli

#include "Commands.h"

#include "base/Errors.h"
#include "import/CouponImport.h"

namespace taru::cli {

int runImport(const QStringList &args)
{
    QString source;
    QString output;
    int game = imports::kDefaultGame;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--game")) {
            game = wholeNumber(arg, optionValue(args, i));
            if (game < imports::kMinGame || game > imports::kMaxGame)
                throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(game)};
        } else if (arg == QLatin1String("--coupons")) {
            output = optionValue(args, i);
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
        } else if (!source.isEmpty()) {
            throw UsageError{QStringLiteral("only one SOURCE, not also '%1'").arg(arg)};
        } else {
            source = arg;
        }
    }
    if (source.isEmpty())
        throw UsageError{QStringLiteral("expects a SOURCE file (.tru, .txt or .csv)")};
    if (output.isEmpty())
        throw UsageError{QStringLiteral("expects --coupons OUT.tru")};

    const imports::ImportResult result = imports::ReadImportFile(source, game);
    if (!result.opened) {
        err() << result.message << '\n';
        return 1;
    }
    for (const imports::Refusal &refusal : result.refusals)
        err() << imports::kUnsuitableFile << ": " << imports::DescribeRefusal(refusal) << '\n';
    if (result.cleared) {
        err() << "nothing written: the grid was cleared\n";
        return 1;
    }
    try {
        imports::WriteImportGrid(output, result.grid);
    } catch (const FileError &e) {
        err() << e.message() << '\n';
        return 1;
    }
    const std::size_t rows = result.grid.rows.size();
    err() << rows << (rows == 1 ? " row" : " rows") << " read, game " << result.grid.game << " -> " << output << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("import"), 35, CommandNeeds::Core, runImport,
                                        R"(  import SOURCE [--game K] --coupons OUT.tru
        Reads SOURCE as the import window loads it (a .tru coupon file, else text or
        CSV: the first line fixes the separator and the game) and writes OUT.tru as its
        save would. Standard error: every refused value with its line and reason, then
        the rows read. K (1..12, default 6) is the game when SOURCE does not set one.
        Exit 1, nothing written, when SOURCE cannot be read or a value is not a number.
)"};
} // namespace

} // namespace taru::cli

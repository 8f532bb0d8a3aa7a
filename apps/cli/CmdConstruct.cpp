#include "Commands.h"

#include "base/Errors.h"
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"

#include <QDir>

namespace taru::cli {

namespace {

int parseNumber(const QString &option, const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1: '%2' is not a number").arg(option, text)};
    if (value < 1 || value > kNumbers)
        throw UsageError{QStringLiteral("%1: %2 is outside 1..80").arg(option).arg(value)};
    return value;
}

} // namespace

std::array<bool, kNumbers> parseNumbers(const QString &option, const QString &text)
{
    std::array<bool, kNumbers> board{};
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'), 1);
        const int first = parseNumber(option, dash < 0 ? item : item.left(dash));
        const int last = dash < 0 ? first : parseNumber(option, item.mid(dash + 1));
        if (last < first)
            throw UsageError{QStringLiteral("%1: the range '%2' runs backwards").arg(option, item)};
        for (int number = first; number <= last; ++number)
            board[number - 1] = true;
    }
    return board;
}

// The same message as a construction abandoned in the window, but naming the cell.
void checkConditionCells(const ConditionEntries &entries)
{
    for (int row = 1; row <= kGridConditionCount; ++row) {
        const ConditionGridRow &cells = entries.row(row);
        for (const auto &[caption, text] : {std::pair{"ΑΠΟ", &cells.from}, std::pair{"ΕΩΣ", &cells.to}}) {
            try {
                toInt(*text);
            } catch (const ConversionError &) {
                throw UsageError{QStringLiteral("condition %1 (%2), %3: '%4' is not a number")
                                     .arg(row)
                                     .arg(ConditionOf(row).name, QString::fromUtf8(caption), *text)};
            }
        }
    }
}

ConstructorSetup loadConditionsFile(const QString &path)
{
    // A conditions file that cannot be read, or is damaged, is the reader's failure: its
    // FileError goes on to the tool's edge (exit 1), as every file a command reads.
    return LoadConditions(path);
}

BuildRequest parseBuildRequest(const QStringList &args, const std::function<bool(const QString &, int &)> &extra)
{
    std::optional<QString> conditionsPath;
    std::optional<std::array<bool, kNumbers>> numbers;
    std::optional<int> game;
    std::optional<int> guarantee;
    BuildRequest request;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (extra && extra(option, i))
            continue;
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--conditions")) {
            conditionsPath = value;
        } else if (option == QLatin1String("--numbers")) {
            numbers = parseNumbers(option, value);
        } else if (option == QLatin1String("--game")) {
            game = wholeNumber(option, value);
            if (*game < 1 || *game > kMaxGame)
                throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(*game)};
        } else if (option == QLatin1String("--guarantee")) {
            guarantee = wholeNumber(option, value);
        } else if (option == QLatin1String("--library-dir")) {
            request.libraryDir = value;
        } else if (option == QLatin1String("--coupons")) {
            request.couponsPath = value;
        } else {
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
        }
    }

    ConstructorSetup &setup = request.setup;
    if (conditionsPath)
        setup = loadConditionsFile(*conditionsPath);
    if (numbers)
        setup.board = *numbers;

    // The game: the flag, else the file's game combo text when it is one of "1".."12".
    const bool gameFromFlag = game.has_value();
    if (!game) {
        bool ok = false;
        const int fileGame = setup.gameText.toInt(&ok);
        if (ok && QString::number(fileGame) == setup.gameText && fileGame >= 1 && fileGame <= kMaxGame)
            game = fileGame;
    }
    if (!game)
        throw UsageError{QStringLiteral("no game chosen (Παρακαλώ επιλέξτε παιχνίδι): give --game 1..12")};
    const QStringList items = GuaranteeItems(*game);
    int index = 0;
    if (guarantee) {
        if (*guarantee < 0 || *guarantee >= items.size())
            throw UsageError{QStringLiteral("--guarantee %1 is not offered for game %2 (0..%3)")
                                 .arg(*guarantee)
                                 .arg(*game)
                                 .arg(items.size() - 1)};
        index = *guarantee;
    } else if (items.contains(setup.guaranteeText)) {
        index = static_cast<int>(items.indexOf(setup.guaranteeText));
    } else if (!gameFromFlag) {
        throw UsageError{QStringLiteral("the guarantee '%1' of the conditions file is not offered for game %2")
                             .arg(setup.guaranteeText)
                             .arg(*game)};
    }

    checkConditionCells(setup.conditions);
    request.conditions = ColumnConditions::fromEntries(setup.conditions);
    request.build.pool = PoolOf(setup.board);
    request.build.game = *game;
    request.build.columnSize = *game; // the expansion always follows the game
    request.build.threshold = GuaranteeThreshold(*game, index);
    request.guaranteeText = items.at(index);
    return request;
}

void printColumns(const SystemColumns &columns)
{
    for (const auto &column : columns) {
        QStringList texts;
        for (const std::uint8_t number : column)
            texts.append(QString::number(number));
        out() << texts.join(QLatin1Char(' ')) << '\n';
    }
}

ConstructionSummary summaryOf(const BuildRequest &request, std::int64_t columns)
{
    const ConstructionSetup &build = request.build;
    return MakeConstructionSummary(build.pool, build.game, build.columnSize, QString::number(build.game),
                                   request.guaranteeText, ColumnSizeItems().at(build.game - 1), columns,
                                   LoadColumnPrice());
}

void writeBuildFiles(const BuildRequest &request, const SystemColumns &columns, bool built)
{
    const ConstructionSetup &build = request.build;
    const ConstructionSummary summary = summaryOf(request, static_cast<std::int64_t>(columns.size()));
    if (request.libraryDir && built) {
        if (!QDir().mkpath(*request.libraryDir))
            throw FileError(QStringLiteral("Cannot create the folder \"%1\"").arg(*request.libraryDir));
        const QString name = LibrarySystemFileName(summary, build.threshold, build.game, build.columnSize,
                                                   request.setup.conditions.sets[0], LoadColumnPrice());
        data::WriteSystemFile(QDir(*request.libraryDir).filePath(name), columns);
    }
    if (request.couponsPath) {
        if (!built) {
            err() << QStringLiteral("Δεν έχετε στήλες για αποθήκευση") << '\n';
        } else {
            // No slip here: no multiplier and no consecutive-draws box.
            data::WriteCouponFile(*request.couponsPath, summary.builtColumns, build.columnSize, QString(), 0, 0,
                                  columns);
        }
    }
}

int runConstruct(const QStringList &args)
{
    bool verify = false;
    const BuildRequest request = parseBuildRequest(args, [&](const QString &option, int &) {
        if (option != QLatin1String("--verify"))
            return false;
        verify = true;
        return true;
    });
    const ConstructionSetup &build = request.build;

    bool stop = false;
    const ConstructionResult result = ConstructSystem(build, request.conditions, stop);
    printColumns(result.columns);
    err() << ConstructionMessage(summaryOf(request, static_cast<std::int64_t>(result.columns.size()))) << '\n';
    if (verify) {
        const GuaranteeCheckResult check =
            CheckGuarantee(result.columns, GuaranteeSetup{build.pool, build.game, build.threshold}, request.conditions);
        err() << GuaranteeCheckText(check) << '\n';
    }
    out().flush();
    err().flush();

    // A stopped build or one without columns stores nothing, as in the window.
    writeBuildFiles(request, result.columns, !result.stopped && !result.columns.empty());
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("construct"), 40, CommandNeeds::Core, runConstruct,
                                        R"(  construct [--conditions FILE.dlv] [--numbers 1-20,33] [--game G] [--guarantee I]
            [--library-dir DIR] [--coupons FILE.tru]
        Builds a reduced system as the system constructor does: the marked numbers,
        game, guarantee and conditions of the conditions file, overridden by the flags
        (I is the index in the game's guarantee list, 0 = the full system). Prints one
        built column per line and the summary message on standard error; writes the
        library system file into DIR and the coupon file when asked. --verify adds the
        check of the guarantee on standard error ("Έλεγχος εγγύησης: 100%").
)"};
} // namespace

} // namespace taru::cli

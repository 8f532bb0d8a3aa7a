#include "Commands.h"

#include "base/Errors.h"
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <QDir>

#include <optional>

namespace taru::cli {

namespace {

int parseNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--numbers: '%1' is not a number").arg(text)};
    if (value < 1 || value > kNumbers)
        throw UsageError{QStringLiteral("--numbers: %1 is outside 1..80").arg(value)};
    return value;
}

// "1-20,33": single numbers and ranges, separated by commas.
std::array<bool, kNumbers> parseNumbers(const QString &text)
{
    std::array<bool, kNumbers> board{};
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'), 1);
        const int first = parseNumber(dash < 0 ? item : item.left(dash));
        const int last = dash < 0 ? first : parseNumber(item.mid(dash + 1));
        if (last < first)
            throw UsageError{QStringLiteral("--numbers: the range '%1' runs backwards").arg(item)};
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

} // namespace

int runConstruct(const QStringList &args)
{
    std::optional<QString> conditionsPath;
    std::optional<std::array<bool, kNumbers>> numbers;
    std::optional<int> game;
    std::optional<int> guarantee;
    std::optional<QString> libraryDir;
    std::optional<QString> couponsPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--conditions")) {
            conditionsPath = value;
        } else if (option == QLatin1String("--numbers")) {
            numbers = parseNumbers(value);
        } else if (option == QLatin1String("--game")) {
            game = wholeNumber(option, value);
            if (*game < 1 || *game > kMaxGame)
                throw UsageError{QStringLiteral("--game %1 is outside 1..12").arg(*game)};
        } else if (option == QLatin1String("--guarantee")) {
            guarantee = wholeNumber(option, value);
        } else if (option == QLatin1String("--library-dir")) {
            libraryDir = value;
        } else if (option == QLatin1String("--coupons")) {
            couponsPath = value;
        } else {
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
        }
    }

    ConstructorSetup setup;
    // A conditions file that cannot be read, or is damaged, is the reader's failure (exit 1).
    if (conditionsPath)
        setup = LoadConditions(*conditionsPath);
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
    const ColumnConditions conditions = ColumnConditions::fromEntries(setup.conditions);

    ConstructionSetup build;
    build.pool = PoolOf(setup.board);
    build.game = *game;
    build.columnSize = *game; // the expansion always follows the game
    build.threshold = GuaranteeThreshold(*game, index);

    bool stop = false;
    const ConstructionResult result = ConstructSystem(build, conditions, stop);

    const double price = LoadColumnPrice();
    const QString gameText = QString::number(*game);
    const QString expansionText = ColumnSizeItems().at(*game - 1);
    const ConstructionSummary summary =
        MakeConstructionSummary(build.pool, build.game, build.columnSize, gameText, items.at(index), expansionText,
                                static_cast<std::int64_t>(result.columns.size()), price);

    for (const auto &column : result.columns) {
        QStringList texts;
        for (const std::uint8_t number : column)
            texts.append(QString::number(number));
        out() << texts.join(QLatin1Char(' ')) << '\n';
    }
    err() << ConstructionMessage(summary) << '\n';
    out().flush();
    err().flush();

    // A stopped build or one without columns stores nothing, as in the window.
    const bool built = !result.stopped && !result.columns.empty();
    if (libraryDir && built) {
        if (!QDir().mkpath(*libraryDir))
            throw FileError(QStringLiteral("Cannot create the folder \"%1\"").arg(*libraryDir));
        const QString name = LibrarySystemFileName(summary, build.threshold, build.game, build.columnSize,
                                                   setup.conditions.sets[0], price);
        data::WriteSystemFile(QDir(*libraryDir).filePath(name), result.columns);
    }
    if (couponsPath) {
        if (!built) {
            err() << QStringLiteral("Δεν έχετε στήλες για αποθήκευση") << '\n';
        } else {
            // No slip here: no multiplier and no consecutive-draws box.
            data::WriteCouponFile(*couponsPath, summary.builtColumns, build.columnSize, QString(), 0, 0,
                                  result.columns);
        }
    }
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
        library system file into DIR and the coupon file when asked.
)"};
} // namespace

} // namespace taru::cli

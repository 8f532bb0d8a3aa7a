#include "Commands.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "systems/Replacement.h"

#include <QDir>

namespace taru::cli {

int runReplace(const QStringList &args)
{
    QString input;
    QString outputPath;
    QString mapText;
    QString multipliers;
    DrawsBox draws;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (!option.startsWith(QLatin1String("--"))) {
            takeCouponFile(option, input);
            continue;
        }
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--map"))
            mapText = value;
        else if (option == QLatin1String("--out"))
            outputPath = value;
        else if (option == QLatin1String("--multiplier-boxes"))
            multipliers = multiplierBoxList(option, value);
        else if (option == QLatin1String("--draws"))
            draws = drawsBoxOf(option, value);
        else
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
    }
    if (input.isEmpty())
        throw UsageError{QStringLiteral("give the coupon file to read")};
    if (outputPath.isEmpty())
        throw UsageError{QStringLiteral("give the file to write with --out")};

    const std::optional<QByteArray> bytes = textfile::readBytes(input);
    if (!bytes)
        throw FileError(QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου %1").arg(QDir::toNativeSeparators(input)));
    const DistinctNumbers found = ReadDistinctNumbers(*bytes);
    if (!found.error.isEmpty())
        throw FileError(found.error);

    // The window's rows: every distinct number, its new number the same unless the map says otherwise.
    QStringList newTexts;
    for (int number : found.numbers)
        newTexts << QString::number(number);
    for (const QString &pair : mapText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList sides = pair.split(QLatin1Char(':'));
        if (sides.size() != 2)
            throw UsageError{QStringLiteral("--map: '%1' is not OLD:NEW").arg(pair)};
        const int old = wholeNumber(QStringLiteral("--map"), sides.at(0));
        const auto row = std::find(found.numbers.begin(), found.numbers.end(), old);
        if (row == found.numbers.end())
            throw UsageError{QStringLiteral("--map: %1 is not a number of the file").arg(old)};
        newTexts[static_cast<qsizetype>(row - found.numbers.begin())] = sides.at(1).trimmed();
    }
    if (const int wrong = FirstWrongNewNumber(newTexts); wrong >= 0)
        throw UsageError{QStringLiteral("%1 (row %2: %3 -> '%4')")
                             .arg(kWrongValue)
                             .arg(wrong + 1)
                             .arg(found.numbers[static_cast<std::size_t>(wrong)])
                             .arg(newTexts.at(wrong))};
    const ReplacementTable table = MakeReplacementTable(found.numbers, newTexts);
    ReplaceInCouponFile(input, outputPath, table, multipliers, draws.column, draws.row);
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("replace"), 55, CommandNeeds::Core, runReplace,
                                        R"(  replace IN.tru --map OLD:NEW,... [--multiplier-boxes I,J,...] [--draws V] --out OUT.tru
        New numbers for a coupon file, as its replacement window saves them: each OLD
        number of the file becomes NEW (pairs are applied at once, so 5:7,7:5 swaps),
        the other numbers stay, and the options are those given. OUT may be IN itself.
        A new number that is empty, outside 1..80 or given to two rows is refused
        (ΛΑΘΟΣ ΤΙΜΗ) and nothing is written.
)"};
} // namespace

} // namespace taru::cli

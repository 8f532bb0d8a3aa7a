#include "Commands.h"

#include "base/AppPaths.h"
#include "base/Random.h"
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "game/Pricing.h"
#include "systems/Library.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace taru::cli {

namespace {

QString libraryFolder(const std::optional<QString> &given)
{
    if (given)
        return *given;
    QStringList none;
    return AppPaths::fromEnvironment(none).existingFolder(kBiblioFolder);
}

int listLibrary(const QStringList &args)
{
    std::optional<QString> dir;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--library-dir"))
            dir = value;
        else
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
    }
    const data::SystemListing listing = LibraryList(libraryFolder(dir), LoadColumnPrice(), FreshSeed());
    for (const data::SystemListRow &row : listing.rows)
        out() << LibraryListCells(row).join(QLatin1Char('\t')) << '\n';
    if (!listing.error.isEmpty()) {
        out().flush();
        err() << listing.error << '\n';
        return 1;
    }
    return 0;
}

// The player's numbers for positions 1, 2, ...: each 1..80, none twice.
std::vector<int> playerNumbers(const QString &text)
{
    std::vector<int> numbers;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int number = wholeNumber(QStringLiteral("--numbers"), item);
        if (number < 1 || number > kNumbers)
            throw UsageError{QStringLiteral("--numbers: %1 is outside 1..80").arg(number)};
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end())
            throw UsageError{QStringLiteral("--numbers: %1 is given twice").arg(number)};
        numbers.push_back(number);
    }
    return numbers;
}

int applyLibrary(const QStringList &args)
{
    QString name;
    std::optional<QString> dir;
    std::optional<std::vector<int>> numbers;
    QString multipliers;
    DrawsBox draws;
    QString couponsPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (!option.startsWith(QLatin1String("--"))) {
            if (!name.isEmpty())
                throw UsageError{QStringLiteral("one system name only, not also '%1'").arg(option)};
            name = option;
            continue;
        }
        const QString value = optionValue(args, i);
        if (option == QLatin1String("--library-dir"))
            dir = value;
        else if (option == QLatin1String("--numbers"))
            numbers = playerNumbers(value);
        else if (option == QLatin1String("--multiplier-boxes"))
            multipliers = multiplierBoxList(option, value);
        else if (option == QLatin1String("--draws"))
            draws = drawsBoxOf(option, value);
        else if (option == QLatin1String("--coupons"))
            couponsPath = value;
        else
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
    }
    if (name.isEmpty())
        throw UsageError{QStringLiteral("give the system's name as the list shows it under ΟΝΟΜΑ")};
    if (!numbers)
        throw UsageError{QStringLiteral("give the player's numbers with --numbers")};

    // As the list opens a row: the row of that name, then the first file whose name holds it.
    const QString folder = libraryFolder(dir);
    const data::SystemListing listing = data::ListSystemRows(folder, LoadColumnPrice());
    const auto row = std::find_if(listing.rows.begin(), listing.rows.end(),
                                  [&](const data::SystemListRow &r) { return r.cells[data::kColName] == name; });
    const std::optional<QString> file =
        row == listing.rows.end() ? std::nullopt : FindSystemFile(data::ListFiles(folder, data::kSystemFileExtension), name);
    const std::optional<LibrarySystem> system = file ? LibrarySystemOf(folder, *file, row->numbers) : std::nullopt;
    if (!system)
        throw UsageError{kLibraryNoColumnFile};
    if (static_cast<int>(numbers->size()) > system->numbers)
        throw UsageError{QStringLiteral("--numbers: %1 numbers for a system of %2 positions")
                             .arg(numbers->size())
                             .arg(system->numbers)};
    numbers->resize(static_cast<std::size_t>(std::max(system->numbers, 0)), 0);

    const AppliedSystem applied = BuildLibraryCoupons(*system, *numbers);
    if (!applied.built())
        throw UsageError{applied.refusal};
    for (const SystemColumns::Row column : applied.columns) {
        QStringList texts;
        for (std::uint8_t number : column) {
            if (number != 0)
                texts << QString::number(number);
        }
        out() << texts.join(QLatin1Char(' ')) << '\n';
    }
    if (!couponsPath.isEmpty())
        data::WriteCouponFile(couponsPath, static_cast<int>(applied.columns.size()), system->game, multipliers,
                              draws.column, draws.row, applied.columns);
    return 0;
}

int runLibrary(const QStringList &args)
{
    if (args.isEmpty())
        throw UsageError{QStringLiteral("give 'list' or 'apply'")};
    if (args.first() == QLatin1String("list"))
        return listLibrary(args.mid(1));
    if (args.first() == QLatin1String("apply"))
        return applyLibrary(args.mid(1));
    throw UsageError{QStringLiteral("unknown library command '%1': give 'list' or 'apply'").arg(args.first())};
}

const CommandRegistration registration{QStringLiteral("library"), 50, CommandNeeds::Core, runLibrary,
                                        R"(  library list [--library-dir DIR]
        The systems library as its window lists it (sorted by ΑΡΙΘ): one line per
        system, its eleven cells separated by tabs. DIR defaults to BIBLIO of the
        program folder.
  library apply NAME --numbers 7,15,22,40 [--library-dir DIR] [--multiplier-boxes I,J,...]
                [--draws V] [--coupons OUT.tru]
        Lays the system NAME (as listed under ΟΝΟΜΑ) over the player's numbers, given
        for positions 1, 2, ... in order: one built column per line, and the coupon
        file OUT.tru as the library window saves it.
)"};

} // namespace

} // namespace taru::cli

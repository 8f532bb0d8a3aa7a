#include "systems/Library.h"

#include "base/Random.h"

#include <QDir>
#include <QFileInfo>

#include <numeric>

namespace taru {

QStringList LibraryListCells(const data::SystemListRow &row)
{
    QStringList cells;
    for (int column : kLibraryDisplayOrder)
        cells.append(row.cells[static_cast<std::size_t>(column)]);
    return cells;
}

int CompareListCells(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            // Digit runs: leading zeros aside, the longer run is the larger number.
            while (i < a.size() && a.at(i) == QLatin1Char('0'))
                ++i;
            while (j < b.size() && b.at(j) == QLatin1Char('0'))
                ++j;
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a.at(ei).isDigit())
                ++ei;
            while (ej < b.size() && b.at(ej).isDigit())
                ++ej;
            if (ei - i != ej - j)
                return ei - i < ej - j ? -1 : 1;
            const int c = QStringView(a).mid(i, ei - i).compare(QStringView(b).mid(j, ej - j));
            if (c != 0)
                return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded();
        const QChar cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

namespace {

// Quicksort of the index list; ties are broken by the index, so no two keys are equal.
void quicksort(std::vector<std::size_t> &order, qsizetype low, qsizetype high,
               const std::function<bool(std::size_t, std::size_t)> &less, Random &random)
{
    while (low < high) {
        const auto span = static_cast<std::uint32_t>(high - low + 1);
        std::swap(order[static_cast<std::size_t>(low + random.below(span))], order[static_cast<std::size_t>(high)]);
        const std::size_t pivot = order[static_cast<std::size_t>(high)];
        qsizetype store = low;
        for (qsizetype k = low; k < high; ++k) {
            if (less(order[static_cast<std::size_t>(k)], pivot))
                std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(store++)]);
        }
        std::swap(order[static_cast<std::size_t>(store)], order[static_cast<std::size_t>(high)]);
        // The smaller side recursively, the larger one in the loop: the stack stays shallow.
        if (store - low < high - store) {
            quicksort(order, low, store - 1, less, random);
            low = store + 1;
        } else {
            quicksort(order, store + 1, high, less, random);
            high = store - 1;
        }
    }
}

} // namespace

void SortSystemRows(std::vector<data::SystemListRow> &rows, int column, std::uint64_t pivotSeed)
{
    const auto cell = static_cast<std::size_t>(column);
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto less = [&](std::size_t x, std::size_t y) {
        const int c = CompareListCells(rows[x].cells[cell], rows[y].cells[cell]);
        return c != 0 ? c < 0 : x < y;
    };
    Random random(pivotSeed);
    quicksort(order, 0, static_cast<qsizetype>(order.size()) - 1, less, random);
    std::vector<data::SystemListRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].cells[data::kColSerial] = QString::number(i + 1);
}

data::SystemListing LibraryList(const QString &folder, double columnPrice, std::uint64_t pivotSeed,
                                const QLocale &locale)
{
    data::SystemListing listing = data::ListSystemRows(folder, columnPrice, locale);
    SortSystemRows(listing.rows, data::kColNumbers, pivotSeed);
    return listing;
}

std::optional<QString> FindSystemFile(const QStringList &files, const QString &systemName)
{
    for (const QString &file : files) {
        if (file.contains(systemName))
            return file;
    }
    return std::nullopt;
}

std::optional<LibrarySystem> LibrarySystemOf(const QString &folder, const QString &fileName, int numbers,
                                             const QLocale &locale)
{
    const std::optional<data::SystemListRow> row = data::ParseSystemFileName(fileName, locale);
    if (!row)
        return std::nullopt;
    LibrarySystem system;
    system.path = QDir(folder).filePath(fileName);
    system.name = row->cells[data::kColName].trimmed();
    system.numbers = numbers;
    system.gameText = row->sizeText;
    system.game = row->columnSize.value_or(0);
    system.guarantee = row->cells[data::kColGuarantee];
    system.condition = row->cells[data::kColCondition];
    return system;
}

AppliedSystem ApplySystem(const SystemColumns &positions, std::span<const int> numbers)
{
    AppliedSystem result;
    result.columns = SystemColumns(positions.width());
    result.columns.reserve(positions.size());
    std::vector<std::uint8_t> column;
    for (const SystemColumns::Row row : positions) {
        column.clear();
        for (std::uint8_t position : row) {
            if (position == 0)
                continue; // the padding of a short line
            const int number = position <= numbers.size() ? numbers[position - 1] : 0;
            if (number < 1 || number > 255) {
                result.columns.clear();
                result.refusal = position <= numbers.size()
                                     ? kLibraryFillPositions
                                     : QStringLiteral("Το αρχείο στηλών χρησιμοποιεί τη θέση %1, ενώ το σύστημα έχει %2 θέσεις.")
                                           .arg(position)
                                           .arg(numbers.size());
                return result;
            }
            column.push_back(static_cast<std::uint8_t>(number));
        }
        result.columns.append(column);
    }
    if (result.columns.empty())
        result.refusal = kNoColumnsForCoupons;
    return result;
}

AppliedSystem BuildLibraryCoupons(const LibrarySystem &system, std::span<const int> numbers)
{
    if (!QFileInfo(system.path).isFile())
        return AppliedSystem{{}, kLibraryNoColumnFile};
    const data::SystemColumnsResult loaded = data::LoadSystemColumns(system.path, system.numbers, system.game);
    if (!loaded.valid())
        return AppliedSystem{{}, loaded.error};
    return ApplySystem(loaded.columns, numbers);
}

} // namespace taru

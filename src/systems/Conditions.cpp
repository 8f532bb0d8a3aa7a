#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <bit>

namespace taru {

namespace {

constexpr int kSetBase = kGridConditionCount; // limits index of the first required-number set

// Does the text hold an integer? Same reading as toInt, without the exception.
bool readInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

bool isOdd(int number) { return number % 2 == 1; }
// Final digit 1..5 ("left"); 6..9 and 0 are "right".
bool isLeft(int number)
{
    const int digit = number % 10;
    return digit >= 1 && digit <= 5;
}

} // namespace

const std::array<ConditionDefinition, kGridConditionCount> &ConditionTable()
{
    // The first letter of the sum's name is a Latin capital A, as the grid has always shown it.
    static const std::array<ConditionDefinition, kGridConditionCount> table{{
        {QStringLiteral("AΘΡΟΙΣΜΑ"), {1, 894}, {0, 900}},
        {QStringLiteral("ΜΟΝΑ"), {0, 12}, {0, 12}},
        {QStringLiteral("ΖΥΓΑ"), {0, 12}, {0, 12}},
        {QStringLiteral("ΑΡΙΣΤΕΡΑ"), {0, 12}, {0, 12}},
        {QStringLiteral("ΔΕΞΙΑ"), {0, 12}, {0, 12}},
        {QStringLiteral("ΛΗΓΟΝΤΕΣ"), {1, 12}, {1, 12}},
        {QStringLiteral("10 άδες"), {1, 8}, {1, 8}},
        {QStringLiteral("ΕΥΡΟΣ ΣΤΗΛΗΣ"), {0, 79}, {0, 79}},
    }};
    return table;
}

const ConditionDefinition &ConditionOf(int row)
{
    if (row < 1 || row > kGridConditionCount)
        throw RangeError(QStringLiteral("Condition row %1 is outside 1..8").arg(row));
    return ConditionTable()[row - 1];
}

ConditionEntries::ConditionEntries()
{
    for (int i = 0; i < kGridConditionCount; ++i) {
        const ConditionRange &neutral = ConditionTable()[i].neutral;
        grid[i] = {QString::number(neutral.from), QString::number(neutral.to)};
    }
}

ConditionLimits LoadConditionLimits(const ConditionEntries &entries)
{
    ConditionLimits limits;
    for (int i = 0; i < kGridConditionCount; ++i) {
        limits.from[i] = toInt(entries.grid[i].from);
        limits.to[i] = toInt(entries.grid[i].to);
    }
    for (int s = 0; s < kRequiredSetCount; ++s) {
        int from = 0;
        int to = 0;
        if (!readInt(entries.sets[s].from, from) || !readInt(entries.sets[s].to, to))
            from = to = 0;
        limits.from[kSetBase + s] = from;
        limits.to[kSetBase + s] = to;
    }
    return limits;
}

ColumnConditions::ColumnConditions()
{
    for (int i = 0; i < kGridConditionCount; ++i) {
        limits_.from[i] = ConditionTable()[i].neutral.from;
        limits_.to[i] = ConditionTable()[i].neutral.to;
    }
}

ColumnConditions::ColumnConditions(const ConditionLimits &limits, const std::array<QString, kRequiredSetCount> &setLabels)
    : limits_(limits)
{
    for (int i = 0; i < kGridConditionCount; ++i) {
        const ConditionRange &neutral = ConditionTable()[i].neutral;
        active_[i] = limits.from[i] != neutral.from || limits.to[i] != neutral.to;
    }
    for (int s = 0; s < kRequiredSetCount; ++s) {
        const int i = kSetBase + s;
        active_[i] = !setLabels[s].isEmpty() && !(limits.from[i] == 0 && limits.to[i] == 0);
        if (!active_[i])
            continue;
        // The set is compared as text: a column's number counts when its decimal text is one of
        // the label's items exactly (" 5" or "05" never match).
        const QStringList items = setLabels[s].split(QLatin1Char(','));
        for (int number = 1; number <= kNumbers; ++number) {
            if (items.contains(QString::number(number)))
                setBits_[number] |= static_cast<std::uint8_t>(1u << s);
        }
    }
    anyTest_ = std::find(active_.begin(), active_.end(), true) != active_.end();
    // 64-bit sums: the limits come from files and may be any 32-bit value.
    oddEvenImpossible_ = std::int64_t{limits.from[kOddRow - 1]} + limits.from[kEvenRow - 1] > kMaxGame;
    leftRightImpossible_ = std::int64_t{limits.from[kLeftRow - 1]} + limits.from[kRightRow - 1] > kMaxGame;
}

ColumnConditions ColumnConditions::fromEntries(const ConditionEntries &entries)
{
    std::array<QString, kRequiredSetCount> labels;
    for (int s = 0; s < kRequiredSetCount; ++s)
        labels[s] = entries.sets[s].label;
    return ColumnConditions(LoadConditionLimits(entries), labels);
}

namespace {
// Distinct final digits or decades: the bits of a mask of at most ten bits.
struct BitCounts {
    std::array<std::uint8_t, 1024> count{};
    constexpr BitCounts()
    {
        for (unsigned m = 1; m < 1024; ++m)
            count[m] = static_cast<std::uint8_t>(count[m >> 1] + (m & 1u));
    }
};
constexpr BitCounts kBitCounts;
int distinct(unsigned mask) { return kBitCounts.count[mask & 1023u]; }
} // namespace

ColumnMeasures ColumnConditions::add(const ColumnMeasures &m, int number) const
{
    ColumnMeasures next = m;
    if (next.size == 0)
        next.smallest = number;
    ++next.size;
    next.sum += number;
    next.odd += isOdd(number) ? 1 : 0;
    next.left += isLeft(number) ? 1 : 0;
    next.digits |= 1u << (number % 10);
    next.decades |= 1u << ((number - 1) / 10);
    next.smallest = std::min(next.smallest, number);
    next.largest = std::max(next.largest, number);
    const unsigned bits = setBits_[number];
    for (int s = 0; s < kRequiredSetCount; ++s)
        next.inSet[s] += static_cast<int>((bits >> s) & 1u);
    return next;
}

bool ColumnConditions::passes(const ColumnMeasures &m, bool &stopRequested) const
{
    const auto outside = [&](int i, int measure) { return active_[i] && (measure < limits_.from[i] || measure > limits_.to[i]); };
    if (outside(kSumRow - 1, m.sum))
        return false;
    if (oddEvenImpossible_)
        stopRequested = true;
    if (outside(kOddRow - 1, m.odd) || outside(kEvenRow - 1, m.size - m.odd))
        return false;
    if (leftRightImpossible_)
        stopRequested = true;
    if (outside(kLeftRow - 1, m.left) || outside(kRightRow - 1, m.size - m.left))
        return false;
    if (outside(kFinalDigitsRow - 1, distinct(m.digits)) || outside(kDecadesRow - 1, distinct(m.decades)))
        return false;
    if (outside(kRangeRow - 1, m.largest - m.smallest))
        return false;
    for (int s = 0; s < kRequiredSetCount; ++s) {
        if (outside(kSetBase + s, m.inSet[s]))
            return false;
    }
    return true;
}

bool ColumnPassesConditions(const ColumnConditions &c, std::span<const std::uint8_t> column, bool &stopRequested)
{
    if (c.testsNothing())
        return true;
    ColumnMeasures measures;
    for (const std::uint8_t number : column)
        measures = c.add(measures, number);
    return c.passes(measures, stopRequested);
}

ConditionBounds::ConditionBounds(const ColumnConditions &conditions, std::span<const std::uint8_t> pool, int columnSize)
    : c_(conditions), pool_(pool.begin(), pool.end()), k_(columnSize)
{
    enabled_ = !conditions.testsNothing() && !conditions.impossibleMinimum();
    if (!enabled_)
        return;
    const int n = static_cast<int>(pool_.size());
    sumBefore_.assign(n + 1, 0);
    oddFrom_.assign(n + 1, 0);
    leftFrom_.assign(n + 1, 0);
    for (auto &counts : setFrom_)
        counts.assign(n + 1, 0);
    for (int i = 0; i < n; ++i)
        sumBefore_[i + 1] = sumBefore_[i] + pool_[i];
    for (int i = n - 1; i >= 0; --i) {
        const int number = pool_[i];
        oddFrom_[i] = oddFrom_[i + 1] + (isOdd(number) ? 1 : 0);
        leftFrom_[i] = leftFrom_[i + 1] + (isLeft(number) ? 1 : 0);
        for (int s = 0; s < kRequiredSetCount; ++s)
            setFrom_[s][i] = setFrom_[s][i + 1] + ((conditions.setBits_[number] >> s) & 1);
    }
}

bool ConditionBounds::mayPass(const ColumnMeasures &prefix, int last) const
{
    const auto &from = c_.limits_.from;
    const auto &to = c_.limits_.to;
    const auto &active = c_.active_;
    // The measure will end up within [low, high]: can that still meet the condition's range?
    const auto hopeless = [&](int i, int low, int high) { return active[i] && (low > to[i] || high < from[i]); };
    // A count: `have` in the prefix, `with` of the available numbers have the property, `without` do not.
    const auto countBounds = [&](int i, int have, int with, int without, int remaining) {
        return hopeless(i, have + std::max(0, remaining - without), have + std::min(remaining, with));
    };

    const int n = static_cast<int>(pool_.size());
    const int d = prefix.size;
    const int remaining = k_ - d;
    const int start = last + 1;
    const int available = n - start;
    if (remaining > available)
        return false;
    const int sum = prefix.sum;
    const int odd = prefix.odd;
    const int left = prefix.left;

    const int smallestRest = sumBefore_[start + remaining] - sumBefore_[start];
    const int largestRest = sumBefore_[n] - sumBefore_[n - remaining];
    if (hopeless(kSumRow - 1, sum + smallestRest, sum + largestRest))
        return false;
    const int oddAvailable = oddFrom_[start];
    const int evenAvailable = available - oddAvailable;
    if (countBounds(kOddRow - 1, odd, oddAvailable, evenAvailable, remaining) ||
        countBounds(kEvenRow - 1, d - odd, evenAvailable, oddAvailable, remaining))
        return false;
    const int leftAvailable = leftFrom_[start];
    const int rightAvailable = available - leftAvailable;
    if (countBounds(kLeftRow - 1, left, leftAvailable, rightAvailable, remaining) ||
        countBounds(kRightRow - 1, d - left, rightAvailable, leftAvailable, remaining))
        return false;
    const int distinctDigits = distinct(prefix.digits);
    const int distinctDecades = distinct(prefix.decades);
    if (hopeless(kFinalDigitsRow - 1, distinctDigits, distinctDigits + remaining) ||
        hopeless(kDecadesRow - 1, distinctDecades, distinctDecades + remaining))
        return false;
    if (d > 0) {
        const int first = prefix.smallest;
        const int lowestLast = remaining > 0 ? pool_[start + remaining - 1] : prefix.largest;
        const int highestLast = remaining > 0 ? pool_[n - 1] : prefix.largest;
        if (hopeless(kRangeRow - 1, lowestLast - first, highestLast - first))
            return false;
    }
    for (int s = 0; s < kRequiredSetCount; ++s) {
        const int with = setFrom_[s][start];
        if (countBounds(kSetBase + s, prefix.inSet[s], with, available - with, remaining))
            return false;
    }
    return true;
}

void ValidateConditionRow(int row, int editedColumn, QString &from, QString &to)
{
    const ConditionRange &clamp = ConditionOf(row).clamp;
    QString &edited = editedColumn == 1 ? from : to;
    int value = 0;
    if (readInt(edited, value)) {
        if (value < clamp.from)
            edited = QString::number(clamp.from);
        else if (value > clamp.to)
            edited = QString::number(clamp.to);
    }
    int low = 0;
    int high = 0;
    if (readInt(from, low) && readInt(to, high) && low > high)
        to = from;
}

bool IsConditionActive(int row, const QString &from, const QString &to)
{
    const ConditionRange &neutral = ConditionOf(row).neutral;
    int low = 0;
    int high = 0;
    if (!readInt(from, low) || !readInt(to, high))
        return true;
    return low != neutral.from || high != neutral.to;
}

QStringList ConditionsFileLines(const ConstructorSetup &setup)
{
    QStringList lines;
    QStringList numbers;
    for (int number = 1; number <= kNumbers; ++number) {
        if (setup.board[number - 1])
            numbers.append(QString::number(number));
    }
    lines << numbers.join(QLatin1Char(',')) << setup.gameText << setup.guaranteeText << setup.expansionText;
    for (const RequiredNumberSet &set : setup.conditions.sets)
        lines << set.label << set.from << set.to;
    for (const ConditionGridRow &row : setup.conditions.grid)
        lines << row.from + QLatin1Char(',') + row.to;
    return lines;
}

void SaveConditions(const QString &path, const ConstructorSetup &setup)
{
    textfile::writeLines(path, ConditionsFileLines(setup));
}

ConstructorSetup ConditionsFromLines(const QStringList &lines)
{
    ConstructorSetup setup;
    const auto line = [&](int index) -> const QString * { return index < lines.size() ? &lines.at(index) : nullptr; };

    if (const QString *numbers = line(0)) {
        const QStringList items = numbers->split(QLatin1Char(','));
        for (int number = 1; number <= kNumbers; ++number)
            setup.board[number - 1] = items.contains(QString::number(number));
    }
    if (const QString *text = line(1))
        setup.gameText = *text;
    if (const QString *text = line(2))
        setup.guaranteeText = *text;
    if (const QString *text = line(3))
        setup.expansionText = *text;
    for (int s = 0; s < kRequiredSetCount; ++s) {
        RequiredNumberSet &set = setup.conditions.sets[s];
        if (const QString *text = line(4 + 3 * s))
            set.label = *text;
        if (const QString *text = line(5 + 3 * s))
            set.from = *text;
        if (const QString *text = line(6 + 3 * s))
            set.to = *text;
    }
    // The grid rows follow until the end of the file; there are only eight of them.
    constexpr int kFirstGridLine = 4 + 3 * kRequiredSetCount;
    for (int r = 0; r < kGridConditionCount; ++r) {
        const QString *text = line(kFirstGridLine + r);
        if (!text)
            break;
        const qsizetype comma = text->indexOf(QLatin1Char(','));
        // Without a comma the whole line is the second part, as a plain "copy up to the comma"
        // reading of the line gives.
        setup.conditions.grid[r].from = comma < 0 ? QString() : text->left(comma);
        setup.conditions.grid[r].to = text->mid(comma + 1).trimmed();
    }
    return setup;
}

std::optional<QString> DamagedConditionsReason(const ConstructorSetup &setup)
{
    if (setup.gameText.isEmpty()) {
        if (!setup.guaranteeText.isEmpty())
            return QStringLiteral("εγγύηση \"%1\" χωρίς παιχνίδι").arg(setup.guaranteeText);
        return std::nullopt;
    }
    bool ok = false;
    const int game = setup.gameText.toInt(&ok);
    if (!ok || QString::number(game) != setup.gameText || game < 1 || game > kMaxGame)
        return QStringLiteral("παιχνίδι \"%1\" αντί για 1 έως 12").arg(setup.gameText.left(40));
    if (!GuaranteeItems(game).contains(setup.guaranteeText))
        return QStringLiteral("εγγύηση \"%1\" που δεν υπάρχει στο παιχνίδι %2").arg(setup.guaranteeText.left(60)).arg(game);
    return std::nullopt;
}

ConstructorSetup LoadConditions(const QString &path)
{
    ConstructorSetup setup = ConditionsFromLines(textfile::readLines(path));
    if (const std::optional<QString> reason = DamagedConditionsReason(setup))
        throw FileError(kDamagedConditionsFile + QDir::toNativeSeparators(path) + QStringLiteral(" (") + *reason +
                        QLatin1Char(')'));
    return setup;
}

QString SystemNameOfConditionsFile(const QString &path)
{
    return QFileInfo(path).fileName().section(QLatin1Char('.'), 0, 0);
}

} // namespace taru

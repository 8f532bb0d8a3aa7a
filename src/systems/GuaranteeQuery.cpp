#include "systems/GuaranteeQuery.h"

#include "game/Pricing.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace taru {

SystemColumns CouponFileColumns(const data::CouponFileData &file)
{
    std::size_t width = 1;
    for (const data::CouponLine &line : file.lines)
        width = std::max(width, line.numbers.size());
    SystemColumns columns(static_cast<int>(width));
    for (const data::CouponLine &line : file.lines)
        columns.append(line.numbers);
    return columns;
}

namespace {

// A number 1..80 of a pool item, 0 when the text is not one.
int poolNumber(const QString &text, bool &isNumber)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    isNumber = ok && !text.isEmpty() && text.front().isDigit();
    return isNumber && value >= 1 && value <= kNumbers ? value : 0;
}

QString quoted(const QString &item)
{
    return QStringLiteral("«") + item + QStringLiteral("»");
}

} // namespace

PoolParse ParsePool(const QString &text)
{
    PoolParse result;
    std::array<bool, kNumbers + 1> in{};
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    const QStringList items = text.split(separators, Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const QString firstText = dash < 0 ? item : item.left(dash);
        const QString lastText = dash < 0 ? item : item.mid(dash + 1);
        bool firstIsNumber = false;
        bool lastIsNumber = false;
        const int first = poolNumber(firstText, firstIsNumber);
        const int last = poolNumber(lastText, lastIsNumber);
        if (!firstIsNumber || !lastIsNumber) {
            result.error = QStringLiteral("Μη έγκυρος αριθμός: ") + quoted(item);
            return result;
        }
        if (first == 0 || last == 0) {
            result.error = QStringLiteral("Οι αριθμοί είναι από 1 έως 80: ") + quoted(item);
            return result;
        }
        if (first > last) {
            result.error = QStringLiteral("Μη έγκυρο διάστημα: ") + quoted(item);
            return result;
        }
        for (int n = first; n <= last; ++n)
            in[static_cast<std::size_t>(n)] = true;
    }
    for (int n = 1; n <= kNumbers; ++n) {
        if (in[static_cast<std::size_t>(n)])
            result.pool.push_back(static_cast<std::uint8_t>(n));
    }
    if (result.pool.empty())
        result.error = QStringLiteral("Δώστε τους αριθμούς του ελέγχου");
    return result;
}

QString PoolText(const std::vector<std::uint8_t> &pool)
{
    QStringList parts;
    std::size_t i = 0;
    while (i < pool.size()) {
        std::size_t j = i;
        while (j + 1 < pool.size() && pool[j + 1] == pool[j] + 1)
            ++j;
        if (j - i >= 2) {
            parts << QStringLiteral("%1-%2").arg(pool[i]).arg(pool[j]);
        } else {
            for (std::size_t k = i; k <= j; ++k)
                parts << QString::number(pool[k]);
        }
        i = j + 1;
    }
    return parts.join(QLatin1Char(','));
}

QString GuaranteeQueryError(int game, int threshold, int poolSize)
{
    if (game < 1 || game > kMaxGame)
        return QStringLiteral("Το παιχνίδι είναι από 1 έως %1 αριθμούς").arg(kMaxGame);
    if (threshold < 1 || threshold > game)
        return QStringLiteral("Η εγγύηση είναι από 1 έως %1 αριθμούς").arg(game);
    if (poolSize < game)
        return QStringLiteral("Χρειάζονται τουλάχιστον %1 αριθμοί για παιχνίδι %1 (δόθηκαν %2)").arg(game).arg(poolSize);
    return QString();
}

QString GuaranteePromiseText(int game, int threshold, int poolSize)
{
    return QStringLiteral("Αν έρθουν %1 από τους %2 αριθμούς, μια στήλη έχει τουλάχιστον %3")
        .arg(game)
        .arg(poolSize)
        .arg(threshold);
}

QString HolesHeading(const GuaranteeCheckResult &result)
{
    const std::int64_t holes = result.holeCount();
    const auto listed = static_cast<std::int64_t>(result.holes.size());
    const QString until = result.stopped ? QStringLiteral(" ως τη διακοπή") : QString();
    if (holes == 0)
        return QStringLiteral("Κανένας ακάλυπτος συνδυασμός") + until;
    if (listed < holes)
        return QStringLiteral("Οι πρώτοι %1 από %2 ακάλυπτους συνδυασμούς").arg(listed).arg(holes) + until;
    return (holes == 1 ? QStringLiteral("Ακάλυπτος συνδυασμός") : QStringLiteral("Ακάλυπτοι συνδυασμοί")) + until +
           QStringLiteral(": ") + QString::number(holes);
}

} // namespace taru

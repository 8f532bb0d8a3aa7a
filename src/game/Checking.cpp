#include "game/Checking.h"

#include "base/Errors.h"

#include <QStringList>

namespace taru {

std::optional<CheckRefusal> CheckingRefusal(int couponCount, const WinningPlaces &winning)
{
    if (couponCount <= 0)
        return CheckRefusal{kNoCouponsToCheck, QStringLiteral("Σφάλμα")};
    for (const QString &place : winning) {
        if (place == QLatin1String("-"))
            return CheckRefusal{kFillWinningColumn, QStringLiteral("Ενημέρωση")};
    }
    return std::nullopt;
}

QString CheckCaption(int game)
{
    return QStringLiteral("ΠΑΙΧΝΙΔΙ ") + QString::number(game) + QStringLiteral(" ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ");
}

void CouponRuns::add(int first, int last)
{
    if (last < first)
        return;
    if (!runs_.empty() && runs_.back().last + std::int64_t{1} == first)
        runs_.back().last = last;
    else
        runs_.push_back(Run{first, last});
    count_ += std::int64_t{last} - first + 1;
}

QString CouponRuns::text(int maxItems) const
{
    const bool compact = count_ > kListedCoupons;
    QString out;
    int items = 0;
    const auto put = [&](const QString &item) {
        if (maxItems >= 0 && items >= maxItems)
            return false;
        if (items++ > 0)
            out += QLatin1Char(',');
        out += item;
        return true;
    };
    for (const Run &run : runs_) {
        if (compact && std::int64_t{run.last} - run.first >= 2) {
            if (!put(QString::number(run.first) + QLatin1Char('-') + QString::number(run.last)))
                return out + QStringLiteral(",…");
            continue;
        }
        for (std::int64_t n = run.first; n <= run.last; ++n) {
            if (!put(QString::number(n)))
                return out + QStringLiteral(",…");
        }
    }
    return out;
}

CheckResult CheckColumns(const std::vector<std::vector<int>> &columns, int game, const WinningPlaces &winning,
                         int emptyColumns)
{
    std::array<int, kWinningSize> drawn{};
    for (int i = 0; i < kWinningSize; ++i)
        drawn[static_cast<size_t>(i)] = toInt(winning[static_cast<size_t>(i)]);

    CheckResult result;
    result.game = game;
    result.caption = CheckCaption(game);
    for (int hits = game; hits >= 0; --hits)
        result.categories.append(CheckCategory{hits, 0, {}});

    for (size_t m = 0; m < columns.size(); ++m) {
        int hits = 0;
        for (int number : columns[m]) {
            for (int place : drawn)
                hits += number == place ? 1 : 0;
        }
        if (hits > game)
            throw RangeError(QStringLiteral("Column %1 has %2 hits, more than its game %3").arg(m + 1).arg(hits).arg(game));
        CheckCategory &category = result.categories[game - hits];
        ++category.count;
        category.coupons.add(static_cast<int>(m + 1));
    }
    if (emptyColumns > 0) {
        CheckCategory &none = result.categories.last();
        const int first = static_cast<int>(columns.size()) + 1;
        none.coupons.add(first, first + emptyColumns - 1);
        none.count += emptyColumns;
    }

    QStringList places;
    for (const QString &place : winning)
        places.append(place);
    result.winningText = places.join(QStringLiteral(" / "));
    return result;
}

bool IsDuplicatePlace(const WinningPlaces &winning, const QString &picked)
{
    const QString text = picked.trimmed();
    for (const QString &place : winning) {
        if (place == text)
            return true;
    }
    return false;
}

bool SetWinningPlace(WinningPlaces &winning, int place, const QString &picked)
{
    const QString text = picked.trimmed();
    if (text.isEmpty() || IsDuplicatePlace(winning, text))
        return false;
    winning.at(static_cast<size_t>(place)) = text;
    return true;
}

} // namespace taru

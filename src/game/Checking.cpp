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

CheckResult CheckColumns(const std::vector<std::vector<int>> &columns, int game, const WinningPlaces &winning)
{
    std::array<int, kWinningSize> drawn{};
    for (int i = 0; i < kWinningSize; ++i)
        drawn[static_cast<size_t>(i)] = toInt(winning[static_cast<size_t>(i)]);

    CheckResult result;
    result.game = game;
    result.caption = CheckCaption(game);
    for (int hits = game; hits >= 0; --hits)
        result.categories.append(CheckCategory{hits, 0, QString()});

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
        if (!category.coupons.isEmpty())
            category.coupons += QLatin1Char(',');
        category.coupons += QString::number(m + 1);
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

#include "game/Pricing.h"

#include "base/Errors.h"

#include <cmath>
#include <limits>

namespace taru {

int CouponMultiplier(const MultiplierBoxes &boxes)
{
    int sum = 0;
    for (int i = 0; i < kMultiplierBoxCount; ++i) {
        if (boxes[i])
            sum += kMultiplierValues[i];
    }
    return sum == 0 ? 1 : sum;
}

int CouponDraws(const DrawBoxes &boxes)
{
    int draws = 1;
    for (int c = 0; c < kDrawColumns; ++c) {
        for (int r = 0; r < kDrawRows; ++r) {
            if (boxes[c][r])
                draws = kDrawValues[c][r];
        }
    }
    return draws;
}

double CouponCost(int columns, int draws, int multiplier, double columnPrice)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(columns, draws, &product) || __builtin_mul_overflow(product, multiplier, &product))
        throw OverflowError(QStringLiteral("Integer overflow"));
    return static_cast<double>(product) * columnPrice;
}

QString FormatMoney(double value, const QLocale &locale)
{
    QString text = QString::asprintf("%.2f", value);
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

std::int64_t Combinations(int n, int k)
{
    long double product = 1.0L;
    for (int i = n - k + 1; i <= n; ++i)
        product *= static_cast<long double>(i);

    std::int64_t factorial = 1;
    for (int i = 2; i <= k; ++i) {
        if (__builtin_mul_overflow(factorial, static_cast<std::int64_t>(i), &factorial))
            throw OverflowError(QStringLiteral("Integer overflow"));
    }
    if (k <= 0 || factorial == 0)
        factorial = 1;
    return static_cast<std::int64_t>(std::llroundl(product / static_cast<long double>(factorial)));
}

QString StringTableEntry(int id)
{
    switch (id) {
    case 62:
        return QStringLiteral("0,50");
    default:
        return QString();
    }
}

double LoadColumnPrice(const QLocale &locale)
{
    QString text = StringTableEntry(62);
    if (text.isEmpty())
        return 0.5;
    text.replace(QLatin1Char(','), locale.decimalPoint());
    return toDouble(text, locale);
}

} // namespace taru

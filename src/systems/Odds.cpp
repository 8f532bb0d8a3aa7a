#include "systems/Odds.h"

#include "base/Errors.h"
#include "game/Pricing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace taru {

namespace {

using Wide = unsigned __int128;

// Exact C(x, s) for x <= 80: Pascal's triangle in 128 bits (C(80,40) is about 1.1e23).
Wide binomial(int x, int s)
{
    static const auto table = [] {
        std::array<std::array<Wide, kNumbers + 1>, kNumbers + 1> c{};
        for (int i = 0; i <= kNumbers; ++i) {
            c[i][0] = 1;
            for (int j = 1; j <= i; ++j)
                c[i][j] = c[i - 1][j - 1] + (j <= i - 1 ? c[i - 1][j] : 0);
        }
        return c;
    }();
    if (x < 0 || s < 0 || s > x)
        return 0;
    return table[x][s];
}

// Fixed notation with `digits` significant digits, "." as the separator.
QString significant(long double value, int digits)
{
    const int magnitude = static_cast<int>(std::floor(std::log10(value)));
    const int decimals = std::max(0, digits - 1 - magnitude);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    return QString::fromLatin1(buffer);
}

QString localised(QString text, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

} // namespace

GameOdds OddsOfGame(int poolSize, int game)
{
    if (poolSize < 0 || poolSize > kNumbers)
        throw RangeError(QStringLiteral("The pool size %1 is outside 0..80").arg(poolSize));
    if (game < 0 || game > kNumbers)
        throw RangeError(QStringLiteral("The game %1 is outside 0..80").arg(game));
    GameOdds odds;
    const Wide total = binomial(kNumbers, kWinningSize);
    Wide favourable = 0;
    for (int k = game; k <= std::min(poolSize, kWinningSize); ++k)
        favourable += binomial(poolSize, k) * binomial(kNumbers - poolSize, kWinningSize - k);
    // Both are at most C(80,20), about 3.5e18: they fit 64 bits, and a long double holds them exactly.
    odds.total = static_cast<std::uint64_t>(total);
    odds.favourable = static_cast<std::uint64_t>(favourable);
    return odds;
}

QString ProbabilityDecimal(const GameOdds &odds)
{
    if (odds.favourable == 0)
        return QStringLiteral("0");
    return significant(odds.probability(), 12);
}

QString OddsText(int poolSize, int game, const GameOdds &odds, const QLocale &locale)
{
    const QString head = QStringLiteral("Πιθανότητα για %1 από τους %2 αριθμούς σε μια κλήρωση: ").arg(game).arg(poolSize);
    if (odds.favourable == 0)
        return head + QStringLiteral("καμία");
    const long double percent = odds.probability() * 100.0L;
    const QString percentText = percent >= 1.0L ? QString::asprintf("%.2Lf", percent) : significant(percent, 4);
    const long double x = odds.oneIn();
    const QString xText = x < 100.0L ? QString::asprintf("%.2Lf", x) : QString::asprintf("%.0Lf", x);
    return head + localised(percentText, locale) + QStringLiteral("% (1 στις ") + localised(xText, locale) +
           QLatin1Char(')');
}

QString GuaranteeCostText(double systemCost, const GameOdds &odds, const QLocale &locale)
{
    if (odds.favourable == 0)
        return QString();
    const double cost = systemCost * static_cast<double>(odds.oneIn());
    return QStringLiteral("Κόστος ανά κλήρωση που ενεργοποιεί την εγγύηση: ") + FormatMoney(cost, locale) +
           QStringLiteral(" Ευρώ");
}

} // namespace taru

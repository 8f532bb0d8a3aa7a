#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace taru {

// How likely a draw (20 of 80) brings at least G of the n pool numbers: the case in which a
// system's guarantee comes into play. Exact: favourable / total draws, both whole numbers.
struct GameOdds {
    std::uint64_t favourable = 0; // sum over k >= G of C(n,k) * C(80-n, 20-k)
    std::uint64_t total = 0;      // C(80,20)

    long double probability() const { return total == 0 ? 0.0L : static_cast<long double>(favourable) / total; }
    // X of "1 in X"; 0 when the case cannot happen.
    long double oneIn() const { return favourable == 0 ? 0.0L : static_cast<long double>(total) / favourable; }
};

// RangeError when n is outside 0..80 or G outside 0..80.
GameOdds OddsOfGame(int poolSize, int game);

// The probability as a decimal with 12 significant digits, "." as the separator ("0.196280654519");
// "0" when the case cannot happen.
QString ProbabilityDecimal(const GameOdds &odds);

// "Πιθανότητα για 6 από τους 30 αριθμούς σε μια κλήρωση: 12,34% (1 στις 8,10)": the percentage
// with two decimals, or four significant digits below 1%; X with two decimals below 100, else
// whole. "... : καμία" when the case cannot happen.
QString OddsText(int poolSize, int game, const GameOdds &odds, const QLocale &locale = QLocale());

// "Κόστος ανά κλήρωση που ενεργοποιεί την εγγύηση: 1234,50 Ευρώ": the system's cost times X, what
// playing it on every draw costs per draw that brings G of the pool numbers. Empty when the case
// cannot happen.
QString GuaranteeCostText(double systemCost, const GameOdds &odds, const QLocale &locale = QLocale());

} // namespace taru

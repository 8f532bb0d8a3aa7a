#pragma once

#include "draws/DrawsFile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace taru::draws {

inline constexpr int kStreakDraws = 20;
inline constexpr int kStreakLabels = 10;

inline const QString kStatTotalText = QStringLiteral("ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :");
inline const QString kStatDelayedText = QStringLiteral("Καθυστερούν οι αριθμοί ");
inline const QString kStatStreakText = QStringLiteral("Αριθμοί με Ρέντα :");
inline const QString kStatStreakTail = QStringLiteral(" για τις 20 τελευταίες κληρώσεις");

// The statistics of every number 1..80 over the draws, in file order. A draw is the set of
// numbers 1..80 among its number fields; a number written twice in one draw counts once.
struct DrawStatistics {
    int total = 0;                       // T: the draws counted
    std::array<int, kHighestNumber> appearances{}; // [n - 1]
    std::array<int, kHighestNumber> repeats{};     // the run of latest draws holding n
    std::array<int, kHighestNumber> delays{};      // the latest draws without n
    // The labels of the streak step, in the order the exchange sort leaves them (empty without
    // draws).
    std::vector<int> streakOrder;

    // The cells of the statistics grid for number n: the number, appearances, share ("67 %", or
    // "0" for a number never drawn, as the cell starts), repeats, delay.
    QStringList cells(int n) const;
    // appearances × 100 / T to the nearest integer, a half going to the even neighbour.
    int share(int n) const;
    QString totalText() const;   // Label1
    QString delayedText() const; // Label2
    QString streakText() const;  // Label3
};

// Gathers the statistics one draw at a time, in a single pass over the file.
class StatisticsBuilder {
public:
    // A draw as the numbers of its fields 4 to 23; anything outside 1..80 is passed over.
    void add(const int *numbers, int count);
    void add(const std::bitset<kHighestNumber + 1> &draw);
    DrawStatistics finish() const;

private:
    int count_ = 0;
    std::array<int, kHighestNumber + 1> appearances_{};
    std::array<int, kHighestNumber + 1> lastSeen_{}; // draw index + 1, 0 for never
    std::array<int, kHighestNumber + 1> run_{};
    std::array<std::bitset<kHighestNumber + 1>, kStreakDraws> recent_{}; // ring of the latest draws
};

DrawStatistics ComputeStatistics(const DrawList &draws);

// The counts of the streak step ordered as written: for i from 79 down to 0, for j from 1 to i,
// when cnt[i] > cnt[j - 1] the two change places, each label moving with its count. Returns the
// labels (1..80) in their final order.
std::vector<int> ExchangeSortLabels(std::array<int, kHighestNumber> counts);

struct StatisticsFileData {
    DrawStatistics stats; // of the lines read before a failure
    bool valid = false;
    QString error;        // kDrawsReadError when not valid
    QString detail;       // the file and the reason
    QString message() const { return detail.isEmpty() ? error : error + QLatin1Char('\n') + detail; }
};

// Reads the draws file line by line: every line holding at least one field (comma-text rules) is
// a draw; a field that is not a number is passed over. Only a file that cannot be read (or a line
// too long to be a draw) fails, keeping the counts made before it.
StatisticsFileData ReadDrawStatistics(const QString &path);

} // namespace taru::draws

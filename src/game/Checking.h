#pragma once

#include "game/Pricing.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace taru {

using WinningPlaces = std::array<QString, kWinningSize>; // "1".."80" or "-"

// One row of the checking results: how many columns reached this number of hits, and which
// (1-based coupon numbers joined by ",").
struct CheckCategory {
    int hits = 0;
    int count = 0;
    QString coupons;
};

struct CheckResult {
    int game = 0;
    QList<CheckCategory> categories; // game hits down to 0
    QString winningText;             // the places joined by " / "
    QString caption;                 // "ΠΑΙΧΝΙΔΙ k ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"
};

// Why checking does not start, with the caption of its box.
struct CheckRefusal {
    QString text;
    QString caption;
};

inline const QString kNoCouponsToCheck = QStringLiteral("Δεν υπάρχουν δελτία για διαλογή!");
inline const QString kFillWinningColumn = QStringLiteral("Παρακαλώ συμπληρώστε τη νικήτρια στήλη");
inline const QString kDuplicatePlace = QStringLiteral("Ο αριθμός αυτός υπάρχει ήδη στη νικήτρια!");

// No coupons ("Σφάλμα"), or a place still "-" ("Ενημέρωση"); nothing when checking may run.
std::optional<CheckRefusal> CheckingRefusal(int couponCount, const WinningPlaces &winning);

QString CheckCaption(int game);

// Checks every column (file order, numbered from 1) against the winning column. The places are
// read as numbers (ConversionError for a place that is not one); a column with more hits than
// the game is a RangeError.
CheckResult CheckColumns(const std::vector<std::vector<int>> &columns, int game, const WinningPlaces &winning);

// Setting place (0..19) by picking: the picked text (trimmed) is refused when any place already
// holds it; blank picks change nothing. True when the place was set.
bool SetWinningPlace(WinningPlaces &winning, int place, const QString &picked);
bool IsDuplicatePlace(const WinningPlaces &winning, const QString &picked);

} // namespace taru

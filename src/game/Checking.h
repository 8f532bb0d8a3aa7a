#pragma once

#include "game/Pricing.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace taru {

using WinningPlaces = std::array<QString, kWinningSize>; // "1".."80" or "-"

// Coupon numbers (1-based, ascending) kept as runs of consecutive numbers, so the millions of
// empty coupons a file may announce past its lines cost one run.
class CouponRuns {
public:
    struct Run {
        int first = 0;
        int last = 0;
        bool operator==(const Run &) const = default;
    };

    // Appends first..last (above every number held); joins the last run when it follows on.
    void add(int first, int last);
    void add(int number) { add(number, number); }

    std::int64_t count() const { return count_; }
    const std::vector<Run> &runs() const { return runs_; }

    // Every number joined by "," ("4,9") while there are at most kListedCoupons of them; a longer
    // list writes each run of three or more as "first-last" ("1,3,5-20000000"). With maxItems
    // >= 0, at most that many items are written, followed by "…" when some are left out.
    QString text(int maxItems = -1) const;

private:
    std::vector<Run> runs_;
    std::int64_t count_ = 0;
};

// Lists up to this long are written number by number.
inline constexpr int kListedCoupons = 300;

// One row of the checking results: how many columns reached this number of hits, and which.
struct CheckCategory {
    int hits = 0;
    int count = 0;
    CouponRuns coupons;
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
// the game is a RangeError. `emptyColumns` more columns follow without numbers (the coupons a
// file announces past its lines): they join the 0 category as one run.
CheckResult CheckColumns(const std::vector<std::vector<int>> &columns, int game, const WinningPlaces &winning,
                         int emptyColumns = 0);

// Setting place (0..19) by picking: the picked text (trimmed) is refused when any place already
// holds it; blank picks change nothing. True when the place was set.
bool SetWinningPlace(WinningPlaces &winning, int place, const QString &picked);
bool IsDuplicatePlace(const WinningPlaces &winning, const QString &picked);

} // namespace taru

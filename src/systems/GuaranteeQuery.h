#pragma once

#include "data/CouponFile.h"
#include "data/SystemColumns.h"
#include "systems/GuaranteeCheck.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace taru {

// The coupons of a coupon file as columns to check: each line's numbers in file order. Coupons
// the file announces past its lines are empty and cover nothing, so they are left out.
SystemColumns CouponFileColumns(const data::CouponFileData &file);

// A pool typed by the user: numbers and ranges ("1-20, 33 41") separated by commas or blanks,
// in any order, repeats counted once.
struct PoolParse {
    std::vector<std::uint8_t> pool; // ascending
    QString error;                  // empty when the text reads
    bool ok() const { return error.isEmpty(); }
};
PoolParse ParsePool(const QString &text);

// The pool written back the short way: runs of three or more as ranges ("1-20,33,41").
QString PoolText(const std::vector<std::uint8_t> &pool);

// Why a check of game G, threshold T over a pool of this many numbers cannot run; empty when it can.
QString GuaranteeQueryError(int game, int threshold, int poolSize);

// "Αν έρθουν 6 από τους 30 αριθμούς, μια στήλη έχει τουλάχιστον 5": the promise being checked.
QString GuaranteePromiseText(int game, int threshold, int poolSize);

// The heading of a list of holes: how many there are and how many are listed.
QString HolesHeading(const GuaranteeCheckResult &result);

} // namespace taru

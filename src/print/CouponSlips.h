#pragma once

#include "data/CouponFile.h"
#include "print/PrintJob.h"

#include <QList>

namespace taru {

// One coupon of a coupon file as batch printing marks it: the game box of the file's game, the
// file's multiplier boxes and consecutive-draws box, and the coupon's numbers.
SlipMarks CouponFileSlipMarks(const data::CouponFileData &file, int index);

// Coupons first..last (1-based) of the file with their value line "Δελ. n" and the file's one
// coupon value, made as they are printed (the file must outlive the source). Coupons past the
// file's lines are empty slips, as the file says.
SlipJobSource CouponFileSlipSource(const data::CouponFileData &file, double couponValue, int first, int last);

} // namespace taru

#pragma once

#include "data/CouponFile.h"
#include "print/PrintJob.h"

#include <QList>

namespace taru {

// One coupon of a coupon file as batch printing marks it: the game box of the file's game, the
// file's multiplier boxes and consecutive-draws box, and the coupon's numbers.
SlipMarks CouponFileSlipMarks(const data::CouponFileData &file, int index);

// Every coupon of the file with its value line "Δελ. n" and the file's one coupon value.
QList<SlipJob> CouponFileSlipJobs(const data::CouponFileData &file, double couponValue);

} // namespace taru

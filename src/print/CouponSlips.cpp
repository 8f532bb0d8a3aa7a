#include "print/CouponSlips.h"

#include "game/Pricing.h"

#include <QStringList>

namespace taru {

SlipMarks CouponFileSlipMarks(const data::CouponFileData &file, int index)
{
    SlipMarks marks;
    marks.games = QString::number(gameBoxOf(file.game));
    marks.multipliers = file.multipliers;
    QStringList numbers;
    for (std::uint8_t n : file.coupon(index).numbers)
        numbers.append(QString::number(n));
    marks.numbers = numbers.join(QLatin1Char(','));
    marks.drawColumn = file.drawsColumn;
    marks.drawRow = file.drawsRow;
    return marks;
}

QList<SlipJob> CouponFileSlipJobs(const data::CouponFileData &file, double couponValue)
{
    QList<SlipJob> jobs;
    jobs.reserve(file.count);
    for (int i = 0; i < file.count; ++i)
        jobs.append(SlipJob{CouponFileSlipMarks(file, i), ValueLine{ValueLine::Kind::CouponNumber, QString(), i + 1, couponValue}});
    return jobs;
}

} // namespace taru

#include "print/CouponSlips.h"

#include "game/Pricing.h"

#include <QStringList>

#include <algorithm>

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

SlipJobSource CouponFileSlipSource(const data::CouponFileData &file, double couponValue, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, file.count);
    return SlipJobSource{std::max(0, last - first + 1), [&file, couponValue, first](int index) {
                             const int n = first + index;
                             return SlipJob{CouponFileSlipMarks(file, n - 1),
                                            ValueLine{ValueLine::Kind::CouponNumber, QString(), n, couponValue}};
                         }};
}

} // namespace taru

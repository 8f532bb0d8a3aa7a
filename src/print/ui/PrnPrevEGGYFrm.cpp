#include "print/ui/PrnPrevEGGYFrm.h"

#include "base/Errors.h"
#include "data/CouponFile.h"
#include "game/Pricing.h"
#include "print/ui/PrnPrevGenFrm.h"

#include <algorithm>

namespace taru::ui {

TPrnPrevEGGYFrm::TPrnPrevEGGYFrm(AppContext &context, QWidget *parent)
    : MultiCouponPreview(context, parent)
{
    setObjectName(QStringLiteral("PrnPrevEGGYFrm"));
    setWindowTitle(kCouponSetPreviewCaption);
}

void TPrnPrevEGGYFrm::setSystem(int k, int count)
{
    SystemColumns columns = context_.state.systemColumns;
    columns.truncate(static_cast<std::size_t>(std::max(count, 0)));
    setColumns(k, std::move(columns), context_.state.slipMarks);
}

void TPrnPrevEGGYFrm::setColumns(int k, SystemColumns columns, const SlipMarks &options)
{
    if (k < 1 || k > kMaxGame)
        throw RangeError(QStringLiteral("Game %1 is out of range 1..12").arg(k));
    // Priced as one column of a coupon file with the same options.
    data::CouponFileData pricing;
    pricing.game = k;
    pricing.multipliers = options.multipliers;
    pricing.drawsColumn = options.drawColumn;
    pricing.drawsRow = options.drawRow;
    value_ = data::CouponFileValue(pricing, context_.state.columnPrice);
    game_ = k;
    columns_ = std::move(columns);
    options_ = options;
}

SlipMarks TPrnPrevEGGYFrm::couponMarks(int n) const
{
    SlipMarks marks;
    marks.games = QString::number(gameBoxOf(game_));
    marks.multipliers = options_.multipliers;
    marks.drawColumn = options_.drawColumn;
    marks.drawRow = options_.drawRow;
    QStringList numbers;
    for (std::uint8_t number : columns_[static_cast<std::size_t>(n - 1)]) {
        if (number != 0) // the padding of a short row
            numbers << QString::number(number);
    }
    marks.numbers = numbers.join(QLatin1Char(','));
    return marks;
}

void TPrnPrevEGGYFrm::prepareSnapshot()
{
    setColumns(6, {{1, 9, 23, 40, 52, 77}, {1, 9, 23, 41, 60, 78}, {2, 9, 31, 40, 60, 80}, {2, 12, 23, 52, 61, 79}},
               SlipMarks{QString(), QStringLiteral("1"), false, QString(), 1, 2});
    FormShow();
}

} // namespace taru::ui

#pragma once

#include "window/SnapshotContent.h"
#include "data/SystemColumns.h"
#include "print/ui/SlipPreview.h"

#include <cstdint>
#include <vector>

namespace taru::ui {

// The coupons of a produced system, one column to a coupon. The system's window hands them over
// with one call before showing the preview:
//     context.window<TPrnPrevEGGYFrm>(WindowId::PrnPrevEGGYFrm)->setSystem(k, columnCount);
// The columns are read from context.state.systemColumns (the first columnCount of them); the
// game box is that of game k; the multiplier boxes and the consecutive-draws box are those of the
// current slip (context.state.slipMarks), which also price each coupon. Printed in the
// produced-system places, with the running correction on the multipliers.
class TPrnPrevEGGYFrm : public MultiCouponPreview, public SnapshotContent {
    Q_OBJECT
public:
    TPrnPrevEGGYFrm(AppContext &context, QWidget *parent = nullptr);

    // RangeError for a game outside 1..12; the coupon value as a coupon file of the same options
    // would price it.
    void setSystem(int k, int count);

    int game() const { return game_; }
    int couponCount() const override { return static_cast<int>(columns_.size()); }
    SlipMarks couponMarks(int n) const override;
    SlipVariant variant() const override { return SlipVariant::BProducedSystem; }

    void prepareSnapshot() override;

private:
    void setColumns(int k, SystemColumns columns, const SlipMarks &options);

    int game_ = 0;
    SystemColumns columns_;
    SlipMarks options_; // multipliers and consecutive draws shared by the set
};

} // namespace taru::ui

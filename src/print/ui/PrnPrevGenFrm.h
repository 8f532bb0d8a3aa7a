#pragma once

#include "window/SnapshotContent.h"
#include "print/ui/SlipPreview.h"
#include "systems/Generator.h"

class QPushButton;

namespace taru::ui {

inline const QString kCouponSetPreviewCaption = QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");

// The coupons of the random generator. The generator hands them over with
//     preview->setCoupons(std::move(coupons), couponValue);
// the set keeps its numbers flat and makes each coupon's slip (its coupon-file line, with the
// "A" placeholders, and the game, multiplier and consecutive-draws boxes shared by the set) only
// when it is shown or printed, so a million coupons stay light. Printed in the single-game
// places; "&ΑΠΟΘΗΚΕΥΣΗ" writes the set as a coupon file, streamed.
class TPrnPrevGenFrm : public MultiCouponPreview, public SnapshotContent {
    Q_OBJECT
public:
    TPrnPrevGenFrm(AppContext &context, QWidget *parent = nullptr);

    void setCoupons(GeneratedCoupons coupons, double couponValue);
    const GeneratedCoupons &coupons() const { return coupons_; }

    QPushButton *BBtnSave;
    void BBtnSaveClick();

    int couponCount() const override { return static_cast<int>(coupons_.size()); }
    SlipMarks couponMarks(int n) const override { return coupons_.marks(static_cast<std::size_t>(n - 1)); }
    SlipVariant variant() const override { return SlipVariant::A; }

    void prepareSnapshot() override;

private:
    GeneratedCoupons coupons_;
};

} // namespace taru::ui

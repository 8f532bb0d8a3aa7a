#pragma once

#include "window/SnapshotContent.h"
#include "print/ui/SlipPreview.h"

class QPushButton;

namespace taru::ui {

inline const QString kCouponSetPreviewCaption = QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");

// The coupons of the random generator. The generator hands them over with
//     preview->setCoupons(game, coupons, couponValue);
// each coupon's SlipMarks holding its numbers list in coupon-file form (numbers by decade, with
// the "A" placeholders), the game box, the multiplier boxes and the consecutive-draws box shared
// by the set. Printed in the single-game places; "&ΑΠΟΘΗΚΕΥΣΗ" writes the set as a coupon file.
class TPrnPrevGenFrm : public MultiCouponPreview, public SnapshotContent {
    Q_OBJECT
public:
    TPrnPrevGenFrm(AppContext &context, QWidget *parent = nullptr);

    void setCoupons(int game, const QList<SlipMarks> &coupons, double couponValue);

    QPushButton *BBtnSave;
    void BBtnSaveClick();

    int couponCount() const override { return static_cast<int>(coupons_.size()); }
    SlipMarks couponMarks(int n) const override { return coupons_.at(n - 1); }
    SlipVariant variant() const override { return SlipVariant::A; }

    void prepareSnapshot() override;

private:
    int game_ = 0;
    QList<SlipMarks> coupons_;
};

} // namespace taru::ui

#pragma once

#include "window/CouponFileWindow.h"
#include "window/SnapshotContent.h"
#include "data/CouponFile.h"
#include "print/ui/SlipPreview.h"

class QLabel;

namespace taru::ui {

class CouponFileActions;
class WinningRow;

inline const QString kDeltiaHelpTopic = QStringLiteral("TARU.chm::/DELTIA.htm");
inline const QString kWinningColumnTitle = QStringLiteral("Ν Ι Κ Η Τ Ρ Ι Α   Σ Τ Η Λ Η");

// The coupons of a coupon file: shown, printed in the coupon-file places, and checked against
// the winning column (taken place by place or from a past draw of the draws file).
class TPrnPrevDeltiaFrm : public MultiCouponPreview, public CouponFileWindow, public SnapshotContent {
    Q_OBJECT
public:
    TPrnPrevDeltiaFrm(AppContext &context, QWidget *parent = nullptr);

    // Reads the file; on failure shows the reader's message and answers false (no coupons then).
    bool loadCouponFile(const QString &path) override;

    QLabel *LblNikTitle;
    WinningRow *Header1; // places 1..10
    WinningRow *Header2; // places 11..20
    QPushButton *sBtnNik;
    QPushButton *BtnSort;
    QPushButton *glBBtnhELP;
    QPushButton *BBtnReport; // hidden
    CouponFileActions *Actions; // guarantee check and history of the whole file

    // A click on a place of either row (place 0..19).
    void HeaderSectionClick(int place);
    void sBtnNikClick();
    void BtnSortClick();
    void glBBtnhELPClick();

    const data::CouponFileData &couponFile() const { return file_; }
    int couponCount() const override { return file_.count; }
    SlipMarks couponMarks(int n) const override;
    SlipVariant variant() const override { return SlipVariant::BFromFile; }

    void prepareSnapshot() override;

protected:
    QString captionPrefix() const override;
    bool showsOnlyExistingBoxes() const override { return true; }

private:
    void repaintWinning();

    data::CouponFileData file_;
    QString fileName_; // without folder
};

} // namespace taru::ui

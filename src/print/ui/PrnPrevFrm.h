#pragma once

#include "window/SnapshotContent.h"
#include "print/ui/SlipPreview.h"

namespace taru::ui {

inline const QString kPrnPrevFrmCaption = QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ");

// The single game of the game screen: its marks (the SlipMarks of the shared state when the game
// screen hands it over), the game's label and value; printed in the single-game places.
class TPrnPrevFrm : public SlipPreviewWindow, public SnapshotContent {
    Q_OBJECT
public:
    TPrnPrevFrm(AppContext &context, QWidget *parent = nullptr);

    // Takes the coupon now in the shared SlipMarks, with the label (file name of the game, may
    // be blank) and the value the game screen gives, and shows it.
    void setGame(const QString &gameLabel, double couponValue);

    void BtnPrintClick() override;

    const QString &gameLabel() const { return label_; }
    double couponValue() const { return value_; }

    void prepareSnapshot() override;

private:
    void showGame();

    SlipMarks marks_;
    QString label_;
    double value_ = 0.0;
};

} // namespace taru::ui

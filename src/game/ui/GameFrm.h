#pragma once

#include "window/AppContext.h"
#include "window/CentredDialog.h"
#include "window/SnapshotContent.h"

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace taru::ui {

class BoxHeader;
class DrawBoxesGrid;
class GameHeading;
class NumberBoard;

// How the game screen hands its coupon to the single-coupon print preview: the preview reads the
// marks from SlipMarks of the shared state and is given the game's label (the name of the last
// loaded game file, without folder and extension) and the coupon's value; it shows modally.
using CouponPreviewOpener = std::function<void(const QString &gameLabel, double couponValue)>;

// The game screen: one coupon filled by hand on the number board and the coupon's boxes, priced
// as it changes, saved and loaded as a game file, handed to the print preview. The coupon lives
// in the shared state; the window only turns clicks into changes of it.
class TGameFrm : public CentredDialog, public SnapshotContent {
    Q_OBJECT
public:
    TGameFrm(AppContext &context, CouponPreviewOpener openPreview, QWidget *parent = nullptr);

    // Handlers, also called directly by tests.
    void FormShow() override;
    void SgrdMouseUp(int index);         // number board box index (number - 1)
    void Header1SectionClick(int index); // multiplier box 0..8
    void Header6SectionClick(int index); // the random-selection box
    void SgrdDKMouseUp(int index);       // consecutive-draws box, column * 5 + row
    void BtnPrintClick();
    void BtnClearClick();
    void BBtnSaveClick();
    void BBtnOpenClick();

    // Routines of the window.
    void ResetCoupon(bool clearWinningColumn);
    int CountMarked() const;
    void UpdateValue();
    void FillSlipMarks();

    // A sample coupon for the program's picture of this window.
    void prepareSnapshot() override;

    // The label printouts carry: the last chosen game file's name cut before its first ".".
    QString gameLabel() const;

    // Controls, named as the form names them.
    GameHeading *Heading = nullptr;
    QLabel *LblNumbers = nullptr;
    NumberBoard *Sgrd = nullptr;
    QLabel *LblGame = nullptr;
    BoxHeader *Header3 = nullptr;
    QLabel *LblMultiplier = nullptr;
    BoxHeader *Header1 = nullptr;
    QLabel *LblRandom = nullptr;
    BoxHeader *Header6 = nullptr;
    QLabel *LblDraws = nullptr;
    DrawBoxesGrid *SgrdDK = nullptr;
    QGroupBox *GrpValue = nullptr;
    QLabel *LblSthles = nullptr;
    QLabel *LblKostos = nullptr;
    QLabel *LblWinning = nullptr;
    QPushButton *sBtnNik = nullptr;
    QPushButton *BtnSort = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BtnClear = nullptr;
    QPushButton *BtnBack = nullptr;
    QPushButton *BBtnSave = nullptr;
    QPushButton *BBtnOpen = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QToolButton *BBtnCalculator = nullptr;

private:
    void buildControls();
    void connectHandlers();
    void refreshBoxes();

    AppContext &context_;
    SharedState &state_;
    CouponPreviewOpener openPreview_;
    QString lastGameFile_; // as chosen in the open dialog
};

} // namespace taru::ui

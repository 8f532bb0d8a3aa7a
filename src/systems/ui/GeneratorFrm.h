#pragma once

#include "window/AppContext.h"
#include "window/CentredDialog.h"
#include "window/SnapshotContent.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace taru::ui {

// Shown every time the generator opens.
inline const QString kGeneratorWelcome = QStringLiteral(
    "ΚΑΛΩΣ ΗΛΘΑΤΕ ΣΤΗΝ ΕΞΥΠΝΗ ΓΕΝΗΤΡΙΑ ΠΑΡΑΓΩΓΗΣ ΔΕΛΤΙΩΝ\n"
    "ΓΙΑ ΤΙΣ ΑΝΑΓΚΕΣ ΤΟΥ ΠΡΑΚΤΟΡΕΙΟΥ ΚΑΙ ΤΟΝ ΚΑΘΕ ΠΑΙΧΤΗ,\n"
    "ΒΑΣΕΙ ΕΠΙΛΕΓΜΕΝΩΝ ΑΡΙΘΜΩΝ ΑΝΑ ΤΜΗΜΑ , ΑΞΙΑΣ ΚΑΙ ΑΡΙΘΜΟ ΔΕΛΤΙΩΝ ...\n"
    "Η ΓΕΝΗΤΡΙΑ ΕΧΕΙ ΕΠΙΛΕΓΜΕΝΟΥΣ ΟΛΟΥΣ ΤΟΥΣ ΑΡΙΘΜΟΥΣ  \n"
    "ΤΟ ΚΟΣΤΟΣ ΚΑΘΕ ΔΕΛΤΙΟΥ ΕΙΝΑΙ 0,3 ΕΥΡΩ.\n"
    "ΚΑΙ ΜΑΣ ΠΡΟΤΕΙΝΕΙ 100 ΔΕΛΤΙΑ ΓΙΑ ΑΥΤΟΜΑΤΗ ΠΑΡΑΓΩΓΗ. \n"
    "ΜΠΟΡΟΥΜΕ ΝΑ ΠΑΡΑΓΟΥΜΕ ΟΣΑ ΔΕΛΤΙΑ ΘΕΛΟΥΜΕ \n"
    "ΚΑΙ ΝΑ ΚΑΘΟΡΙΣΟΥΜΕ ΤΟ ΠΑΙΧΝΙΔΙ.\n"
    "ΜΕ ΑΠΟΤΕΛΕΣΜΑ ΤΟ ΚΟΣΤΟΣ ΤΟΥ ΔΕΛΤΙΟΥ ΚΑΘΟΡΙΖΕΤΕ ΑΠΟ ΤΟΝ ΠΟΛΛΑΠΛΑΣΙΑΣΤΗ.\n"
    "ΕΧΟΥΜΕ ΤΗ ΔΥΝΑΤΟΤΗΤΑ ΝΑ ΠΑΙΞΟΥΜΕ ΜΟΝΑ Ή ΖΥΓΑ ΓΙΑ ΤΗΝ ΚΑΘΕ ΔΕΚΑΔΑ\n"
    "ΠΑΤΩΝΤΑΣ ΤΑ ΑΝΤΙΣΤΟΙΧΑ ΚΟΥΜΠΙΑ..");

class BoxHeader;
class DrawBoxesGrid;
class NumberBoard;

// The random coupon generator: the mould of allowed numbers on the shared board (marked by
// hand or by the odd and even buttons of each decade), the game, the coupon's options and the
// number of coupons; "&ΔΕΛΤΙΑ" produces them and hands them to the generated-coupons preview.
class TGeneratorFrm : public CentredDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TGeneratorFrm(AppContext &context, QWidget *parent = nullptr);

    // Handlers, also called directly by tests.
    void FormShow() override;
    void SgrdMouseUp(int index);                    // board box index (number - 1)
    void Header1SectionClick(int index);            // multiplier box 0..8
    void SgrdDKMouseUp(int index);                  // consecutive-draws box, column * 5 + row
    void Cmb1AChange();
    void ToolButton1Click(int decade, bool even);   // decades 0..3: the button's new state is read
    void ToolButton7Click(int decade, bool even);   // decades 4..7, the same
    void BtnPrintClick();
    void BtnClearClick();

    // Routines of the window.
    void SelectAllMould();
    void UpdateValue();
    int CountMarked() const;
    double couponValue() const { return couponValue_; }

    void prepareSnapshot() override;

    // Controls, named as the form names them.
    QLabel *LblMould = nullptr;
    NumberBoard *Sgrd = nullptr;
    std::array<QToolButton *, 8> BtnOdd{};   // " Μ " of each decade
    std::array<QToolButton *, 8> BtnEven{};  // "Ζ" of each decade
    QLabel *LblGame = nullptr;
    QComboBox *Cmb1A = nullptr;
    QLabel *LblMultiplier = nullptr;
    BoxHeader *Header1 = nullptr;
    QLabel *LblDraws = nullptr;
    DrawBoxesGrid *SgrdDK = nullptr;
    QLabel *LblNumDeltia = nullptr;
    QLineEdit *EdtNumDeltia = nullptr;
    QGroupBox *GrpValue = nullptr;
    QLabel *LblSthles = nullptr;
    QLabel *LblKostos = nullptr;
    QLabel *LblTotKostos = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BtnClear = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QToolButton *LMDShapeButton1 = nullptr;
    QPushButton *BtnBack = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void decadeButton(int decade, bool even);
    void refreshBoxes();

    AppContext &context_;
    double couponValue_ = 0.0;
};

} // namespace taru::ui

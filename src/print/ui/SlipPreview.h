#pragma once

#include "window/AppContext.h"
#include "print/PrintJob.h"
#include "print/ui/ProgramPrinter.h"
#include "print/SlipLayout.h"
#include "game/SlipMarks.h"

#include <QDialog>
#include <QImage>
#include <QList>

#include <functional>

class QLabel;
class QPushButton;

namespace taru::ui {

inline const QString kLastCouponPrinted = QStringLiteral("Εκτυπώσατε και το τελευταίο δελτίο");
inline const QString kAskBatchFromCurrent = QStringLiteral(
    "Να συνεχίσω την αυτόματη εκτύπωση από το τρέχον δελτίο; (ΠΡΟΣΟΧΗ! Αν επιλέξετε ΟΧΙ θα τυπωθούν όλα τα δελτία)");
inline const QString kBatchFailed = QStringLiteral("Παρουσιάστηκε σφάλμα στην μαζική εκτύπωση των δελτίων");
inline const QString kGoToCaption = QStringLiteral("Μετακίνηση σε");
inline const QString kGoToPrompt = QStringLiteral("Δώστε αριθμό δελτίου :");

// What the preview windows have in common: the slip picture with the current coupon's marks, the
// print button, the printer settings, the printer in use (and a way to choose another) and the
// way back. Printing goes through printSlips and printTarget, which tests replace to count the
// jobs without a printer.
class SlipPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Prints the coupons as one job (one document, a page each) in the given variant.
    using SlipPrinter = std::function<PrintResult(QWidget *parent, const SlipJobSource &jobs, SlipVariant variant,
                                                  const SlipPrintHooks &hooks)>;
    // Where jobs go; with nowhere to go, asks for a printer first (None: nothing is printed).
    using TargetChooser = std::function<PrintTarget(QWidget *parent)>;

    SlipPreviewWindow(AppContext &context, QWidget *parent = nullptr);

    SlipPrinter printSlips;     // defaults to the program's printer
    TargetChooser printTarget;  // defaults to the program's printer

    QLabel *Image1;          // the working bitmap
    QPushButton *BtnPrint;
    QPushButton *BtnPrnSettings;
    QPushButton *BtnBack;
    QLabel *LblPrinter;      // the printer in use
    QPushButton *BtnChoosePrinter;

    virtual void BtnPrintClick() = 0;
    void BtnPrnSettingsClick();
    void BtnBackClick();
    void BtnChoosePrinterClick();
    // Shows which printer is in use now.
    void refreshPrinter();

    // The slip as shown now, and the marks drawn on it.
    const QImage &workingBitmap() const { return working_; }
    const QList<SlipItem> &shownMarks() const { return shownMarks_; }

protected:
    void showEvent(QShowEvent *event) override;
    // Copies the clean slip into the working bitmap and draws these marks on it. A list entry
    // the slip cannot hold raises (before anything is drawn), unless onlyExistingBoxes: then it
    // is left out (printing still refuses it).
    void showMarks(const SlipMarks &marks, bool onlyExistingBoxes = false);
    void clearMarks();

    // The right-hand column of buttons starts here.
    static constexpr int kColumnX = 324;
    static constexpr int kColumnWidth = 300;
    // The bar under the slip that shows the printer in use.
    static constexpr int kPrinterBarHeight = 40;

    AppContext &context_;

private:
    QImage slip_;
    QImage working_;
    QList<SlipItem> shownMarks_;
};

// The three windows that step through a set of coupons: navigation, go-to, print-and-advance and
// batch printing. One value is held for the whole set.
class MultiCouponPreview : public SlipPreviewWindow {
    Q_OBJECT
public:
    MultiCouponPreview(AppContext &context, QWidget *parent = nullptr);

    QPushButton *SBtnPrev;
    QPushButton *SBtnNext;
    QPushButton *SpeedButton3;
    QPushButton *BBtnPrintAll;

    void SBtnPrevClick();
    void SBtnNextClick();
    void SpeedButton3Click();
    void BtnPrintClick() override;
    void BBtnPrintAllClick();

    // Shows the first coupon (when there is one); run when the window opens.
    void FormShow();

    int current() const { return current_; } // 1-based, 0 when the set is empty
    double couponValue() const { return value_; }
    virtual int couponCount() const = 0;
    // Coupon n (1-based) as it is marked on the slip.
    virtual SlipMarks couponMarks(int n) const = 0;
    virtual SlipVariant variant() const = 0;

protected:
    void showEvent(QShowEvent *event) override;
    // Shows coupon n, then makes it current with its caption (a coupon that cannot be shown
    // changes neither).
    void showCoupon(int n);
    virtual QString captionPrefix() const;
    // True for coupons read from a file, which may name boxes the slip does not have.
    virtual bool showsOnlyExistingBoxes() const { return false; }
    SlipJob couponJob(int n) const;
    PrintResult printCoupon(int n, const SlipPrintHooks &hooks = {});
    // A batch to a file: one document, one page per slip. False when it failed.
    bool printBatchToFile(int start);
    // A batch to a printer: each coupon its own job. False when one failed.
    bool printBatchByCoupon(int start);

    double value_ = 0.0;

private:
    int current_ = 0;
};

} // namespace taru::ui

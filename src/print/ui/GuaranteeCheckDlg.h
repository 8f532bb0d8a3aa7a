#pragma once

#include "window/AppContext.h"
#include "window/BackgroundJob.h"
#include "data/SystemColumns.h"
#include "systems/GuaranteeCheck.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace taru::ui {

class HolesList;

// Does a set of coupons keep a promise? The user picks the game G, the guarantee T and the pool
// (preset to the numbers the coupons use); the check runs on a thread of its own and ends with
// the check line, the odds and the first holes.
class TGuaranteeCheckDlg : public QDialog {
    Q_OBJECT
public:
    explicit TGuaranteeCheckDlg(AppContext &context, QWidget *parent = nullptr);

    // The coupons to check: G preset to their game (at most 12), T to G - 1 (at least 1).
    void setCoupons(SystemColumns columns, int game);

    void BtnCheckClick(); // reads the choices and starts the check
    void BtnStopClick();
    bool checking() const { return job_.running(); }
    const GuaranteeCheckResult &result() const { return result_; }

    QSpinBox *SpnGame;
    QSpinBox *SpnThreshold;
    QLineEdit *EdtPool;
    QLabel *LblPromise;
    QPushButton *BtnCheck;
    QPushButton *BtnStop;
    QProgressBar *PrgCheck;
    QLabel *LblResult;
    QLabel *LblOdds;
    HolesList *Holes;
    QPushButton *BtnBack;

public Q_SLOTS:
    void done(int r) override; // stops a running check first

private:
    void updatePromise();
    void setChecking(bool on);
    void finish(std::exception_ptr error);

    AppContext &context_;
    SystemColumns columns_;
    GuaranteeSetup setup_;
    GuaranteeCheckResult result_;
    BackgroundJob job_;
};

} // namespace taru::ui

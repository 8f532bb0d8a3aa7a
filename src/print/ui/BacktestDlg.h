#pragma once

#include "window/AppContext.h"
#include "window/BackgroundJob.h"
#include "data/CouponFile.h"
#include "draws/Backtest.h"
#include "print/BacktestPrint.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace taru::ui {

// What the coupons of a file would have won on the past draws: one row per number of hits, with
// the count of (draw, column) pairs, their share and the best draw's own count; printable.
class TBacktestDlg : public QDialog {
    Q_OBJECT
public:
    explicit TBacktestDlg(AppContext &context, QWidget *parent = nullptr);

    // Starts the backtest on a thread of its own; the coupons must stay as they are until it ends
    // or the dialog closes.
    void run(const data::CouponFileData &coupons, draws::DrawList draws, const QString &fileName);
    bool running() const { return job_.running(); }

    void BtnPrintClick();
    void BtnStopClick();

    // The printout of the table shown.
    const BacktestSheet &sheet() const { return sheet_; }
    // Prints a sheet; defaults to the program's printer, as the other printouts.
    std::function<PrintResult(QWidget *parent, const BacktestSheet &sheet)> printSheet;

    QLabel *LblFile;
    QLabel *LblSummary;
    QLabel *LblRange;
    QTableWidget *TblHits;
    QLabel *LblBest;
    QProgressBar *PrgRun;
    QPushButton *BtnPrint;
    QPushButton *BtnStop;
    QPushButton *BtnBack;

public Q_SLOTS:
    void done(int r) override; // stops a running backtest first

private:
    void showResult(const draws::BacktestResult &result);

    AppContext &context_;
    draws::DrawList draws_;
    BacktestSheet sheet_;
    BackgroundJob job_;
};

} // namespace taru::ui

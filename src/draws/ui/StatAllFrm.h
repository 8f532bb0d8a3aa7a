#pragma once

#include "draws/DrawStatistics.h"
#include "window/AppContext.h"
#include "window/SnapshotContent.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace taru::ui {

// The statistics of all numbers over the draws file: appearances, share, repeats and delay of
// each number, the total, the most delayed and the streak numbers; the chart and a printout.
class TStatAllFrm : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TStatAllFrm(AppContext &context, QWidget *parent = nullptr);

    QTableWidget *SGrd;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QToolButton *shBtnStat;
    QPushButton *BtnPrint;
    QPushButton *glBBtnhELP;
    QPushButton *BtnBack;

    // Computes everything afresh from the draws file at path (none there: no draws).
    void prepare(const QString &path);
    void showStatistics(const draws::DrawStatistics &stats);
    const draws::DrawStatistics &statistics() const { return stats_; }

    void shBtnStatClick();
    void BtnPrintClick();

    void prepareSnapshot() override;

private:
    AppContext &context_;
    draws::DrawStatistics stats_;
};

} // namespace taru::ui

#pragma once

#include "window/AppContext.h"
#include "window/SnapshotContent.h"

#include <QDialog>

class QLabel;
class QPushButton;

class QBarSet;
class QChart;
class QChartView;

namespace taru::ui {

// The appearances of every number as red bars with their values above them.
class TStatAllChartFrm : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TStatAllChartFrm(AppContext &context, QWidget *parent = nullptr);

    QChartView *Chart;
    QLabel *LblFooter;
    QPushButton *BtnPrint;
    QPushButton *BtnBack;

    // One bar per number, its value the appearances and its label the number.
    void setBars(const QList<int> &values, const QStringList &labels);
    int barCount() const;
    QList<qreal> barValues() const;
    QChart *chart() const;

    void BtnPrintClick();
    // Draws the chart and its footer over the whole page of a printer or a PDF.
    void render(QPaintDevice &device);

    void prepareSnapshot() override;

private:
    AppContext &context_;
    QBarSet *bars_;
};

} // namespace taru::ui

#include "draws/ui/StatAllChartFrm.h"

#include "base/OwnerSettings.h"
#include "draws/ui/DrawsPrinting.h"
#include "draws/ui/DrawsTexts.h"
#include "print/ui/ProgramPrinter.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

namespace taru::ui {

TStatAllChartFrm::TStatAllChartFrm(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("StatAllChartFrm"));
    setWindowTitle(kChartCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1180, 620);

    auto *chart = new QChart;
    chart->setTitle(kChartTitle);
    QFont title = chart->titleFont();
    title.setBold(true);
    title.setPointSize(12);
    chart->setTitleFont(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    bars_ = new QBarSet(kChartAxisY);
    bars_->setColor(Qt::red);
    bars_->setBorderColor(QColor(150, 0, 0));
    bars_->setLabelColor(Qt::black);
    QFont values = bars_->labelFont();
    values.setPointSize(6);
    bars_->setLabelFont(values);
    auto *series = new QBarSeries;
    series->append(bars_);
    series->setBarWidth(0.8);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto *axisX = new QBarCategoryAxis;
    axisX->setTitleText(kChartAxisX);
    QFont small = axisX->labelsFont();
    small.setPointSize(6);
    axisX->setLabelsFont(small);
    auto *axisY = new QValueAxis;
    axisY->setTitleText(kChartAxisY);
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);

    Chart = new QChartView(chart, this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setRenderHint(QPainter::Antialiasing);

    LblFooter = new QLabel(this);
    LblFooter->setObjectName(QStringLiteral("LblFooter"));
    QFont footer = LblFooter->font();
    footer.setUnderline(true);
    LblFooter->setFont(footer);
    LblFooter->setAlignment(Qt::AlignCenter);

    BtnPrint = BoldButton(this, "BtnPrint", kStatPrintButton, QRect());
    BtnBack = BoldButton(this, "BtnBack", kBackButton, QRect());
    BtnPrint->setMinimumSize(150, 32);
    BtnBack->setMinimumSize(150, 32);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnBack);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Chart, 1);
    layout->addWidget(LblFooter);
    layout->addLayout(buttons);

    connectGuarded(BtnPrint, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrintClick(); });
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::reject);
}

QChart *TStatAllChartFrm::chart() const
{
    return Chart->chart();
}

void TStatAllChartFrm::setBars(const QList<int> &values, const QStringList &labels)
{
    bars_->remove(0, bars_->count());
    int highest = 0;
    for (int value : values) {
        bars_->append(value);
        highest = std::max(highest, value);
    }
    auto *axisX = qobject_cast<QBarCategoryAxis *>(chart()->axes(Qt::Horizontal).value(0));
    axisX->clear();
    axisX->append(labels);
    auto *axisY = qobject_cast<QValueAxis *>(chart()->axes(Qt::Vertical).value(0));
    // Room above the tallest bar for its value.
    axisY->setRange(0, std::max(1, highest + std::max(1, highest / 8)));
    axisY->applyNiceNumbers();
    LblFooter->setText(owner::title());
}

int TStatAllChartFrm::barCount() const
{
    return bars_->count();
}

QList<qreal> TStatAllChartFrm::barValues() const
{
    QList<qreal> values;
    for (int i = 0; i < bars_->count(); ++i)
        values << bars_->at(i);
    return values;
}

void TStatAllChartFrm::render(QPaintDevice &device)
{
    QPainter painter(&device);
    const QRect page(0, 0, device.width(), device.height());
    const int footerHeight = page.height() / 20;
    // Drawn at the page's proportions, so the chart fills the page instead of its top half.
    const QRectF target(page.adjusted(0, 0, 0, -footerHeight));
    const QSize onScreen = Chart->size();
    Chart->resize(QSize(1400, static_cast<int>(1400 * target.height() / target.width())));
    Chart->render(&painter, target);
    Chart->resize(onScreen);
    QFont footer = LblFooter->font();
    footer.setPointSize(10);
    painter.setFont(footer);
    painter.drawText(QRect(0, page.height() - footerHeight, page.width(), footerHeight), Qt::AlignCenter, LblFooter->text());
}

void TStatAllChartFrm::BtnPrintClick()
{
    if (!ConfirmDrawsPrinter(context_, this))
        return;
    QPrinter &printer = ProgramPrinter();
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    render(printer);
    printer.setPageOrientation(orientation);
}

} // namespace taru::ui

namespace taru::ui {

void TStatAllChartFrm::prepareSnapshot()
{
    QList<int> values;
    QStringList labels;
    std::uint32_t seed = 5;
    for (int n = 1; n <= 80; ++n) {
        seed = seed * 1664525u + 1013904223u;
        values << 60 + static_cast<int>((seed >> 8) % 30);
        labels << QString::number(n);
    }
    setBars(values, labels);
    setWindowTitle(kChartCaptionPrefix + QStringLiteral("ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :300"));
}

} // namespace taru::ui

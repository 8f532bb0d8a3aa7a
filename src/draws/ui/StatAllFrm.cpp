#include "draws/ui/StatAllFrm.h"

#include "draws/ui/DrawsPrinting.h"
#include "draws/ui/DrawsTexts.h"
#include "draws/ui/StatAllChartFrm.h"
#include "print/ListPrint.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace taru::ui {

namespace {

const QColor kCellColour(234, 199, 94);

// A small bar chart drawn for the chart button.
QIcon ChartIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(4, 28, 28, 28);
    p.drawLine(4, 4, 4, 28);
    const int heights[] = {10, 18, 8, 22, 14};
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRect(6 + i * 4 + i, 28 - heights[i], 4, heights[i]), Qt::red);
    return QIcon(pixmap);
}

} // namespace

TStatAllFrm::TStatAllFrm(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("StatAllFrm"));
    setWindowTitle(kStatAllCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(620, 680);

    const QStringList headings = StatisticsHeadings();
    SGrd = new QTableWidget(draws::kHighestNumber, static_cast<int>(headings.size()), this);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    SGrd->setHorizontalHeaderLabels(headings);
    SGrd->verticalHeader()->hide();
    SGrd->verticalHeader()->setDefaultSectionSize(20);
    SGrd->setSelectionMode(QAbstractItemView::NoSelection);
    SGrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGrd->setFocusPolicy(Qt::NoFocus);
    SGrd->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 2px; }"));
    // The screen widths, or more where the installed font needs it for a heading.
    int gridWidth = 2 * SGrd->frameWidth() + 18;
    const QFontMetrics headingMetrics(SGrd->horizontalHeader()->font());
    for (int column = 0; column < headings.size(); ++column) {
        const int width = std::max(StatisticsScreenWidth(column), headingMetrics.horizontalAdvance(headings.at(column)) + 8);
        SGrd->setColumnWidth(column, width);
        gridWidth += width;
    }
    SGrd->setFixedWidth(gridWidth);
    for (int row = 0; row < draws::kHighestNumber; ++row) {
        for (int column = 0; column < headings.size(); ++column) {
            auto *item = new QTableWidgetItem(column == 0 ? QString::number(row + 1) : QStringLiteral("0"));
            item->setTextAlignment(Qt::AlignCenter);
            if (column > 0) {
                item->setBackground(kCellColour);
                item->setForeground(Qt::black);
            }
            SGrd->setItem(row, column, item);
        }
    }

    Label1 = CaptionLabel(this, QString(), QRect());
    Label2 = new QLabel(this);
    Label3 = new QLabel(this);
    for (QLabel *label : {Label1, Label2, Label3}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));

    shBtnStat = new QToolButton(this);
    shBtnStat->setObjectName(QStringLiteral("shBtnStat"));
    shBtnStat->setIcon(ChartIcon());
    shBtnStat->setIconSize(QSize(32, 32));
    shBtnStat->setToolTip(kChartHint);
    BtnPrint = BoldButton(this, "BtnPrint", kStatPrintButton, QRect());
    glBBtnhELP = BoldButton(this, "glBBtnhELP", kHelpButton, QRect());
    BtnBack = BoldButton(this, "BtnBack", kBackButton, QRect());
    for (QPushButton *button : {BtnPrint, glBBtnhELP, BtnBack})
        button->setMinimumSize(130, 32);

    auto *top = new QHBoxLayout;
    top->addWidget(SGrd);
    top->addSpacing(12);
    auto *side = new QVBoxLayout;
    side->addWidget(shBtnStat);
    side->addStretch();
    top->addLayout(side);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(glBBtnhELP);
    buttons->addWidget(BtnBack);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(buttons);

    connectGuarded(shBtnStat, &QToolButton::clicked, this, context_.prompts, [this] { shBtnStatClick(); });
    connectGuarded(BtnPrint, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrintClick(); });
    connectGuarded(glBBtnhELP, &QPushButton::clicked, this, context_.prompts,
                   [this] { context_.help(QStringLiteral("TARU.chm::/") + kHelpTopic); });
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::reject);
    showStatistics(draws::StatisticsBuilder().finish());
}

void TStatAllFrm::prepare(const QString &path)
{
    draws::StatisticsFileData data;
    if (QFile::exists(path))
        data = draws::ReadDrawStatistics(path);
    else
        data.valid = true;
    showStatistics(data.stats);
    if (!data.valid)
        context_.prompts.error(this, data.message(), draws::kDrawsErrorCaption);
}

void TStatAllFrm::showStatistics(const draws::DrawStatistics &stats)
{
    stats_ = stats;
    for (int n = 1; n <= draws::kHighestNumber; ++n) {
        const QStringList cells = stats.cells(n);
        for (int column = 1; column < cells.size(); ++column)
            SGrd->item(n - 1, column)->setText(cells.at(column));
    }
    Label1->setText(stats.totalText());
    Label2->setText(stats.delayedText());
    Label3->setText(stats.streakText());
}

void TStatAllFrm::shBtnStatClick()
{
    auto *chart = context_.window<TStatAllChartFrm>(WindowId::StatAllChartFrm);
    if (!chart)
        return;
    QList<int> values;
    QStringList labels;
    for (int row = 0; row < SGrd->rowCount(); ++row) {
        values << SGrd->item(row, 1)->text().toInt();
        labels << SGrd->item(row, 0)->text();
    }
    chart->setBars(values, labels);
    chart->setWindowTitle(kChartCaptionPrefix + Label1->text());
    chart->exec();
}

void TStatAllFrm::BtnPrintClick()
{
    if (!ConfirmDrawsPrinter(context_, this))
        return;
    RunDrawsPrintJob(this, [this](PrintCanvas &canvas) { PrintStatisticsTable(canvas, stats_, DrawsListHeader(windowTitle())); });
}

void TStatAllFrm::prepareSnapshot()
{
    draws::StatisticsBuilder builder;
    std::uint32_t seed = 11;
    for (int d = 0; d < 300; ++d) {
        std::bitset<draws::kHighestNumber + 1> draw;
        while (draw.count() < draws::kDrawNumbers) {
            seed = seed * 1664525u + 1013904223u;
            draw.set(static_cast<std::size_t>((seed >> 8) % 80 + 1));
        }
        builder.add(draw);
    }
    showStatistics(builder.finish());
}

} // namespace taru::ui

#include "print/ui/ViewNikDlg.h"

#include "window/ErrorGuard.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace taru::ui {

TViewNikDlg::TViewNikDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("ViewNikDlg"));
    setWindowTitle(kViewNikCaption);
    resize(960, 420);

    auto *band = new QWidget(this);
    band->setGeometry(0, 0, 960, 40);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    band->setPalette(palette);
    LblInfo = new QLabel(QStringLiteral("Πληροφορία "), band);
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    QFont bold = LblInfo->font();
    bold.setBold(true);
    LblInfo->setFont(bold);
    LblInfo->setGeometry(10, 2, 300, 18);
    LblHint = new QLabel(kViewNikHint, band);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setGeometry(24, 20, 880, 18);

    SGrd = new QTableWidget(0, draws::kDrawFields, this);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    SGrd->setGeometry(6, 46, 948, 368);
    SGrd->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGrd->setSelectionMode(QAbstractItemView::SingleSelection);
    SGrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGrd->verticalHeader()->hide();
    SGrd->verticalHeader()->setDefaultSectionSize(20);
    SGrd->installEventFilter(this);
    // Small enough for a draw number or a date to show whole in its narrow column.
    QFont cells = SGrd->font();
    cells.setPixelSize(10);
    SGrd->setFont(cells);
    SGrd->setTextElideMode(Qt::ElideNone);
    SGrd->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 1px; }"));

    connect(SGrd, &QTableWidget::cellDoubleClicked, this,
            [this] { runGuarded(context_.prompts, this, [this] { SGrdDblClick(); }); });
}

bool TViewNikDlg::LoadDrawsGrid(const QString &path)
{
    const draws::DrawsFileData data = draws::ReadDrawsFile(path);
    std::vector<draws::DrawEntry> entries;
    entries.reserve(data.rows.size());
    for (const draws::DrawRow &row : data.rows)
        entries.push_back(row.entry);
    setDraws(entries);
    if (!data.valid) {
        context_.prompts.error(this, data.error, draws::kDrawsErrorCaption);
        return false;
    }
    return true;
}

void TViewNikDlg::setDraws(const std::vector<draws::DrawEntry> &entries)
{
    SGrd->clearContents();
    SGrd->setRowCount(static_cast<int>(entries.size()));
    int row = 0;
    for (const draws::DrawEntry &entry : entries) {
        const QStringList fields = entry.fields();
        for (int column = 0; column < draws::kDrawFields; ++column) {
            auto *item = new QTableWidgetItem(fields.value(column));
            item->setTextAlignment(Qt::AlignCenter);
            SGrd->setItem(row, column, item);
        }
        ++row;
    }
    selectLastRow();
}

void TViewNikDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TViewNikDlg::FormShow()
{
    QStringList headings{QStringLiteral("Α/Α"), QStringLiteral("ΚΛΗΡ"), QStringLiteral("ΗΜ/ΝΙΑ")};
    for (int i = 1; i <= draws::kDrawNumbers; ++i)
        headings << QString::number(i) + QStringLiteral("ος");
    SGrd->setHorizontalHeaderLabels(headings);
    SGrd->setColumnWidth(0, 30);
    SGrd->setColumnWidth(1, 40);
    SGrd->setColumnWidth(2, 85);
    for (int column = 3; column < draws::kDrawFields; ++column)
        SGrd->setColumnWidth(column, column < 12 ? 37 : 40);
    selectLastRow();
}

void TViewNikDlg::selectLastRow()
{
    if (SGrd->rowCount() == 0)
        return;
    SGrd->selectRow(SGrd->rowCount() - 1);
    SGrd->scrollToBottom();
}

void TViewNikDlg::SGrdDblClick()
{
    accept();
}

bool TViewNikDlg::SGrdKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    SGrdDblClick();
    return true;
}

bool TViewNikDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGrd && event->type() == QEvent::KeyPress)
        return SGrdKeyPress(static_cast<QKeyEvent *>(event)->key());
    return QDialog::eventFilter(watched, event);
}

QStringList TViewNikDlg::selectedFields() const
{
    const QList<QTableWidgetSelectionRange> ranges = SGrd->selectedRanges();
    if (ranges.isEmpty())
        return {};
    const int row = ranges.front().topRow();
    QStringList fields;
    for (int column = 0; column < SGrd->columnCount(); ++column) {
        const QTableWidgetItem *item = SGrd->item(row, column);
        fields << (item ? item->text() : QString());
    }
    return fields;
}

void TViewNikDlg::prepareSnapshot()
{
    std::vector<draws::DrawEntry> entries;
    for (int d = 1; d <= 14; ++d) {
        draws::DrawEntry entry;
        entry.sequence = QString::number(d);
        entry.drawNumber = QString::number(1020 + d);
        entry.date = QStringLiteral("%1/11/2026").arg(10 + d, 2, 10, QLatin1Char('0'));
        std::array<int, draws::kDrawNumbers> numbers{};
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            numbers[static_cast<std::size_t>(i)] = 1 + (i * 4 + d * 7) % 80;
        std::sort(numbers.begin(), numbers.end()); // as the entry board gives them
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(numbers[static_cast<std::size_t>(i)]);
        entries.push_back(entry);
    }
    setDraws(entries);
    FormShow();
}

} // namespace taru::ui

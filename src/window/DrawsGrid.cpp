#include "window/DrawsGrid.h"

#include "draws/DrawsTableModel.h"
#include "print/ListPrint.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace taru::ui {

DrawsGrid::DrawsGrid(int columns, QWidget *parent)
    : QTableView(parent)
    , model_(new draws::DrawsTableModel(columns, this))
{
    setObjectName(QStringLiteral("SGrd"));
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // Small enough for a draw number or a date to show whole in its narrow column.
    QFont cells = font();
    cells.setPixelSize(10);
    setFont(cells);
    horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 1px; }"));
    writeHeadings();
    connect(model_, &QAbstractItemModel::modelReset, this, &DrawsGrid::fitDrawNumbers);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &DrawsGrid::fitDrawNumbers);
}

void DrawsGrid::writeHeadings()
{
    model_->setHeadings(DrawListHeadings().mid(0, model_->columnCount()));
    for (int column = 0; column < model_->columnCount(); ++column)
        setColumnWidth(column, DrawListScreenWidth(column));
    fitDrawNumbers();
}

void DrawsGrid::fitDrawNumbers()
{
    // Sequence and draw numbers grow with time; the latest are the longest.
    for (int column : {0, 1}) {
        const int needed = fontMetrics().horizontalAdvance(cell(rowCount() - 1, column)) + 6;
        setColumnWidth(column, std::max(DrawListScreenWidth(column), needed));
    }
}

void DrawsGrid::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void DrawsGrid::selectLastRow()
{
    selectRow(rowCount() - 1);
}

int DrawsGrid::currentRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

int DrawsGrid::rowCount() const
{
    return model_->rowCount();
}

int DrawsGrid::columnCount() const
{
    return model_->columnCount();
}

QString DrawsGrid::cell(int row, int column) const
{
    return model_->cell(row, column);
}

void DrawsGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT rowChosen();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DrawsGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        Q_EMIT rowChosen();
}

} // namespace taru::ui

#include "window/CellGrid.h"

#include "window/DigitKeys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>

namespace taru::ui {

// What reaches an editor other than by a key (a paste, a drop) passes the grid's key rule as
// typing would: text holding a character the rule refuses is not taken at all.
class KeyRuleValidator : public QValidator {
public:
    KeyRuleValidator(const CellGrid *grid, QObject *parent)
        : QValidator(parent)
        , grid_(grid)
    {
    }
    State validate(QString &input, int &) const override
    {
        if (grid_->acceptKey) {
            for (const QChar c : input) {
                if (!grid_->acceptKey(c))
                    return Invalid;
            }
        }
        return Acceptable;
    }

private:
    const CellGrid *grid_;
};

// The editors of the grid: a plain line edit. The view makes the delegate the first to see an
// editor's keys, so the grid's key rule is asked here.
class CellGridDelegate : public QStyledItemDelegate {
public:
    explicit CellGridDelegate(CellGrid *grid)
        : QStyledItemDelegate(grid)
        , grid_(grid)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new KeyRuleValidator(grid_, editor));
        Q_UNUSED(option);
        const int row = index.row();
        const int column = index.column();
        QObject::connect(editor, &QLineEdit::textEdited, grid_, [this, editor, row, column] {
            if (!grid_->live_)
                return;
            Q_EMIT const_cast<CellGridDelegate *>(this)->commitData(editor);
            Q_EMIT grid_->cellTyped(row, column);
        });
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *editor = qobject_cast<QWidget *>(object);
            if (grid_->filterKey(static_cast<QKeyEvent *>(event), true, editor))
                return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    CellGrid *grid_;
};

CellGrid::CellGrid(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setItemDelegate(new CellGridDelegate(this));
    connect(this, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!writing_ && !live_)
            Q_EMIT cellTyped(row, column);
    });
}

void CellGrid::setHeadings(const QStringList &headings)
{
    setHorizontalHeaderLabels(headings);
    QFont font = horizontalHeader()->font();
    font.setBold(true);
    horizontalHeader()->setFont(font);
}

void CellGrid::setEditableColumns(const QSet<int> &columns)
{
    editable_ = columns;
}

QString CellGrid::text(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CellGrid::setText(int row, int column, const QString &text)
{
    const bool before = writing_;
    writing_ = true;
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editable_.contains(column))
            flags |= Qt::ItemIsEditable;
        cell->setFlags(flags);
        setItem(row, column, cell);
    }
    cell->setText(text);
    writing_ = before;
}

void CellGrid::finishTyping()
{
    if (QWidget *editor = indexWidget(currentIndex())) {
        auto *delegate = itemDelegate();
        Q_EMIT delegate->commitData(editor);
        Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool CellGrid::filterKey(QKeyEvent *event, bool inEditor, QWidget *editor)
{
    const QChar typed = TypedCharacter(*event);
    if (typed.isNull() || typed == QLatin1Char('\t'))
        return false; // moving about keeps its usual meaning
    if (!editable_.contains(currentColumn()))
        return typed != QLatin1Char('\r');
    if (acceptKey && !acceptKey(typed))
        return true;
    if (typed == QLatin1Char('\r')) {
        const int row = currentRow();
        const int column = currentColumn();
        if (inEditor && editor) {
            // The cell takes the typed text before Enter is reported; closed here, so the
            // delegate must not close it a second time when its focus goes.
            editor->removeEventFilter(itemDelegate());
            Q_EMIT itemDelegate()->commitData(editor);
            Q_EMIT itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
        Q_EMIT enterPressed(row, column);
        return true;
    }
    return false;
}

void CellGrid::keyPressEvent(QKeyEvent *event)
{
    if (filterKey(event, false, nullptr))
        return;
    QTableWidget::keyPressEvent(event);
}

} // namespace taru::ui

#include "systems/ui/ConditionsGrid.h"

#include "window/DigitKeys.h"
#include "window/ErrorGuard.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <array>
#include <functional>

namespace taru::ui {

namespace {

constexpr std::array<int, ConditionsGrid::kColumns> kWidths{130, 80, 80, 50};
const QString kOn = QStringLiteral("ON");

// The grid's editors get the grid's key rules before the delegate sees their keys (the view
// makes the delegate the editors' first event filter, so it has to ask).
class ConditionCellDelegate : public QStyledItemDelegate {
public:
    using KeyRule = std::function<bool(QObject *editor, QEvent *event)>;
    ConditionCellDelegate(KeyRule keyRule, QObject *parent)
        : QStyledItemDelegate(parent)
        , keyRule_(std::move(keyRule))
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setProperty("conditionCellEditor", true);
        return editor;
    }

protected:
    bool eventFilter(QObject *editor, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && keyRule_(editor, event))
            return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    KeyRule keyRule_;
};

} // namespace

ConditionsGrid::ConditionsGrid(Prompts &prompts, QWidget *parent)
    : QTableWidget(kRows, kColumns, parent)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("SGrd"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setItemDelegate(new ConditionCellDelegate([this](QObject *editor, QEvent *event) { return eventFilter(editor, event); },
                                              this));
    installEventFilter(this);
    const QStringList headings{QStringLiteral("ΟΡΟΙ"), QStringLiteral("ΑΠΟ"), QStringLiteral("ΕΩΣ"), kOn};
    for (int column = 0; column < kColumns; ++column) {
        auto *item = new QTableWidgetItem(headings.at(column));
        item->setFlags(Qt::ItemIsEnabled);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setBackground(palette().color(QPalette::Button));
        item->setTextAlignment(Qt::AlignCenter);
        setItem(0, column, item);
    }
    reset();
}

void ConditionsGrid::reset()
{
    for (int column = 0; column < kColumns; ++column)
        setColumnWidth(column, kWidths[static_cast<std::size_t>(column)]);
    for (int row = 1; row <= kGridConditionCount; ++row) {
        const ConditionDefinition &definition = ConditionOf(row);
        const QStringList texts{definition.name, QString::number(definition.neutral.from),
                                QString::number(definition.neutral.to), QString()};
        for (int column = 0; column < kColumns; ++column) {
            auto *item = new QTableWidgetItem(texts.at(column));
            const bool editable = column == 1 || column == 2;
            item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column > 0)
                item->setTextAlignment(Qt::AlignCenter);
            if (column == 0) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            setItem(row, column, item);
        }
    }
}

QString ConditionsGrid::cell(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void ConditionsGrid::setCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *it = item(row, column))
        it->setText(text);
}

void ConditionsGrid::readInto(ConditionEntries &entries) const
{
    for (int row = 1; row <= kGridConditionCount; ++row)
        entries.row(row) = {cell(row, 1), cell(row, 2)};
}

void ConditionsGrid::show(const ConditionEntries &entries)
{
    for (int row = 1; row <= kGridConditionCount; ++row) {
        setCell(row, 1, entries.row(row).from);
        setCell(row, 2, entries.row(row).to);
    }
}

void ConditionsGrid::keyPress(QChar key)
{
    if (key == QLatin1Char('\r'))
        validateCurrentCell();
}

void ConditionsGrid::validateCurrentCell()
{
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 1 || row > kGridConditionCount)
        return;
    QString from = cell(row, 1);
    QString to = cell(row, 2);
    if (column == 1 || column == 2)
        ValidateConditionRow(row, column, from, to);
    setCell(row, 1, from);
    setCell(row, 2, to);
    setCell(row, 3, IsConditionActive(row, from, to) ? kOn : QString());
}

bool ConditionsGrid::eventFilter(QObject *watched, QEvent *event)
{
    const bool isEditor = watched->property("conditionCellEditor").toBool();
    if ((watched == this || isEditor) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QChar typed = TypedCharacter(*key);
        // A control character (Ctrl with a letter) is dropped like any other non-digit, rather
        // than left to the table's shortcuts: nothing is pasted past the digit rule.
        if (typed.isNull() && key->text().size() == 1 && ClassifyDigitKey(*key) == DigitKey::Discard)
            return true;
        // Keys that type nothing, and Tab, keep their meaning (moving between cells).
        if (typed.isNull() || typed == QLatin1Char('\t'))
            return QTableWidget::eventFilter(watched, event);
        if (currentColumn() == 0)
            return true;
        if (ClassifyDigitKey(*key) == DigitKey::Discard)
            return true;
        if (typed == QLatin1Char('\r')) {
            if (isEditor) {
                // The cell takes the typed text before the row is checked.
                auto *editor = static_cast<QWidget *>(watched);
                QAbstractItemDelegate *delegate = itemDelegate();
                // Closed here, so the delegate must not close it a second time when its focus goes.
                editor->removeEventFilter(delegate);
                Q_EMIT delegate->commitData(editor);
                Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            runGuarded(prompts_, window(), [&] { keyPress(typed); });
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

} // namespace taru::ui

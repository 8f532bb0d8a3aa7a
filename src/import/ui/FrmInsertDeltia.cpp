#include "import/ui/FrmInsertDeltia.h"

#include "base/AppPaths.h"
#include "window/DigitKeys.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace taru::ui {

namespace {

const QString kCaption = QStringLiteral("ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ  ");
const QString kClearedCaption = QStringLiteral("ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ ");
const QString kFileCaption = QStringLiteral("ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ (%1)");
const QString kOpenFilter = QStringLiteral(
    "ΟΛΙΑ ΤΑ ΑΡΧΕΙΑ|*.tru;*.txt;*.csv|ΔΕΛΤΙΑ Taru|*.tru|ΑΡΧΕΙΑ ΤΧΤ|*.txt|ΑΡΧΕΙΑ EXCEL CSV|*.csv");
const QString kSaveFilter = QStringLiteral("ΔΕΛΤΙΑ Taru|*.tru");
const QString kRangeMessage = QStringLiteral("1..80");
const QString kRepeatMessage = QStringLiteral("ΛΑΘΟΣ ΤΙΜΗ");
const QString kOverwriteQuestion = QStringLiteral("ΤΟ ΑΡΧΕΙΟ (%1)\nΥΠΑΡΧΕΙ ΘΕΛΕΤΕ ΝΑ ΕΠΑΝΑΓΡΑΦΕΙ ; ");
const QString kClearQuestion = QStringLiteral("ΕΙΣΤΑΙ ΣΙΓΟΥΡΟΣ ΓΙΑ ΤΟΝ ΚΑΘΑΡΙΣΜΟ");
const QColor kPanelColour(255, 240, 120);
const QColor kFixedColour(212, 208, 200);
const QColor kRefusedColour(200, 0, 0);
constexpr int kColumnWidth = 30;
constexpr int kNumberColumnWidth = 38;

} // namespace

// The grid's cells: one list of texts per row, so even the largest import costs little more than
// its text. Column 0 shows the row number.
class InsertGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : game_ + 1; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return column == 0 ? QString::number(index.row() + 1) : text(index.row(), column);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return column == 0 ? QVariant(QBrush(kFixedColour)) : QVariant();
        case Qt::ForegroundRole: {
            if (column == 0)
                return QBrush(Qt::black);
            // A loaded value outside 1..80 stays in the grid, in red until it is corrected.
            const QString value = text(index.row(), column);
            return !value.isEmpty() && !imports::IsBoardNumber(value) ? QVariant(QBrush(kRefusedColour)) : QVariant();
        }
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid() || index.column() == 0)
            return Qt::NoItemFlags; // the cursor never stops on the row numbers
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || index.column() == 0 || role != Qt::EditRole)
            return false;
        setText(index.row(), index.column(), value.toString());
        return true;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return section == 0 ? QStringLiteral("A/A") : QString::number(section);
    }

    QString text(int row, int column) const
    {
        const QStringList &cells = rows_[static_cast<std::size_t>(row)];
        return column >= 1 && column <= cells.size() ? cells.at(column - 1) : QString();
    }

    void setText(int row, int column, const QString &value)
    {
        QStringList &cells = rows_[static_cast<std::size_t>(row)];
        if (text(row, column) == value)
            return;
        while (cells.size() < column)
            cells.append(QString());
        cells[column - 1] = value;
        const QModelIndex at = index(row, column);
        Q_EMIT dataChanged(at, at);
    }

    // k columns of numbers; the values beyond them go.
    void setGame(int game)
    {
        if (game == game_)
            return;
        if (game > game_) {
            beginInsertColumns(QModelIndex(), game_ + 1, game);
            game_ = game;
            endInsertColumns();
            return;
        }
        beginRemoveColumns(QModelIndex(), game + 1, game_);
        game_ = game;
        for (QStringList &cells : rows_) {
            if (cells.size() > game)
                cells.resize(game);
        }
        endRemoveColumns();
    }
    int game() const { return game_; }

    void setRows(std::vector<QStringList> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const std::vector<QStringList> &rows() const { return rows_; }

    void appendRow()
    {
        const int row = rowCount();
        beginInsertRows(QModelIndex(), row, row);
        rows_.emplace_back();
        endInsertRows();
    }
    void removeRowAt(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }
    void truncate(int count)
    {
        if (count >= rowCount())
            return;
        beginRemoveRows(QModelIndex(), count, rowCount() - 1);
        rows_.resize(static_cast<std::size_t>(count));
        endRemoveRows();
    }

private:
    int game_ = imports::kDefaultGame;
    std::vector<QStringList> rows_{1};
};

// The typing grid: its keys go to the window's handlers, in the cell editor as well as on the
// grid itself. Only digits are typed.
class InsertGrid : public QTableView {
public:
    explicit InsertGrid(TFrmInsertDeltia *owner);

    // Closes the cell editor, if one is open, keeping what it holds.
    void finishEditing()
    {
        if (editor_) {
            QLineEdit *editor = editor_;
            editor_ = nullptr;
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    QLineEdit *editor() const { return editor_; }

    // The editor of (row, column) now holds text: the cell follows it, then the typing rules.
    void cellEdited(int row, int column, const QString &text)
    {
        runGuarded(owner_->context_.prompts, owner_, [&] {
            owner_->setCell(row, column, text);
            owner_->StringGrid1SetEditText(row, column, text);
        });
    }

    // True when the key was one of the grid's own.
    bool handleKey(QKeyEvent *event, bool inEditor)
    {
        const auto run = [this](const std::function<void()> &handler) {
            runGuarded(owner_->context_.prompts, owner_, handler);
            return true;
        };
        const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return run([this] { owner_->StringGrid1EnterKey(); });
        case Qt::Key_Delete:
            if (ctrl)
                return run([this] { owner_->StringGrid1DeleteRow(); });
            if (!inEditor && currentIndex().column() >= 1)
                return run([this] {
                    const int row = currentIndex().row();
                    const int column = currentIndex().column();
                    owner_->setCell(row, column, QString());
                    owner_->StringGrid1SetEditText(row, column, QString());
                });
            return false;
        case Qt::Key_Backspace:
            if (inEditor && editor_ && !editor_->text().isEmpty())
                return false;
            return run([this] { owner_->StringGrid1BackspaceKey(); });
        default:
            break;
        }
        return !inEditor && ClassifyDigitKey(*event) == DigitKey::Discard;
    }

    QPointer<QLineEdit> editor_; // the open cell editor, set by the delegate

private:
    TFrmInsertDeltia *owner_;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (handleKey(event, false))
            event->accept();
        else
            QTableView::keyPressEvent(event);
    }
};

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(InsertGrid *grid)
        : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        const int row = index.row();
        const int column = index.column();
        InsertGrid *grid = grid_;
        QObject::connect(edit, &QLineEdit::textEdited, grid,
                         [grid, row, column](const QString &text) { grid->cellEdited(row, column, text); });
        grid_->editor_ = edit;
        return edit;
    }

    // The grid's cell follows every keystroke; the editor is only told when the cell changed
    // from elsewhere, so its cursor stays where the user put it.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *edit = static_cast<QLineEdit *>(editor);
        const QString text = index.data().toString();
        if (edit->text() != text)
            edit->setText(text);
    }

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        if (grid_->editor_ == editor)
            grid_->editor_ = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && grid_->handleKey(static_cast<QKeyEvent *>(event), true))
            return true;
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    InsertGrid *grid_;
};

} // namespace

InsertGrid::InsertGrid(TFrmInsertDeltia *owner)
    : QTableView(owner), owner_(owner)
{
    setObjectName(QStringLiteral("StringGrid1"));
    owner->model_ = new InsertGridModel(this);
    setModel(owner->model_);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    horizontalHeader()->setHighlightSections(false);
}

TFrmInsertDeltia::TFrmInsertDeltia(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("FrmInsertDeltia"));
    setWindowTitle(kCaption);
    resize(640, 500);

    grid_ = new InsertGrid(this);
    StringGrid1 = grid_;
    LblStatus = new QLabel(this);
    LblStatus->setObjectName(QStringLiteral("LblStatus"));
    LblStatus->setWordWrap(true);
    LblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblStatus->setMinimumHeight(LblStatus->fontMetrics().height() * 2 + 4);
    LblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette panelPalette = panel->palette();
    panelPalette.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(panelPalette);
    panel->setFixedWidth(190);

    auto *gameLabel = CaptionLabel(panel, QStringLiteral("ΕΠΙΛΟΓΗ ΠΑΙΧΝΙΔΙΟΥ"), QRect());
    gameLabel->setObjectName(QStringLiteral("Label1"));
    gameLabel->setAlignment(Qt::AlignCenter);
    SpinEdit1 = new QSpinBox(panel);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(imports::kMinGame, imports::kMaxGame);
    SpinEdit1->setValue(imports::kDefaultGame);
    SpinEdit1->setAlignment(Qt::AlignCenter);
    QFont spinFont = SpinEdit1->font();
    spinFont.setBold(true);
    spinFont.setPointSizeF(spinFont.pointSizeF() * 1.3);
    SpinEdit1->setFont(spinFont);
    gameLabel->setBuddy(SpinEdit1);

    Button1 = BoldButton(panel, "Button1", QStringLiteral("ΦΟΡΤΩΜΑ"), QRect());
    Button2 = BoldButton(panel, "Button2", QStringLiteral("ΣΩΣΙΜΟ"), QRect());
    Button4 = BoldButton(panel, "Button4", QStringLiteral("ΚΑΘΑΡΙΣΜΟΣ"), QRect());
    Button3 = BoldButton(panel, "Button3", QStringLiteral("ΕΞΟΔΟΣ"), QRect());
    for (QPushButton *b : {Button1, Button2, Button4, Button3})
        b->setMinimumHeight(34);
    auto *note = new QLabel(QStringLiteral("Διαγραφη γραμης   (Ctrl+Delete)"), panel);
    note->setObjectName(QStringLiteral("Label2"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 14, 12, 14);
    panelLayout->setSpacing(8);
    panelLayout->addWidget(gameLabel);
    panelLayout->addWidget(SpinEdit1);
    panelLayout->addSpacing(16);
    panelLayout->addWidget(Button1);
    panelLayout->addWidget(Button2);
    panelLayout->addWidget(Button4);
    panelLayout->addStretch();
    panelLayout->addWidget(note);
    panelLayout->addSpacing(8);
    panelLayout->addWidget(Button3);

    auto *left = new QVBoxLayout;
    left->addWidget(StringGrid1, 1);
    left->addWidget(LblStatus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left, 1);
    layout->addWidget(panel);

    connectGuarded(Button1, &QPushButton::clicked, this, context_.prompts, [this] { Button1Click(); });
    connectGuarded(Button2, &QPushButton::clicked, this, context_.prompts, [this] { Button2Click(); });
    connectGuarded(Button3, &QPushButton::clicked, this, context_.prompts, [this] { Button3Click(); });
    connectGuarded(Button4, &QPushButton::clicked, this, context_.prompts, [this] { Button4Click(); });
    connectGuarded(SpinEdit1, &QSpinBox::valueChanged, this, context_.prompts, [this] { SpinEdit1Change(); });
    connect(qApp, &QApplication::focusChanged, this, &TFrmInsertDeltia::focusChanged);

    setTabOrder(StringGrid1, SpinEdit1);
    setTabOrder(SpinEdit1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button4);
    setTabOrder(Button4, Button3);

    SpinEdit1Change();
}

TFrmInsertDeltia::~TFrmInsertDeltia()
{
    disconnect(qApp, nullptr, this, nullptr);
}

void TFrmInsertDeltia::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void TFrmInsertDeltia::FormShow()
{
    mode_ = context_.importMode;
    SpinEdit1Change();
    if (currentColumn() < 1)
        setCurrentCell(0, 1);
    StringGrid1->setFocus();
}

int TFrmInsertDeltia::game() const
{
    return SpinEdit1->value();
}

void TFrmInsertDeltia::SpinEdit1Change()
{
    grid_->finishEditing();
    const int k = game();
    model_->setGame(k);
    StringGrid1->setColumnWidth(0, kNumberColumnWidth);
    for (int c = 1; c <= k; ++c)
        StringGrid1->setColumnWidth(c, kColumnWidth);
}

int TFrmInsertDeltia::rowCount() const
{
    return model_->rowCount();
}

QString TFrmInsertDeltia::cell(int row, int column) const
{
    return model_->index(row, column).data().toString();
}

int TFrmInsertDeltia::currentRow() const
{
    return StringGrid1->currentIndex().row();
}

int TFrmInsertDeltia::currentColumn() const
{
    return StringGrid1->currentIndex().column();
}

void TFrmInsertDeltia::setCurrentCell(int row, int column)
{
    StringGrid1->setCurrentIndex(model_->index(row, column));
}

void TFrmInsertDeltia::setCell(int row, int column, const QString &text)
{
    model_->setText(row, column, text);
}

bool TFrmInsertDeltia::rowEmpty(int row) const
{
    const QStringList &cells = model_->rows()[static_cast<std::size_t>(row)];
    return std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.isEmpty(); });
}

// Rows past the last one holding a value, beyond the one spare row and the row `keep`, go.
void TFrmInsertDeltia::dropTrailingRows(int keep)
{
    int last = rowCount() - 1;
    while (last >= 0 && rowEmpty(last))
        --last;
    model_->truncate(std::max({last + 2, keep + 1, 1}));
}

int TFrmInsertDeltia::repeatedColumn(int row, int onlyColumn) const
{
    const int k = game();
    for (int c = 1; c <= k; ++c) {
        if (onlyColumn >= 1 && c != onlyColumn)
            continue;
        const QString value = model_->text(row, c);
        if (value.isEmpty())
            continue;
        for (int other = 1; other <= k; ++other) {
            if (other == c || (onlyColumn < 1 && other > c))
                continue;
            if (model_->text(row, other) == value) // the cells hold numbers written plainly
                return c;
        }
    }
    return -1;
}

void TFrmInsertDeltia::moveToNextCell(int row, int column)
{
    grid_->finishEditing();
    if (column < game())
        setCurrentCell(row, column + 1);
    else if (row + 1 < rowCount())
        setCurrentCell(row + 1, 1);
}

void TFrmInsertDeltia::StringGrid1SetEditText(int row, int column, const QString &text)
{
    if (!text.isEmpty() && !imports::IsBoardNumber(text)) {
        context_.prompts.message(this, kRangeMessage, kCaptionProgram, Icon::Warning);
        setCell(row, column, QString());
    }
    if (row == rowCount() - 1 && !rowEmpty(row))
        model_->appendRow();
    dropTrailingRows(row);
    if (model_->text(row, column).size() == 2) {
        if (repeatedColumn(row, column) >= 0)
            context_.prompts.message(this, kRepeatMessage, kCaptionProgram, Icon::Warning);
        else
            moveToNextCell(row, column);
    }
}

void TFrmInsertDeltia::StringGrid1EnterKey()
{
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 1)
        return;
    if (repeatedColumn(row, column) >= 0) {
        context_.prompts.message(this, kRepeatMessage, kCaptionProgram, Icon::Warning);
        return;
    }
    moveToNextCell(row, column);
}

void TFrmInsertDeltia::StringGrid1BackspaceKey()
{
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 1)
        return;
    const QString text = grid_->editor() ? grid_->editor()->text() : model_->text(row, column);
    if (text.isEmpty()) {
        if (column > 1) {
            grid_->finishEditing();
            setCurrentCell(row, column - 1);
        }
        return;
    }
    setCell(row, column, text.chopped(1));
    StringGrid1SetEditText(row, column, text.chopped(1));
}

void TFrmInsertDeltia::StringGrid1DeleteRow()
{
    const int row = currentRow();
    const int column = std::max(currentColumn(), 1);
    if (row < 0)
        return;
    grid_->finishEditing();
    // The rows below move up and the last row comes back empty; then, as when typing, one spare
    // row is left at the end.
    model_->removeRowAt(row);
    model_->appendRow();
    dropTrailingRows(-1);
    setCurrentCell(std::min(row, rowCount() - 1), column);
}

bool TFrmInsertDeltia::StringGrid1Exit(QWidget *next)
{
    if (next == Button3)
        return true;
    for (int r = 0; r < rowCount(); ++r) {
        const int c = repeatedColumn(r);
        if (c < 0)
            continue;
        checkingExit_ = true;
        grid_->finishEditing();
        setCurrentCell(r, c);
        context_.prompts.message(this, kRepeatMessage, kCaptionProgram, Icon::Warning);
        StringGrid1->setFocus();
        checkingExit_ = false;
        return false;
    }
    return true;
}

void TFrmInsertDeltia::focusChanged(QWidget *old, QWidget *now)
{
    if (checkingExit_ || !isVisible() || !old || !now || now->window() != this)
        return;
    const auto inGrid = [this](QWidget *w) { return w == StringGrid1 || StringGrid1->isAncestorOf(w); };
    if (inGrid(old) && !inGrid(now))
        runGuarded(context_.prompts, this, [this, now] { StringGrid1Exit(now); });
}

void TFrmInsertDeltia::ClearImportGrid()
{
    grid_->finishEditing();
    setWindowTitle(kClearedCaption);
    model_->setRows(std::vector<QStringList>(1));
    setCurrentCell(0, 1);
    LblStatus->clear();
}

imports::ImportGrid TFrmInsertDeltia::grid() const
{
    imports::ImportGrid result;
    result.game = game();
    int rows = rowCount();
    if (rows > 0 && rowEmpty(rows - 1))
        --rows; // the spare row
    result.rows.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        QStringList cells = model_->rows()[static_cast<std::size_t>(r)];
        cells.resize(result.game);
        result.rows.push_back(std::move(cells));
    }
    return result;
}

void TFrmInsertDeltia::setGrid(imports::ImportGrid grid)
{
    grid_->finishEditing();
    if (grid.game != game())
        SpinEdit1->setValue(grid.game);
    grid.rows.emplace_back(); // the spare row
    model_->setRows(std::move(grid.rows));
    setCurrentCell(0, 1);
}

void TFrmInsertDeltia::Button1Click()
{
    const QString folder = loadFolder_.isEmpty() ? context_.paths.folder(kDeltiaFolder) : loadFolder_;
    const std::optional<QString> path = context_.prompts.openFile(this, folder, kOpenFilter, mode_);
    if (!path)
        return;
    loadFolder_ = QFileInfo(*path).absolutePath();
    ClearImportGrid();
    setWindowTitle(kFileCaption.arg(QFileInfo(*path).fileName()));
    imports::ImportResult result = imports::ReadImportFile(*path, game());
    if (!result.opened) {
        ClearImportGrid();
        LblStatus->setText(result.message);
        showStandardError(context_.prompts, this, result.message);
        return;
    }
    if (result.gameFixed)
        SpinEdit1->setValue(result.grid.game);
    const QString status = imports::ImportStatusLine(result);
    if (result.cleared)
        ClearImportGrid();
    else
        setGrid(std::move(result.grid));
    LblStatus->setText(status);
    // One notice for the whole file: the line under the grid says where and why.
    if (!result.refusals.empty())
        context_.prompts.message(this, imports::kUnsuitableFile, kCaptionProgram, Icon::Warning);
}

void TFrmInsertDeltia::Button2Click()
{
    grid_->finishEditing();
    const std::optional<QString> path =
        context_.prompts.saveFile(this, context_.paths.folder(kDeltiaFolder), kSaveFilter, QStringLiteral("tru"));
    if (!path)
        return;
    if (QFileInfo::exists(*path)) {
        const Button answer = context_.prompts.ask(this, kOverwriteQuestion.arg(QDir::toNativeSeparators(*path)),
                                                   kCaptionConfirm, {Button::Yes, Button::No}, Button::No, Icon::Question);
        if (answer != Button::Yes)
            return;
    }
    setWindowTitle(kFileCaption.arg(QFileInfo(*path).fileName()));
    imports::WriteImportGrid(*path, grid());
}

void TFrmInsertDeltia::Button3Click()
{
    grid_->finishEditing();
    accept();
}

void TFrmInsertDeltia::Button4Click()
{
    const Button answer = context_.prompts.ask(this, kClearQuestion, kCaptionConfirm, {Button::Yes, Button::No},
                                               Button::No, Icon::Warning);
    if (answer == Button::Yes)
        ClearImportGrid();
}

void TFrmInsertDeltia::prepareSnapshot()
{
    imports::ImportGrid sample{6, {{"3", "17", "25", "40", "61", "77"},
                                   {"5", "12", "33", "40", "71", "80"},
                                   {"1", "9", "99", "44", "58", "66"},
                                   {"2", "14", "27", "39", "", ""}}};
    setGrid(sample);
    imports::ImportResult shown;
    shown.opened = true;
    shown.grid = sample;
    shown.refusals.push_back({3, QStringLiteral("1;9;99;44;58;66"), QStringLiteral("99 είναι έξω από το 1..80"), false});
    LblStatus->setText(imports::ImportStatusLine(shown));
    setWindowTitle(kFileCaption.arg(QStringLiteral("sthles.csv")));
    setCurrentCell(3, 5);
}

} // namespace taru::ui

#include "draws/ui/NikToolDlg.h"

#include "draws/DrawsFile.h"
#include "draws/ui/DrawsTexts.h"
#include "draws/ui/NikSthlhFrm.h"
#include "window/DigitKeys.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSet>

namespace taru::ui {

namespace {

const QString kFileDate = QStringLiteral("dd/MM/yyyy");

// The regional short format with its year written in four digits.
QString regionalFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QDate ReadDrawDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const QString &format : {regionalFormat(), kFileDate, QStringLiteral("d/M/yyyy")}) {
        const QDate date = QLocale().toDate(trimmed, format);
        if (date.isValid())
            return date;
    }
    return QLocale().toDate(trimmed, QLocale::ShortFormat);
}

QString RegionalDrawDate(const QDate &date)
{
    return QLocale().toString(date, regionalFormat());
}

NikToolDlg::NikToolDlg(AppContext &context, const QString &caption, const QString &group, const QString &notAllText,
                       QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , notAllText_(notAllText)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont bold = font();
    bold.setBold(true);

    GroupBox1 = new QGroupBox(group, this);
    GroupBox1->setFont(bold);
    auto *inside = new QVBoxLayout(GroupBox1);
    auto *top = new QHBoxLayout;
    auto *numberLabel = new QLabel(kDrawNumberLabel, GroupBox1);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(12);
    Edit1->setMinimumWidth(110);
    numberLabel->setBuddy(Edit1);
    auto *dateLabel = new QLabel(kDateLabel, GroupBox1);
    DatePick = new QDateEdit(GroupBox1);
    DatePick->setObjectName(QStringLiteral("DatePick"));
    DatePick->setCalendarPopup(true);
    DatePick->setDisplayFormat(regionalFormat());
    DatePick->setMinimumWidth(130);
    top->addWidget(numberLabel);
    top->addWidget(Edit1);
    top->addSpacing(24);
    top->addWidget(dateLabel);
    top->addWidget(DatePick);
    top->addStretch();
    inside->addLayout(top);

    // Four rows of five lists, each under its label.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < draws::kDrawNumbers; ++i) {
        auto *label = new QLabel(QStringLiteral("%1ος Αρ.").arg(i + 1), GroupBox1);
        auto *list = new QComboBox(GroupBox1);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(i + 2));
        list->setEditable(false);
        list->setMaxVisibleItems(20);
        list->setFont(font());
        list->setFixedWidth(90);
        for (int n = 1; n <= draws::kHighestNumber; ++n)
            list->addItem(QString::number(n));
        list->setCurrentIndex(-1);
        list->installEventFilter(this);
        ComboBoxes[static_cast<std::size_t>(i)] = list;
        const int row = (i / 5) * 2;
        grid->addWidget(label, row, i % 5);
        grid->addWidget(list, row + 1, i % 5);
        grid->setRowMinimumHeight(row + 1, 30);
    }
    inside->addLayout(grid);
    Edit1->installEventFilter(this);
    DatePick->installEventFilter(this);

    BBtnSave = BoldButton(this, "BBtnSave", kSaveButton, QRect());
    BtnBack = BoldButton(this, "BtnBack", kCancelButton, QRect());
    BBtnSave->setMinimumSize(150, 32);
    BtnBack->setMinimumSize(150, 32);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBtnSave);
    buttons->addWidget(BtnBack);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connectGuarded(BBtnSave, &QPushButton::clicked, this, context_.prompts, [this] { SaveClick(); });
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::reject);
}

void NikToolDlg::clearLists()
{
    for (QComboBox *list : ComboBoxes)
        list->setCurrentIndex(-1);
}

void NikToolDlg::selectNumber(int list, const QString &text)
{
    QComboBox *box = ComboBoxes[static_cast<std::size_t>(list)];
    box->setCurrentIndex(box->findText(text)); // -1: none
}

bool NikToolDlg::AllNumbersChosen() const
{
    if (Edit1->text().isEmpty())
        return false;
    return std::all_of(ComboBoxes.begin(), ComboBoxes.end(), [](const QComboBox *list) { return list->currentIndex() >= 0; });
}

bool NikToolDlg::NumbersDistinct() const
{
    QSet<QString> seen;
    for (const QComboBox *list : ComboBoxes)
        seen.insert(list->currentText());
    return seen.size() == draws::kDrawNumbers;
}

void NikToolDlg::SaveClick()
{
    if (!AllNumbersChosen()) {
        // Whichever the answer, the dialog stays open with what was entered.
        context_.prompts.ask(this, notAllText_, kCaptionInfo, {Button::Yes, Button::No}, Button::Yes, Icon::Question);
        return;
    }
    if (!NumbersDistinct()) {
        context_.prompts.message(this, kNotDistinct, QString(), Icon::Warning);
        return;
    }
    DrawValues[0] = Edit1->text();
    DrawValues[1] = dateText();
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        DrawValues[static_cast<std::size_t>(2 + i)] = ComboBoxes[static_cast<std::size_t>(i)]->currentText();
    accept();
}

bool NikToolDlg::KeyPress(QObject *control, int key, const QString &text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    if (key == Qt::Key_Escape) {
        focusPreviousChild();
        return true;
    }
    if (control == Edit1) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        return ClassifyDigitKey(event) == DigitKey::Discard;
    }
    return false;
}

bool NikToolDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (KeyPress(watched, key->key(), key->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NikToolDlg::prepareSnapshot()
{
    Edit1->setText(QStringLiteral("1128441"));
    DatePick->setDate(QDate(2026, 11, 5));
    const int numbers[] = {3, 7, 11, 14, 19, 22, 25, 31, 36, 40, 44, 47, 52, 58, 61, 66, 70, 73, 77, 80};
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        selectNumber(i, QString::number(numbers[i]));
}

TNewNikToolDlg::TNewNikToolDlg(AppContext &context, QWidget *parent)
    : NikToolDlg(context, kNewNikToolCaption, kNewNikToolGroup, kNewNotAll, parent)
{
    setObjectName(QStringLiteral("NewNikToolDlg"));
}

QString TNewNikToolDlg::dateText() const
{
    return DatePick->date().toString(QStringLiteral("dd/MM/yyyy"));
}

int TNewNikToolDlg::exec()
{
    // The board comes up as the dialog opens, before it is seen.
    if (!runGuarded(context_.prompts, this, [this] { FormShow(); }))
        return QDialog::Rejected;
    return QDialog::exec();
}

void TNewNikToolDlg::FormShow()
{
    clearLists();
    Edit1->setFocus();
    auto *board = context_.window<TNikSthlhFrm>(WindowId::NikSthlhFrm);
    if (!board)
        return;
    board->Label1->setText(kBoardLine1 + Edit1->text());
    board->Label2->setText(kBoardLine2 + DatePick->date().toString(QStringLiteral("dd/MM/yyyy")));
    board->Label3->setText(QStringLiteral(" "));
    if (board->exec() == QDialog::Rejected)
        return;
    const QStringList picked = board->PickedNumbers.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (picked.size() < draws::kDrawNumbers)
        return;
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        selectNumber(i, picked.at(i));
}

TEditNikToolDlg::TEditNikToolDlg(AppContext &context, QWidget *parent)
    : NikToolDlg(context, kEditNikToolCaption, kEditNikToolGroup, kEditNotAll, parent)
{
    setObjectName(QStringLiteral("EditNikToolDlg"));
}

QString TEditNikToolDlg::dateText() const
{
    return RegionalDrawDate(DatePick->date());
}

int TEditNikToolDlg::exec()
{
    FormShow();
    return QDialog::exec();
}

void TEditNikToolDlg::FormShow()
{
    DatePick->setDate(context_.clock().date());
    Edit1->setText(DrawValues[0]);
    const QDate date = ReadDrawDate(DrawValues[1]);
    if (date.isValid())
        DatePick->setDate(date);
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        selectNumber(i, DrawValues[static_cast<std::size_t>(2 + i)].trimmed());
    Edit1->setFocus();
}

} // namespace taru::ui

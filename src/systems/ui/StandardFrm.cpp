#include "systems/ui/StandardFrm.h"

#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "game/ui/NumberBoard.h"
#include "window/DigitKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace taru::ui {

namespace {

const QString kCaption = QStringLiteral("ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ");
const QString kMsgGiveLimits = QStringLiteral("Δώστε τώρα τα όρια σας για τους επιλεγμένους αριθμούς");
constexpr int kManyNumbers = 10; // from this many on, the user sets "Έως" himself
constexpr int kMaxTo = 12;

bool readInt(const QLineEdit *edit, int &value)
{
    bool ok = false;
    value = edit->text().trimmed().toInt(&ok);
    return ok;
}

} // namespace

TStandardFrm::TStandardFrm(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("StandardFrm"));
    setWindowTitle(kCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(318, 330);

    SgrdA = new NumberBoard(this);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move(12, 12);
    SgrdA->setMarkModel([this](int i) { return selected_[static_cast<std::size_t>(i)]; });

    const int top = 12 + SgrdA->sizeHint().height() + 14;
    QFont bold = font();
    bold.setBold(true);
    LblApo = new QLabel(QStringLiteral("Από"), this);
    LblApo->setObjectName(QStringLiteral("LblApo"));
    LblApo->setFont(bold);
    LblApo->setGeometry(12, top, 40, 24);
    Edit2 = new QLineEdit(QStringLiteral("0"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(52, top, 60, 24);
    LblEos = new QLabel(QStringLiteral("Έως"), this);
    LblEos->setObjectName(QStringLiteral("LblEos"));
    LblEos->setFont(bold);
    LblEos->setGeometry(130, top, 40, 24);
    Edit3 = new QLineEdit(QStringLiteral("0"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(170, top, 60, 24);
    Edit2->installEventFilter(this);
    Edit3->installEventFilter(this);

    const int buttons = top + 40;
    BtnOK = BoldButton(this, "BtnOK", QStringLiteral("&OK"), QRect(52, buttons, 100, 32));
    BtnCancel = BoldButton(this, "BtnCancel", QStringLiteral("&ΑΚΥΡΟ"), QRect(170, buttons, 100, 32));
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    Prompts &prompts = context_.prompts;
    connect(SgrdA, &BoxGrid::boxClicked, this,
            [this, &prompts](int index) { runGuarded(prompts, this, [&] { SgrdAMouseUp(index); }); });
}

void TStandardFrm::Reset()
{
    selected_.fill(false);
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    SgrdA->refresh();
}

void TStandardFrm::SelectFromLabel(const QString &label)
{
    if (label.trimmed().isEmpty())
        return;
    for (const QString &item : label.split(QLatin1Char(','))) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (ok && number >= 1 && number <= kNumbers)
            selected_[static_cast<std::size_t>(number - 1)] = true;
    }
    SgrdA->refresh();
}

bool TStandardFrm::EditRequiredSet(RequiredNumberSet &set)
{
    Reset();
    SelectFromLabel(set.label);
    Edit2->setText(set.from);
    Edit3->setText(set.to);
    Edit2->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    set.from = Edit2->text();
    set.to = Edit3->text();
    set.label = SelectedText();
    return true;
}

void TStandardFrm::SgrdAMouseUp(int index)
{
    if (index < 0 || index >= kNumbers)
        return;
    const auto i = static_cast<std::size_t>(index);
    // Only the constructor's pool can be picked from.
    if (!context_.state.board[i])
        return;
    selected_[i] = !selected_[i];
    SgrdA->refresh();
    const int count = SelectedCount();
    if (count >= kManyNumbers)
        context_.prompts.info(this, kMsgGiveLimits, kCaptionInfo);
    else
        Edit3->setText(QString::number(count));
}

void TStandardFrm::Edit2Exit()
{
    int from = 0;
    int to = 0;
    if (!readInt(Edit2, from) || !readInt(Edit3, to)) {
        Edit2->setText(QStringLiteral("0"));
        return;
    }
    if (from > to)
        Edit2->setText(Edit3->text());
}

void TStandardFrm::Edit3Exit()
{
    int from = 0;
    int to = 0;
    if (!readInt(Edit2, from) || !readInt(Edit3, to)) {
        Edit3->setText(QStringLiteral("0"));
        return;
    }
    if (from > to) {
        Edit3->setText(Edit2->text());
        to = from;
    }
    if (to > kMaxTo) {
        Edit3->setText(QString::number(kMaxTo));
        to = kMaxTo;
    }
    const int count = SelectedCount();
    if (count < to)
        Edit3->setText(QString::number(count));
}

void TStandardFrm::prepareSnapshot()
{
    Reset();
    SelectFromLabel(QStringLiteral("5,17,23,41"));
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QStringLiteral("3"));
}

QString TStandardFrm::SelectedText() const
{
    QStringList numbers;
    for (int n = 1; n <= kNumbers; ++n) {
        if (selected_[static_cast<std::size_t>(n - 1)])
            numbers << QString::number(n);
    }
    return numbers.join(QLatin1Char(','));
}

int TStandardFrm::SelectedCount() const
{
    int count = 0;
    for (const bool s : selected_)
        count += s ? 1 : 0;
    return count;
}

bool TStandardFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit2 || watched == Edit3) {
        if (event->type() == QEvent::KeyPress) {
            switch (ClassifyDigitKey(*static_cast<QKeyEvent *>(event))) {
            case DigitKey::Discard:
                return true;
            case DigitKey::Enter:
                focusNextChild();
                return true;
            case DigitKey::Pass:
                break;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving the edit within the dialog, not the dialog losing the focus to a box.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                runGuarded(context_.prompts, this, [&] {
                    if (watched == Edit2)
                        Edit2Exit();
                    else
                        Edit3Exit();
                });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace taru::ui

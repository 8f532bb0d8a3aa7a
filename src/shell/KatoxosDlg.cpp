#include "shell/KatoxosDlg.h"

#include "base/OwnerSettings.h"
#include "window/ErrorGuard.h"
#include "shell/MainFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace taru::ui {

TKatoxosDlg::TKatoxosDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("KatoxosDlg"));
    setWindowTitle(QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"));
    setWindowIcon(TaruIcon());
    setMinimumWidth(560);

    auto *heading = new QLabel(QStringLiteral("Τα στοιχεία σας τυπώνονται στις εκτυπώσεις και εμφανίζονται στους τίτλους των παραθύρων."), this);
    heading->setWordWrap(true);
    heading->setObjectName(QStringLiteral("LblInfo"));

    auto *grid = new QGridLayout;
    const auto addRow = [&](int row, const QString &caption, const QString &name) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->installEventFilter(this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    Edit1 = addRow(0, QStringLiteral("ΤΙΤΛΟΣ / ΕΠΩΝΥΜΙΑ"), QStringLiteral("Edit1"));
    Edit2 = addRow(1, QStringLiteral("ΔΙΕΥΘΥΝΣΗ"), QStringLiteral("Edit2"));
    Edit3 = addRow(2, QStringLiteral("ΔΙΑΦΟΡΑ"), QStringLiteral("Edit3"));
    Edit4 = addRow(3, QStringLiteral("ΔΙΑΦΗΜΙΣΤΙΚΟ ΜΗΝΥΜΑ"), QStringLiteral("Edit4"));
    grid->setColumnStretch(1, 1);

    BBtnSave = new QPushButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), this);
    BBtnSave->setObjectName(QStringLiteral("BBtnSave"));
    BtnBack = new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this);
    BtnBack->setObjectName(QStringLiteral("BtnBack"));
    glBBtnhELP = new QPushButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), this);
    glBBtnhELP->setObjectName(QStringLiteral("glBBtnhELP"));
    for (QPushButton *b : {BBtnSave, BtnBack, glBBtnhELP}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(130);
    }
    connectGuarded(BBtnSave, &QPushButton::clicked, this, context_.prompts, [this] { BBtnSaveClick(); });
    connectGuarded(BtnBack, &QPushButton::clicked, this, context_.prompts, [this] { BtnBackClick(); });
    connectGuarded(glBBtnhELP, &QPushButton::clicked, this, context_.prompts, [this] { glBBtnhELPClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BBtnSave);
    buttons->addWidget(BtnBack);
    buttons->addStretch();
    buttons->addWidget(glBBtnhELP);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, BBtnSave);
    setTabOrder(BBtnSave, BtnBack);
    setTabOrder(BtnBack, glBBtnhELP);
}

void TKatoxosDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void TKatoxosDlg::FormShow()
{
    const OwnerDetails details = owner::read();
    Edit1->setText(details.title);
    Edit2->setText(details.address);
    Edit3->setText(details.misc);
    Edit4->setText(details.trailer);
    Edit1->setFocus();
}

void TKatoxosDlg::BBtnSaveClick()
{
    owner::write({Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()});
    accept();
}

void TKatoxosDlg::BtnBackClick()
{
    reject();
}

void TKatoxosDlg::glBBtnhELPClick()
{
    context_.showHelp(QStringLiteral("TARU.chm::/HELP.htm"));
}

bool TKatoxosDlg::DBEdit1KeyPress(QLineEdit *, int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    if (key == Qt::Key_Escape) {
        focusPreviousChild();
        return true;
    }
    return false;
}

bool TKatoxosDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && DBEdit1KeyPress(edit, static_cast<QKeyEvent *>(event)->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TKatoxosDlg::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor(236, 242, 252));
    g.setColorAt(1.0, QColor(160, 186, 228));
    p.fillRect(rect(), g);
}

} // namespace taru::ui

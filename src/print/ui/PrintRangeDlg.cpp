#include "print/ui/PrintRangeDlg.h"

#include "window/DigitKeys.h"
#include "window/ErrorGuard.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace taru::ui {

TPrintRangeDlg::TPrintRangeDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("PrintRangeDlg"));
    setWindowTitle(QStringLiteral("ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ"));
    setFixedSize(300, 156);
    QFont bold = font();
    bold.setBold(true);

    ChkAll = new QCheckBox(QStringLiteral("Εκτύπωση Όλων των γραμμών"), this);
    ChkAll->setObjectName(QStringLiteral("ChkAll"));
    ChkAll->setGeometry(20, 14, 260, 22);
    ChkAll->setFont(bold);

    Label1 = new QLabel(QStringLiteral("Από γραμμή"), this);
    Label1->setGeometry(20, 50, 110, 24);
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(140, 50, 100, 24);

    Label2 = new QLabel(QStringLiteral("Έως γραμμή"), this);
    Label2->setGeometry(20, 82, 110, 24);
    Edit2 = new QLineEdit(QStringLiteral("10"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(140, 82, 100, 24);

    BtnOK = new QPushButton(QStringLiteral("&ΟΚ"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(100, 118, 100, 30);
    BtnOK->setFont(bold);
    BtnOK->setDefault(true);
    connectGuarded(BtnOK, &QPushButton::clicked, this, context_.prompts, [this] { accept(); });

    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
}

bool TPrintRangeDlg::Edit1KeyPress(int key, const QString &text)
{
    // The digit filter every number entry of the program shares: only typed characters are
    // filtered, so moving and deleting keys (Left, Right, Home, End, Delete) keep their meaning.
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    return ClassifyDigitKey(event) != DigitKey::Discard;
}

bool TPrintRangeDlg::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (ClassifyDigitKey(*key) == DigitKey::Discard)
            return true; // dropped
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace taru::ui

#include "print/ui/NikDlg.h"

#include "window/ErrorGuard.h"

#include <QComboBox>
#include <QLabel>

namespace taru::ui {

TNikDlg::TNikDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("NikDlg"));
    setWindowTitle(QStringLiteral("ΕΠΙΛΟΓΗ"));
    setFixedSize(180, 64);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(20, 18, 140, 28);
    ComboBox1->setMaxVisibleItems(20);
    QFont font = ComboBox1->font();
    font.setBold(true);
    font.setPixelSize(15);
    ComboBox1->setFont(font);
    ComboBox1->addItem(QStringLiteral("-"));
    for (int n = 1; n <= 80; ++n)
        ComboBox1->addItem(QString::number(n));

    // activated: a choice by the user, even of the item already selected.
    connectGuarded(ComboBox1, &QComboBox::activated, this, context_.prompts, [this] { ComboBox1Change(); });
}

void TNikDlg::selectText(const QString &text)
{
    ComboBox1->setCurrentIndex(ComboBox1->findText(text.trimmed()));
}

QString TNikDlg::chosenText() const
{
    return ComboBox1->currentText();
}

void TNikDlg::ComboBox1Change()
{
    accept();
}

} // namespace taru::ui

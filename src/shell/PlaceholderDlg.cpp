#include "shell/PlaceholderDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace taru::ui {

PlaceholderDlg::PlaceholderDlg(const QString &className, const QString &caption, QWidget *parent)
    : QDialog(parent)
    , className_(className)
{
    setObjectName(className.mid(1));
    setWindowTitle(caption);
    resize(480, 240);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label, 1);
    auto *back = new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(back, 0, Qt::AlignRight);
}

} // namespace taru::ui

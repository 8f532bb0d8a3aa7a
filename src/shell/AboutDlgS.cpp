#include "shell/AboutDlgS.h"

#include "shell/FlyingText.h"
#include "shell/MainFrm.h"
#include "shell/Splash.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace taru::ui {

TAboutDlgS::TAboutDlgS(AppContext &, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDlgS"));
    setWindowTitle(QStringLiteral("Γενικά για το πρόγραμμα"));
    setWindowIcon(TaruIcon());
    setFixedSize(440, 330);

    ProductName = new FlyingText(QStringLiteral("TARU"), 60, this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setColors(QColor(214, 30, 30), QColor(255, 212, 0));
    ProductName->setMinimumHeight(96);

    auto *description = new QLabel(QStringLiteral("Πρόγραμμα συστημάτων, δελτίων και στατιστικών\nγια το παιχνίδι TARU"), this);
    description->setObjectName(QStringLiteral("LblDescription"));
    description->setAlignment(Qt::AlignCenter);

    LblVersion = new QLabel(QStringLiteral("Έκδοση : ") + VersionText(), this);
    LblVersion->setObjectName(QStringLiteral("LblVersion"));
    LblVersion->setAlignment(Qt::AlignCenter);
    QFont bold = LblVersion->font();
    bold.setBold(true);
    LblVersion->setFont(bold);

    LblMaker = new QLabel(QStringLiteral("Κατασκευή: ORMENA DATA - ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ"), this);
    LblMaker->setObjectName(QStringLiteral("LblMaker"));
    LblMaker->setAlignment(Qt::AlignCenter);
    LblContact = new QLabel(QStringLiteral("Υποστήριξη: μενού ΒΟΗΘΗΤΙΚΑ → ΒΟΗΘΕΙΑ"), this);
    LblContact->setObjectName(QStringLiteral("LblContact"));
    LblContact->setAlignment(Qt::AlignCenter);
    LblCopyright = new QLabel(QStringLiteral("Το πρόγραμμα προστατεύεται από τους νόμους\nπερί πνευματικής ιδιοκτησίας."), this);
    LblCopyright->setObjectName(QStringLiteral("LblCopyright"));
    LblCopyright->setAlignment(Qt::AlignCenter);
    QFont small = LblCopyright->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    LblCopyright->setFont(small);

    BtnOk = new QPushButton(QStringLiteral("&ΟΚ"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnOk->setMinimumWidth(110);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 14);
    layout->addWidget(ProductName);
    layout->addWidget(description);
    layout->addSpacing(4);
    layout->addWidget(LblVersion);
    layout->addSpacing(8);
    layout->addWidget(LblMaker);
    layout->addWidget(LblContact);
    layout->addStretch();
    layout->addWidget(LblCopyright);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void TAboutDlgS::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAboutDlgS::FormShow()
{
    ProductName->start();
}

void TAboutDlgS::FormClose()
{
    ProductName->stop();
}

void TAboutDlgS::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TAboutDlgS::done(int result)
{
    // OK and Esc end the dialog without a close event; the animation stops all the same.
    FormClose();
    QDialog::done(result);
}

void TAboutDlgS::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, QColor(200, 212, 232));
    p.fillRect(rect(), g);
}

void TAboutDlgS::prepareSnapshot()
{
    ProductName->stop();
    ProductName->finish();
}

} // namespace taru::ui

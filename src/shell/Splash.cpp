#include "shell/Splash.h"

#include "shell/FlyingText.h"
#include "shell/MainFrm.h"

#include "Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace taru::ui {

QString VersionText()
{
    return QString::asprintf("%d.%d.%d.%d", kVersionMajor, kVersionMinor, kVersionPatch, kVersionBuild);
}

TSplash::TSplash(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("TARU"));
    setWindowIcon(TaruIcon());
    setFixedSize(492, 274);
    setFocusPolicy(Qt::StrongFocus);

    LblTitle = new QLabel(QApplication::applicationName(), this);
    LblTitle->setObjectName(QStringLiteral("LblTitle"));
    LblTitle->setStyleSheet(QStringLiteral("color: #dfe8ff; font: bold 13px 'DejaVu Sans'; letter-spacing: 3px;"));
    LblTitle->setGeometry(18, 12, 300, 20);

    ProductName = new FlyingText(QStringLiteral("TARU"), 84, this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setGeometry(0, 40, 492, 120);

    LblSubtitle = new QLabel(QStringLiteral("Συστήματα  •  Δελτία  •  Νικήτριες στήλες  •  Στατιστικά"), this);
    LblSubtitle->setObjectName(QStringLiteral("LblSubtitle"));
    LblSubtitle->setAlignment(Qt::AlignCenter);
    LblSubtitle->setStyleSheet(QStringLiteral("color: white; font: 14px 'DejaVu Sans';"));
    LblSubtitle->setGeometry(0, 170, 492, 24);

    LblVersion = new QLabel(QStringLiteral("Εκδοση: ") + VersionText(), this);
    LblVersion->setObjectName(QStringLiteral("LblVersion"));
    LblVersion->setStyleSheet(QStringLiteral("color: #ffd400; font: bold 12px 'DejaVu Sans';"));
    LblVersion->setGeometry(18, 240, 200, 20);

    auto *hint = new QLabel(QStringLiteral("Enter ή κλικ για συνέχεια"), this);
    hint->setObjectName(QStringLiteral("LblHint"));
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hint->setStyleSheet(QStringLiteral("color: #b8c6e8; font: 11px 'DejaVu Sans';"));
    hint->setGeometry(250, 240, 224, 20);

    Timer1->setSingleShot(true);
    Timer1->setInterval(kTimerMs);
    connect(Timer1, &QTimer::timeout, this, &TSplash::Timer1Timer);
}

void TSplash::Timer1Timer()
{
    mayClose_ = true;
}

void TSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->start();
    ProductName->start();
}

void TSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        mayClose_ = true;
        return;
    }
    // Esc would otherwise reject the dialog behind the close query's back.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TSplash::mousePressEvent(QMouseEvent *event)
{
    mayClose_ = true;
    QDialog::mousePressEvent(event);
}

void TSplash::closeEvent(QCloseEvent *event)
{
    if (mayClose_)
        event->accept();
    else
        event->ignore();
}

void TSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor(18, 44, 100));
    g.setColorAt(1.0, QColor(44, 92, 170));
    p.fillRect(rect(), g);
    // A row of number balls along the bottom, as on the slip.
    const QColor ball[] = {QColor(226, 27, 27), QColor(255, 212, 0), QColor(40, 160, 70), QColor(255, 255, 255)};
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    const int numbers[] = {7, 12, 23, 31, 38, 44, 52, 59, 66, 71, 80};
    for (int i = 0; i < 11; ++i) {
        const QRectF r(30 + i * 40, 205, 26, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(ball[i % 4]);
        p.drawEllipse(r);
        p.setPen(i % 4 == 3 || i % 4 == 1 ? Qt::black : Qt::white);
        p.drawText(r, Qt::AlignCenter, QString::number(numbers[i]));
    }
    p.setPen(QPen(QColor(255, 212, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
}

void TSplash::prepareSnapshot()
{
    ProductName->stop();
    ProductName->finish();
}

void RunSplash(TSplash &splash)
{
    while (!splash.FormCloseQuery()) {
        if (!splash.isVisible()) {
            splash.show();
            splash.raise();
            splash.activateWindow();
            splash.setFocus();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    splash.ProductName->stop();
    splash.hide();
}

} // namespace taru::ui

#include "game/ui/GameHeading.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace taru::ui {

GameHeading::GameHeading(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GameHeading::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, width(), 0);
    sky.setColorAt(0.0, QColor(120, 0, 0));
    sky.setColorAt(0.55, QColor(200, 16, 32));
    sky.setColorAt(1.0, QColor(240, 90, 40));
    painter.fillRect(rect(), sky);

    // A thin gold rule under the band.
    painter.fillRect(QRect(0, height() - 3, width(), 3), QColor(250, 200, 60));

    QFont title = font();
    title.setBold(true);
    title.setPixelSize(30);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 90));
    const QRect titleArea(18, 0, 220, height() - 3);
    painter.drawText(titleArea.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARU"));
    painter.setPen(Qt::white);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARU"));

    QFont subtitle = font();
    subtitle.setBold(true);
    subtitle.setPixelSize(13);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 230, 160));
    painter.drawText(QRect(140, 0, 200, height() - 3), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ΠΑΙΧΝΙΔΙ 1 - 80"));

    // Drawn balls, as they come out of the draw machine.
    static constexpr std::array<int, 9> kBalls{7, 12, 23, 31, 46, 52, 64, 71, 80};
    const int diameter = height() - 18;
    int x = width() - 14 - static_cast<int>(kBalls.size()) * (diameter + 6);
    QFont digits = font();
    digits.setBold(true);
    digits.setPixelSize(diameter / 2);
    painter.setFont(digits);
    for (int number : kBalls) {
        const QRectF ball(x, 7, diameter, diameter);
        QRadialGradient shine(ball.center() - QPointF(diameter / 5.0, diameter / 5.0), diameter * 0.7);
        shine.setColorAt(0.0, Qt::white);
        shine.setColorAt(1.0, number % 2 == 0 ? QColor(250, 210, 90) : QColor(235, 235, 235));
        painter.setPen(QPen(QColor(90, 0, 0), 1));
        painter.setBrush(shine);
        painter.drawEllipse(ball);
        painter.setPen(QColor(150, 0, 0));
        painter.drawText(ball, Qt::AlignCenter, QString::number(number));
        x += diameter + 6;
    }
}

} // namespace taru::ui

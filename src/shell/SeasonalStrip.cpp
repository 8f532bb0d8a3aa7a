#include "shell/SeasonalStrip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <array>
#include <cmath>

namespace taru::ui {

SeasonalStrip::SeasonalStrip(QWidget *parent)
    : QWidget(parent)
    , timer_(new QTimer(this))
{
    resize(kWidth, kHeight);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, [this] { setFrame(frame_ + 1); });
}

void SeasonalStrip::setFrame(int frame)
{
    frame_ = frame;
    update();
}

void SeasonalStrip::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    timer_->start();
}

void SeasonalStrip::hideEvent(QHideEvent *event)
{
    timer_->stop();
    QWidget::hideEvent(event);
}

void SeasonalStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on the strip's own 713 x 40 grid and stretched to whatever size it is given.
    p.scale(double(width()) / kWidth, double(height()) / kHeight);
    paintStrip(p);
}

namespace {
// A five-pointed star centred at c.
QPainterPath star(QPointF c, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void tree(QPainter &p, double x, double base, double h, int frame)
{
    QPainterPath body;
    body.moveTo(x, base - h);
    body.lineTo(x - h * 0.45, base - 4);
    body.lineTo(x + h * 0.45, base - 4);
    body.closeSubpath();
    p.fillPath(body, QColor(20, 110, 45));
    p.fillRect(QRectF(x - 2, base - 4, 4, 4), QColor(110, 70, 30));
    const std::array<QColor, 3> baubles{QColor(230, 40, 40), QColor(255, 215, 0), QColor(80, 160, 255)};
    for (int i = 0; i < 3; ++i) {
        const double by = base - h * (0.25 + 0.22 * i);
        const double bx = x + ((i % 2) ? -1 : 1) * h * 0.12;
        p.setBrush(baubles.at(size_t((i + frame / 3) % 3)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(bx, by), 1.8, 1.8);
    }
    p.fillPath(star({x, base - h - 1}, 3.5, 1.5), QColor(255, 220, 0));
}
} // namespace

void SeasonalStrip::paintStrip(QPainter &p) const
{
    const QRectF all(0, 0, kWidth, kHeight);
    QLinearGradient night(0, 0, 0, kHeight);
    night.setColorAt(0.0, QColor(10, 25, 70));
    night.setColorAt(1.0, QColor(35, 60, 130));
    p.fillRect(all, night);

    // Falling snow: flakes on fixed columns, each falling at its own pace.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (int i = 0; i < 60; ++i) {
        const double x = std::fmod(i * 37.3 + 11, kWidth);
        const int speed = 1 + i % 3;
        const double y = std::fmod(i * 13.7 + frame_ * speed, kHeight + 6) - 3;
        p.drawEllipse(QPointF(x + std::sin((frame_ + i) * 0.4), y), 1.1 + (i % 2) * 0.5, 1.1 + (i % 2) * 0.5);
    }

    // Snow on the ground and a row of trees at both ends.
    p.setBrush(QColor(240, 246, 255));
    p.drawRect(QRectF(0, kHeight - 5, kWidth, 5));
    for (int i = 0; i < 4; ++i) {
        tree(p, 14 + i * 20, kHeight - 3, 20 + (i % 2) * 6, frame_ + i);
        tree(p, kWidth - 14 - i * 20, kHeight - 3, 20 + ((i + 1) % 2) * 6, frame_ + i + 1);
    }

    // A garland along the top with lights that twinkle in turn.
    QPainterPath garland;
    garland.moveTo(90, 2);
    for (double x = 90; x < kWidth - 90; x += 40)
        garland.quadTo(x + 20, 12, x + 40, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 140, 60), 2));
    p.drawPath(garland);
    const std::array<QColor, 4> lights{QColor(255, 60, 60), QColor(255, 220, 0), QColor(90, 200, 255),
                                       QColor(120, 255, 120)};
    p.setPen(Qt::NoPen);
    int n = 0;
    for (double x = 110; x < kWidth - 90; x += 40, ++n) {
        QColor c = lights.at(size_t(n % 4));
        if ((n + frame_) % 3 == 0)
            c = c.darker(260);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, 7), 2.6, 2.6);
    }

    // The greeting, gold with a dark outline, and a star beside it that gently pulses.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(17);
    font.setBold(true);
    font.setItalic(true);
    const QString greeting = QStringLiteral("Καλά Χριστούγεννα και Ευτυχισμένο το Νέο Έτος!");
    QPainterPath text;
    text.addText(0, 0, font, greeting);
    const QRectF box = text.boundingRect();
    text.translate(kWidth / 2.0 - box.center().x(), 27 - 0);
    p.setPen(QPen(QColor(60, 20, 0), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    QLinearGradient gold(0, 12, 0, 30);
    gold.setColorAt(0.0, QColor(255, 240, 150));
    gold.setColorAt(1.0, QColor(220, 160, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(text);
    const double pulse = 5.5 + 1.5 * std::sin(frame_ * 0.6);
    const double left = text.boundingRect().left() - 16;
    const double right = text.boundingRect().right() + 16;
    p.fillPath(star({left, 20}, pulse, pulse * 0.45), QColor(255, 225, 60));
    p.fillPath(star({right, 20}, 12 - pulse, (12 - pulse) * 0.45), QColor(255, 225, 60));
}

} // namespace taru::ui

#include "shell/FlyingText.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <cmath>

namespace taru::ui {

FlyingText::FlyingText(const QString &text, int pixelSize, QWidget *parent)
    : QWidget(parent)
    , text_(text)
    , timer_(new QTimer(this))
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    setFont(f);
    setAttribute(Qt::WA_TranslucentBackground);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        ++frame_;
        update();
    });
}

void FlyingText::setColors(QColor fill, QColor shadow)
{
    fill_ = fill;
    shadow_ = shadow;
    update();
}

void FlyingText::start()
{
    frame_ = 0;
    timer_->start();
    update();
}

void FlyingText::stop()
{
    timer_->stop();
}

bool FlyingText::isRunning() const
{
    return timer_->isActive();
}

void FlyingText::finish()
{
    frame_ = qMax(frame_, int(text_.size()) * kFramesPerLetter + kFlightFrames);
    update();
}

bool FlyingText::hasLanded() const
{
    return frame_ >= int(text_.size()) * kFramesPerLetter + kFlightFrames;
}

QSize FlyingText::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text_) + 24, fm.height() + 16};
}

void FlyingText::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const double total = fm.horizontalAdvance(text_);
    double x = (width() - total) / 2.0;
    const double baseline = (height() + fm.ascent() - fm.descent()) / 2.0;
    const bool landed = hasLanded();

    for (qsizetype i = 0; i < text_.size(); ++i) {
        const QString letter = text_.mid(i, 1);
        const double advance = fm.horizontalAdvance(letter);
        // Progress of this letter's flight, 0 (far right, above) to 1 (in place), eased out.
        const double t = qBound(0.0, double(frame_ - int(i) * kFramesPerLetter) / kFlightFrames, 1.0);
        const double ease = 1.0 - std::pow(1.0 - t, 3.0);
        const double fromX = width() + 20.0;
        double lx = fromX + (x - fromX) * ease;
        double ly = baseline - (1.0 - ease) * height() * 0.8;
        if (landed)
            ly += 3.0 * std::sin(frame_ * 0.18 + double(i) * 0.9);
        if (t > 0.0) {
            QPainterPath path;
            path.addText(lx, ly, font(), letter);
            p.save();
            // Tumbles while in the air, upright once landed.
            const QPointF centre = path.boundingRect().center();
            p.translate(centre);
            p.rotate((1.0 - ease) * -360.0);
            p.translate(-centre);
            p.fillPath(path.translated(3, 3), shadow_);
            QLinearGradient g(0, ly - fm.ascent(), 0, ly);
            g.setColorAt(0.0, fill_.lighter(140));
            g.setColorAt(1.0, fill_);
            p.fillPath(path, g);
            p.setPen(QPen(shadow_.darker(150), 1.2));
            p.drawPath(path);
            p.restore();
        }
        x += advance;
    }
}

} // namespace taru::ui

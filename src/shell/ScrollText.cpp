#include "shell/ScrollText.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace taru::ui {

namespace {
QFont bannerFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(19);
    font.setBold(true);
    return font;
}
constexpr int kShadowDepth = 3;
} // namespace

ScrollText::ScrollText(QWidget *parent)
    : QWidget(parent)
    , timer_(new QTimer(this))
{
    setFixedHeight(kHeight);
    setFont(bannerFont());
    timer_->setInterval(kStepMs);
    connect(timer_, &QTimer::timeout, this, &ScrollText::step);
}

void ScrollText::setText(const QString &text)
{
    text_ = text;
    placed_ = width() > 0;
    left_ = width();
    update();
}

void ScrollText::start()
{
    timer_->start();
}

void ScrollText::stop()
{
    timer_->stop();
}

bool ScrollText::isRunning() const
{
    return timer_->isActive();
}

int ScrollText::stepPixels() const
{
    return qMax(1, width() / kStepsAcross);
}

int ScrollText::textWidth() const
{
    return QFontMetrics(font()).horizontalAdvance(text_) + kShadowDepth;
}

void ScrollText::step()
{
    if (!placed_) {
        left_ = width();
        placed_ = true;
    }
    left_ -= stepPixels();
    if (left_ + textWidth() < 0)
        left_ = width();
    update();
}

void ScrollText::setTextLeft(int left)
{
    left_ = left;
    placed_ = true;
    update();
}

QSize ScrollText::sizeHint() const
{
    return {792, kHeight};
}

void ScrollText::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0.0, QColor(214, 214, 214));
    background.setColorAt(1.0, QColor(176, 176, 176));
    p.fillRect(rect(), background);
    p.setPen(QColor(120, 120, 120));
    p.drawLine(0, height() - 1, width(), height() - 1);

    if (!placed_ || text_.isEmpty())
        return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QFontMetrics fm(font());
    const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
    // The extruded shadow: the text repeated in yellow down and to the right, then black on top.
    p.setPen(QColor(255, 214, 0));
    for (int d = kShadowDepth; d >= 1; --d)
        p.drawText(left_ + d, baseline + d, text_);
    p.setPen(Qt::black);
    p.drawText(left_, baseline, text_);
}

} // namespace taru::ui

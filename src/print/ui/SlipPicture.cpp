#include "print/ui/SlipPicture.h"

#include "game/Pricing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace taru::ui {

namespace {

const QColor kPaper(255, 246, 222);
const QColor kInk(199, 119, 0);
const QColor kMark(20, 20, 20);
const QColor kCaption(236, 178, 100); // light, so a mark over it stands out

QPoint boxOrigin(double k, double r)
{
    return QPoint(RoundHalfEven(kScreenLeft + k * kScreenPitchX), RoundHalfEven(kScreenTop + r * kScreenPitchY));
}

void drawBox(QPainter &painter, double k, double r, const QString &caption)
{
    const QPoint at = boxOrigin(k, r);
    const QRect box = ScreenBoxAt(at.x(), at.y());
    painter.setPen(kInk);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(kCaption);
    painter.drawText(box, Qt::AlignCenter, caption);
}

} // namespace

QRect ScreenBoxAt(int x, int y)
{
    // The "@" is about 12 pixels wide and tall at 8 points; the box leaves it a pixel round.
    return QRect(x - 1, y - 1, 17, 17);
}

QImage SlipPicture()
{
    QImage image(kSlipPictureWidth, kSlipPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRect(1, 1, kSlipPictureWidth - 3, kSlipPictureHeight - 3), 8, 8);

    QFont title;
    title.setPixelSize(15);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kInk);
    painter.drawText(QRect(0, 8, kSlipPictureWidth, 22), Qt::AlignCenter, QStringLiteral("TARU   ΔΕΛΤΙΟ"));

    QFont small;
    small.setPixelSize(8);
    painter.setFont(small);
    painter.drawText(QRect(4, 48, 60, 12), Qt::AlignLeft, QStringLiteral("ΠΑΙΧΝΙΔΙ"));
    painter.drawText(QRect(4, boxOrigin(0, 8.3).y(), 120, 12), Qt::AlignLeft, QStringLiteral("ΠΟΛΛΑΠΛΑΣΙΑΣΤΗΣ"));

    QFont boxes;
    boxes.setPixelSize(9);
    painter.setFont(boxes);
    for (int i = 1; i <= kGameBoxCount; ++i)
        drawBox(painter, i <= 6 ? i + 1 : i - 5, i <= 6 ? -3 : -2, QString::number(gameOfBox(i)));
    for (int n = 1; n <= kNumbers; ++n)
        drawBox(painter, (n - 1) % 10, (n - 1) / 10, QString::number(n));
    for (int i = 1; i <= kMultiplierBoxCount; ++i)
        drawBox(painter, i, 9, QString::number(kMultiplierValues[static_cast<size_t>(i - 1)]));
    return image;
}

QImage SlipPictureWithMarks(const QImage &picture, const SlipFlags &flags)
{
    QImage image = picture.copy();
    QPainter painter(&image);
    QFont font;
    font.setPointSize(kScreenMarkSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kMark);
    const QFontMetrics metrics(font, &image);
    for (const SlipItem &mark : LayoutScreenSlip(flags))
        painter.drawText(mark.x, mark.y + metrics.ascent(), mark.text);
    return image;
}

} // namespace taru::ui

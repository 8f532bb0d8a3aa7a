#include "print/ui/SlipPicture.h"

#include "game/Pricing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace taru::ui {

namespace {

const QColor kPaper(255, 248, 236);
const QColor kInk(214, 60, 70);      // the slip's printed red
const QColor kBoxFill(255, 255, 255);
const QColor kBand(214, 60, 70);
const QColor kMarkInk(20, 20, 120);

// The box is a little larger than the mark and starts just before it, so the running correction
// (a few pixels by the end of a row) still lands inside.
constexpr int kBoxWidth = 18;
constexpr int kBoxHeight = 17;
constexpr int kBoxLeadX = 3;
constexpr int kBoxLeadY = 2;

QPointF gridPoint(double k, double r)
{
    return {kScreenLeft + k * kScreenPitchX, kScreenTop + r * kScreenPitchY};
}

QFont pixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void numberedBox(QPainter &p, double k, double r, const QString &text)
{
    const QRect box = SlipBoxRect(k, r);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBoxFill);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setFont(pixelFont(text.size() > 2 ? 7 : 8, false));
    p.setPen(QColor(kInk.red(), kInk.green(), kInk.blue(), 150));
    p.drawText(box, Qt::AlignCenter, text);
}

void sideLabel(QPainter &p, const QRect &rect, const QString &text)
{
    p.setFont(pixelFont(8, true));
    p.setPen(kInk);
    p.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

QRect SlipBoxRect(double k, double r)
{
    const QPointF point = gridPoint(k, r);
    return QRect(static_cast<int>(std::lround(point.x())) - kBoxLeadX, static_cast<int>(std::lround(point.y())) - kBoxLeadY,
                 kBoxWidth, kBoxHeight);
}

QImage SlipPicture()
{
    QImage image(kSlipPictureWidth, kSlipPictureHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Border and title band.
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, kSlipPictureWidth - 3, kSlipPictureHeight - 3));
    p.fillRect(QRect(2, 2, kSlipPictureWidth - 4, 28), kBand);
    p.setPen(Qt::white);
    p.setFont(pixelFont(18, true));
    p.drawText(QRect(8, 2, 120, 28), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("TARU"));
    p.setFont(pixelFont(11, true));
    p.drawText(QRect(120, 2, kSlipPictureWidth - 130, 28), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("ΔΕΛΤΙΟ ΣΥΜΜΕΤΟΧΗΣ"));
    p.setPen(kInk);
    p.setFont(pixelFont(8, false));
    p.drawText(QRect(8, 33, kSlipPictureWidth - 16, 30), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Σημειώστε το παιχνίδι, τους αριθμούς της στήλης,\nτον πολλαπλασιαστή και τις κληρώσεις."));

    // Game boxes: box i of the top row is game 13 - i (12 down to 7), the second row 6 down to 1.
    const QRect gameLabel = SlipBoxRect(0, -3).united(SlipBoxRect(1, -2));
    sideLabel(p, gameLabel, QStringLiteral("ΑΡΙΘ.\nΣΤΗΛΗΣ"));
    for (int box = 1; box <= kGameBoxCount; ++box) {
        const bool topRow = box <= 6;
        numberedBox(p, topRow ? box + 1 : box - 5, topRow ? -3 : -2, QString::number(gameOfBox(box)));
    }

    // The number boxes 1..80, ten to a row.
    for (int n = 1; n <= kNumbers; ++n)
        numberedBox(p, (n - 1) % 10, (n - 1) / 10, QString::number(n));

    // Multipliers in row 9, boxes 1..9 from column 1; their label in column 0.
    sideLabel(p, SlipBoxRect(0, 9).adjusted(-1, -6, 1, 6), QStringLiteral("ΠΟΛ."));
    for (int box = 1; box <= kMultiplierBoxCount; ++box)
        numberedBox(p, box, 9, QStringLiteral("x") + QString::number(kMultiplierValues[box - 1]));

    // Consecutive draws: two columns of five beside the numbers.
    const QRect drawsLabel = SlipBoxRect(11, -1).united(SlipBoxRect(12, -1));
    sideLabel(p, drawsLabel.adjusted(-4, -4, 4, 2), QStringLiteral("ΚΛΗΡΩΣΕΙΣ"));
    for (int column = 0; column < kDrawColumns; ++column) {
        for (int row = 0; row < kDrawRows; ++row)
            numberedBox(p, 11 + column, row, QString::number(kDrawValues[column][row]));
    }

    // A thin line between the play area and the footer.
    p.setPen(QPen(kInk, 1));
    const int footerY = SlipBoxRect(0, 9).top() - 7;
    p.drawLine(8, footerY, kSlipPictureWidth - 9, footerY);
    return image;
}

QList<SlipItem> DrawScreenMarks(QImage &image, const SlipFlags &flags)
{
    const QList<SlipItem> items = LayoutScreenSlip(flags);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSize(kScreenMarkSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kMarkInk);
    const QFontMetrics metrics(font, &image);
    // Written like the printer's text: the position is the top-left of the text cell.
    for (const SlipItem &item : items)
        p.drawText(item.x, item.y + metrics.ascent(), item.text);
    return items;
}

} // namespace taru::ui

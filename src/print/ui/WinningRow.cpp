#include "print/ui/WinningRow.h"

#include <QMouseEvent>
#include <QPainter>

namespace taru::ui {

WinningRow::WinningRow(const WinningPlaces &places, int firstPlace, QWidget *parent)
    : QWidget(parent)
    , places_(places)
    , first_(firstPlace)
{
    setFixedSize(kCells * kCellWidth, kCellHeight);
    setCursor(Qt::PointingHandCursor);
}

QRect WinningRow::cellRect(int cell) const
{
    return QRect(cell * kCellWidth, 0, kCellWidth, kCellHeight);
}

int WinningRow::placeAt(const QPoint &point) const
{
    if (point.x() < 0 || point.y() < 0 || point.y() >= kCellHeight || point.x() >= kCells * kCellWidth)
        return -1;
    return first_ + point.x() / kCellWidth;
}

void WinningRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont font = this->font();
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    for (int cell = 0; cell < kCells; ++cell) {
        const QString &text = places_[static_cast<std::size_t>(first_ + cell)];
        const bool empty = text == kEmptyPlace;
        const QRect rect = cellRect(cell);
        p.fillRect(rect, empty ? QColor(Qt::white) : QColor(Qt::black));
        p.setPen(QColor(160, 160, 160));
        p.drawRect(rect.adjusted(0, 0, -1, -1));
        p.setPen(empty ? QColor(255, 102, 179) : QColor(Qt::white));
        // Centred across, two pixels below the cell's top.
        p.drawText(rect.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

void WinningRow::mouseReleaseEvent(QMouseEvent *event)
{
    const int place = placeAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && place >= 0)
        Q_EMIT placeClicked(place);
}

} // namespace taru::ui

#include "game/ui/BoxGrid.h"

#include "window/WindowParts.h"

#include <QMouseEvent>
#include <QPainter>

namespace taru::ui {

namespace {
constexpr int kLine = 1; // grid line between and around the boxes
}

BoxGrid::BoxGrid(int columns, int rows, QSize boxSize, Order order, QStringList texts, QWidget *parent)
    : BoxGrid(columns, rows, boxSize, order, std::move(texts), Style{}, parent)
{
}

BoxGrid::BoxGrid(int columns, int rows, QSize boxSize, Order order, QStringList texts, Style style, QWidget *parent)
    : QWidget(parent)
    , columns_(columns)
    , rows_(rows)
    , box_(boxSize)
    , order_(order)
    , texts_(std::move(texts))
    , style_(style)
{
    while (texts_.size() < count())
        texts_.append(QString());
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void BoxGrid::setMarkModel(std::function<bool(int)> isMarked)
{
    isMarked_ = std::move(isMarked);
    update();
}

bool BoxGrid::isMarked(int index) const
{
    return isMarked_ && isMarked_(index);
}

void BoxGrid::setText(int index, const QString &text)
{
    texts_[index] = text;
    update(cellRect(index));
}

void BoxGrid::setClickable(bool clickable)
{
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QSize BoxGrid::sizeHint() const
{
    return {columns_ * (box_.width() + kLine) + kLine, rows_ * (box_.height() + kLine) + kLine};
}

int BoxGrid::indexOf(int column, int row) const
{
    return order_ == Order::RowMajor ? row * columns_ + column : column * rows_ + row;
}

int BoxGrid::columnOf(int index) const
{
    return order_ == Order::RowMajor ? index % columns_ : index / rows_;
}

int BoxGrid::rowOf(int index) const
{
    return order_ == Order::RowMajor ? index / columns_ : index % rows_;
}

QRect BoxGrid::cellRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const int x = kLine + columnOf(index) * (box_.width() + kLine);
    const int y = kLine + rowOf(index) * (box_.height() + kLine);
    return {x, y, box_.width(), box_.height()};
}

int BoxGrid::indexAt(QPoint pos) const
{
    const int x = pos.x() - kLine;
    const int y = pos.y() - kLine;
    if (x < 0 || y < 0)
        return -1;
    const int column = x / (box_.width() + kLine);
    const int row = y / (box_.height() + kLine);
    // On a grid line, or past the last box.
    if (x % (box_.width() + kLine) >= box_.width() || y % (box_.height() + kLine) >= box_.height())
        return -1;
    if (column >= columns_ || row >= rows_)
        return -1;
    return indexOf(column, row);
}

QRect BoxGrid::textArea(int index) const
{
    const QRect box = cellRect(index);
    QRect area = box.adjusted(0, style_.textOffset.y(), -1, 0); // clear of the right border line
    if (!style_.centreText)
        area.setLeft(box.left() + style_.textOffset.x());
    return area;
}

QFont BoxGrid::cellFont(int index) const
{
    // A compact sans face; a text still too wide for its box with the fonts installed here is
    // drawn smaller rather than cut by the border.
    QFont font = this->font();
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setBold(true);
    font.setPixelSize(style_.fontPixelSize);
    return FittedFont(font, texts_.at(index), textArea(index).width());
}

void BoxGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), style_.lineColour);

    for (int i = 0; i < count(); ++i) {
        const QRect box = cellRect(i);
        const bool marked = isMarked(i);
        painter.fillRect(box, marked ? style_.markedFill : style_.unmarkedFill);

        if (style_.look == Look::Sections) {
            // A raised button when off, pressed in when on.
            const QColor light = marked ? QColor(64, 64, 64) : QColor(255, 255, 255);
            const QColor dark = marked ? QColor(0, 0, 0) : QColor(160, 160, 160);
            painter.setPen(light);
            painter.drawLine(box.topLeft(), box.topRight());
            painter.drawLine(box.topLeft(), box.bottomLeft());
            painter.setPen(dark);
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomRight());
        }

        painter.setPen(marked ? style_.markedText : style_.unmarkedText);
        painter.setFont(cellFont(i));
        int flags = Qt::AlignTop | Qt::TextSingleLine | (style_.centreText ? Qt::AlignHCenter : Qt::AlignLeft);
        painter.drawText(textArea(i), flags, texts_.at(i));
    }
}

void BoxGrid::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void BoxGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (!clickable_ || event->button() != Qt::LeftButton)
        return;
    const int index = indexAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT boxClicked(index);
}

} // namespace taru::ui

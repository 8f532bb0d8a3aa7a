#pragma once

#include <QColor>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace taru::ui {

// A block of equal boxes drawn from a mark model: the number board, the consecutive-draws block
// and the header rows of the coupon are all one of these, configured. The widget owns nothing
// but texts and looks; which box is marked is asked of the model at every paint, and a click is
// only reported (by box index), so each window applies its own rules and limits.
class BoxGrid : public QWidget {
    Q_OBJECT
public:
    // How box indices run: across rows first (the number board) or down columns first (the
    // consecutive-draws block, scanned column by column).
    enum class Order { RowMajor, ColumnMajor };
    // Flat boxes separated by grid lines, or raised sections like a row of header buttons.
    enum class Look { Grid, Sections };

    struct Style {
        QColor markedFill = Qt::black;
        QColor markedText = Qt::white;
        QColor unmarkedFill = Qt::white;
        QColor unmarkedText = Qt::red;
        QColor lineColour = QColor(128, 128, 128);
        QPoint textOffset{6, 5}; // from the box's top-left corner
        bool centreText = false; // centred across instead of textOffset.x()
        int fontPixelSize = 13;
        Look look = Look::Grid;
    };

    BoxGrid(int columns, int rows, QSize boxSize, Order order, QStringList texts, QWidget *parent = nullptr);
    BoxGrid(int columns, int rows, QSize boxSize, Order order, QStringList texts, Style style,
            QWidget *parent = nullptr);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int count() const { return columns_ * rows_; }

    // The mark of each box, asked at paint time; nothing is marked without a model.
    void setMarkModel(std::function<bool(int index)> isMarked);
    bool isMarked(int index) const;

    const QString &text(int index) const { return texts_.at(index); }
    void setText(int index, const QString &text);

    // A grid that only displays reports no clicks.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }

    // The inside of box index in widget coordinates (grid lines excluded); -1 outside every box.
    QRect cellRect(int index) const;
    int indexAt(QPoint pos) const;
    int indexOf(int column, int row) const;
    int columnOf(int index) const;
    int rowOf(int index) const;

    const Style &style() const { return style_; }
    // Where box index's text is written, and the font it is written in: the style's, made
    // smaller when the text would not fit the box with the fonts installed.
    QRect textArea(int index) const;
    QFont cellFont(int index) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Redraw after the model changed.
    void refresh() { update(); }

Q_SIGNALS:
    // A left click released over box index.
    void boxClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int columns_;
    int rows_;
    QSize box_;
    Order order_;
    QStringList texts_;
    Style style_;
    bool clickable_ = true;
    std::function<bool(int)> isMarked_;
};

} // namespace taru::ui

#pragma once

#include "game/Checking.h"
#include "window/SharedState.h"

#include <QWidget>

namespace taru::ui {

// Ten places of the winning column as cells of 30 pixels: an empty place ("-") white with bold
// pink text, a number black with bold white text. A click on a cell reports its place (0..19).
class WinningRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 10;
    static constexpr int kCellWidth = 30;
    static constexpr int kCellHeight = 26;

    WinningRow(const WinningPlaces &places, int firstPlace, QWidget *parent = nullptr);

    int firstPlace() const { return first_; }
    // The place under a point, -1 outside the cells.
    int placeAt(const QPoint &point) const;
    QRect cellRect(int cell) const;

Q_SIGNALS:
    void placeClicked(int place);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const WinningPlaces &places_;
    int first_;
};

} // namespace taru::ui

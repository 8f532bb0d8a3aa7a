#pragma once

#include "game/ui/BoxGrid.h"

namespace taru::ui {

// The 80-number board: 8 rows of 10 boxes of 28 x 28 pixels, the box in row i, column j showing
// i * 10 + j + 1. Box index = number - 1. Marked numbers are white on black, the others red on
// white, bold, the text 6 pixels right of and 5 below the box's corner.
class NumberBoard : public BoxGrid {
    Q_OBJECT
public:
    static constexpr int kColumns = 10;
    static constexpr int kRows = 8;
    static constexpr int kBox = 28;

    explicit NumberBoard(QWidget *parent = nullptr);

    // The box of number n (1..80).
    QRect numberRect(int number) const { return cellRect(number - 1); }
    // The band of row r (0..7), for controls set beside a decade.
    QRect rowRect(int row) const;
};

} // namespace taru::ui

#pragma once

#include "game/ui/BoxGrid.h"

namespace taru::ui {

// The consecutive-draws block: 2 columns x 5 rows of 28-pixel boxes, 2..6 down column 0 and
// 10..200 down column 1. Box index = column * 5 + row, the scan order of the block.
class DrawBoxesGrid : public BoxGrid {
    Q_OBJECT
public:
    static constexpr int kBox = 28;

    explicit DrawBoxesGrid(QWidget *parent = nullptr);
};

} // namespace taru::ui

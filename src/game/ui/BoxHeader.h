#pragma once

#include "game/ui/BoxGrid.h"

namespace taru::ui {

// A row of coupon boxes drawn as header buttons: the text 2 pixels right of and 2 below the
// section's corner, white on black when marked, red on white otherwise. Section index 0 is the
// leftmost.
class BoxHeader : public BoxGrid {
    Q_OBJECT
public:
    static constexpr int kHeight = 24;

    BoxHeader(QStringList texts, int sectionWidth, QWidget *parent = nullptr);

    // The rows of the coupon, owned by parent.
    // The game boxes "12" .. "1" (index i is box i + 1, game 12 - i); they only display.
    static BoxHeader *gameBoxes(QWidget *parent = nullptr);
    // The multiplier boxes "2", "3", "4", "5", "6", "8", "10", "12", "20".
    static BoxHeader *multiplierBoxes(QWidget *parent = nullptr);
    // The random-selection box: one blank section.
    static BoxHeader *randomBox(QWidget *parent = nullptr);
};

} // namespace taru::ui

#pragma once

#include "print/SlipLayout.h"

#include <QImage>
#include <QRect>

namespace taru::ui {

// The slip as the preview windows show it: a drawing of the pre-printed slip whose boxes sit
// where the on-screen layout puts its "@" marks (left 3.9, top 141.52, pitches 22 × 23.2).
inline constexpr int kSlipPictureWidth = 236;
inline constexpr int kSlipPictureHeight = 392;

// The empty slip: game boxes (12 down to 1 in two rows), the 80 numbers, the multiplier boxes.
QImage SlipPicture();

// The box a mark at this on-screen position falls in.
QRect ScreenBoxAt(int x, int y);

// Draws the coupon's marks on a copy of the picture.
QImage SlipPictureWithMarks(const QImage &picture, const SlipFlags &flags);

} // namespace taru::ui

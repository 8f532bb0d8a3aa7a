#pragma once

#include "print/SlipLayout.h"

#include <QImage>
#include <QList>
#include <QRect>

namespace taru::ui {

// The picture of the pre-printed slip the preview windows show, drawn by the program in screen
// pixels on the same grid as the on-screen marks (left 3.9, top 141.52, pitch 22.0 x 23.2): the
// game boxes in rows -3 and -2, the 8 x 10 number boxes, the multiplier row 9 and a
// consecutive-draws block beside the numbers (never marked on screen).
inline constexpr int kSlipPictureWidth = 300;
inline constexpr int kSlipPictureHeight = 384;

// The box of a grid cell (column index k, row index r), placed so that a mark written with its
// top-left corner at the cell's grid point sits inside it.
QRect SlipBoxRect(double k, double r);

// The clean slip.
QImage SlipPicture();

// Draws the marks of one coupon on image ("@", 8 points bold, numbers, game boxes, multipliers)
// and returns what was drawn. The flags are the slip's own (ParseSlipMarks).
QList<SlipItem> DrawScreenMarks(QImage &image, const SlipFlags &flags);

} // namespace taru::ui

#include "print/ui/SlipPicture.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {
// Dark pixels of the mark inside a box (the box itself is drawn in the slip's orange).
int darkPixels(const QImage &image, const QRect &box)
{
    int dark = 0;
    for (int y = box.top() + 1; y < box.bottom(); ++y) {
        for (int x = box.left() + 1; x < box.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    }
    return dark;
}
} // namespace

TEST(SlipPicture, MarksFallInsideTheirBoxes)
{
    const QImage empty = ui::SlipPicture();
    ASSERT_EQ(empty.size(), QSize(ui::kSlipPictureWidth, ui::kSlipPictureHeight));
    SlipMarks marks;
    marks.numbers = QStringLiteral("1,10,11,80");
    marks.games = QStringLiteral("1,12");
    marks.multipliers = QStringLiteral("9");
    const SlipFlags flags = ParseSlipMarks(marks);
    const QImage marked = ui::SlipPictureWithMarks(empty, flags);
    const QList<SlipItem> items = LayoutScreenSlip(flags);
    ASSERT_EQ(items.size(), 7);
    for (const SlipItem &item : items) {
        const QRect box = ui::ScreenBoxAt(item.x, item.y);
        EXPECT_TRUE(empty.rect().contains(box)) << item.index;
        EXPECT_EQ(darkPixels(empty, box), 0) << item.index;
        EXPECT_GT(darkPixels(marked, box), 8) << "no mark in box " << item.index;
    }
    // An unmarked number keeps its box clean.
    const QPoint two(qRound(kScreenLeft + kScreenPitchX), qRound(kScreenTop));
    EXPECT_EQ(darkPixels(marked, ui::ScreenBoxAt(two.x(), two.y())), 0);
}

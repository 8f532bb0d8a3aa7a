#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/NumberBoard.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace taru::ui;

namespace {

int clickedAt(BoxGrid &grid, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QSignalSpy spy(&grid, &BoxGrid::boxClicked);
    QTest::mouseClick(&grid, button, {}, pos);
    if (spy.count() != 1)
        return spy.count() == 0 ? -1 : -2;
    return spy.at(0).at(0).toInt();
}

// How many pixels of area are colour.
int pixels(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}
bool filled(const QImage &image, const QRect &area, const QColor &colour)
{
    return pixels(image, area, colour) == area.width() * area.height();
}
bool contains(const QImage &image, const QRect &area, const QColor &colour)
{
    return pixels(image, area, colour) > 0;
}

QString texts(const BoxGrid &grid)
{
    QStringList list;
    for (int i = 0; i < grid.count(); ++i)
        list << grid.text(i);
    return list.join(',');
}

} // namespace

TEST(NumberBoard, LaysNumbersOutInRowsOfTenCellsOf28PixelsAndReportsClicksOnThem)
{
    NumberBoard board;
    EXPECT_EQ(board.size(), QSize(10 * 29 + 1, 8 * 29 + 1)); // one-pixel grid lines, no scroll bars
    struct Case { int number; int column; int row; };
    for (const Case &c : {Case{1, 0, 0}, Case{10, 9, 0}, Case{11, 0, 1}, Case{37, 6, 3}, Case{71, 0, 7}, Case{80, 9, 7}}) {
        EXPECT_EQ(board.numberRect(c.number), QRect(1 + c.column * 29, 1 + c.row * 29, 28, 28)) << c.number;
        EXPECT_EQ(board.text(c.number - 1), QString::number(c.number));
    }
    EXPECT_EQ(board.cellRect(80), QRect());
    EXPECT_EQ(board.rowRect(2), QRect(1, 59, 289, 28));

    // Clicks report the number, nothing outside the cells.
    EXPECT_EQ(clickedAt(board, board.numberRect(37).center()), 36);
    EXPECT_EQ(clickedAt(board, board.numberRect(1).topLeft()), 0);
    EXPECT_EQ(clickedAt(board, board.numberRect(80).bottomRight()), 79);
    EXPECT_EQ(clickedAt(board, QPoint(29, 10)), -1);  // the line between 1 and 2
    EXPECT_EQ(clickedAt(board, QPoint(10, 29)), -1);  // the line between 1 and 11
    EXPECT_EQ(clickedAt(board, QPoint(0, 0)), -1);    // the border
    EXPECT_EQ(clickedAt(board, QPoint(290, 232)), -1); // the far border
    EXPECT_EQ(clickedAt(board, board.numberRect(5).center(), Qt::RightButton), -1);
}

TEST(NumberBoard, DrawsMarkedWhiteOnBlackAndUnmarkedRedOnWhiteFromTheModel)
{
    NumberBoard board;
    std::array<bool, 80> marks{};
    marks[0] = true; // 1
    marks[79] = true; // 80
    board.setMarkModel([&](int i) { return marks[i]; });
    const QImage image = board.grab().toImage();

    for (int number : {1, 80}) {
        const QRect cell = board.numberRect(number);
        // The text starts 6 pixels right and 5 below the corner: the band before it is plain fill.
        EXPECT_TRUE(filled(image, QRect(cell.left(), cell.top(), 6, 28), Qt::black)) << number;
        EXPECT_TRUE(filled(image, QRect(cell.left(), cell.top(), 28, 5), Qt::black)) << number;
        EXPECT_TRUE(contains(image, cell, Qt::white)) << number;
    }
    const QRect unmarked = board.numberRect(45);
    EXPECT_TRUE(filled(image, QRect(unmarked.left(), unmarked.top(), 6, 28), Qt::white));
    EXPECT_TRUE(filled(image, QRect(unmarked.left(), unmarked.top(), 28, 5), Qt::white));
    EXPECT_TRUE(contains(image, unmarked, Qt::red));
    EXPECT_FALSE(contains(image, unmarked, Qt::black));

    // The model is read again at every paint.
    marks[44] = true;
    const QImage again = board.grab().toImage();
    EXPECT_TRUE(filled(again, QRect(unmarked.left(), unmarked.top(), 6, 28), Qt::black));
}

TEST(DrawBoxesGrid, RunsDownTheColumnsInScanOrder)
{
    DrawBoxesGrid grid;
    EXPECT_EQ(grid.size(), QSize(2 * 29 + 1, 5 * 29 + 1));
    EXPECT_EQ(texts(grid), QStringLiteral("2,3,4,5,6,10,20,50,100,200"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(grid.cellRect(i).topLeft(), QPoint(1 + (i / 5) * 29, 1 + (i % 5) * 29));
    EXPECT_EQ(grid.columnOf(7), 1);
    EXPECT_EQ(grid.rowOf(7), 2);
    EXPECT_EQ(clickedAt(grid, grid.cellRect(7).center()), 7); // "50"
    EXPECT_EQ(clickedAt(grid, QPoint(29, 10)), -1);
}

TEST(BoxHeader, RowsOfTheCouponBoxes)
{
    std::unique_ptr<BoxHeader> games(BoxHeader::gameBoxes());
    std::unique_ptr<BoxHeader> multipliers(BoxHeader::multiplierBoxes());
    std::unique_ptr<BoxHeader> random(BoxHeader::randomBox());

    EXPECT_EQ(texts(*games), QStringLiteral("12,11,10,9,8,7,6,5,4,3,2,1"));
    EXPECT_EQ(texts(*multipliers), QStringLiteral("2,3,4,5,6,8,10,12,20"));
    EXPECT_EQ(texts(*random), QString());

    // The game boxes only display.
    EXPECT_FALSE(games->isClickable());
    EXPECT_EQ(clickedAt(*games, games->cellRect(3).center()), -1);
    EXPECT_EQ(clickedAt(*multipliers, multipliers->cellRect(8).center()), 8);
    EXPECT_EQ(clickedAt(*random, random->cellRect(0).center()), 0);
}

TEST(BoxHeader, TextStartsTwoPixelsInside)
{
    std::unique_ptr<BoxHeader> multipliers(BoxHeader::multiplierBoxes());
    bool marked = true;
    multipliers->setMarkModel([&](int i) { return i == 6 && marked; });
    const QImage image = multipliers->grab().toImage();
    const QRect on = multipliers->cellRect(6);  // "10", marked
    const QRect off = multipliers->cellRect(7); // "12"
    // Inside the one-pixel bevel, the pixel row and column before the text are plain fill.
    EXPECT_TRUE(filled(image, QRect(on.left() + 1, on.top() + 1, on.width() - 2, 1), Qt::black));
    EXPECT_TRUE(filled(image, QRect(on.left() + 1, on.top() + 1, 1, on.height() - 2), Qt::black));
    EXPECT_TRUE(contains(image, on.adjusted(2, 2, -1, -1), Qt::white));
    EXPECT_TRUE(filled(image, QRect(off.left() + 1, off.top() + 1, off.width() - 2, 1), Qt::white));
    EXPECT_TRUE(contains(image, off.adjusted(2, 2, -1, -1), Qt::red));
}

TEST(BoxGrid, EveryTextFitsItsBoxWithTheFontsInstalled)
{
    // "100" and "200" in a 28-pixel box after the 6-pixel offset are the tightest; measured, not
    // assumed, because the fonts differ from one machine to another.
    std::vector<std::unique_ptr<BoxGrid>> grids;
    grids.push_back(std::make_unique<DrawBoxesGrid>());
    grids.push_back(std::unique_ptr<BoxGrid>(BoxHeader::gameBoxes()));
    grids.push_back(std::unique_ptr<BoxGrid>(BoxHeader::multiplierBoxes()));
    grids.push_back(std::make_unique<NumberBoard>());
    for (const auto &grid : grids) {
        for (int i = 0; i < grid->count(); ++i) {
            const QRect area = grid->textArea(i);
            EXPECT_TRUE(grid->cellRect(i).contains(area)) << grid->text(i).toStdString();
            EXPECT_LE(QFontMetrics(grid->cellFont(i)).horizontalAdvance(grid->text(i)), area.width())
                << grid->text(i).toStdString();
        }
    }
}

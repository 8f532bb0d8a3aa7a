#include "game/CouponBoxes.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {
BoardMarks boardOf(std::initializer_list<int> numbers)
{
    BoardMarks board{};
    for (int n : numbers)
        board[n - 1] = true;
    return board;
}
int markedGameBox(const GameBoxes &boxes)
{
    int found = 0;
    for (int i = 0; i < kGameBoxCount; ++i) {
        if (boxes[i]) {
            EXPECT_EQ(found, 0) << "more than one game box";
            found = i + 1;
        }
    }
    return found;
}
} // namespace

TEST(ToggleNumber, RefusesAMarkBeyondTheLimitButAlwaysUnmarks)
{
    BoardMarks board = boardOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(ToggleNumber(board, 79, 12), NumberClick::Marked); // the 12th: number 80
    EXPECT_EQ(CountMarked(board), 12);
    EXPECT_EQ(ToggleNumber(board, 40, 12), NumberClick::Refused); // the 13th
    EXPECT_FALSE(board[40]);
    EXPECT_EQ(CountMarked(board), 12);
    EXPECT_EQ(ToggleNumber(board, 0, 12), NumberClick::Unmarked);
    EXPECT_EQ(CountMarked(board), 11);
    EXPECT_EQ(ToggleNumber(board, 40, 12), NumberClick::Marked);
}

TEST(SetGameBoxForCount, KeepsOneBoxFor1To12Numbers)
{
    const std::vector<std::pair<int, int>> cases{{0, 0}, {1, 12}, {2, 11}, {5, 8}, {11, 2}, {12, 1}, {13, 0}, {80, 0}};
    for (const auto &[count, box] : cases) {
        GameBoxes boxes{};
        boxes.fill(true); // every earlier mark goes
        SetGameBoxForCount(boxes, count);
        EXPECT_EQ(markedGameBox(boxes), box) << "count " << count;
    }
}

TEST(ToggleDrawBox, MarksOnlyWhileNoOtherBoxIsMarked)
{
    DrawBoxes boxes{};
    EXPECT_TRUE(ToggleDrawBox(boxes, 1, 0)); // 10
    EXPECT_FALSE(ToggleDrawBox(boxes, 1, 2)); // 50 refused
    EXPECT_TRUE(boxes[1][0] && !boxes[1][2]);
    EXPECT_TRUE(ToggleDrawBox(boxes, 1, 0)); // 10 off
    EXPECT_TRUE(ToggleDrawBox(boxes, 1, 2)); // 50 on
    EXPECT_TRUE(boxes[1][2]);
    const auto box = MarkedDrawBox(boxes);
    ASSERT_TRUE(box);
    EXPECT_EQ(std::pair(box->column, box->row), std::pair(1, 2));
}

TEST(MarkedDrawBox, TheLastInScanOrderCounts)
{
    DrawBoxes boxes{};
    EXPECT_FALSE(MarkedDrawBox(boxes));
    boxes[0][4] = true; // 6
    boxes[1][1] = true; // 20
    const auto box = MarkedDrawBox(boxes);
    ASSERT_TRUE(box);
    EXPECT_EQ(kDrawValues[box->column][box->row], CouponDraws(boxes));
}

TEST(MakeSlipMarks, ListsEveryMarkOfTheCoupon)
{
    GameBoxes games{};
    games[9] = true; // game 3
    MultiplierBoxes multipliers{};
    multipliers[0] = multipliers[8] = true;
    DrawBoxes draws{};
    draws[1][3] = true; // 100
    const SlipMarks slip = MakeSlipMarks(boardOf({80, 5, 12}), games, multipliers, draws, true);
    EXPECT_EQ(slip, (SlipMarks{QStringLiteral("10"), QStringLiteral("1,9"), true, QStringLiteral("5,12,80"), 2, 3}));

    const SlipMarks empty = MakeSlipMarks(BoardMarks{}, GameBoxes{}, MultiplierBoxes{}, DrawBoxes{}, false);
    EXPECT_EQ(empty, SlipMarks{});
}

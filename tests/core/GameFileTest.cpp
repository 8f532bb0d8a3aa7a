#include "base/Errors.h"
#include "data/GameFile.h"

#include "TempDir.h"
#include "TestValues.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

namespace {

struct Coupon {
    BoardMarks board{};
    MultiplierBoxes multipliers{};
    DrawBoxes draws{};

    GameFileTarget target() { return {board, multipliers, draws}; }
    std::vector<int> numbers() const { return test::markedNumbers(board); }
    std::vector<int> multiplierPositions() const
    {
        std::vector<int> list = test::markedNumbers(multipliers);
        for (int &position : list)
            --position; // 0-based
        return list;
    }
    std::vector<int> drawValues() const
    {
        std::vector<int> list;
        for (int c = 0; c < kDrawColumns; ++c) {
            for (int n : test::markedNumbers(draws[c]))
                list.push_back(kDrawValues[c][n - 1]);
        }
        return list;
    }
};

class GameFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString &name = QStringLiteral("game.gak")) const { return dir.filePath(name); }
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("game.gak")) const
    {
        EXPECT_TRUE(test::writeAll(path(name), bytes));
        return path(name);
    }
};

} // namespace

TEST_F(GameFileTest, WritesTheThreeLinesExactly)
{
    Coupon c;
    c.board[0] = true;
    WriteGameFile(path(), c.board, c.multipliers, c.draws);
    EXPECT_EQ(test::readAll(path()), QByteArray("DKL=\r\nPOLSTHS=\r\n1\r\n")); // no options: nothing after the keys

    c.board[0] = false;
    for (int n : {80, 5, 12})
        c.board[n - 1] = true;
    c.multipliers[0] = c.multipliers[2] = c.multipliers[8] = true;
    c.draws[1][4] = true; // 200
    WriteGameFile(path(), c.board, c.multipliers, c.draws);
    EXPECT_EQ(test::readAll(path()), QByteArray("DKL=200\r\nPOLSTHS=0,2,8\r\n5,12,80\r\n"));
}

// Every draws box value is looked up in the same table when read: the values below stand for all.
TEST_F(GameFileTest, ReadsEveryLineAndAddsToTheMarksAlreadySet)
{
    struct Case { const char *name; QByteArray bytes; int count; std::vector<int> numbers, multipliers, draws; };
    const Case cases[] = {
        {"no options", "DKL=\r\nPOLSTHS=\r\n5,12\r\n", 2, {5, 12}, {}, {}},
        // Lone LF line ends, blanks around and between items, 0, 81 and -3 counted but not marked.
        {"blanks and numbers off the board", "DKL= 50 \nPOLSTHS= 1 , 3\n 7 , 0,81 80 -3,1\n", 6, {1, 7, 80}, {1, 3}, {50}},
        {"unknown draws and positions", "DKL=7\r\nPOLSTHS=9,-1\r\n\r\n", 0, {}, {}, {}},
        {"missing lines", "DKL=10", 0, {}, {}, {10}},
    };
    for (const Case &c : cases) {
        Coupon coupon;
        EXPECT_EQ(ReadGameFile(write(c.bytes), coupon.target()), c.count) << c.name;
        EXPECT_EQ(coupon.numbers(), c.numbers) << c.name;
        EXPECT_EQ(coupon.multiplierPositions(), c.multipliers) << c.name;
        EXPECT_EQ(coupon.drawValues(), c.draws) << c.name;
    }
    // The caller clears the coupon if it wants to.
    Coupon c;
    c.board[10] = true;
    c.multipliers[4] = true;
    c.draws[0][0] = true;
    ReadGameFile(write("DKL=100\r\nPOLSTHS=0\r\n3\r\n"), c.target());
    EXPECT_EQ(c.numbers(), (std::vector<int>{3, 11}));
    EXPECT_EQ(c.multiplierPositions(), (std::vector<int>{0, 4}));
    EXPECT_EQ(c.drawValues(), (std::vector<int>{2, 100}));
}

TEST_F(GameFileTest, ABadItemStopsTheReadAfterTheMarksBeforeIt)
{
    struct Case { QByteArray bytes; QString message; std::vector<int> numbers, multipliers, draws; };
    const Case cases[] = {
        {"DKL=3\r\nPOLSTHS=1\r\n4,9,x,20\r\n", "'x' is not a valid integer value", {4, 9}, {1}, {3}},
        {"DKL=\r\nPOLSTHS=\r\n5,,12\r\n", "'' is not a valid integer value", {5}, {}, {}},
        {"DKL=6\r\nPOLSTHS=2,two,5\r\n1,2\r\n", "'two' is not a valid integer value", {}, {2}, {6}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        Coupon coupon;
        try {
            ReadGameFile(write(c.bytes), coupon.target());
            ADD_FAILURE() << "expected a ConversionError";
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.message(), c.message);
        }
        EXPECT_EQ(coupon.numbers(), c.numbers);
        EXPECT_EQ(coupon.multiplierPositions(), c.multipliers);
        EXPECT_EQ(coupon.drawValues(), c.draws);
    }
}

TEST_F(GameFileTest, AMissingFileIsAFileErrorAndChangesNothing)
{
    Coupon c;
    c.board[0] = true;
    EXPECT_THROW(ReadGameFile(path("none.gak"), c.target()), FileError);
    EXPECT_EQ(c.numbers(), std::vector<int>{1});
}

TEST(GameBoxAfterLoad, FollowsTheCountOfNumbersRead)
{
    const std::pair<int, std::optional<int>> cases[] = {{0, std::nullopt}, {1, 12}, {2, 11}, {12, 1}, {13, 12}, {80, 12}};
    for (const auto &[count, box] : cases)
        EXPECT_EQ(GameBoxAfterLoad(count), box) << count;
}

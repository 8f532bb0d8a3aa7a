#include "data/CouponFile.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace taru;
using namespace taru::data;
using taru::test::readAll;
using taru::test::writeAll;

namespace {

const QByteArray kExample = "2\r\n5\r\n1,3\r\n2\r\n0\r\n3,17,25,60,77\r\n1,2,3,4,5\r\n";

std::vector<int> numbersOf(const CouponLine &line)
{
    return std::vector<int>(line.numbers.begin(), line.numbers.end());
}

CouponFileData parse(const QByteArray &bytes)
{
    return ParseCouponFile(bytes, QStringLiteral("/x/f.tru"));
}

} // namespace

TEST(CouponFile, WritesTheExampleExactly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.tru"));
    WriteCouponFile(path, 2, 5, QStringLiteral("1,3"), 2, 0,
                    std::vector<QStringList>{{"3", "17", "25", "60", "77"}, {"1", "2", "3", "4", "5"}});
    EXPECT_EQ(readAll(path), kExample);
    // Rows of numbers without options: cli.construct_files; "A" placeholders: Generator.
}

TEST(CouponFile, ReadsTheExampleWithHeaderGroupsAndValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.tru"));
    ASSERT_TRUE(writeAll(path, kExample));
    const CouponFileData file = ReadCouponFile(path);
    ASSERT_TRUE(file.valid) << file.error.toStdString();
    EXPECT_EQ(std::tuple(file.count, file.game, file.gameText, file.multipliers, file.drawsColumn, file.drawsRow),
              std::tuple(2, 5, QStringLiteral("5"), QStringLiteral("1,3"), 2, 0));
    // The numbers of each coupon and the value (30.00): cli.coupons, cli.print_positions.
    const std::array<QString, kTensGroups> groups{"3", "17", "25", "", "", "60", "", "77"};
    EXPECT_EQ(file.coupon(0).groups(), groups);
    EXPECT_EQ(file.coupon(1).groups()[0], "1,2,3,4,5");
    EXPECT_EQ(readAll(path), kExample); // reading never touches the file
}

TEST(CouponFile, GroupsByTensAtTheBoundaries)
{
    const CouponFileData file = parse("1\r\n12\r\n\r\n0\r\n0\r\n10,11,20,21,70,71,80,81,0,255,1\r\n");
    ASSERT_TRUE(file.valid);
    const std::array<QString, kTensGroups> groups{"10,81,0,255,1", "11,20", "21", "", "", "", "70", "71,80"};
    EXPECT_EQ(file.coupon(0).groups(), groups);
    EXPECT_EQ(numbersOf(file.coupon(0)), (std::vector<int>{10, 11, 20, 21, 70, 71, 80, 81, 0, 255, 1}));
}

// Says 3 and holds 2 (the third coupon empty), or announces twenty million: cli.coupons,
// cli.safety_coupons_announced.
TEST(CouponFile, FirstLineSizesTheList)
{
    // Says 2, holds 3: refused, the two coupons read stay.
    const CouponFileData two = parse("2\r\n2\r\n\r\n0\r\n0\r\n1,2\r\n3,4\r\n5,6\r\n");
    EXPECT_FALSE(two.valid);
    EXPECT_EQ(two.error, QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου /x/f.tru"));
    ASSERT_EQ(two.lines.size(), 2u);
    EXPECT_EQ(numbersOf(two.coupon(1)), (std::vector<int>{3, 4}));
    // Two billion announced still reads the one line held.
    const CouponFileData many = parse("2000000000\r\n1\r\n\r\n0\r\n0\r\n7\r\n");
    EXPECT_EQ(std::tuple(many.valid, many.lines.size()), std::tuple(true, std::size_t{1}));
    EXPECT_TRUE(many.coupon(1999999999).numbers.empty());
}

// Blanks and "A" in a comma list: cli.coupons (" 1 , 2 ,A,4,5").
TEST(CouponFile, PlaceholdersDoNotCountAndABlankSeparates)
{
    const CouponFileData grouped = parse("1\r\n2\r\n\r\n0\r\n0\r\nA,A,A,33 A 80\r\n");
    ASSERT_TRUE(grouped.valid);
    EXPECT_EQ(numbersOf(grouped.coupon(0)), (std::vector<int>{33, 80}));
}

TEST(CouponFile, ValueCountsOnlyTheBoxesTheSlipHas)
{
    struct Case {
        const char *multipliers;
        int drawsColumn;
        int drawsRow;
        double value;
    };
    const Case cases[] = {
        {"1,2,3,4,5,6,7,8,9", 2, 4, 7000.0}, // 200 draws x 70
        {"0", 0, 0, 0.5},                     // box 0 does not exist: left to printing
        {"10,1", 0, 0, 1.0},
        {"x,3", 0, 0, 2.0},
        {"", 2, 5, 0.5},                      // no row 5
        {"", 3, 0, 0.5},                      // no column 3
        {"", 1, 2, 2.0},                      // 4 draws
    };
    CouponFileData file = parse("1\r\n5\r\n\r\n0\r\n0\r\n1,2,3,4,5\r\n");
    for (const Case &c : cases) {
        file.multipliers = QString::fromLatin1(c.multipliers);
        file.drawsColumn = c.drawsColumn;
        file.drawsRow = c.drawsRow;
        EXPECT_DOUBLE_EQ(CouponFileValue(file, 0.5), c.value) << c.multipliers << " " << c.drawsColumn << "," << c.drawsRow;
    }
}

TEST(CouponFile, EveryFailureEndsTheReadAndKeepsEarlierCoupons)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        std::size_t linesKept;
    };
    const Case cases[] = {
        {"k + 1 numbers", "2\r\n3\r\n\r\n0\r\n0\r\n1,2,3\r\n1,2,3,4\r\n", 2},
        {"non-numeric item", "2\r\n3\r\n\r\n0\r\n0\r\n1,2\r\n1,x\r\n", 2},
        {"empty item", "2\r\n3\r\n\r\n0\r\n0\r\n1,,2\r\n", 1},
        {"256", "1\r\n3\r\n\r\n0\r\n0\r\n256\r\n", 1},
        {"negative number", "1\r\n3\r\n\r\n0\r\n0\r\n-1\r\n", 1},
        {"non-numeric count", "x\r\n3\r\n\r\n0\r\n0\r\n", 0},
        {"negative count", "-1\r\n3\r\n\r\n0\r\n0\r\n", 0},
        {"non-numeric game", "1\r\nfive\r\n\r\n0\r\n0\r\n", 0},
        {"non-numeric draws column", "1\r\n5\r\n\r\nA\r\n0\r\n", 0},
        {"missing row line", "1\r\n5\r\n\r\n0\r\n", 0},
        {"k above 80", "1\r\n81\r\n\r\n0\r\n0\r\n", 0}, // two billion: cli.safety_k_above_80
        {"empty file", "", 0},
    };
    for (const Case &c : cases) {
        const CouponFileData file = parse(c.bytes);
        EXPECT_FALSE(file.valid) << c.name;
        EXPECT_EQ(file.error, kCouponReadErrorPrefix + "/x/f.tru") << c.name;
        EXPECT_EQ(file.lines.size(), c.linesKept) << c.name;
    }
    // The numbers of the failing line read before the fault stay with it.
    const CouponFileData partial = parse("1\r\n2\r\n\r\n0\r\n0\r\n7,8,9\r\n");
    EXPECT_EQ(numbersOf(partial.coupon(0)), (std::vector<int>{7, 8}));
    // 0 and 255 are still numbers the reader takes, and 80 numbers a column.
    EXPECT_TRUE(parse("1\r\n2\r\n\r\n0\r\n0\r\n0,255\r\n").valid);
    EXPECT_TRUE(parse("1\r\n80\r\n\r\n0\r\n0\r\n").valid);
    // A missing file is named in full.
    const QString missing = QDir::temp().filePath(QStringLiteral("none-such/none.tru"));
    EXPECT_EQ(ReadCouponFile(missing).error, kCouponReadErrorPrefix + QDir::toNativeSeparators(missing));
}

TEST(CouponFile, AHugeLineIsRefusedWithoutReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.tru"));
    // 200 MB on one line: refused after the first kilobytes past the limit.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\r\n5\r\n\r\n0\r\n0\r\n");
        const QByteArray chunk(1 << 20, '1');
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(file.write(chunk), chunk.size());
    }
    const CouponFileData file = ReadCouponFile(path);
    EXPECT_FALSE(file.valid);
    EXPECT_EQ(file.error, kCouponReadErrorPrefix + QDir::toNativeSeparators(path));
    EXPECT_EQ(file.reason, QStringLiteral("Line 6 of \"%1\" is longer than %2 bytes").arg(path).arg(kMaxCouponLineBytes));
}

#include "base/Errors.h"
#include "data/CouponFile.h"
#include "systems/Generator.h"

#include "TempDir.h"
#include "TestValues.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace taru;
using namespace taru::test;

namespace {

BoardMarks mouldOf(std::initializer_list<int> numbers)
{
    BoardMarks mould{};
    for (int n : numbers)
        mould[static_cast<std::size_t>(n - 1)] = true;
    return mould;
}

BoardMarks fullMould()
{
    BoardMarks mould{};
    mould.fill(true);
    return mould;
}

const SlipMarks kOptions{QStringLiteral("1"), QStringLiteral("1,3"), false, QString(), 2, 0};

GeneratedCoupons generate(int count, int game, const BoardMarks &mould, std::uint64_t seed = 42)
{
    return GenerateCoupons(count, game, AllowedNumbers(mould), kOptions, seed);
}

// The numbers of a coupon line as the coupon-file reader sees them.
std::vector<std::uint8_t> readBack(const QByteArray &line, int game)
{
    const QByteArray file = "1\r\n" + QByteArray::number(game) + "\r\n\r\n0\r\n0\r\n" + line + "\r\n";
    const data::CouponFileData data = data::ParseCouponFile(file, QStringLiteral("line"));
    EXPECT_TRUE(data.valid) << line.toStdString();
    return data.valid ? data.coupon(0).numbers : std::vector<std::uint8_t>{};
}

} // namespace

TEST(Generator, AllowedNumbersRunDownTheColumnsOfTheBoard)
{
    EXPECT_EQ(AllowedNumbers(mouldOf({80, 2, 11, 1, 71, 10})), col({1, 11, 71, 2, 10, 80}));
    EXPECT_TRUE(AllowedNumbers(BoardMarks{}).empty());
    EXPECT_EQ(AllowedNumbers(fullMould()).size(), 80u);
}

// The odd button of decade 3 on a cleared decade gives 21 .. 29 odd: cli.generate_odd_decade_after_mould.
TEST(Generator, OddAndEvenButtonsSetTheirHalfOfADecade)
{
    struct Case { BoardMarks before; int decade; bool even; bool down; std::vector<int> after; };
    const Case cases[] = {
        {mouldOf({21, 23, 25, 27, 29}), 2, false, false, {}},
        {mouldOf({21, 22, 30}), 2, true, false, {21}},       // odd numbers keep their marks
        {mouldOf({5}), 7, true, true, {5, 72, 74, 76, 78, 80}}, // other decades untouched
        {BoardMarks{}, 0, false, true, {1, 3, 5, 7, 9}},
    };
    for (const Case &c : cases) {
        BoardMarks mould = c.before;
        SetDecadeParity(mould, c.decade, c.even, c.down);
        EXPECT_EQ(markedNumbers(mould), c.after) << "decade " << c.decade << (c.even ? " even" : " odd");
    }
    BoardMarks mould{};
    EXPECT_THROW(SetDecadeParity(mould, 8, false, true), RangeError);
}

TEST(Generator, CouponLineGroupsByDecadeWithPlaceholdersBeforeEachGroup)
{
    struct Case { std::vector<std::uint8_t> drawn; const char *line; };
    const Case cases[] = {
        {col({7, 15, 12}), "7,A,15,12"},
        {col({44}), "A,A,A,A,44"},
        {col({80, 1}), "1,A,A,A,A,A,A,A,80"},
        {col({10, 11, 20, 21}), "10,A,11,20,A,A,21"},
    };
    for (const Case &c : cases) {
        GeneratedCoupons coupons(static_cast<int>(c.drawn.size()), kOptions);
        coupons.append(c.drawn);
        EXPECT_EQ(coupons.line(0), QByteArray(c.line));
        // The reader skips the placeholders and keeps the decade order.
        std::vector<std::uint8_t> sortedByDecade = c.drawn;
        std::stable_sort(sortedByDecade.begin(), sortedByDecade.end(),
                         [](std::uint8_t a, std::uint8_t b) { return (a - 1) / 10 < (b - 1) / 10; });
        EXPECT_EQ(readBack(coupons.line(0), static_cast<int>(c.drawn.size())), sortedByDecade);
        SlipMarks marks = kOptions;
        marks.numbers = QString::fromLatin1(c.line);
        EXPECT_EQ(coupons.marks(0), marks);
    }
}

// The random source shows here: every number of the mould is reached, below every bound down to 1.
TEST(Generator, EveryCouponTakesDistinctNumbersOfTheMouldInRandomOrder)
{
    struct Case { BoardMarks mould; int game; };
    for (const Case &c : {Case{fullMould(), 12}, Case{mouldOf({3, 14, 15, 60, 61}), 5}}) {
        const GeneratedCoupons coupons = generate(200, c.game, c.mould);
        ASSERT_EQ(coupons.size(), 200u);
        std::set<int> seen;
        std::set<QByteArray> lines;
        for (std::size_t i = 0; i < coupons.size(); ++i) {
            const auto numbers = coupons.numbers(i);
            const std::set<int> distinct(numbers.begin(), numbers.end());
            EXPECT_EQ(distinct.size(), std::size_t(c.game));
            for (int n : distinct)
                EXPECT_TRUE(n >= 1 && n <= 80 && c.mould[n - 1]) << n;
            EXPECT_EQ(readBack(coupons.line(i), c.game).size(), std::size_t(c.game));
            seen.insert(distinct.begin(), distinct.end());
            lines.insert(coupons.line(i));
        }
        EXPECT_EQ(seen.size(), AllowedNumbers(c.mould).size()) << "every number of the mould is reached";
        EXPECT_GT(lines.size(), 1u) << "the numbers come in random order";
    }
}

// The same seed gives the same coupons, another seed others: cli.generate_seed_repeats.
TEST(Generator, RefusalsBeforeDrawingAndTheGameOfAProduction)
{
    const std::vector<std::uint8_t> repeated{4, 4, 4, 9};
    EXPECT_THROW(GenerateCoupons(1, 3, repeated, kOptions, 1), RangeError);
    EXPECT_THROW(GenerateCoupons(1, 13, AllowedNumbers(fullMould()), kOptions, 1), RangeError);
    EXPECT_TRUE(GenerateCoupons(0, 2, repeated, kOptions, 1).empty());
    GeneratedCoupons coupons(3, kOptions);
    EXPECT_THROW(coupons.append(col({1, 2})), RangeError);

    // What the window refuses before it produces.
    struct Case { int mould; int game; QString refusal; };
    const Case cases[] = {{0, 12, kGeneratorNoMould}, {0, 1, kGeneratorNoMould}, {4, 5, kGeneratorTooFewNumbers},
                          {5, 5, QString()}, {80, 12, QString()}};
    for (const Case &c : cases)
        EXPECT_EQ(GeneratorRefusal(c.mould, c.game), c.refusal) << c.mould << " numbers, game " << c.game;
    EXPECT_EQ(GameForProduction(std::nullopt, 4), 4);
    EXPECT_EQ(GameForProduction(std::nullopt, 13), 12);
    EXPECT_EQ(GameForProduction(7, 40), 7);
}

// A count with a letter after it: cli.generate_bad_count_not_a_number.
TEST(Generator, CouponCountAsTyped)
{
    struct Case { const char *text; std::optional<int> count; QString refusal; };
    const Case cases[] = {
        {"100", 100, QString()},
        {" 7 ", 7, QString()},
        {"0", 0, QString()},
        {"10000000", 10000000, QString()},
        {"10000001", std::nullopt, kGeneratorTooManyCoupons},
        {"99999999999999999999999", std::nullopt, kGeneratorTooManyCoupons},
        {"", std::nullopt, kGeneratorNoCount},
    };
    for (const Case &c : cases) {
        const CouponCountInput input = ParseCouponCount(QString::fromLatin1(c.text));
        EXPECT_EQ(input.count, c.count) << c.text;
        EXPECT_EQ(input.refusal, c.refusal) << c.text;
    }
}

TEST(Generator, CouponFileIsWrittenAsThePreviewSavesItAndReadsBack)
{
    GeneratedCoupons coupons(3, SlipMarks{QStringLiteral("10"), QStringLiteral("1,3"), false, QString(), 2, 0});
    coupons.append(col({7, 15, 12}));
    coupons.append(col({61, 2, 1}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gen.tru"));
    WriteCouponFile(path, coupons);
    EXPECT_EQ(readAll(path), QByteArray("2\r\n3\r\n1,3\r\n2\r\n0\r\n7,A,15,12\r\n2,1,A,A,A,A,A,A,61\r\n"));
    const data::CouponFileData back = data::ReadCouponFile(path);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.coupon(1).numbers, col({2, 1, 61}));
}

TEST(Generator, LargeSetsStreamTheSameBytesInBlocks)
{
    const GeneratedCoupons coupons = generate(30000, 12, fullMould(), 5);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    coupons.writeCouponFile(buffer);
    const QList<QByteArray> lines = buffer.data().split('\n');
    ASSERT_EQ(lines.size(), 30000 + 5 + 1);
    EXPECT_EQ(lines.at(0), QByteArray("30000\r"));
    for (int i : {0, 9999, 29999})
        EXPECT_EQ(lines.at(5 + i), coupons.line(static_cast<std::size_t>(i)) + '\r');
}

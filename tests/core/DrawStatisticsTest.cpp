#include "draws/DrawStatistics.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru::draws;
using taru::test::writeAll;

namespace {

// A draw of the given numbers, filled up to 20 with numbers from 61 on that the case does not
// look at.
std::vector<int> draw(std::initializer_list<int> numbers)
{
    std::vector<int> d(numbers);
    for (int filler = 61; d.size() < kDrawNumbers; ++filler)
        d.push_back(filler);
    return d;
}

DrawStatistics statsOf(const std::vector<std::vector<int>> &draws)
{
    StatisticsBuilder builder;
    for (const auto &d : draws)
        builder.add(d.data(), static_cast<int>(d.size()));
    return builder.finish();
}

QByteArray fileLine(int sequence, const std::vector<int> &numbers)
{
    QByteArray text = QByteArray::number(sequence) + ',' + QByteArray::number(1000 + sequence) + ",05/01/2026";
    for (int n : numbers)
        text += ',' + QByteArray::number(n);
    return text + "\r\n";
}

} // namespace

// A number in every draw, and a file with no draws, are the command line's (cli.stats,
// cli.stats_no_file), with the labels.
TEST(DrawStatistics, CellsOfOneNumber)
{
    struct Case { const char *name; std::vector<std::vector<int>> draws; int number; QStringList cells; };
    std::vector<std::vector<int>> firstOfTen(10, draw({}));
    firstOfTen[0] = draw({5});
    const Case cases[] = {
        {"7 in the last two of three", {draw({}), draw({7}), draw({7})}, 7, {"7", "2", "67 %", "2", "0"}},
        {"never drawn", {draw({}), draw({}), draw({})}, 7, {"7", "0", "0", "0", "3"}},
        {"first draw only of ten", firstOfTen, 5, {"5", "1", "10 %", "0", "9"}},
        {"a run broken before the last", {draw({7}), draw({}), draw({7}), draw({7}), draw({})}, 7, {"7", "3", "60 %", "0", "1"}},
        {"1 of 8 is 12.5: down to even", {draw({7}), draw({}), draw({}), draw({}), draw({}), draw({}), draw({}), draw({})}, 7,
         {"7", "1", "12 %", "0", "7"}},
        {"3 of 8 is 37.5: up to even", {draw({7}), draw({7}), draw({7}), draw({}), draw({}), draw({}), draw({}), draw({})}, 7,
         {"7", "3", "38 %", "0", "5"}},
        {"twice in one draw counts once", {{7, 7, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}}, 7,
         {"7", "1", "100 %", "1", "0"}},
        {"outside 1..80 passed over", {{0, 81, -7, 2}}, 80, {"80", "0", "0", "0", "1"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(statsOf(c.draws).cells(c.number), c.cells) << c.name;
}

TEST(DrawStatistics, Labels)
{
    // 17 missing from the last 12 draws, 44 from the last 10, 30 from the last 11; everything
    // else is in the last draw.
    std::vector<std::vector<int>> draws(13);
    draws[0] = {17, 44, 30, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 18, 19};
    draws[1] = {44, 30, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20};
    draws[2] = {44, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21};
    for (std::size_t i = 3; i < draws.size(); ++i)
        draws[i] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22};
    const DrawStatistics s = statsOf(draws);
    EXPECT_EQ(s.totalText(), QStringLiteral("ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :13"));
    // Never-drawn numbers have delay T = 13 = D; 17 has 12 (D - 1), 30 has 11 (D - 2), 44 has 10.
    QString expected = QStringLiteral("Καθυστερούν οι αριθμοί 9 με 13φ ,17 με 12φ ");
    for (int n = 23; n <= 80; ++n) {
        if (n == 30)
            expected += QStringLiteral(",30 με 11φ ");
        else if (n != 44)
            expected += QStringLiteral(",%1 με 13φ ").arg(n);
    }
    EXPECT_EQ(s.delayedText(), expected);
    // Fewer than 20 draws: the counts are over all 13; 1..8, 10..16, 18 and 19 are in all of
    // them, and the exchange sort brings 19 up before 10.
    EXPECT_EQ(s.streakText(), QStringLiteral("Αριθμοί με Ρέντα :1,2,3,4,5,6,7,8,19,10 για τις 20 τελευταίες κληρώσεις"));
}

TEST(DrawStatistics, StreakCountsOnlyTheLatestTwentyDraws)
{
    // 2..21 make the first five of 25 draws only: outside the latest twenty they count nothing,
    // though they were drawn as often as 1 and 61..79 were lately.
    std::vector<std::vector<int>> draws(25, draw({1}));
    for (int i = 0; i < 5; ++i) {
        draws[static_cast<std::size_t>(i)].clear();
        for (int n = 2; n <= 21; ++n)
            draws[static_cast<std::size_t>(i)].push_back(n);
    }
    const DrawStatistics s = statsOf(draws);
    EXPECT_EQ(s.streakText(), QStringLiteral("Αριθμοί με Ρέντα :1,79,78,77,76,75,74,73,72,71 για τις 20 τελευταίες κληρώσεις"));
    const auto at2 = std::find(s.streakOrder.begin(), s.streakOrder.end(), 2) - s.streakOrder.begin();
    EXPECT_GE(at2, 20);
}

TEST(DrawStatistics, ReadFromTheFile)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("Nikitries.nik"));
    // An empty line is no draw; a field that is not a number is passed over; quotes and blanks
    // around a number leave it one.
    QByteArray bytes = fileLine(1, draw({}));
    bytes += "\r\n";
    bytes += fileLine(2, draw({7})).replace(",61,", ",x,");
    bytes += "3,1003,07/01/2026,\" 7\",2\r\n";
    ASSERT_TRUE(writeAll(path, bytes));
    const StatisticsFileData data = ReadDrawStatistics(path);
    ASSERT_TRUE(data.valid);
    EXPECT_EQ(data.stats.total, 3);
    EXPECT_EQ(data.stats.cells(7), (QStringList{"7", "2", "67 %", "2", "0"}));
    EXPECT_EQ(data.stats.cells(61), (QStringList{"61", "1", "33 %", "0", "2"}));
    EXPECT_EQ(data.stats.cells(2), (QStringList{"2", "1", "33 %", "1", "0"}));

    // The list of the window gives the same figures.
    DrawList list;
    for (const auto &d : {draw({}), draw({7}), draw({7})}) {
        DrawEntry entry;
        for (std::size_t i = 0; i < d.size(); ++i)
            entry.numbers[i] = QString::number(d[i]);
        list.append(entry);
    }
    EXPECT_EQ(ComputeStatistics(list).cells(7), (QStringList{"7", "2", "67 %", "2", "0"}));
}

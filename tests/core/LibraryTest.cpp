#include "data/SystemFile.h"
#include "systems/Library.h"

#include "TempDir.h"
#include "TestValues.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::test;

namespace {

std::vector<data::SystemListRow> rowsOf(std::initializer_list<const char *> names)
{
    std::vector<data::SystemListRow> rows;
    for (const char *name : names)
        rows.push_back(*data::ParseSystemFileName(QString::fromUtf8(name), QLocale::c()));
    return rows;
}

QStringList names(const std::vector<data::SystemListRow> &rows)
{
    QStringList list;
    for (const auto &row : rows)
        list << row.cells[data::kColName] + QLatin1Char('/') + row.cells[data::kColSerial];
    return list;
}

const std::vector<int> kPlayer{7, 15, 22, 40};

} // namespace

TEST(Library, CellsCompareNumbersAsNumbers)
{
    struct Case { const char *a; const char *b; int order; };
    const Case cases[] = {
        {"6", "20", -1},          {"9.50", "18.00", -1},   {"9,50", "18,00", -1},   {"18.00", "18.50", -1}, {"A6122", "A10455", -1},
        {"5άδες", "10άδες", -1}, {"1 από 2", "1 από 10", -1}, {"abc", "ABC", 0},     {"007", "7", 0},
        {"", "1", -1},            {"Z10", "A10", 1},       {"-", "1 από 2", -1},
    };
    for (const Case &c : cases) {
        const QString a = QString::fromUtf8(c.a);
        const QString b = QString::fromUtf8(c.b);
        EXPECT_EQ(CompareListCells(a, b), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareListCells(b, a), -c.order) << c.b << " vs " << c.a;
    }
}

TEST(Library, SortingKeepsTiesInTheirOrderAndRenumbers)
{
    const auto original = rowsOf({"A20455_20_4_5_1_50_1_0_5.tbi", "A6344_6_3_4_3_150_3_2000_4.tbi",
                                  "A10455_10_4_5_22_1100_22_873_5.tbi", "A6233_6_2_3_4_200_4_2000_3.tbi"});
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        auto rows = original;
        SortSystemRows(rows, data::kColNumbers, seed);
        EXPECT_EQ(names(rows), (QStringList{QStringLiteral("A6344/1"), QStringLiteral("A6233/2"), QStringLiteral("A10455/3"),
                                            QStringLiteral("A20455/4")}))
            << "seed " << seed;
    }
    auto rows = original;
    SortSystemRows(rows, data::kColPercent, 3);
    EXPECT_EQ(names(rows), (QStringList{QStringLiteral("A20455/1"), QStringLiteral("A10455/2"), QStringLiteral("A6344/3"),
                                        QStringLiteral("A6233/4")}));
    std::vector<data::SystemListRow> none;
    SortSystemRows(none, data::kColName, 1);
    EXPECT_TRUE(none.empty());
}

// The cells in window order, sorted by numbers, the cost from the columns ("1$2" -> "1 από 2",
// 36 columns -> 18.00): cli.library_list_cells.
TEST(Library, ListShowsMoneyAndPercentagesWithTheRegionalSeparator)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeAll(dir.filePath(QStringLiteral("Z1045512_10_4_5_36_999_22_873_5_1$2.tbi")), "1 2 3 \r\n"));
    const data::SystemListing greek = LibraryList(dir.path(), 0.5, 9, QLocale(QLocale::Greek, QLocale::Greece));
    ASSERT_EQ(greek.rows.size(), 1u);
    EXPECT_EQ(greek.rows[0].cells[data::kColEuro], QStringLiteral("18,00"));
    EXPECT_EQ(greek.rows[0].cells[data::kColPercent], QStringLiteral("8,73"));
    EXPECT_TRUE(LibraryList(dir.filePath(QStringLiteral("missing")), 0.5, 1).rows.empty());
}

TEST(Library, OpeningTakesTheFirstFileThatHoldsTheName)
{
    const QStringList files{QStringLiteral("A61223_6_1_2_3_150_3_0_2.tbi"), QStringLiteral("A6122_6_1_2_3_150_3_2000_2.tbi")};
    EXPECT_EQ(FindSystemFile(files, QStringLiteral("A6122")), files.at(0));
    EXPECT_EQ(FindSystemFile(files, QStringLiteral("A61223")), files.at(0));
    EXPECT_EQ(FindSystemFile(files, QStringLiteral("Z7")), std::nullopt);

    const auto system = LibrarySystemOf(QStringLiteral("/lib"), QStringLiteral("Z1045512_10_4_5_22_1100_22_873_5_1$2.tbi"), 10);
    ASSERT_TRUE(system);
    EXPECT_EQ(system->path, QStringLiteral("/lib/Z1045512_10_4_5_22_1100_22_873_5_1$2.tbi"));
    EXPECT_EQ(QStringList({system->name, QString::number(system->game), system->guarantee, system->condition}),
              QStringList({"Z1045512", "5", "4", "1 από 2"}));
    EXPECT_TRUE(system->hasCondition());
    EXPECT_FALSE(LibrarySystemOf(QStringLiteral("/lib"), QStringLiteral("broken.tbi"), 3));
}

// Positions 1, 3, 4 with 7, 15, 22, 40 -> 7 22 40, and unfilled positions refused: cli.library_apply_*.
TEST(Library, PlayersNumbersTakeThePlaceOfThePositions)
{
    struct Case {
        SystemColumns positions;
        std::vector<int> numbers;
        std::vector<std::vector<std::uint8_t>> built;
        QString refusal;
    };
    const Case cases[] = {
        {{{4, 2, 1}, {2, 3, 0}}, kPlayer, {col({40, 15, 7}), col({15, 22, 0})}, QString()},
        {{{1, 2}}, {7, 15, 0, 0}, {col({7, 15})}, QString()}, // positions no column uses may stay empty
        {{{1, 5}}, kPlayer, {}, QStringLiteral("Το αρχείο στηλών χρησιμοποιεί τη θέση 5, ενώ το σύστημα έχει 4 θέσεις.")},
        {SystemColumns(3), kPlayer, {}, kNoColumnsForCoupons},
    };
    for (const Case &c : cases) {
        const AppliedSystem applied = ApplySystem(c.positions, c.numbers);
        EXPECT_EQ(applied.refusal, c.refusal);
        std::vector<std::vector<std::uint8_t>> built;
        for (const SystemColumns::Row r : applied.columns)
            built.push_back(row(r));
        EXPECT_EQ(built, c.built);
    }
}

TEST(Library, CouponsAreBuiltFromTheColumnFileReadAgain)
{
    QTemporaryDir dir;
    LibrarySystem system;
    system.path = dir.filePath(QStringLiteral("A4233_4_2_3_2_100_2_5000_3.tbi"));
    system.numbers = 4;
    system.game = 3;
    EXPECT_EQ(BuildLibraryCoupons(system, kPlayer).refusal, kLibraryNoColumnFile);

    ASSERT_TRUE(writeAll(system.path, "1 2 3 \r\n1 2 4 \r\n"));
    const AppliedSystem first = BuildLibraryCoupons(system, kPlayer);
    ASSERT_TRUE(first.built());
    EXPECT_EQ(row(first.columns[1]), col({7, 15, 40}));

    ASSERT_TRUE(writeAll(system.path, "1 2 3 \r\n1 2 x \r\n"));
    EXPECT_EQ(BuildLibraryCoupons(system, kPlayer).refusal,
              QStringLiteral("Η γραμμή 2 του αρχείου του συστήματος έχει μη έγκυρο αριθμό «x»."));
}

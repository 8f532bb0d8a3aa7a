#include "base/Errors.h"
#include "data/SystemFile.h"

#include "TempDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::data;
using taru::test::readAll;
using taru::test::writeAll;

namespace {

const QLocale kPoint = QLocale::c();

void touch(const QDir &dir, const QString &name)
{
    ASSERT_TRUE(writeAll(dir.filePath(name), "1 2 3 4 5 \r\n"));
}

} // namespace

// Names are written exactly as cli.construct_files (with a condition) and every shipped library
// file (ShippedLibrary) show; they read into the list's cells as cli.library_list_cells and
// Library show.
TEST(SystemFile, CentsAndPercentRoundHalfToEvenOnTheExactValue)
{
    struct Cents { std::int64_t columns; double price; std::int64_t expected; };
    const Cents cents[] = {
        {1, 0.125, 12},  // 12.5 -> 12
        {3, 0.125, 38},  // 37.5 -> 38
        {5, 0.125, 62},  // 62.5 -> 62
        {1, 0.005, 1},   // the double 0.005 lies just above 0.005: 0.50000000000000001 -> 1
        {1, 0.015, 1},   // the double 0.015 lies just below 0.015: 1.4999999999999999 -> 1
        {36, 0.5, 1800},
        {0, 0.5, 0},
    };
    for (const Cents &c : cents)
        EXPECT_EQ(SystemCostCents(c.columns, c.price), c.expected) << c.columns << " x " << c.price;

    struct Percent { std::int64_t coupons; int n, k; std::int64_t expected; };
    const Percent percents[] = {
        {1, 32, 1, 312},     // 312.5 -> 312
        {3, 32, 1, 938},     // 937.5 -> 938
        {1, 160, 1, 62},     // 62.5 -> 62
        {2, 10, 5, 79},      // 79.37
        {252, 10, 5, 10000}, // the full system
        {7, 3, 5, 0},        // comb(3, 5) = 0
        {1, 80, 12, 0},      // a tiny share of 80 choose 12
    };
    for (const Percent &p : percents)
        EXPECT_EQ(SystemCoverageHundredths(p.coupons, p.n, p.k), p.expected) << p.coupons << " of C(" << p.n << "," << p.k << ")";
}

TEST(SystemFile, NameIntoListCells)
{
    // The guarantee is shown as written, even when it is not a number.
    const auto text = ParseSystemFileName(QStringLiteral("A_8_100%_5_1_1_1_1_12.TBI"), kPoint);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->cells[kColGuarantee], "100%");
    EXPECT_EQ(text->cells[kColSize], "12άδες");
}

TEST(SystemFile, NamesThatCannotBeListed)
{
    const char *names[] = {
        "x.tbi",
        "A_10_4_5_252_12600_252_5.tbi",        // eight fields
        "A_ten_4_5_252_12600_252_10000_5.tbi",  // field 2
        "A_10_4_5_many_12600_252_10000_5.tbi",  // column count
        "A_10_4_5_252_12.5_252_10000_5.tbi",    // cents
        "A_10_4_5_252_12600_252_all_5.tbi",     // percentage
        "A__4_5_252_12600_252_10000_5.tbi",     // empty field 2
    };
    for (const char *name : names)
        EXPECT_FALSE(ParseSystemFileName(QString::fromUtf8(name))) << name;
}

TEST(SystemFile, ListingShowsCostFromColumnsAndStopsAtABadName)
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const SystemListing none = ListSystemRows(dir.filePath(QStringLiteral("BIBLIO")), 0.5, kPoint);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(none.error.isEmpty());
    touch(dir, QStringLiteral("b_6_3_3_36_99999_36_10000_3.tbi"));
    touch(dir, QStringLiteral("A_5_3_3_10_500_10_10000_3.TBI"));
    touch(dir, QStringLiteral("c_7_3_3_35_1750_35_10000_3.txt"));

    const SystemListing listing = ListSystemRows(tmp.path(), 0.5, kPoint);
    EXPECT_TRUE(listing.error.isEmpty());
    ASSERT_EQ(listing.rows.size(), 2u);
    // Serial, name and euro of each row: 36 x 0.50 whatever the name says.
    const auto cells = [](const SystemListRow &row) { return QStringList{row.cells[kColSerial], row.cells[kColName], row.cells[kColEuro]}; };
    EXPECT_EQ(cells(listing.rows[0]), (QStringList{"1", "A", "5.00"}));
    EXPECT_EQ(cells(listing.rows[1]), (QStringList{"2", "b", "18.00"}));

    touch(dir, QStringLiteral("a_bad.tbi"));
    const SystemListing stopped = ListSystemRows(tmp.path(), 0.5, kPoint);
    ASSERT_EQ(stopped.rows.size(), 1u);
    EXPECT_EQ(stopped.rows[0].cells[kColName], "A");
    EXPECT_EQ(stopped.error, QStringLiteral("Το όνομα του αρχείου συστήματος «a_bad.tbi» δεν είναι έγκυρο."));
}

TEST(SystemFile, ListFilesMatchesExtensionAnyCaseSortedByName)
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    EXPECT_TRUE(ListFiles(dir.filePath(QStringLiteral("BIBLIO")), QStringLiteral("tbi")).isEmpty());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("BIBLIO")));
    EXPECT_TRUE(ListFiles(dir.filePath(QStringLiteral("BIBLIO")), QStringLiteral("tbi")).isEmpty());

    touch(dir, QStringLiteral("c.tbi"));
    touch(dir, QStringLiteral("B.TBI"));
    touch(dir, QStringLiteral("a.Tbi"));
    touch(dir, QStringLiteral("d.tbix"));
    touch(dir, QStringLiteral("etbi"));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("folder.tbi")));
    EXPECT_EQ(ListFiles(tmp.path(), QStringLiteral("tbi")), (QStringList{"a.Tbi", "B.TBI", "c.tbi"}));
}

TEST(SystemFile, ContentWithBlanksOrCommasReadsTheSame)
{
    const SystemColumns expected{{1, 2, 3, 4, 5}};
    for (const QByteArray &bytes : {QByteArray("1 2 3 4 5 \r\n"), QByteArray("1,2,3,4,5\r\n"), QByteArray("1 2 3 4 5\n")}) {
        const SystemColumnsResult result = ParseSystemColumns(bytes, 5, 5);
        EXPECT_TRUE(result.valid()) << bytes.constData();
        EXPECT_EQ(result.columns, expected) << bytes.constData();
    }
    // A short line keeps zeros; 0 and 255 are bytes; an empty line is a row of zeros.
    const SystemColumnsResult short_ = ParseSystemColumns("1 2 \r\n0 255 7 \r\n\r\n", 6, 3);
    ASSERT_TRUE(short_.valid());
    EXPECT_EQ(short_.columns, (SystemColumns{{1, 2, 0}, {0, 255, 7}, {0, 0, 0}}));
    // Exactly comb(n, k) lines fit.
    EXPECT_TRUE(ParseSystemColumns("1 2 \r\n1 3 \r\n2 3 \r\n", 3, 2).valid());
}

TEST(SystemFile, InvalidContentIsRefused)
{
    struct Case { const char *name; QByteArray bytes; int n, k; };
    const Case cases[] = {
        {"256", "1 256 \r\n", 6, 3},
        {"negative", "1 -1 \r\n", 6, 3},
        {"not a number", "1 x 3 \r\n", 6, 3},
        {"double blank", "1  2 \r\n", 6, 3},
        {"leading blank", " 1 2 \r\n", 6, 3},
        {"k + 1 items", "1 2 3 4 \r\n", 6, 3},
        {"more lines than comb(n, k)", "1 2 \r\n1 3 \r\n2 3 \r\n1 2 \r\n", 3, 2},
        {"any line when comb is 0", "1 \r\n", 2, 3},
        {"k outside a byte", "1 \r\n", 300, 256},
        {"negative n", "", -1, 3},
    };
    for (const Case &c : cases) {
        const SystemColumnsResult result = ParseSystemColumns(c.bytes, c.n, c.k);
        EXPECT_FALSE(result.valid()) << c.name;
        EXPECT_TRUE(result.columns.empty()) << c.name;
    }
}

TEST(SystemFile, WritesEachEntryWithOneBlankAndCrLfAndReadsItBack)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("s.tbi"));
    const SystemColumns columns{{1, 2, 3, 4, 5}, {10, 20, 30, 79, 80}};
    WriteSystemFile(path, columns);
    EXPECT_EQ(readAll(path), QByteArray("1 2 3 4 5 \r\n10 20 30 79 80 \r\n"));
    EXPECT_EQ(LoadSystemColumns(path, 80, 5).columns, columns);
    EXPECT_TRUE(LoadSystemColumns(QString(), 5, 5).valid()); // no file: no columns
    EXPECT_FALSE(LoadSystemColumns(tmp.filePath(QStringLiteral("none.tbi")), 5, 5).valid());
    // A failed write leaves the old file whole: FileSafety, for every writer.
    EXPECT_THROW(WriteSystemFile(tmp.path(), columns), FileError);
}

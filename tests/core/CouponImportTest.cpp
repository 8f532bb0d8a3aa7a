#include "import/CouponImport.h"

#include "TempDir.h"
#include "TestValues.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru::imports;
using taru::test::writeAll;

namespace {

// The grid's rows as "5 12 33" (cells joined by blanks, empty cells as "_").
QStringList rowsOf(const ImportGrid &grid)
{
    QStringList rows;
    for (const QStringList &row : grid.rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells << (cell.isEmpty() ? QStringLiteral("_") : cell);
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

QStringList refusalsOf(const ImportResult &result)
{
    QStringList lines;
    for (const Refusal &refusal : result.refusals)
        lines << DescribeRefusal(refusal) + (refusal.clears ? QStringLiteral(" [clears]") : QString());
    return lines;
}

class CouponImport : public ::testing::Test {
protected:
    ImportResult import(const QString &name, const QByteArray &bytes, int currentGame = kDefaultGame)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeAll(path, bytes));
        return ReadImportFile(path, currentGame);
    }

    QTemporaryDir dir;
};

struct Case {
    const char *name;
    const char *file;
    QByteArray bytes;
    int game;              // after the load
    QStringList rows;      // empty when cleared
    QStringList refusals;
};

} // namespace

// "5 12 33 40 71" in a text file and with ";" in a CSV file, a spreadsheet's header row, an empty
// file, a coupon file (its own game, saying 3 and holding 2), a missing file: cli.import_*.
TEST_F(CouponImport, ReadsTextCouponAndCsvFilesAsTheWindowLoads)
{
    const QString first = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13");
    const Case cases[] = {
        {"the blank wins over the comma", "a.txt", "5, 12, 33", 1, {},
         {"γραμμή 1 «5, 12, 33»: «5,» δεν είναι αριθμός [clears]"}},
        {"the semicolon wins over the comma", "a.csv", "1;2\r\n3,4;5\r\n", 2, {},
         {"γραμμή 2 «3,4;5»: «3,4» δεν είναι αριθμός [clears]"}},
        {"comma, later lines with blanks and empty items", "a.csv", "1,2,3\n 4 , 5,,6,\n", 3, {"1 2 3", "4 5 6"}, {}},
        {"tab separated", "a.txt", "5\t12\t33\r\n1\t2\t3\r\n", 3, {"5 12 33", "1 2 3"}, {}},
        {"tabs separate too under the blank", "a.txt", "5 12 33\n1\t2 3\n", 3, {"5 12 33", "1 2 3"}, {}},
        {"quoted fields", "a.csv", "\"5\";\"12\";\"33\"\r\n\"1\";2;\" 3\"\r\n", 3, {"5 12 33", "1 2 3"}, {}},
        {"a separator inside quotes is content", "a.csv", "\"1;2\";3\r\n", 1, {},
         {"γραμμή 1 «\"1;2\";3»: «1;2» δεν είναι αριθμός [clears]"}},
        {"outside 1..80 is placed", "a.txt", "5 12 33\n4 99 07\n", 3, {"5 12 33", "4 99 7"},
         {"γραμμή 2 «4 99 07»: 99 είναι έξω από το 1..80"}},
        {"the first line counts only 1..80", "a.txt", "0 5 12\n", 2, {},
         {"γραμμή 1 «0 5 12»: 0 είναι έξω από το 1..80", "γραμμή 1 «0 5 12»: πάνω από 2 αριθμούς για παιχνίδι 2 [clears]"}},
        {"no number 1..80 first keeps the game", "a.txt", "0 90\n", kDefaultGame, {"0 90 _ _ _ _"},
         {"γραμμή 1 «0 90»: 0 είναι έξω από το 1..80", "γραμμή 1 «0 90»: 90 είναι έξω από το 1..80"}},
        {"a longer later line", "a.txt", "5 12\n1 2 3\n", 2, {}, {"γραμμή 2 «1 2 3»: πάνω από 2 αριθμούς για παιχνίδι 2 [clears]"}},
        {"more than twelve numbers", "a.txt", first.toUtf8(), kMaxGame, {},
         {"γραμμή 1 «" + first + "»: πάνω από 12 αριθμούς για παιχνίδι 12 [clears]"}},
        {"blank lines at the end go, in the middle stay", "a.txt", "1 2\n\n3 4\n\n\n", 2, {"1 2", "_ _", "3 4"}, {}},
        {"coupon file, upper-case extension, blanks in a line", "A.TRU", "1\n3\n\n0\n0\n 4 ,5 6\n", 3, {"4 5 6"}, {}},
        {"holds more than it says", "a.tru", "1\r\n2\r\n\r\n0\r\n0\r\n1,2\r\n3,4\r\n\r\n", 2, {"1 2", "3 4"}, {}},
        {"A placeholders", "a.tru", "1\r\n3\r\n\r\n0\r\n0\r\nA,15,A\r\n", 3, {},
         {"γραμμή 6 «A,15,A»: «A» δεν είναι αριθμός [clears]"}},
        {"an empty item", "a.tru", "1\r\n3\r\n\r\n0\r\n0\r\n1,,2\r\n", 3, {},
         {"γραμμή 6 «1,,2»: άδειο στοιχείο ανάμεσα σε κόμματα [clears]"}},
        {"coupon value outside 1..80", "a.tru", "1\r\n2\r\n\r\n0\r\n0\r\n1,81\r\n", 2, {"1 81"},
         {"γραμμή 6 «1,81»: 81 είναι έξω από το 1..80"}},
        {"k + 1 numbers", "a.tru", "1\r\n2\r\n\r\n0\r\n0\r\n1,2,3\r\n", 2, {},
         {"γραμμή 6 «1,2,3»: πάνω από 2 αριθμούς για παιχνίδι 2 [clears]"}},
        {"count not a number", "a.tru", "x\r\n2\r\n", kDefaultGame, {}, {"γραμμή 1 «x»: «x» δεν είναι πλήθος στηλών [clears]"}},
        {"negative count", "a.tru", "-1\r\n2\r\n", kDefaultGame, {}, {"γραμμή 1 «-1»: αρνητικό πλήθος στηλών [clears]"}},
        {"count beyond the grid", "a.tru", "100001\r\n2\r\n", kDefaultGame, {},
         {"γραμμή 1 «100001»: 100001 στήλες: ο πίνακας χωρά ως 100000 [clears]"}},
        {"game 13", "a.tru", "1\r\n13\r\n", kDefaultGame, {}, {"γραμμή 2 «13»: παιχνίδι 13: δεκτά 1 έως 12 [clears]"}},
        {"game missing", "a.tru", "1\r\n", kDefaultGame, {}, {"γραμμή 2: λείπει η γραμμή του παιχνιδιού [clears]"}},
        {"an empty coupon file", "a.tru", "", kDefaultGame, {}, {"γραμμή 1: το αρχείο είναι άδειο [clears]"}},
        {"header only", "a.tru", "0\r\n4\r\n", 4, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = import(QString::fromLatin1(c.file), c.bytes);
        ASSERT_TRUE(result.opened) << result.message.toStdString();
        EXPECT_EQ(result.grid.game, c.game);
        EXPECT_EQ(rowsOf(result.grid), c.rows);
        EXPECT_EQ(refusalsOf(result), c.refusals);
        const bool clears = !c.refusals.isEmpty() && c.refusals.back().endsWith(QStringLiteral("[clears]"));
        EXPECT_EQ(result.cleared, clears);
    }
}

TEST_F(CouponImport, RecognisesUtf8AndKeepsWindows1253TheDefault)
{
    const struct { const char *name; QByteArray bytes; bool utf8; } cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" "5;12;33\r\n1;\xCE\xA7\r\n", true},
        {"no mark, valid UTF-8", "5;12;33\r\n1;\xCE\xA7\r\n", true},
        {"Windows-1253", "5;12;33\r\n1;\xD7\r\n", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = import(QStringLiteral("greek.csv"), c.bytes);
        EXPECT_EQ(result.utf8, c.utf8);
        EXPECT_EQ(result.grid.game, 3);
        EXPECT_EQ(refusalsOf(result), QStringList{"γραμμή 2 «1;Χ»: «Χ» δεν είναι αριθμός [clears]"});
    }
    // The mark does not reach the first item.
    const ImportResult marked = import(QStringLiteral("bom.txt"), "\xEF\xBB\xBF" "7 8\r\n");
    EXPECT_EQ(rowsOf(marked.grid), QStringList{"7 8"});
    EXPECT_TRUE(marked.utf8);

    const ImportResult utf16 = import(QStringLiteral("wide.txt"), QByteArray("\xFF\xFE" "5\0 \0" "6\0", 8));
    EXPECT_EQ(refusalsOf(utf16), QStringList{"γραμμή 1: κείμενο UTF-16: αποθηκεύστε το ως UTF-8 ή CSV [clears]"});
}

TEST_F(CouponImport, FilesThatCannotBeReadAreRefusedWithTheirReason)
{
    const QString folder = dir.filePath(QStringLiteral("folder.csv"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const ImportResult notFile = ReadImportFile(folder, 4);
    EXPECT_FALSE(notFile.opened);
    EXPECT_TRUE(notFile.message.endsWith("\nΔεν είναι κανονικό αρχείο (φάκελος ή συσκευή).")) << notFile.message.toStdString();
    EXPECT_EQ(ImportStatusLine(notFile), notFile.message);

    // A damaged file with one endless line costs one line of memory and clears the grid.
    const ImportResult endless = import(QStringLiteral("long.txt"), "1 2\n" + QByteArray(2 << 20, '7'));
    EXPECT_EQ(refusalsOf(endless), QStringList{"γραμμή 2: γραμμή μεγαλύτερη από 1048576 bytes [clears]"});

    // More rows than the grid holds: refused whole, never cut short.
    const ImportResult many = import(QStringLiteral("many.txt"), QByteArray("1\n").repeated(kMaxRows + 1));
    EXPECT_TRUE(many.cleared);
    EXPECT_TRUE(many.grid.rows.empty());
    EXPECT_EQ(many.refusals.back().line, kMaxRows + 1);
    const ImportResult full = import(QStringLiteral("full.txt"), QByteArray("1\n").repeated(kMaxRows));
    EXPECT_EQ(full.grid.rows.size(), std::size_t{kMaxRows});
}

TEST_F(CouponImport, StatusLineSaysRowsReadAndTheFirstRefusal)
{
    const struct { QByteArray bytes; const char *status; } cases[] = {
        {"5 12\n", "Διαβάστηκε 1 στήλη."},
        {"\xEF\xBB\xBF" "5 12\n1 2\n", "Διαβάστηκαν 2 στήλες (UTF-8)."},
        {"5 12\n1 90\n", "Διαβάστηκαν 2 στήλες. Απορρίφθηκε 1 τιμή: γραμμή 2 «1 90»: 90 είναι έξω από το 1..80."},
        {"5 12\n0 90\n", "Διαβάστηκαν 2 στήλες. Απορρίφθηκαν 2 τιμές, πρώτη: γραμμή 2 «0 90»: 0 είναι έξω από το 1..80."},
        {"5 12\nx\n", "Ο πίνακας καθαρίστηκε: γραμμή 2 «x»: «x» δεν είναι αριθμός."},
        {"5 12\n1 0\n1 x\n", "Ο πίνακας καθαρίστηκε: γραμμή 3 «1 x»: «x» δεν είναι αριθμός. "
                             "Πρώτη απόρριψη: γραμμή 2 «1 0»: 0 είναι έξω από το 1..80."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(ImportStatusLine(import(QStringLiteral("s.txt"), c.bytes)), QString::fromUtf8(c.status));
    }
    // A long refused line is cut in what is shown.
    const QByteArray wide = "1 " + QByteArray("2 ").repeated(40) + "x";
    const ImportResult cut = import(QStringLiteral("wide.txt"), "1\n" + wide + "\n");
    ASSERT_FALSE(cut.refusals.empty());
    EXPECT_EQ(cut.refusals.back().text, QString::fromLatin1(wide.left(60)) + QStringLiteral("…"));
}

TEST_F(CouponImport, SavedGridIsACouponFileWithoutOptions)
{
    // Three typed rows of game 4, one with an empty cell: the empty cell leaves no item.
    const ImportGrid typed{4, {{"1", "2", "3", "4"}, {"5", "", "7", "8"}, {"9", "10", "11", "12"}}};
    EXPECT_EQ(ImportGridBytes(typed), QByteArray("3\r\n4\r\n\r\n0\r\n0\r\n1,2,3,4\r\n5,7,8\r\n9,10,11,12\r\n"));
    // An empty grid, and a coupon file saved again without its options: cli.import_*.
}

TEST(CouponImportRules, SourceKindAndBoardNumbers)
{
    for (const char *path : {"a.tru", "A.TRU", "/x/y.Tru", "notru"})
        EXPECT_EQ(SourceKindOf(QString::fromLatin1(path)), SourceKind::CouponFile) << path;
    for (const char *path : {"a.txt", "a.csv", "a.tr", "tru.csv"})
        EXPECT_EQ(SourceKindOf(QString::fromLatin1(path)), SourceKind::Text) << path;

    for (const char *text : {"1", "80", "7", " 12 "})
        EXPECT_TRUE(IsBoardNumber(QString::fromLatin1(text))) << text;
    for (const char *text : {"", "0", "81", "07", "+5", "-5", "7a", "99999999999999999999"})
        EXPECT_FALSE(IsBoardNumber(QString::fromLatin1(text))) << text;
}

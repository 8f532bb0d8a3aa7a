#include "draws/DrawsImport.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru::draws;
using taru::test::readAll;
using taru::test::writeAll;

namespace {

const QString kNumbers = QStringLiteral("3,1,2,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20");
const QByteArray kSortedLine = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";

QString numbersWith(const QString &separator)
{
    return QString(kNumbers).replace(QLatin1Char(','), separator);
}

} // namespace

// Semicolons, a header, 19 numbers and 81 are the command line's (cli.draws_import).
TEST(DrawsImport, OneLine)
{
    struct Case {
        const char *name;
        QString text;
        bool first;
        QString drawNumber; // empty: no draw
        QDate date;
        QString refusal;    // empty: none
    };
    const QDate jan5(2026, 1, 5);
    const Case cases[] = {
        {"commas", "1001,05/01/2026," + kNumbers, false, "1001", jan5, ""},
        {"tabs", "1001\t2026-01-05\t" + numbersWith("\t"), false, "1001", jan5, ""},
        {"blanks and a time", "1001 05/01/2026 14:35 " + numbersWith(" "), false, "1001", jan5, ""},
        {"ISO time", "1001,2026-01-05T14:35:00," + kNumbers, false, "1001", jan5, ""},
        {"quoted CSV", "\"1001\";\"05/01/2026\";" + numbersWith(";"), false, "1001", jan5, ""},
        {"date first", "05/01/2026,1001," + kNumbers, false, "1001", jan5, ""},
        {"leading zeros", "001001,05/01/2026," + kNumbers, false, "1001", jan5, ""},
        {"header", "Κλήρωση;Ημερομηνία;Αριθμοί", true, "", {}, ""},
        {"blank", "  \t ", false, "", {}, ""},
        {"words after the first line", "Κλήρωση,05/01/2026," + kNumbers, false, "", {},
         "ο αριθμός κλήρωσης «Κλήρωση» δεν είναι αριθμός"},
        {"21 numbers", "1001,05/01/2026," + kNumbers + ",21", false, "", {}, "έχει 21 αριθμούς αντί για 20"},
        {"0", "1001,05/01/2026," + QString(kNumbers).replace("3,1,", "0,1,"), false, "", {},
         "το «0» δεν είναι αριθμός από 1 έως 80"},
        {"repeated", "1001,05/01/2026," + QString(kNumbers).replace("20", "19"), false, "", {},
         "ο αριθμός 19 υπάρχει δύο φορές"},
        {"31 February", "1001,31/02/2026," + kNumbers, false, "", {},
         "η ημερομηνία «31/02/2026» δεν είναι έγκυρη (ηη/μμ/εεεε, η/μ/εεεε ή εεεε-μμ-ηη)"},
        {"two-digit year", "1001,05/01/26," + kNumbers, false, "", {},
         "η ημερομηνία «05/01/26» δεν είναι έγκυρη (ηη/μμ/εεεε, η/μ/εεεε ή εεεε-μμ-ηη)"},
    };
    for (const Case &c : cases) {
        const ImportLine line = ParseImportLine(c.text, 7, c.first);
        EXPECT_EQ(line.refusal.value_or(QString()), c.refusal) << c.name;
        ASSERT_EQ(line.draw.has_value(), !c.drawNumber.isEmpty()) << c.name;
        if (!line.draw)
            continue;
        EXPECT_EQ(line.draw->drawNumber, c.drawNumber) << c.name;
        EXPECT_EQ(line.draw->date, c.date) << c.name;
        EXPECT_EQ(line.draw->line, 7) << c.name;
        EXPECT_TRUE(std::is_sorted(line.draw->numbers.begin(), line.draw->numbers.end())) << c.name;
    }
}

TEST(DrawsImport, Encodings)
{
    const QByteArray greek = "\xCA\xEB\xDE\xF1\xF9\xF3\xE7"; // "Κλήρωση" in Windows-1253
    EXPECT_EQ(DecodeImportLine(greek, false), QStringLiteral("Κλήρωση"));
    EXPECT_EQ(DecodeImportLine(QStringLiteral("Κλήρωση").toUtf8(), false), QStringLiteral("Κλήρωση"));
    EXPECT_EQ(DecodeImportLine(QStringLiteral("Κλήρωση").toUtf8(), true), QStringLiteral("Κλήρωση"));
}

class DrawsImportFile : public ::testing::Test {
protected:
    QString path(const char *name) const { return tmp.filePath(QString::fromLatin1(name)); }
    QTemporaryDir tmp;
};

TEST_F(DrawsImportFile, AddsNewDrawsInOrderAndSkipsThoseHeld)
{
    const QString draws = path("Nikitries.nik");
    const QByteArray old = "1,1001,05/01/2026," + kSortedLine + "\r\n" + "2,1002,06/01/2026," + kSortedLine + "\r\n";
    ASSERT_TRUE(writeAll(draws, old));
    // A UTF-8 file with a byte-order mark and a Greek header; draws out of order, one already
    // held, one twice, one of 19 numbers, a blank line.
    const QString source = path("results.csv");
    const QByteArray text = "\xEF\xBB\xBF" + QStringLiteral("Κλήρωση;Ημερομηνία;Αριθμοί\r\n").toUtf8()
        + "1005;09/01/2026;" + numbersWith(";").toUtf8() + "\r\n"
        + "1002;06/01/2026;" + numbersWith(";").toUtf8() + "\r\n"
        + "\r\n"
        + "1003;2026-01-07 10:05;" + numbersWith(";").toUtf8() + "\r\n"
        + "1004;8/1/2026;" + numbersWith(";").left(48).toUtf8() + "\r\n"
        + "1003;07/01/2026;" + numbersWith(";").toUtf8() + "\r\n";
    ASSERT_TRUE(writeAll(source, text));

    const ImportOutcome outcome = ImportDraws(source, draws);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.refused, (QList<ImportRefusal>{{6, "έχει 19 αριθμούς αντί για 20"}}));
    EXPECT_EQ(outcome.summary(), QStringLiteral("added 2, present 2, refused 1"));
    EXPECT_EQ(readAll(draws), old + "3,1003,07/01/2026," + kSortedLine + "\r\n" + "4,1005,09/01/2026," + kSortedLine + "\r\n");

    // Again: everything is there already, and the file is not rewritten.
    const ImportOutcome again = ImportDraws(source, draws);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.summary(), QStringLiteral("added 0, present 4, refused 1"));
}

TEST_F(DrawsImportFile, ConflictingRepeatsAreRefusedAndANewFileIsCreated)
{
    const QString source = path("results.txt");
    ASSERT_TRUE(writeAll(source, "1001 05/01/2026 " + numbersWith(" ").toUtf8() + "\n1001 06/01/2026 " +
                                     numbersWith(" ").toUtf8() + "\n"));
    const QString draws = path("new/Nikitries.nik");
    ASSERT_TRUE(QDir().mkpath(path("new")));
    const ImportOutcome outcome = ImportDraws(source, draws);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.refused,
              (QList<ImportRefusal>{{2, "η κλήρωση 1001 υπάρχει ήδη στη γραμμή 1 με άλλα στοιχεία"}}));
    EXPECT_EQ(readAll(draws), "1,1001,05/01/2026," + kSortedLine + "\r\n");
}

TEST_F(DrawsImportFile, NothingIsWrittenWhenAFileFails)
{
    const QString source = path("results.txt");
    ASSERT_TRUE(writeAll(source, "1003,07/01/2026," + kNumbers.toUtf8() + "\r\n"));
    struct Case { const char *name; QString draws; QByteArray old; QString error; };
    // A damaged draws file would lose its lines after the damage; a name too long for the
    // temporary file makes the write fail.
    const Case cases[] = {
        {"damaged", path("damaged.nik"), "1,1001,05/01/2026,x\r\n2,1002,06/01/2026," + kSortedLine + "\r\n",
         kDrawsReadError + "\n"},
        {"write fails", tmp.filePath(QString(246, QLatin1Char('n')) + ".nik"), "1,1001,05/01/2026," + kSortedLine + "\r\n",
         kDrawsWriteError + "\n"},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(writeAll(c.draws, c.old)) << c.name;
        const ImportOutcome outcome = ImportDraws(source, c.draws);
        EXPECT_FALSE(outcome.ok) << c.name;
        EXPECT_TRUE(outcome.error.startsWith(c.error)) << c.name << ": " << outcome.error.toStdString();
        EXPECT_EQ(readAll(c.draws), c.old) << c.name;
    }
    const ImportOutcome noSource = ImportDraws(path("none.txt"), path("damaged.nik"));
    EXPECT_FALSE(noSource.ok); // the damaged draws file is named first
    const ImportOutcome missing = ImportDraws(path("none.txt"), path("fresh.nik"));
    EXPECT_TRUE(missing.error.startsWith(QStringLiteral("Το αρχείο «%1» δεν ανοίγει: ").arg(path("none.txt"))));
    EXPECT_FALSE(QFile::exists(path("fresh.nik")));
}

#include "draws/DrawsFile.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

using namespace taru::draws;
using taru::test::readAll;
using taru::test::writeAll;

namespace {

std::array<int, kDrawNumbers> numbers(std::initializer_list<int> values)
{
    std::array<int, kDrawNumbers> a{};
    std::copy(values.begin(), values.end(), a.begin());
    return a;
}

QByteArray line(const QByteArray &head, const std::array<int, kDrawNumbers> &values)
{
    QByteArray text = head;
    for (int v : values)
        text += ',' + QByteArray::number(v);
    return text + "\r\n";
}

const auto kOneToTwenty = numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
const auto kLeftOnly = numbers({1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35});
const auto kEdges = numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80});

} // namespace

// The figures of 1..20, of the left columns only and of 1..10 with 71..80 are the command line's
// (cli.draws, the three lines of draws_three.nik).
TEST(DrawsFile, Figures)
{
    // The range is the last number less the first, as they stand.
    EXPECT_EQ(ComputeRowFigures(numbers({80, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 1})),
              (DrawFigures{270, 10, 10, 10, 10, 10, 3, -79}));

    // Decade boundaries one by one: 10|11 and 70|71 part, 70 stays with 61..69.
    for (const auto &[low, high, decades] : {std::tuple{10, 11, 2}, {70, 70, 1}, {70, 71, 2}}) {
        std::array<int, kDrawNumbers> pair{};
        pair.fill(low);
        pair[19] = high;
        EXPECT_EQ(ComputeRowFigures(pair).decades, decades) << low << "|" << high;
    }
}

TEST(DrawsFile, ReadsEveryLineWithItsFigures)
{
    QByteArray bytes = line("1,1001,05/01/2026", kOneToTwenty) + line("2,1002,06/01/2026", kLeftOnly)
        + line("7,1003,7/1/26", kEdges);
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("Nikitries.nik"));
    ASSERT_TRUE(writeAll(path, bytes));
    const DrawsFileData file = ReadDrawsFile(path);
    ASSERT_TRUE(file.valid);
    EXPECT_TRUE(file.error.isEmpty());
    ASSERT_EQ(file.draws.size(), 3u);
    EXPECT_EQ(file.draws.entry(2).fields().mid(0, 3), (QStringList{"7", "1003", "7/1/26"})); // as stored
    EXPECT_EQ(readAll(path), bytes); // reading never touches the file

    // A draw added since the read shows empty figures.
    const QStringList fresh = DrawListCells(file.draws.entry(0), std::nullopt);
    EXPECT_EQ(fresh.mid(22), (QStringList{"20", "", "", "", "", "", "", "", ""}));
}

TEST(DrawsFile, ExtraFieldsAreDroppedAndFieldsSplitByCommaText)
{
    const DrawsFileData file = ParseDrawsFile(line("1, 1001 ,\"5 \xC9\xE1\xED\"", kOneToTwenty).chopped(2) + ",x,y,z\n");
    ASSERT_TRUE(file.valid);
    ASSERT_EQ(file.draws.size(), 1u);
    EXPECT_EQ(file.draws.cells(0).mid(1, 2), (QStringList{"1001", "5 Ιαν"}));
    EXPECT_EQ(file.draws.cells(0).mid(22, 2), (QStringList{"20", "210"}));
}

TEST(DrawsFile, AFailureKeepsTheRowsBeforeIt)
{
    struct Case { const char *name; QByteArray bad; };
    auto letter = line("2,1002,06/01/2026", kLeftOnly);
    letter.replace(",35\r\n", ",3x\r\n");
    const Case cases[] = {
        {"number not an integer", letter},
        {"22 fields", line("2,1002", kLeftOnly)},
        {"empty line", "\r\n"},
        {"empty number field", line("2,1002,06/01/2026", kLeftOnly).replace(",1,2,", ",,2,")},
    };
    for (const Case &c : cases) {
        const DrawsFileData file = ParseDrawsFile(line("1,1001,05/01/2026", kOneToTwenty) + c.bad + line("3,1003,x", kEdges));
        EXPECT_EQ(std::tuple(file.valid, file.failure, file.failedLine), std::tuple(false, DrawsReadFailure::Damaged, 2)) << c.name;
        EXPECT_EQ(file.error, QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών")) << c.name;
        ASSERT_EQ(file.draws.size(), 1u) << c.name;
        EXPECT_EQ(file.draws.field(0, 1), "1001") << c.name;
    }
    QTemporaryDir tmp;
    EXPECT_EQ(ReadDrawsFile(tmp.filePath(QStringLiteral("none.nik"))).error, kDrawsReadError);
    EXPECT_TRUE(ParseDrawsFile(QByteArray()).valid);
}

TEST(DrawsFile, WritesExactly23FieldsPerLine)
{
    DrawEntry first = DrawEntry::fromFields(QStringList{"1", "1001", "05/01/2026"});
    for (int i = 0; i < kDrawNumbers; ++i)
        first.numbers[static_cast<std::size_t>(i)] = QString::number(kOneToTwenty[static_cast<std::size_t>(i)]);
    DrawEntry second = first;
    second.sequence = QStringLiteral("2");
    second.date = QStringLiteral("Τρίτη");

    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("Nikitries.nik"));
    ASSERT_TRUE(WriteDrawsFile(path, {first, second}).isEmpty());
    const QByteArray expected = line("1,1001,05/01/2026", kOneToTwenty) + line("2,1001,\xD4\xF1\xDF\xF4\xE7", kOneToTwenty);
    EXPECT_EQ(readAll(path), expected);
    // What was read is written back unchanged (each line as read, Greek included):
    // EveryFieldReadsAndWritesBackAsItWas.

    // A row whose leading cells are empty starts with the first non-empty one; empty cells
    // further on keep their place.
    DrawEntry gaps = first;
    gaps.sequence.clear();
    gaps.drawNumber.clear();
    gaps.numbers[0].clear();
    EXPECT_EQ(DrawsFileBytes({gaps}), QByteArray("05/01/2026,,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n"));
}

TEST(DrawsFile, FailedWriteGivesTheMessageAndKeepsTheOldFile)
{
    // The old file left whole: FileSafety, for every writer.
    QTemporaryDir tmp;
    EXPECT_TRUE(WriteDrawsFile(tmp.path(), std::vector<DrawEntry>{})
                    .startsWith(QStringLiteral("Παρουσιάστηκε σφάλμα στην αποθήκευση του αρχείου των Νικητριών\n")));
}

TEST(DrawsFile, EveryFieldReadsAndWritesBackAsItWas)
{
    // Numbers not written plainly keep their text; the figures still come from their values.
    struct Case { const char *name; QByteArray line; int field; QString text; std::int64_t sum; };
    const QByteArray tail = ",2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";
    const Case cases[] = {
        {"plain", "1,1001,05/01/2026,1" + tail, 3, "1", 210},
        {"leading zero", "1,1001,05/01/2026,01" + tail, 3, "01", 210},
        {"plus sign", "1,1001,05/01/2026,+7" + tail, 3, "+7", 216},
        {"outside 1..80", "1,1001,05/01/2026,100" + tail, 3, "100", 309},
        {"negative", "1,1001,05/01/2026,-3" + tail, 3, "-3", 206},
        {"zero", "1,1001,05/01/2026,0" + tail, 3, "0", 209},
        {"undefined code page byte", "1,1001,05\x81" "01,1" + tail, 2, QStringLiteral("05") + QChar(0xF081) + "01", 210},
        {"empty draw number", "1,,05/01/2026,1" + tail, 1, "", 210},
    };
    for (const Case &c : cases) {
        const DrawsFileData file = ParseDrawsFile(c.line + "\r\n");
        ASSERT_TRUE(file.valid) << c.name;
        EXPECT_EQ(file.draws.field(0, c.field), c.text) << c.name;
        EXPECT_EQ(file.draws.figures(0)->sum, c.sum) << c.name;
        EXPECT_EQ(file.draws.line(0), c.line) << c.name;
        EXPECT_EQ(file.draws.entry(0).fields().at(c.field), c.text) << c.name;
    }
}

TEST(DrawsFile, AddedDrawsHaveNoFiguresAndCorrectedOnesKeepTheirs)
{
    DrawsFileData file = ParseDrawsFile(line("1,1001,05/01/2026", kOneToTwenty) + line("2,1002,06/01/2026", kLeftOnly));
    ASSERT_TRUE(file.valid);
    DrawList &list = file.draws;

    DrawEntry added = list.entry(1);
    added.sequence = "3";
    added.numbers[0] = "80";
    list.append(added);
    EXPECT_FALSE(list.figures(2));
    EXPECT_EQ(list.entry(2), added);

    // A correction changes the texts, in the same place, and leaves the figures as they were.
    DrawEntry corrected = list.entry(0);
    corrected.numbers[0] = "07";
    corrected.date = "5/1/2026";
    list.replace(0, corrected);
    EXPECT_EQ(list.entry(0), corrected);
    EXPECT_EQ(list.figures(0)->sum, 210);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(list.line(0), QByteArray("1,1001,5/1/2026,07,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"));
    list.replace(2, list.entry(1));
    EXPECT_FALSE(list.figures(2));
    EXPECT_EQ(list.entry(2), list.entry(1));
}

// A missing file and a damaged line, with their messages, are the command line's (cli.draws_missing,
// cli.draws_damaged_line).
TEST(DrawsFile, AFileThatCannotBeOpenedIsToldApartFromADamagedOne)
{
    QTemporaryDir tmp;
    // A line too long to be a draw stops the read there, however the items are cut.
    const QString hugePath = tmp.filePath(QStringLiteral("huge.nik"));
    const QByteArray huge = "2,1002," + QByteArray(2 << 20, '9');
    ASSERT_TRUE(writeAll(hugePath, line("1,1001,05/01/2026", kOneToTwenty) + line(huge, kOneToTwenty) + line("3,1003,x", kEdges)));

    struct Case { const char *name; QString path; DrawsReadFailure failure; QString detail; };
    const Case cases[] = {
        {"a folder", tmp.path(), DrawsReadFailure::Unreadable, QStringLiteral("Το αρχείο «%1» δεν ανοίγει: ").arg(tmp.path())},
        {"a line too long", hugePath, DrawsReadFailure::Damaged,
         QStringLiteral("Το αρχείο «%1» είναι κατεστραμμένο στη γραμμή 2: η γραμμή ξεπερνά").arg(hugePath)},
    };
    for (const Case &c : cases) {
        for (DrawsSplit split : {DrawsSplit::CommaText, DrawsSplit::PlainCommas}) {
            const DrawsFileData file = ReadDrawsFile(c.path, split);
            EXPECT_EQ(file.failure, c.failure) << c.name;
            EXPECT_TRUE(file.detail.startsWith(c.detail)) << c.name << ": " << file.detail.toStdString();
            if (c.failure == DrawsReadFailure::Unreadable) {
                EXPECT_GT(file.detail.size(), c.detail.size()) << c.name; // the system's reason follows
            }
            EXPECT_TRUE(file.message().startsWith(kDrawsReadError + QLatin1Char('\n'))) << c.name;
        }
    }
}

TEST(DrawsFile, CutAtCommasEveryLineIsARow)
{
    // The picker's reading: items cut at each ",", nothing converted, nothing refused.
    const QByteArray bytes = "1,1001,\"5,1\",x\r\n\r\n" + line("3,1003, 7/1", kEdges) + "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25\r\n";
    const DrawsFileData file = ParseDrawsFile(bytes, DrawsSplit::PlainCommas);
    ASSERT_TRUE(file.valid);
    ASSERT_EQ(file.draws.size(), 4u);
    EXPECT_EQ(file.draws.entry(0).fields().mid(0, 5), (QStringList{"1", "1001", "\"5", "1\"", "x"}));
    EXPECT_EQ(QStringList({file.draws.field(0, 22), file.draws.field(1, 0), file.draws.field(2, 2)}), QStringList({"", "", " 7/1"}));
    EXPECT_EQ(file.draws.field(3, 22), "23"); // items past the 23rd are not kept
    EXPECT_FALSE(file.draws.figures(0));
}

TEST(DrawsFile, ADrawToCheckAgainstHoldsTwentyDifferentNumbers)
{
    DrawEntry good;
    for (int i = 0; i < kDrawNumbers; ++i)
        good.numbers[static_cast<std::size_t>(i)] = QString::number(kEdges[static_cast<std::size_t>(i)]);
    struct Case { const char *name; int place; QString text; std::optional<QString> refusal; };
    const Case cases[] = {
        {"good", 0, "1", std::nullopt},
        {"blanks around", 0, " 1 ", std::nullopt},
        {"repeated", 19, "7",
         QStringLiteral("ο αριθμός 7 υπάρχει δύο φορές· μια κλήρωση έχει 20 διαφορετικούς αριθμούς")},
        {"81", 4, "81", QStringLiteral("ο 5ος αριθμός («81») δεν είναι αριθμός από 1 έως 80")},
        {"0", 0, "0", QStringLiteral("ο 1ος αριθμός («0») δεν είναι αριθμός από 1 έως 80")},
        {"letter", 0, "x", QStringLiteral("ο 1ος αριθμός («x») δεν είναι αριθμός από 1 έως 80")},
    };
    for (const Case &c : cases) {
        DrawEntry entry = good;
        entry.numbers[static_cast<std::size_t>(c.place)] = c.text;
        EXPECT_EQ(DrawRefusal(entry), c.refusal) << c.name;
    }
}

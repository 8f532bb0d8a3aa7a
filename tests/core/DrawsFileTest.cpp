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

TEST(DrawsFile, Figures)
{
    struct Case {
        const char *name;
        std::array<int, kDrawNumbers> numbers;
        DrawFigures expected;
    };
    const Case cases[] = {
        {"1..20", kOneToTwenty, {210, 10, 10, 10, 10, 10, 2, 19}},
        {"left only", kLeftOnly, {360, 12, 8, 20, 0, 5, 4, 34}},
        // 10 belongs with 1..9 and 80 with 71..79: two decades.
        {"10 and 80", kEdges, {810, 10, 10, 10, 10, 10, 2, 79}},
        {"range is last minus first", numbers({80, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 1}),
         {270, 10, 10, 10, 10, 10, 3, -79}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ComputeRowFigures(c.numbers), c.expected) << c.name;

    // Decade boundaries one by one: 10|11, 20|21, 70|71.
    std::array<int, kDrawNumbers> pairs{};
    pairs.fill(10);
    pairs[1] = 11;
    EXPECT_EQ(ComputeRowFigures(pairs).decades, 2);
    pairs.fill(70);
    EXPECT_EQ(ComputeRowFigures(pairs).decades, 1);
    EXPECT_EQ(ComputeRowFigures(pairs).digits, 1);
    pairs[19] = 71;
    EXPECT_EQ(ComputeRowFigures(pairs).decades, 2);
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
    ASSERT_EQ(file.rows.size(), 3u);
    EXPECT_EQ(file.rows[2].entry.sequence, "7"); // as stored
    EXPECT_EQ(file.rows[2].entry.date, "7/1/26");
    EXPECT_EQ(file.rows[1].figures.sum, 360);

    const QStringList cells = DrawListCells(file.rows[0].entry, file.rows[0].figures);
    QStringList expected{"1", "1001", "05/01/2026"};
    for (int n : kOneToTwenty)
        expected.append(QString::number(n));
    expected += QStringList{"210", "10", "10", "10", "10", "10", "2", "19"};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(readAll(path), bytes); // reading never touches the file

    // A draw added since the read shows empty figures.
    const QStringList fresh = DrawListCells(file.rows[0].entry, std::nullopt);
    ASSERT_EQ(fresh.size(), kDrawListColumns);
    EXPECT_TRUE(fresh.last().isEmpty());
    EXPECT_EQ(fresh.at(22), "20");
}

TEST(DrawsFile, ExtraFieldsAreDroppedAndFieldsSplitByCommaText)
{
    const DrawsFileData file = ParseDrawsFile(line("1, 1001 ,\"5 \xC9\xE1\xED\"", kOneToTwenty).chopped(2) + ",x,y,z\n");
    ASSERT_TRUE(file.valid);
    ASSERT_EQ(file.rows.size(), 1u);
    EXPECT_EQ(file.rows[0].entry.drawNumber, "1001");
    EXPECT_EQ(file.rows[0].entry.date, QStringLiteral("5 Ιαν"));
    EXPECT_EQ(file.rows[0].entry.numbers[19], "20");
    EXPECT_EQ(DrawListCells(file.rows[0].entry, file.rows[0].figures).at(23), "210");
}

TEST(DrawsFile, AFailureKeepsTheRowsBeforeIt)
{
    struct Case {
        const char *name;
        QByteArray bad;
    };
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
        EXPECT_FALSE(file.valid) << c.name;
        EXPECT_EQ(file.error, QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών")) << c.name;
        ASSERT_EQ(file.rows.size(), 1u) << c.name;
        EXPECT_EQ(file.rows[0].entry.drawNumber, "1001") << c.name;
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

    // What was read is written back unchanged, Greek included.
    const DrawsFileData again = ReadDrawsFile(path);
    ASSERT_TRUE(again.valid);
    EXPECT_EQ(again.rows[0].entry, first);
    EXPECT_EQ(again.rows[1].entry.date, QStringLiteral("Τρίτη"));
    std::vector<DrawEntry> entries;
    for (const DrawRow &row : again.rows)
        entries.push_back(row.entry);
    EXPECT_EQ(DrawsFileBytes(entries), expected);

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
    QTemporaryDir tmp;
    EXPECT_EQ(WriteDrawsFile(tmp.path(), {}), QStringLiteral("Παρουσιάστηκε σφάλμα στην αποθήκευση του αρχείου των Νικητριών"));
    EXPECT_EQ(kDrawsErrorCaption, QStringLiteral("ΣΦΑΛΜΑ"));

    const QString path = tmp.filePath(QString(246, QLatin1Char('n')) + QStringLiteral(".nik"));
    const QByteArray old = line("1,1001,05/01/2026", kOneToTwenty);
    ASSERT_TRUE(writeAll(path, old));
    EXPECT_EQ(WriteDrawsFile(path, {}), kDrawsWriteError);
    EXPECT_EQ(readAll(path), old);
}

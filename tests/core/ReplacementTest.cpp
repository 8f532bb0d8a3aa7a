#include "base/Errors.h"
#include "systems/Replacement.h"

#include "TempDir.h"
#include "TestValues.h"

#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::test;

namespace {

const QByteArray kFile = "2\r\n5\r\n1,3\r\n2\r\n0\r\n1,2,3,4,5\r\n3,4,5,6,7\r\n";

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromLatin1(item);
    return list;
}

} // namespace

TEST(Replacement, DistinctNumbersInOrderOfFirstAppearance)
{
    EXPECT_EQ(ReadDistinctNumbers(kFile).numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    // Blanks around items, placeholders and an empty last line are taken in stride.
    const DistinctNumbers spaced = ReadDistinctNumbers("2\n3\n\n0\n0\n 9 ,A,3\n3,A,A,21\n\n");
    EXPECT_EQ(spaced.numbers, (std::vector<int>{9, 3, 21}));
    EXPECT_TRUE(spaced.error.isEmpty());
    // A bad item stops the reading; what came before it stays.
    const DistinctNumbers bad = ReadDistinctNumbers("2\n3\n\n0\n0\n4,8,2\n4,x,9\n");
    EXPECT_EQ(bad.numbers, (std::vector<int>{4, 8, 2}));
    EXPECT_EQ(bad.error, QStringLiteral("Η γραμμή 7 του αρχείου δελτίων έχει μη έγκυρο αριθμό «x»."));
}

TEST(Replacement, NewNumbersMustBeFilledInRangeAndDifferent)
{
    struct Case { QStringList newTexts; int wrongRow; };
    const Case cases[] = {
        {texts({"1", "2", "3"}), -1},   {texts({"40", "2", "3"}), -1}, {texts({"1", "", "3"}), 1},
        {texts({"9", "2", "9"}), 0},    {texts({"1", "81", "3"}), 1},  {texts({"0", "2", "3"}), 0},
        {texts({"1", "2", "09"}), -1},  {texts({"9", "2", "09"}), 0},  {texts({}), -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FirstWrongNewNumber(c.newTexts), c.wrongRow) << c.newTexts.join(QLatin1Char(',')).toStdString();
}

// 3 -> 40 with 5 and 7 swapped in one pass, written with the window's options over the file read:
// cli.replace_into_itself.
TEST(Replacement, ASwapIsOnePairOfEntriesAndUnchangedNumbersNone)
{
    const std::vector<int> used{1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(MakeReplacementTable(used, texts({"1", "2", "3", "4", "7", "6", "5"})),
              (ReplacementTable{{5, 7}, {7, 5}}));
    EXPECT_EQ(ReplaceNumbers(kFile, {}, QStringLiteral("1,3"), 2, 0), kFile);
}

TEST(Replacement, PlaceholdersStayAndBadFilesAreRefused)
{
    const ReplacementTable table{{21, 9}};
    EXPECT_EQ(ReplaceNumbers("1\n3\n\n0\n0\n 3 ,A,A,21\n", table, QString(), 0, 0),
              QByteArray("1\r\n3\r\n\r\n0\r\n0\r\n3,A,A,9\r\n"));
    EXPECT_THROW(ReplaceNumbers("1\n3\n\n", table, QString(), 0, 0), FileError);
    EXPECT_THROW(ReplaceNumbers("1\n3\n\n0\n0\n3,y\n", table, QString(), 0, 0), ConversionError);
}

TEST(Replacement, NothingIsWrittenWhenTheInputCannotBeRead)
{
    // The loaded file chosen as the output loses nothing: cli.replace_into_itself. Nothing is
    // written when the input cannot be read or holds a bad item; the output stays.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ΚΥΡΙΑΚΗ.tru"));
    const QString out = dir.filePath(QStringLiteral("out.tru"));
    ASSERT_TRUE(writeAll(out, "previous"));
    EXPECT_THROW(ReplaceInCouponFile(dir.filePath(QStringLiteral("missing.tru")), out, {}, QString(), 0, 0), FileError);
    ASSERT_TRUE(writeAll(path, "1\n2\n\n0\n0\n1,q\n"));
    EXPECT_THROW(ReplaceInCouponFile(path, out, {}, QString(), 0, 0), ConversionError);
    EXPECT_EQ(readAll(out), QByteArray("previous"));
}

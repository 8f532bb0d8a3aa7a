#include "base/Errors.h"
#include "base/TextFile.h"

#include "TempDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

TEST(TextFile, GreekAndEuroRoundTripThroughWindows1253)
{
    const QString text = QStringLiteral("Καλημέρα €");
    const QByteArray bytes = textfile::encode(text);
    EXPECT_EQ(bytes, QByteArray::fromHex("cae1ebe7ecddf1e12080"));
    EXPECT_EQ(textfile::decode(bytes), text);
    // Capital letters with tonos, final sigma and dialytika survive as well.
    const QString more = QStringLiteral("ΆΈΉΊΌΎΏ ςϊϋΐΰ ΑΩαω");
    EXPECT_EQ(textfile::decode(textfile::encode(more)), more);
    EXPECT_EQ(textfile::encode(more).size(), more.size()); // one byte per letter
}

TEST(TextFile, WritesEveryLineWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.tru"));
    textfile::writeLines(path, {QStringLiteral("ΣΤΗΛΗ 1"), QString(), QStringLiteral("0,50 €")});
    EXPECT_EQ(test::readAll(path), QByteArray("\xd3\xd4\xc7\xcb\xc7 1\r\n\r\n0,50 \x80\r\n"));
    EXPECT_EQ(textfile::readLines(path), QStringList({QStringLiteral("ΣΤΗΛΗ 1"), QString(), QStringLiteral("0,50 €")}));
}

TEST(TextFile, SplitsOnCrLfLoneLfAndLoneCr)
{
    struct Case {
        const char *text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb\n", {"a", "b"}}, // a lone CR ends a line too
        {"a\r\rb", {"a", "", "b"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(textfile::splitLines(QString::fromLatin1(c.text)), c.lines) << c.text;
}

TEST(TextFile, ReadsAFileWithLoneLineFeeds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.txt"));
    ASSERT_TRUE(test::writeAll(path, QByteArray("\xc1\xc2\n1 2 3\r\nend")));
    EXPECT_EQ(textfile::readLines(path), QStringList({QStringLiteral("ΑΒ"), QStringLiteral("1 2 3"), QStringLiteral("end")}));
}

TEST(TextFile, AnInterruptedWriteLeavesTheOldFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.tru"));
    const QByteArray old("old contents\r\n\xe1\xe2\r\n");
    ASSERT_TRUE(test::writeAll(path, old));

    EXPECT_THROW(textfile::writeAtomically(path,
                                           [](QIODevice &out) {
                                               out.write("half of the new file");
                                               throw FileError(QStringLiteral("disk full"));
                                           }),
                 FileError);
    EXPECT_EQ(test::readAll(path), old);
    // Nothing half-written is left lying beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("keep.tru")}));

    // A complete write does replace it.
    textfile::writeBytes(path, "new");
    EXPECT_EQ(test::readAll(path), QByteArray("new"));
}

TEST(TextFile, MissingOrUnwritableFilesRaiseFileError)
{
    QTemporaryDir dir;
    EXPECT_THROW(textfile::readLines(dir.filePath(QStringLiteral("none.tru"))), FileError);
    EXPECT_THROW(textfile::writeLines(dir.filePath(QStringLiteral("no/such/folder/x.tru")), {QStringLiteral("x")}),
                 FileError);
}

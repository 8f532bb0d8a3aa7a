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

TEST(TextFile, EveryByteSurvivesAReadAndAWrite)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(textfile::encode(textfile::decode(all)), all);
    // The bytes the code page leaves undefined are kept as private-use characters, never as a
    // replacement character that would come back as 0x1A or "?".
    for (const unsigned char b : {0x81, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F,
                                  0xAA, 0xD2, 0xFF}) {
        const QString text = textfile::decode(QByteArray(1, static_cast<char>(b)));
        EXPECT_EQ(text.at(0).unicode(), 0xF000 + b) << int(b);
    }
    // A character the code page does not hold is written as "?".
    EXPECT_EQ(textfile::encode(QStringLiteral("ж")), QByteArray("?"));
}

TEST(LineReader, LineEndsOfAnyEditorAndALineAcrossTheReadBuffer)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringList lines;
    };
    // A CR LF split between two reads of the file still ends one line.
    const QByteArray longLine(64 * 1024 - 1, 'a');
    const Case cases[] = {
        {"empty", "", {}},
        {"no final end", "a\r\nb", {"a", "b"}},
        {"lone LF and lone CR", "a\nb\rc\r\n", {"a", "b", "c"}},
        {"empty lines", "\r\r\n\n", {"", "", ""}},
        {"CR LF across reads", longLine + "\r\nz", {QString::fromLatin1(longLine), "z"}},
        {"lone CR at a read's end", longLine + "\rz", {QString::fromLatin1(longLine), "z"}},
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("lines.txt"));
        ASSERT_TRUE(test::writeAll(path, c.bytes));
        textfile::LineReader reader(path);
        ASSERT_TRUE(reader.isOpen()) << c.name;
        QStringList lines;
        while (const std::optional<QString> line = reader.next())
            lines << *line;
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_FALSE(reader.failed() || reader.lineTooLong()) << c.name;
        EXPECT_EQ(reader.lineNumber(), c.lines.size()) << c.name;
    }
}

TEST(LineReader, ALineOverTheLimitEndsTheReadWithoutReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    ASSERT_TRUE(test::writeAll(path, "short\r\n" + QByteArray(300 * 1024, '7') + "\r\nafter\r\n"));
    textfile::LineReader reader(path, 100 * 1024);
    EXPECT_EQ(reader.next(), QStringLiteral("short"));
    EXPECT_FALSE(reader.next());
    EXPECT_TRUE(reader.lineTooLong());
    EXPECT_EQ(reader.errorString(), QStringLiteral("Line 2 of \"%1\" is longer than 102400 bytes").arg(path));
    EXPECT_FALSE(reader.next()); // and stays ended
}

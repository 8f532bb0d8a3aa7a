#include "base/Errors.h"
#include "base/TextFile.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

TEST(TextFile, GreekAndEuroRoundTripThroughWindows1253)
{
    const QString text = QStringLiteral("Καλημέρα €");
    const QByteArray bytes = textfile::encode(text);
    EXPECT_EQ(bytes, QByteArray::fromHex("cae1ebe7ecddf1e12080"));
    EXPECT_EQ(textfile::decode(bytes), text);
    // Every other letter of the code page comes back through EveryByteSurvivesAReadAndAWrite.
}

// Lines written with CR LF in the Greek code page and read back: ConditionsFile.ExactBytesAndRoundTrip,
// the one caller.
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

// A write cut short leaves the old file byte for byte and nothing beside it: FileSafety, through
// every writer.
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

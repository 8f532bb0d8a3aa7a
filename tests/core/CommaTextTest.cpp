#include "base/CommaText.h"
#include "base/TextFile.h"

#include <gtest/gtest.h>

using taru::data::SplitCommaText;

namespace {
QStringList splitBytes(const QByteArray &bytes)
{
    QStringList items;
    taru::data::ForEachCommaItem(bytes.constData(), bytes.size(), [&](qsizetype start, qsizetype end, bool quoted) {
        const QString item = taru::textfile::decode(bytes.mid(start, end - start));
        items << (quoted ? taru::data::UnquoteCommaItem(item) : item);
        return true;
    });
    return items;
}
} // namespace

TEST(CommaText, SplitsLikeTheListReaders)
{
    struct Case { const char *text; QStringList items; };
    const Case cases[] = {
        {"1,2,3", {"1", "2", "3"}},
        {"1, 2", {"1", "2"}},
        {"1 ,2", {"1", "2"}},
        {"1 2", {"1", "2"}},
        {"1\t2", {"1", "2"}},
        {" 1", {"1"}},
        {"1,", {"1"}},          // a trailing separator adds nothing
        {"1,,2", {"1", "", "2"}}, // an empty item between two separators counts
        {"1, ,2", {"1", "", "2"}},
        {"1,,", {"1", ""}},
        {",", {""}},
        {",1", {"", "1"}},
        {"", {}},
        {"   ", {}},
        {"\"a b\",c", {"a b", "c"}},
        {"\"a,b\" c", {"a,b", "c"}},
        {"\"x\"\"y\"", {"x\"y"}},
        {"\"\",1", {"", "1"}},
        {"\"a\"b", {"a", "b"}},
        {"\"a,b", {"a,b"}}, // an unclosed quote takes the rest
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SplitCommaText(QString::fromUtf8(c.text)), c.items) << "text: [" << c.text << "]";
        // The file readers split the bytes themselves, by the same rules.
        EXPECT_EQ(splitBytes(c.text), c.items) << "bytes: [" << c.text << "]";
    }
}

TEST(CommaText, GreekItemsPassThrough)
{
    EXPECT_EQ(SplitCommaText(QStringLiteral("Δευτέρα,\"Τρίτη 5\"")), (QStringList{"Δευτέρα", "Τρίτη 5"}));
    // Bytes above 0x7F are never separators, whatever they decode to.
    EXPECT_EQ(splitBytes("\xC4\xE5\xF5,\xA0\x81 x"), (QStringList{"Δευ", QString(QChar(0xA0)) + QChar(0xF081), "x"}));
}

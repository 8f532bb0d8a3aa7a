#include "base/CommaText.h"

#include <gtest/gtest.h>

using taru::data::SplitCommaText;

TEST(CommaText, SplitsLikeTheListReaders)
{
    struct Case {
        const char *text;
        QStringList items;
    };
    const Case cases[] = {
        {"1,2,3", {"1", "2", "3"}},
        {"1, 2", {"1", "2"}},
        {"1 ,2", {"1", "2"}},
        {"1 2", {"1", "2"}},
        {"1\t2", {"1", "2"}},
        {" 1", {"1"}},
        {"1,", {"1"}},          // a trailing separator adds nothing
        {"1 , ", {"1"}},
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
        {"1,2,3,4,5,", {"1", "2", "3", "4", "5"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SplitCommaText(QString::fromUtf8(c.text)), c.items) << "text: [" << c.text << "]";
}

TEST(CommaText, GreekItemsPassThrough)
{
    EXPECT_EQ(SplitCommaText(QStringLiteral("Δευτέρα,\"Τρίτη 5\"")), (QStringList{"Δευτέρα", "Τρίτη 5"}));
}

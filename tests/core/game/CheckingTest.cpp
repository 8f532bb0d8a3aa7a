#include "game/Checking.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

using namespace taru;

namespace {
WinningPlaces draw(std::initializer_list<int> numbers)
{
    WinningPlaces places;
    places.fill(QStringLiteral("-"));
    int i = 0;
    for (int n : numbers)
        places[static_cast<size_t>(i++)] = QString::number(n);
    return places;
}
const WinningPlaces kDraw = draw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});

// Each category as "hits:count:coupons".
QStringList categoriesOf(const CheckResult &result)
{
    QStringList list;
    for (const auto &category : result.categories)
        list << QStringLiteral("%1:%2:%3").arg(category.hits).arg(category.count).arg(category.coupons.text());
    return list;
}
} // namespace

// Game 5: six categories with the coupons of each, cli.check_draw and cli.check_draws_row.
TEST(Checking, CaptionAndWinningColumnText)
{
    const CheckResult r = CheckColumns({{1, 30, 40, 50, 60}, {20, 31, 32, 33, 34}}, 5, kDraw);
    EXPECT_EQ(r.caption, QStringLiteral("ΠΑΙΧΝΙΔΙ 5 ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"));
    EXPECT_EQ(categoriesOf(r)[4], "1:2:1,2");
    EXPECT_EQ(r.winningText, QStringLiteral("1 / 2 / 3 / 4 / 5 / 6 / 7 / 8 / 9 / 10 / 11 / 12 / 13 / 14 / 15 / 16 / 17 / "
                                            "18 / 19 / 20"));
}

TEST(Checking, GameBoundaries)
{
    EXPECT_EQ(categoriesOf(CheckColumns({{80}, {20}}, 1, kDraw)), (QStringList{"1:1:2", "0:1:1"}));
    const QStringList twelve = categoriesOf(CheckColumns({}, 12, kDraw));
    ASSERT_EQ(twelve.size(), 13);
    EXPECT_EQ(twelve.first() + " " + twelve.last(), "12:0: 0:0:");
    EXPECT_THROW(CheckColumns({{1, 2}}, 1, kDraw), RangeError);
}

TEST(Checking, CouponListsStayShortWhateverTheirLength)
{
    const auto runs = [](std::initializer_list<std::pair<int, int>> ranges) {
        CouponRuns list;
        for (const auto &[first, last] : ranges)
            list.add(first, last);
        return list;
    };
    struct Case {
        CouponRuns list;
        int maxItems;
        const char *text;
    };
    const Case cases[] = {
        {runs({{1, 3}, {5, 5}}), -1, "1,2,3,5"},             // short: every number, as always
        {runs({{1, 300}}), -1, nullptr},                     // 300 numbers: still listed one by one
        {runs({{1, 1}, {3, 4}, {6, 20000000}}), -1, "1,3,4,6-20000000"},
        {runs({{1, 2}, {3, 2000000000}}), -1, "1-2000000000"}, // adjoining runs join
        {runs({{1, 1}, {3, 3}, {5, 400}}), 2, "1,3,…"},
        {runs({{2, 4}}), 2, "2,3,…"},
    };
    for (const Case &c : cases) {
        const QString text = c.list.text(c.maxItems);
        if (c.text)
            EXPECT_EQ(text, QString::fromUtf8(c.text));
        else
            EXPECT_EQ(text.count(QLatin1Char(',')), 299);
    }
    EXPECT_EQ(runs({{1, 2}, {3, 2000000000}}).count(), 2000000000);
    EXPECT_EQ(runs({{1, 2}, {3, 2000000000}}).runs().size(), 1u);
}

// Coupons announced past the file's lines join the zero category as one run: cli.safety_check_announced.
TEST(Checking, Refusals)
{
    const auto none = CheckingRefusal(0, draw({}));
    ASSERT_TRUE(none);
    EXPECT_EQ(QStringList({none->text, none->caption}), QStringList({"Δεν υπάρχουν δελτία για διαλογή!", "Σφάλμα"}));
    WinningPlaces partial = kDraw;
    partial[19] = QStringLiteral("-");
    const auto unfilled = CheckingRefusal(3, partial);
    ASSERT_TRUE(unfilled);
    EXPECT_EQ(QStringList({unfilled->text, unfilled->caption}), QStringList({"Παρακαλώ συμπληρώστε τη νικήτρια στήλη", "Ενημέρωση"}));
    EXPECT_FALSE(CheckingRefusal(1, kDraw));
}

TEST(Checking, PickingAPlaceRefusesDuplicates)
{
    WinningPlaces places = draw({});
    places[2] = QStringLiteral("42");
    EXPECT_TRUE(IsDuplicatePlace(places, QStringLiteral("42")));
    EXPECT_FALSE(SetWinningPlace(places, 14, QStringLiteral("42")));
    EXPECT_EQ(places[14], QStringLiteral("-"));
    // "-" while another place is still "-" is the same text: refused too.
    places[14] = QStringLiteral("7");
    EXPECT_FALSE(SetWinningPlace(places, 14, QStringLiteral("-")));
    EXPECT_EQ(places[14], QStringLiteral("7"));
    EXPECT_TRUE(SetWinningPlace(places, 14, QStringLiteral(" 8 ")));
    EXPECT_EQ(places[14], QStringLiteral("8"));
    EXPECT_FALSE(SetWinningPlace(places, 14, QStringLiteral("  ")));
    EXPECT_EQ(places[14], QStringLiteral("8"));
}

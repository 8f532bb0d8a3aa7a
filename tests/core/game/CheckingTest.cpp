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
} // namespace

TEST(Checking, GameFiveGivesSixCategoriesAndTheLists)
{
    const std::vector<std::vector<int>> columns{
        {1, 2, 3, 4, 5},      // 5 hits
        {21, 22, 23, 24, 25}, // none
        {1, 30, 40, 50, 60},  // 1
        {1, 2, 3, 70, 71},    // 3
        {6, 7, 72, 73, 74},   // 2
        {75, 76, 77, 78, 79}, // none
        {16, 17, 18, 19, 80}, // 4
        {20, 31, 32, 33, 34}, // 1
        {10, 11, 12, 35, 36}, // 3
    };
    const CheckResult r = CheckColumns(columns, 5, kDraw);
    EXPECT_EQ(r.caption, QStringLiteral("ΠΑΙΧΝΙΔΙ 5 ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"));
    ASSERT_EQ(r.categories.size(), 6);
    const struct { int hits, count; const char *list; } expected[] = {
        {5, 1, "1"}, {4, 1, "7"}, {3, 2, "4,9"}, {2, 1, "5"}, {1, 2, "3,8"}, {0, 2, "2,6"},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.categories[i].hits, expected[i].hits);
        EXPECT_EQ(r.categories[i].count, expected[i].count) << expected[i].hits;
        EXPECT_EQ(r.categories[i].coupons, QString::fromLatin1(expected[i].list)) << expected[i].hits;
    }
    EXPECT_EQ(r.winningText, QStringLiteral("1 / 2 / 3 / 4 / 5 / 6 / 7 / 8 / 9 / 10 / 11 / 12 / 13 / 14 / 15 / 16 / 17 / "
                                            "18 / 19 / 20"));
}

TEST(Checking, GameBoundaries)
{
    const CheckResult one = CheckColumns({{80}, {20}}, 1, kDraw);
    ASSERT_EQ(one.categories.size(), 2);
    EXPECT_EQ(one.categories[0].coupons, QStringLiteral("2"));
    EXPECT_EQ(one.categories[1].coupons, QStringLiteral("1"));
    const CheckResult twelve = CheckColumns({}, 12, kDraw);
    ASSERT_EQ(twelve.categories.size(), 13);
    EXPECT_EQ(twelve.categories.first().hits, 12);
    EXPECT_EQ(twelve.categories.last().hits, 0);
    EXPECT_EQ(twelve.categories.last().count, 0);
    EXPECT_THROW(CheckColumns({{1, 2}}, 1, kDraw), RangeError);
}

TEST(Checking, Refusals)
{
    const auto none = CheckingRefusal(0, draw({}));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->text, QStringLiteral("Δεν υπάρχουν δελτία για διαλογή!"));
    EXPECT_EQ(none->caption, QStringLiteral("Σφάλμα"));
    WinningPlaces partial = kDraw;
    partial[19] = QStringLiteral("-");
    const auto unfilled = CheckingRefusal(3, partial);
    ASSERT_TRUE(unfilled);
    EXPECT_EQ(unfilled->text, QStringLiteral("Παρακαλώ συμπληρώστε τη νικήτρια στήλη"));
    EXPECT_EQ(unfilled->caption, QStringLiteral("Ενημέρωση"));
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

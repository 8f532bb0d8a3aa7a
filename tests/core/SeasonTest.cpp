#include "base/Season.h"

#include <gtest/gtest.h>

using namespace taru;

TEST(Season, PictureShownFromJustAfterThirteenthDecemberToTheEndOfTheYear)
{
    struct Case { QDate date; QTime time; bool shown; };
    const Case cases[] = {
        {{2026, 12, 12}, {23, 59}, false},
        {{2026, 12, 13}, {0, 0}, false}, // exactly 12 days before
        {{2026, 12, 13}, {0, 1}, true},
        {{2026, 12, 31}, {23, 59, 59}, true},
        {{2027, 1, 1}, {0, 0}, false}, // measured against the coming Christmas
        {{2024, 12, 20}, {8, 0}, true}, // leap year
        {{2026, 7, 1}, {12, 0}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsSeasonalPictureShown(QDateTime(c.date, c.time)), c.shown) << c.date.toString(Qt::ISODate).toStdString() << " "
                                                                           << c.time.toString().toStdString();
}

#include "print/CouponSlips.h"

#include <gtest/gtest.h>

using namespace taru;

// Every coupon of a file as batch printing marks it (game box, multipliers, draws box, value
// line, an announced empty coupon): cli.print_positions and cli.print_pdf.
TEST(CouponSlips, ANumberOutsideTheBoardStopsTheJob)
{
    const data::CouponFileData file = data::ParseCouponFile(QByteArray("1\r\n2\r\n\r\n0\r\n0\r\n0,81\r\n"), QStringLiteral("t.tru"));
    ASSERT_TRUE(file.valid) << file.error.toStdString();
    EXPECT_THROW(ParseSlipMarks(CouponFileSlipMarks(file, 0)), RangeError);
}

TEST(CouponSlips, ARangeOfAFileThatAnnouncesMillions)
{
    const data::CouponFileData file =
        data::ParseCouponFile(QByteArray("20000000\r\n2\r\n\r\n0\r\n0\r\n5,6\r\n"), QStringLiteral("t.tru"));
    ASSERT_TRUE(file.valid);
    const SlipJobSource all = CouponFileSlipSource(file, 0.5, 1, file.count);
    EXPECT_EQ(all.count, 20000000);
    EXPECT_EQ(all.job(0).marks.numbers, QStringLiteral("5,6"));
    EXPECT_EQ(all.job(19999999).marks.numbers, QString());
    EXPECT_EQ(all.job(19999999).valueLine.couponNumber, 20000000);
    const SlipJobSource tail = CouponFileSlipSource(file, 0.5, 19999999, 30000000);
    EXPECT_EQ(tail.count, 2);
    EXPECT_EQ(tail.job(0).valueLine.couponNumber, 19999999);
}

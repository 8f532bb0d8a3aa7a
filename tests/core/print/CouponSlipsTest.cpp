#include "print/CouponSlips.h"

#include <gtest/gtest.h>

using namespace taru;

TEST(CouponSlips, EveryCouponOfAFileAsBatchPrintingMarksIt)
{
    const data::CouponFileData file =
        data::ParseCouponFile(QByteArray("3\r\n5\r\n1,3\r\n2\r\n0\r\n3,17,25,60,77\r\n 1 , 2 ,A,4,5\r\n"), QStringLiteral("t.tru"));
    ASSERT_TRUE(file.valid) << file.error.toStdString();
    const SlipJobSource source = CouponFileSlipSource(file, 30.0, 1, file.count);
    ASSERT_EQ(source.count, 3); // the third coupon is announced but empty
    QList<SlipJob> jobs;
    for (int i = 0; i < source.count; ++i)
        jobs.append(source.job(i));
    EXPECT_EQ(jobs[0].marks, (SlipMarks{"8", "1,3", false, "3,17,25,60,77", 2, 0}));
    EXPECT_EQ(jobs[1].marks.numbers, QStringLiteral("1,2,4,5"));
    EXPECT_EQ(jobs[2].marks.numbers, QString());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(jobs[i].valueLine.kind, ValueLine::Kind::CouponNumber);
        EXPECT_EQ(jobs[i].valueLine.couponNumber, i + 1);
        EXPECT_EQ(jobs[i].valueLine.value, 30.0);
        EXPECT_NO_THROW(ParseSlipMarks(jobs[i].marks));
    }
}

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

#include <gtest/gtest.h>

#include "ClockTexts.h"
#include "PlaybackTables.h"

TEST(PlaybackTables, FormatMinSec)
{
    EXPECT_EQ(PlaybackTables::FormatMinSec(65), QStringLiteral("1 :0 5"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(754), QStringLiteral("12 : 34"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(0), QStringLiteral("0 :0 0"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(9), QStringLiteral("0 :0 9"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(60), QStringLiteral("1 :0 0"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(600), QStringLiteral("10 :0 0"));
    EXPECT_EQ(PlaybackTables::FormatMinSec(-1), QStringLiteral("0 :0 0"));
}

TEST(PlaybackTables, RoundingGoesToTheEvenNeighbour)
{
    EXPECT_EQ(PlaybackTables::roundHalfEven(2.5), 2);
    EXPECT_EQ(PlaybackTables::roundHalfEven(3.5), 4);
    EXPECT_EQ(PlaybackTables::roundHalfEven(-0.5), 0);
    EXPECT_EQ(PlaybackTables::roundHalfEven(2.51), 3);
    EXPECT_EQ(PlaybackTables::roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PlaybackTables, VolumeAndSpeedTables)
{
    EXPECT_EQ(PlaybackTables::volumeFor(0), -6000);
    EXPECT_EQ(PlaybackTables::volumeFor(1), -3150);
    EXPECT_EQ(PlaybackTables::volumeFor(5), -1750);
    EXPECT_EQ(PlaybackTables::volumeFor(10), 0);
    EXPECT_EQ(PlaybackTables::volumeTip(0), QStringLiteral("Volume: 0%"));
    EXPECT_EQ(PlaybackTables::volumeTip(10), QStringLiteral("Volume: 100%"));
    EXPECT_DOUBLE_EQ(PlaybackTables::rateFor(0), 0.75);
    EXPECT_DOUBLE_EQ(PlaybackTables::rateFor(7), 1.10);
    EXPECT_DOUBLE_EQ(PlaybackTables::rateFor(10), 1.25);
    EXPECT_EQ(PlaybackTables::speedTip(0), QStringLiteral("Speed: 75%"));
    EXPECT_EQ(PlaybackTables::speedTip(5), QStringLiteral("Speed: 100%"));
}

TEST(PlaybackTables, Megabytes)
{
    EXPECT_EQ(PlaybackTables::megabytes(1048576), QStringLiteral("1.00MB"));
    EXPECT_EQ(PlaybackTables::megabytes(0), QStringLiteral("0.00MB"));
    EXPECT_EQ(PlaybackTables::megabytes(3 * 1048576 + 524288), QStringLiteral("3.50MB"));
}

TEST(ClockTexts, DatePattern)
{
    const QString text = ClockTexts::dateText(QDate(2026, 3, 7));
    EXPECT_TRUE(text.contains(QStringLiteral(" , 07 "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" , 2026 "))) << text.toStdString();
}

#include <gtest/gtest.h>

#include "EncoderRunTexts.h"

TEST(EncoderRunTexts, StatusLinesTimesSizeAndProgress)
{
    EXPECT_EQ(EncoderRunTexts::Ripping(7, QStringLiteral("/tmp/tavro-rip-x.wav")),
              QStringLiteral("Ripping track 7  to /tmp/tavro-rip-x.wav..."));
    EXPECT_EQ(EncoderRunTexts::WavReady(12),
              QStringLiteral("Temporary wave file has been generated for track 12"));

    EXPECT_EQ(EncoderRunTexts::StartTime(QTime(9, 5, 3)), QStringLiteral(" 09 : 05 : 03 "));
    EXPECT_EQ(EncoderRunTexts::EndTime(QTime(23, 59, 0)), QStringLiteral("23:59:00"));
    EXPECT_EQ(EncoderRunTexts::Elapsed(187), QStringLiteral(" 00 : 03 : 07 "));
    EXPECT_EQ(EncoderRunTexts::Elapsed(25 * 3600 + 61), QStringLiteral(" 25 : 01 : 01 "));
    EXPECT_EQ(EncoderRunTexts::Elapsed(-5), QStringLiteral(" 00 : 00 : 00 "));

    EXPECT_EQ(EncoderRunTexts::NewSize(0), QStringLiteral("New mp3 File Size  :  0.00MB"));
    EXPECT_EQ(EncoderRunTexts::NewSize(3690988), QStringLiteral("New mp3 File Size  :  3.52MB"));
    EXPECT_EQ(EncoderRunTexts::NewSize(1048576LL * 1500),
              QStringLiteral("New mp3 File Size  :  1500.00MB"));

    EXPECT_EQ(EncoderRunTexts::EncodingProgress(0, 2000),
              QStringLiteral(" Encoding process is 0.0 %  completed "));
    EXPECT_EQ(EncoderRunTexts::EncodingProgress(2, 3),
              QStringLiteral(" Encoding process is 66.7 %  completed "));
    EXPECT_EQ(EncoderRunTexts::EncodingProgress(2000, 2000),
              QStringLiteral(" Encoding process is 100.0 %  completed "));
    EXPECT_EQ(EncoderRunTexts::EncodingProgress(0, 0),
              QStringLiteral(" Encoding process is 100.0 %  completed "));
}

#include <csignal>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTemporaryDir>

#include "ExpectRaised.h"
#include "LittleEndian.h"
#include "TestMedia.h"
#include "WavWriter.h"

namespace {
QByteArray header(quint32 riffSize, quint32 dataSize)
{
    return "RIFF" + le(riffSize, 4) + "WAVEfmt " + le(18, 4) + le(1, 2) + le(2, 2) + le(44100, 4) +
           le(176400, 4) + le(4, 2) + le(16, 2) + le(0, 2) + "data" + le(dataSize, 4);
}

QByteArray pattern(int bytes)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char(i * 37 + 11);
    return data;
}

} // namespace

TEST(WavWriterTest, WritesTheExactHeaderAndFixesSizesOnClose)
{
    QTemporaryDir dir;
    const QString sector = dir.filePath(QStringLiteral("sector.wav"));
    const QString empty = dir.filePath(QStringLiteral("empty.wav"));
    const QString odd = dir.filePath(QStringLiteral("odd.wav"));
    const QByteArray data = pattern(2352);
    WavWriter writer;
    ASSERT_TRUE(writer.OpenFile(sector));
    EXPECT_EQ(writer.WriteWavData(data.constData(), 1000), 1000);
    EXPECT_EQ(writer.WriteWavData(data.constData() + 1000, 1352), 1352);
    // Opening the next file finishes this one first.
    ASSERT_TRUE(writer.OpenFile(empty));
    writer.CloseFile();
    ASSERT_TRUE(writer.OpenFile(odd));
    writer.WriteWavData("abc", 3);
    writer.CloseFile();
    writer.CloseFile(); // nothing open: nothing happens

    EXPECT_EQ(TestMedia::readFile(sector), header(2390, 2352) + data);
    EXPECT_EQ(TestMedia::readFile(empty), header(38, 0));
    // The pad byte is in the RIFF size but not in the data size.
    EXPECT_EQ(TestMedia::readFile(odd), header(42, 3) + "abc" + QByteArray(1, '\0'));

    QByteArray soxInfo;
    ASSERT_EQ(TestMedia::run(QStringLiteral("soxi"), {QStringLiteral("-s"), sector}, &soxInfo), 0);
    EXPECT_EQ(soxInfo.trimmed(), "588"); // another reader agrees: 2352 bytes of stereo frames
}

TEST(WavWriterTest, RaisesItsNumberedErrors)
{
    WavWriter writer;
    expectRaised([&] { writer.WriteWavData("abcd", 4); }, 29605, "tavro.WriteWavData",
                 "WAV file not open.");
    expectRaised([&] { writer.OpenFile(QStringLiteral("/nonexistent-folder/x.wav")); }, 29603,
                 "tavro.OpenFile", "Unable to open file for writing.");
    expectRaised([&] { writer.OpenFile(QString()); }, 29603, "tavro.OpenFile",
                 "Unable to open file for writing.");

    expectRaised([&] { writer.OpenFile(QStringLiteral("/dev/full")); }, 29604,
                 "tavro.WriteWaveFormatHeader", "Unable to write the WAV file header.");
    expectRaised([&] { writer.WriteWavData("abcd", 4); }, 29605, "tavro.WriteWavData",
                 "WAV file not open.");

    // A disk that fills up during the data: a file size limit stands in for it.
    QTemporaryDir dir;
    ASSERT_TRUE(writer.OpenFile(dir.filePath(QStringLiteral("full.wav"))));
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    limit.rlim_cur = 100000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const QByteArray big = pattern(1 << 20);
    expectRaised(
        [&] { writer.WriteWavData(big.constData(), big.size()); }, 29606, "tavro.WriteWavData",
        "Error writing data: bytes written does not match request, WAV file may not be usable.");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LittleEndian.h"
#include "TestMedia.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace {
// A chunk as RIFF lays it out: the size field may lie, odd bodies get a pad byte.
QByteArray chunk(const char *id, const QByteArray &body, qint64 statedSize = -1)
{
    const QByteArray pad(body.size() % 2, '\0');
    return id + le(quint32(statedSize < 0 ? body.size() : statedSize), 4) + body + pad;
}

QByteArray format(int channels, int bits, int rate = 44100, int chunkBytes = 16)
{
    const int align = channels * bits / 8;
    QByteArray body =
        le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2);
    return chunk("fmt ", body + QByteArray(chunkBytes - body.size(), '\0'));
}

QByteArray wave(const QByteArray &chunks, qint64 statedSize = -1)
{
    return "RIFF" + le(quint32(statedSize < 0 ? chunks.size() + 4 : statedSize), 4) + "WAVE" +
           chunks;
}

QByteArray samples(int bytes)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char(i * 13 + 5);
    return data;
}

class WavReaderTest : public ::testing::Test {
protected:
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        EXPECT_TRUE(TestMedia::writeFile(path, bytes));
        return path;
    }
    // Everything the reader hands out, buffer by buffer.
    static QByteArray readAll(WavReader &reader, QList<bool> *results = nullptr)
    {
        QByteArray all;
        for (bool more = true; more;) {
            more = reader.Read();
            if (results)
                *results << more;
            all += QByteArray(reinterpret_cast<const char *>(reader.ReadBufferPtr()),
                              int(reader.ReadSize() * 4));
        }
        return all;
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(WavReaderTest, ReadsTheWritersFilesBufferByBufferUpToTheEnd)
{
    const struct {
        int bytes;
        qint64 bufferFrames; // 0: the default of 32768
        QList<bool> results;
    } cases[] = {
        {10000, 1000, {true, true, false}},
        {131072, 0, {false}},       // the read that reaches the end takes all
        {131073, 0, {true, false}}, // a stray byte is no frame
        {131080, 0, {true, false}},
    };
    const QString path = m_dir.filePath(QStringLiteral("ripped.wav"));
    for (const auto &c : cases) {
        const QByteArray data = samples(c.bytes);
        {
            WavWriter writer;
            writer.OpenFile(path);
            writer.WriteWavData(data.constData(), data.size());
        }
        WavReader reader;
        reader.setReadBufferSize(0); // refused: a buffer holds a frame at least
        reader.setReadBufferSize(c.bufferFrames);
        reader.setFilename(path);
        reader.setReadBufferSize(10); // refused while open
        EXPECT_EQ(reader.Filename(), path);
        EXPECT_EQ(reader.SampleRate(), 44100u);
        EXPECT_EQ(reader.AudioLength(), c.bytes / 4);
        QList<bool> results;
        EXPECT_EQ(readAll(reader, &results), data.left(c.bytes / 4 * 4)) << c.bytes;
        EXPECT_EQ(results, c.results) << c.bytes;
        reader.CloseFile();
        EXPECT_FALSE(reader.Read());
    }
}

TEST_F(WavReaderTest, AcceptsAnyLayoutOfSixteenBitStereo)
{
    const QByteArray data = samples(7); // odd: padded, and the stray byte is no frame
    const QByteArray list = chunk("LIST", "abcde");
    const struct {
        const char *name;
        QByteArray bytes;
    } files[] = {
        {"fmt16.wav", wave(format(2, 16, 48000, 16) + chunk("data", data))},
        {"fmt18.wav", wave(format(2, 16, 48000, 18) + chunk("data", data))},
        {"fmt50.wav", wave(format(2, 16, 48000, 50) + chunk("data", data))},
        {"fmt60.wav", wave(format(2, 16, 48000, 60) + chunk("data", data))},
        {"odd-chunks.wav", wave(list + format(2, 16, 48000) + list + chunk("data", data) + list)},
        {"after-junk.wav", chunk("JUNK", "xyz") + wave(format(2, 16, 48000) + chunk("data", data))},
    };
    for (const auto &f : files) {
        WavReader reader;
        ASSERT_TRUE(reader.OpenFile(file(f.name, f.bytes))) << f.name;
        EXPECT_EQ(reader.SampleRate(), 48000u) << f.name;
        EXPECT_EQ(reader.AudioLength(), 1) << f.name;
        EXPECT_FALSE(reader.Read()) << f.name;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(reader.ReadBufferPtr()), 4),
                  data.left(4))
            << f.name;
    }
}

TEST_F(WavReaderTest, RefusesWhatItCannotReadAndKeepsTheEarlierName)
{
    const QString good = file("good.wav", wave(format(2, 16) + chunk("data", samples(8))));
    const QByteArray hostileFmt = "fmt " + le(0xFFFFFFF0u, 4) + format(2, 16).mid(8);
    const QList<QString> bad = {
        file("mono.wav", wave(format(1, 16) + chunk("data", samples(8)))),
        file("8bit.wav", wave(format(2, 8) + chunk("data", samples(8)))),
        file("nodata.wav", wave(format(2, 16))),
        file("nofmt.wav", wave(chunk("data", samples(8)))),
        file("data-first.wav", wave(chunk("data", samples(8)) + format(2, 16))),
        file("avi.wav", "RIFF" + le(12, 4) + "AVI " + format(2, 16).left(8)),
        file("short-fmt.wav", wave(format(2, 16)).left(30)),
        file("huge-fmt.wav", wave(hostileFmt + chunk("data", samples(8)))),
        file("huge-list.wav",
             wave(chunk("LIST", "ab", 0xFFFFFFFFLL) + format(2, 16) + chunk("data", samples(8)))),
        file("empty.wav", {}),
        file("text.wav", QByteArray("RIFF is not what this is\n").repeated(100)),
        m_dir.filePath(QStringLiteral("missing.wav")),
        QString(),
    };
    WavReader reader;
    reader.setFilename(good);
    for (const QString &path : bad) {
        reader.setFilename(path);
        EXPECT_EQ(reader.Filename(), good) << qPrintable(path);
        EXPECT_FALSE(reader.Read()) << qPrintable(path);
        EXPECT_EQ(reader.AudioLength(), 0) << qPrintable(path);
    }
}

TEST_F(WavReaderTest, DataSizesBeyondTheFileStopAtItsEnd)
{
    const QByteArray data = samples(100);
    WavReader reader;
    ASSERT_TRUE(reader.OpenFile(file(
        "streamed.wav", wave(format(2, 16) + chunk("data", data, 0xFFFFFFFFLL), 0xFFFFFFFFLL))));
    EXPECT_EQ(reader.AudioLength(), 25);
    EXPECT_EQ(readAll(reader), data);

    ASSERT_TRUE(reader.OpenFile(
        file("truncated.wav", wave(format(2, 16) + chunk("data", samples(4000))).left(1044))));
    EXPECT_EQ(reader.AudioLength(), 250);
    EXPECT_EQ(readAll(reader), samples(1000));

    // A writer that never closed its file leaves RIFF size 0 and data size 18.
    ASSERT_TRUE(reader.OpenFile(
        file("unfinished.wav", wave(format(2, 16) + chunk("data", samples(400), 18), 0))));
    EXPECT_EQ(reader.AudioLength(), 4);
}

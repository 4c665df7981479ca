#include <csignal>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "DecodedMp3.h"
#include "ExpectRaised.h"
#include "Mp3Writer.h"
#include "TestMedia.h"
#include "WavReader.h"
#include "WavToMp3Encoder.h"
#include "WavWriter.h"

// WAV files as WavWriter writes them and WavReader reads them, and the encoder from one to MP3.
namespace {
// value as the first `bytes` bytes of its little-endian form.
QByteArray le(quint32 value, int bytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}

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
    QString file(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("%1.wav").arg(++m_files));
        EXPECT_TRUE(TestMedia::writeFile(path, bytes));
        return path;
    }
    // Everything the reader hands out, buffer by buffer, and what each read returned.
    static QByteArray readAll(WavReader &reader, QList<bool> *results = nullptr)
    {
        QByteArray all;
        for (bool more = true; more;) {
            more = reader.Read();
            all.append(reinterpret_cast<const char *>(reader.ReadBufferPtr()),
                       reader.ReadSize() * 4);
            if (results)
                *results << more;
        }
        return all;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};
} // namespace

TEST_F(WavReaderTest, ReadsTheWritersFilesBufferByBufferUpToTheEnd)
{
    // Bytes, frames a buffer holds (0: the default of 32768) and what each read returns: true
    // only for a full buffer that leaves data behind.
    const QList<std::tuple<int, qint64, QList<bool>>> cases = {{10000, 1000, {true, true, false}},
                                                               {131072, 0, {false}},
                                                               {131073, 0, {true, false}},
                                                               {131080, 0, {true, false}}};
    const QString path = m_dir.filePath(QStringLiteral("ripped.wav"));
    for (const auto &[bytes, bufferFrames, expected] : cases) {
        const QByteArray data = samples(bytes);
        {
            WavWriter writer;
            writer.OpenFile(path);
            writer.WriteWavData(data.constData(), data.size());
        }
        WavReader reader;
        reader.setReadBufferSize(0); // refused: a buffer holds a frame at least
        reader.setReadBufferSize(bufferFrames);
        reader.setFilename(path);
        reader.setReadBufferSize(10); // refused while open
        EXPECT_EQ(reader.Filename(), path);
        EXPECT_EQ(reader.SampleRate(), 44100u);
        EXPECT_EQ(reader.AudioLength(), bytes / 4);
        QList<bool> results;
        EXPECT_EQ(readAll(reader, &results), data.left(bytes / 4 * 4)) << bytes;
        EXPECT_EQ(results, expected) << bytes;
        reader.CloseFile();
        EXPECT_FALSE(reader.Read());
    }
}

// Any layout of 16-bit stereo; sizes that claim more than the file holds stop at its end.
TEST_F(WavReaderTest, ReadsTheDataOfAnyLayoutAsFarAsTheFileHoldsIt)
{
    const QByteArray odd = samples(7); // padded, and the stray byte is no frame
    const QByteArray list = chunk("LIST", "abcde");
    const QByteArray fmt = format(2, 16, 48000);
    const QList<std::tuple<QByteArray, quint32, QByteArray>> cases = {
        {wave(format(2, 16, 48000, 18) + chunk("data", odd)), 48000, odd.left(4)},
        {wave(format(2, 16, 48000, 50) + chunk("data", odd)), 48000, odd.left(4)},
        {wave(format(2, 16, 48000, 60) + chunk("data", odd)), 48000, odd.left(4)},
        {wave(list + fmt + list + chunk("data", odd) + list), 48000, odd.left(4)},
        {chunk("JUNK", "xyz") + wave(fmt + chunk("data", odd)), 48000, odd.left(4)},
        {wave(format(2, 16) + chunk("data", samples(100), 0xFFFFFFFFLL), 0xFFFFFFFFLL), 44100,
         samples(100)},
        {wave(format(2, 16) + chunk("data", samples(4000))).left(1044), 44100, samples(1000)},
        // A writer that never closed its file leaves RIFF size 0 and data size 18.
        {wave(format(2, 16) + chunk("data", samples(400), 18), 0), 44100, samples(16)}};
    for (const auto &[bytes, rate, data] : cases) {
        WavReader reader;
        ASSERT_TRUE(reader.OpenFile(file(bytes))) << m_files;
        EXPECT_EQ(reader.SampleRate(), rate) << m_files;
        EXPECT_EQ(reader.AudioLength(), data.size() / 4) << m_files;
        EXPECT_EQ(readAll(reader), data) << m_files;
    }
}

TEST_F(WavReaderTest, RefusesWhatItCannotReadSaysWhatItIsAndKeepsTheEarlierName)
{
    const QString good = file(wave(format(2, 16) + chunk("data", samples(8))));
    const QByteArray hostileFmt = "fmt " + le(0xFFFFFFF0u, 4) + format(2, 16).mid(8);
    const QString noFormat = "a WAV file without a format chunk",
                  noData = "a WAV file without a data chunk", notWave = "not a RIFF/WAVE file",
                  unopened = "a file that cannot be opened";
    const QList<std::pair<QString, QString>> bad = {
        {file(wave(format(1, 16) + chunk("data", samples(8)))), "16-bit mono"},
        {file(wave(format(2, 8) + chunk("data", samples(8)))), "8-bit stereo"},
        {file(wave(format(6, 24) + chunk("data", samples(8)))), "24-bit 6 channels"},
        {file(wave(format(2, 16))), noData},
        {file(wave(chunk("data", samples(8)))), noFormat},
        {file(wave(chunk("data", samples(8)) + format(2, 16))), noData}, // data first
        {file("RIFF" + le(12, 4) + "AVI " + format(2, 16).left(8)), notWave},
        {file(wave(format(2, 16)).left(30)), noFormat},
        {file(wave(hostileFmt + chunk("data", samples(8)))), noFormat},
        {file(wave(chunk("LIST", "ab", 0xFFFFFFFFLL) + format(2, 16) + chunk("data", samples(8)))),
         noFormat},
        {file({}), notWave},
        {file(QByteArray("RIFF is not what this is\n").repeated(100)), notWave},
        {m_dir.filePath(QStringLiteral("missing.wav")), unopened},
        {QString(), unopened},
    };
    WavReader reader;
    reader.setFilename(good);
    EXPECT_EQ(reader.problem(), QString());
    for (const auto &[path, problem] : bad) {
        reader.setFilename(path);
        EXPECT_EQ(reader.Filename(), good) << qPrintable(path);
        EXPECT_EQ(reader.problem(), problem) << qPrintable(path);
        EXPECT_FALSE(reader.Read()) << qPrintable(path);
        EXPECT_EQ(reader.AudioLength(), 0) << qPrintable(path);
    }
}

TEST(WavWriterTest, WritesTheExactHeaderAndFixesSizesOnClose)
{
    QTemporaryDir dir;
    const QString sector = dir.filePath(QStringLiteral("sector.wav"));
    const QString empty = dir.filePath(QStringLiteral("empty.wav"));
    const QString odd = dir.filePath(QStringLiteral("odd.wav"));
    const QByteArray data = samples(2352);
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

    // An 18-byte format chunk; the pad byte is in the RIFF size but not in the data size.
    const QByteArray fmt = format(2, 16, 44100, 18);
    EXPECT_EQ(TestMedia::readFile(sector), wave(fmt + chunk("data", data)));
    EXPECT_EQ(TestMedia::readFile(empty), wave(fmt + chunk("data", {})));
    EXPECT_EQ(TestMedia::readFile(odd), wave(fmt + chunk("data", "abc")));

    QByteArray soxInfo;
    ASSERT_EQ(TestMedia::run(QStringLiteral("soxi"), {QStringLiteral("-s"), sector}, &soxInfo), 0);
    EXPECT_EQ(soxInfo.trimmed(), "588"); // another reader agrees: 2352 bytes of stereo frames
}

TEST(WavWriterTest, RaisesItsNumberedErrors)
{
    WavWriter writer;
    for (const QString &name : {QStringLiteral("/nonexistent-folder/x.wav"), QString()})
        expectRaised([&] { writer.OpenFile(name); }, 29603, "tavro.OpenFile",
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
    const QByteArray big = samples(1 << 20);
    expectRaised(
        [&] { writer.WriteWavData(big.constData(), big.size()); }, 29606, "tavro.WriteWavData",
        "Error writing data: bytes written does not match request, WAV file may not be usable.");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

namespace {
constexpr int kStandard = 6;
constexpr int kCbr = 12;

class WavToMp3EncoderTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString wav(const QString &name, double seconds, int rate = 44100, int channels = 2)
    {
        EXPECT_TRUE(TestMedia::makeWav(path(name), seconds, 1000, rate, channels));
        return path(name);
    }
    // Records every Progress event; cancels on event number cancelAt (1-based), if set.
    void watch(WavToMp3Encoder &encoder, int cancelAt = 0)
    {
        QObject::connect(&encoder, &WavToMp3Encoder::Progress,
                         [this, cancelAt](qint64 done, qint64 total, bool &cancel) {
                             events.append({done, total});
                             cancel = events.size() == cancelAt;
                         });
    }

    QTemporaryDir m_dir;
    QList<QPair<qint64, qint64>> events;
};
} // namespace

TEST_F(WavToMp3EncoderTest, TakesOnlyAnExistingWavAndANewMp3Name)
{
    WavToMp3Encoder encoder;
    const QString existing = wav("in.wav", 0.1);
    for (const QString &name : {existing, path("missing.wav"), m_dir.path()})
        encoder.setWavFile(name);
    EXPECT_EQ(encoder.WavFile(), existing);
    encoder.setMp3File(path("out.mp3"));
    encoder.setMp3File(existing);
    EXPECT_EQ(encoder.Mp3File(), path("out.mp3"));
}

// Decoded gapless (the tag frame holds delay and padding) to the input's exact length, with one
// Progress per chunk of 1152 frames (the last one partial) and one at the end.
TEST_F(WavToMp3EncoderTest, ToneSurvivesWithExactLengthRateAndTagFrame)
{
    const QList<std::tuple<int, double, int, const char *, int>> cases = {
        {kCbr, 5.0, 44100, "Info", 192}, // the tag frame's id follows 32 bytes of side info
        {kStandard, 5.0, 44100, "Xing", 192},
        {kCbr, 1.0, 48000, "Info", 42}, // the stream runs at the recording's own rate
        {kCbr, 0.01, 44100, "Info", 1}};
    for (const auto &[preset, seconds, rate, tag, chunks] : cases) {
        const QString out = path(QStringLiteral("%1-%2-%3.mp3").arg(preset).arg(seconds).arg(rate));
        WavToMp3Encoder encoder;
        encoder.setEncodingPreset(preset);
        encoder.setWavFile(wav(QStringLiteral("in.wav"), seconds, rate));
        encoder.setMp3File(out);
        events.clear();
        watch(encoder);
        encoder.Encode();
        EXPECT_EQ(TestMedia::readFile(out).mid(36, 4), QByteArray(tag)) << qPrintable(out);
        const DecodedMp3 decoded = DecodedMp3::decode(out);
        EXPECT_EQ(decoded.sampleRate, rate);
        const qint64 samples = qRound64(seconds * rate) * 2;
        EXPECT_EQ(decoded.frames * 2, samples) << qPrintable(out);
        if (chunks > 1) { // a one-chunk clip is too short to show its frequency
            EXPECT_NEAR(decoded.frequency(), 1000.0, 5.0) << qPrintable(out);
        }
        ASSERT_EQ(events.size(), chunks + 1) << qPrintable(out);
        EXPECT_EQ(events.first(), qMakePair(qMin<qint64>(2304, samples), samples));
        EXPECT_EQ(events.at(chunks - 1), qMakePair(samples, samples));
        EXPECT_EQ(events.last(), qMakePair(samples, samples));
    }
}

TEST_F(WavToMp3EncoderTest, CancelOnTheFirstEventDeletesTheFile)
{
    WavToMp3Encoder encoder;
    watch(encoder, 1);
    encoder.setWavFile(wav("tone.wav", 5.0));
    encoder.setMp3File(path("cancelled.mp3"));
    encoder.Encode();
    EXPECT_EQ(events, (QList<QPair<qint64, qint64>>{{2304, 441000}}));
    EXPECT_FALSE(QFile::exists(path("cancelled.mp3")));
}

TEST_F(WavToMp3EncoderTest, ErrorsCarryTheirNumbersAndSourcesAndOverwriteNothing)
{
    const QString stereo = wav("stereo.wav", 0.2);
    WavToMp3Encoder encoder;
    encoder.setWavFile(stereo);
    expectRaised([&] { encoder.Encode(); }, 29872, "tavro.lameConvert",
                 "Unable to open file for writing");
    // A file that appeared after the name was accepted is not overwritten.
    encoder.setMp3File(path("taken.mp3"));
    TestMedia::writeFile(path("taken.mp3"), "mine");
    expectRaised([&] { encoder.Encode(); }, 29872, "tavro.lameConvert",
                 "Unable to open file for writing");
    EXPECT_EQ(TestMedia::readFile(path("taken.mp3")), QByteArray("mine"));

    encoder.setMp3File(path("out.mp3"));
    encoder.setWavFile(wav("mono.wav", 0.2, 44100, 1));
    expectRaised([&] { encoder.Encode(); }, 29771, "tavro.lameConvert", "Invalid Format");
    EXPECT_FALSE(QFile::exists(path("out.mp3")));
    encoder.setWavFile(stereo);
    encoder.setEncodingPreset(99);
    expectRaised([&] { encoder.Encode(); }, 29772, "tavro.lameInit", "Invalid Format Parameters");
    encoder.setEncodingPreset(kStandard); // the same object runs again after failures
    encoder.Encode();
    EXPECT_EQ(DecodedMp3::decode(path("out.mp3")).frames, 8820);
}

TEST(Mp3Writer, RaisesItsNumberedErrors)
{
    Mp3Writer writer;
    expectRaised([&] { writer.setFilename(QString()); }, 29872, "tavro.OpenFile",
                 "Unable to open file for writing");
    expectRaised([&] { writer.WriteBufferToFile(8193); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
    expectRaised([&] { writer.WriteBufferToFile(10); }, 29874, "tavro.WriteBufferToFile",
                 "File not open for writing");
    expectRaised([&] { writer.setBufferSize(-1); }, 29871, "tavro.AllocateBuffer",
                 "Unable to allocate output buffer for writing");
    EXPECT_EQ(writer.BufferPointer(), nullptr);
    expectRaised([&] { writer.WriteBufferToFile(1); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
}

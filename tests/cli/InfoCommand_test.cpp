#include <cmath>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"
#include "TestMedia.h"

// tavro-cli info: the JSON contract checked field by field against the header rules, on real
// encoder output and on hostile files; the text blocks.
namespace {
QList<QJsonObject> jsonLines(const QByteArray &out)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        objects.append(doc.object());
    }
    return objects;
}

// What the play-time analyser must report for a Layer III file encoded by lame in joint stereo.
void expectAnalysed(const QJsonObject &t, int kbps, int rate, qint64 size)
{
    const int version = rate >= 32000 ? 3 : rate >= 16000 ? 2 : 0;
    if (size < 4096) {
        EXPECT_EQ(t[QStringLiteral("Bitrate")].toInt(), 0);
        EXPECT_FALSE(t[QStringLiteral("refresh")].toBool());
        return;
    }
    EXPECT_EQ(t[QStringLiteral("Version")].toInt(), version);
    EXPECT_EQ(t[QStringLiteral("VersionText")].toString(),
              QLatin1String(version == 3   ? "MPEG 1"
                            : version == 2 ? "MPEG 2"
                                           : "MPEG 2.5"));
    EXPECT_EQ(t[QStringLiteral("LayerText")].toString(), QStringLiteral("Layer III"));
    EXPECT_EQ(t[QStringLiteral("Bitrate")].toInt(), kbps * 1000);
    EXPECT_EQ(t[QStringLiteral("Frequency")].toInt(), rate);
    EXPECT_EQ(t[QStringLiteral("ChannelModeText")].toString(),
              QStringLiteral("Joint Stereo (Stereo)"));
    double f = kbps * 1000.0 / rate * 144;
    for (int halvings = version == 3 ? 0 : version == 2 ? 1 : 2; halvings > 0; --halvings)
        f = std::trunc(f) / 2;
    const int frameSize = int(f);
    const double perSecond = rate % 11025 == 0 ? 38.5 : rate % 12000 == 0 ? 32.5 : 27.8;
    const int frames = int(std::nearbyint(double(size) / frameSize));
    const int seconds = int(std::nearbyint(frames / perSecond));
    EXPECT_EQ(t[QStringLiteral("FrameSize")].toInt(), frameSize);
    EXPECT_EQ(t[QStringLiteral("Frames")].toInt(), frames);
    EXPECT_EQ(t[QStringLiteral("seconds")].toInt(), seconds);
    EXPECT_EQ(t[QStringLiteral("refresh")].toBool(), seconds != 0);
}

// What the file record must report: MPEG-1 files decoded from their first frame. It never sees
// the real frames of MPEG 2 and 2.5 files, only false syncs in their audio data, if any.
void expectRecord(const QJsonObject &r, int kbps, int rate, qint64 size)
{
    if (rate < 32000) {
        const bool valid = r[QStringLiteral("ValidHeader")].toString() == QLatin1String("True");
        if (r[QStringLiteral("ReadHeader")].toString().isEmpty()) {
            EXPECT_TRUE(valid);
        }
        EXPECT_EQ(r[QStringLiteral("PlayTime")].toDouble() == -1, !valid);
        return;
    }
    const int padding = r[QStringLiteral("Padding")].toString().toInt();
    const int frameLength = kbps * 144000 / rate + padding;
    const auto playTime = float(std::floor((size * 8.0 / kbps / 1000 + 0.05) * 100) / 100);
    EXPECT_EQ(r[QStringLiteral("ReadHeader")].toString(), QString());
    EXPECT_EQ(r[QStringLiteral("ValidHeader")].toString(), QStringLiteral("True"));
    EXPECT_EQ(r[QStringLiteral("MPEGVersion")].toString(), QStringLiteral("1.0"));
    EXPECT_EQ(r[QStringLiteral("Bitrate")].toString(), QString::number(kbps).leftJustified(3));
    EXPECT_EQ(r[QStringLiteral("SampleRate")].toString(), QString::number(rate));
    EXPECT_EQ(r[QStringLiteral("FrameLength")].toInt(), frameLength);
    EXPECT_EQ(r[QStringLiteral("TotalFrames")].toInt(), size / frameLength);
    EXPECT_EQ(float(r[QStringLiteral("PlayTime")].toDouble()), playTime);
    EXPECT_EQ(r[QStringLiteral("ChannelMode")].toString(), QStringLiteral("Joint Stereo"));
}
} // namespace

TEST(InfoCommandTest, EveryRateAndBitRateLameMakes)
{
    const QList<int> mpeg1 = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    const QList<int> mpeg2 = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    QTemporaryDir dir;
    QStringList files;
    QList<std::pair<int, int>> expected;
    for (const int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
        const QString wav = dir.filePath(QStringLiteral("%1.wav").arg(rate));
        ASSERT_TRUE(TestMedia::makeWav(wav, 2, 440, rate));
        const QList<int> &bitrates = rate >= 32000   ? mpeg1
                                     : rate >= 16000 ? mpeg2
                                                     : mpeg2.mid(0, 8);
        for (const int kbps : bitrates) {
            files << dir.filePath(QStringLiteral("%1-%2.mp3").arg(rate).arg(kbps));
            expected.append({kbps, rate});
            ASSERT_EQ(TestMedia::run(QStringLiteral("lame"),
                                     {QStringLiteral("--quiet"), QStringLiteral("-m"),
                                      QStringLiteral("j"), QStringLiteral("-b"),
                                      QString::number(kbps), QStringLiteral("--resample"),
                                      QString::number(rate / 1000.0), wav, files.last()}),
                      0);
        }
    }
    const CliRun run =
        CliRun::run(QStringList{QStringLiteral("info"), QStringLiteral("--json")} + files);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QJsonObject> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        const qint64 size = QFileInfo(files[i]).size();
        EXPECT_EQ(lines[i][QStringLiteral("file")].toString(), files[i]);
        expectRecord(lines[i][QStringLiteral("clsMP3")].toObject(), expected[i].first,
                     expected[i].second, size);
        expectAnalysed(lines[i][QStringLiteral("clsMP3time")].toObject(), expected[i].first,
                       expected[i].second, size);
        EXPECT_EQ(lines[i][QStringLiteral("clsMP3time")]
                      .toObject()[QStringLiteral("FileSize")]
                      .toInteger(),
                  size);
    }
}

TEST(InfoCommandTest, EncoderFlagsAndTagsReachTheirFields)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("t.wav"));
    ASSERT_TRUE(TestMedia::makeWav(wav, 2));
    const QString flagged = dir.filePath(QStringLiteral("flagged.mp3"));
    ASSERT_EQ(
        TestMedia::run(QStringLiteral("lame"),
                       {QStringLiteral("--quiet"), QStringLiteral("-p"), QStringLiteral("-m"),
                        QStringLiteral("m"), QStringLiteral("-e"), QStringLiteral("5"),
                        QStringLiteral("-c"), QStringLiteral("-o"), QStringLiteral("--id3v1-only"),
                        QStringLiteral("--tt"), QStringLiteral("Song"), QStringLiteral("--tg"),
                        QStringLiteral("Trance"), QStringLiteral("--tn"), QStringLiteral("7"), wav,
                        flagged}),
        0);
    const CliRun run = CliRun::run({QStringLiteral("info"), QStringLiteral("--json"), flagged});
    const QList<QJsonObject> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 1);
    const QJsonObject r = lines[0][QStringLiteral("clsMP3")].toObject();
    const QJsonObject t = lines[0][QStringLiteral("clsMP3time")].toObject();
    EXPECT_TRUE(r[QStringLiteral("CRCPresent")].toBool());
    EXPECT_FALSE(t[QStringLiteral("CRCProtected")].toBool());
    EXPECT_EQ(r[QStringLiteral("ChannelMode")].toString(), QStringLiteral("Mono        "));
    EXPECT_EQ(t[QStringLiteral("ChannelModeText")].toString(),
              QStringLiteral("Single Channel (Mono)"));
    EXPECT_EQ(r[QStringLiteral("Emphasis")].toString(), QStringLiteral("50/15 ms"));
    EXPECT_TRUE(r[QStringLiteral("Copyright")].toBool());
    EXPECT_FALSE(r[QStringLiteral("Original")].toBool());
    EXPECT_TRUE(r[QStringLiteral("TagPresent")].toBool());
    // lame pads with zero bytes; track 7 sits in the comment's last two bytes.
    EXPECT_EQ(r[QStringLiteral("title")].toString(),
              QStringLiteral("Song") + QString(26, QChar(0)));
    EXPECT_EQ(r[QStringLiteral("Comment")].toString(), QString(29, QChar(0)) + QChar(7));
    EXPECT_EQ(r[QStringLiteral("Genre")].toString(), QStringLiteral("Trance"));
    EXPECT_TRUE(run.out.contains("\\u0000"));
}

TEST(InfoCommandTest, HostileAndMissingFilesEachGetTheirLine)
{
    QTemporaryDir dir;
    QByteArray junk(1 << 20, '\0');
    QRandomGenerator random(42);
    random.fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
    const QStringList regular = {
        Mp3Bytes::write(dir.filePath(QStringLiteral("empty.mp3")), {}),
        Mp3Bytes::write(dir.filePath(QStringLiteral("127.mp3")), junk.left(127)),
        Mp3Bytes::write(dir.filePath(QStringLiteral("4095.mp3")),
                        Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 10).left(4095)),
        Mp3Bytes::write(dir.filePath(QStringLiteral("ff.mp3")), QByteArray(50000, '\xFF')),
        Mp3Bytes::write(dir.filePath(QStringLiteral("junk.mp3")), junk),
        Mp3Bytes::sparse(dir.filePath(QStringLiteral("2g.mp3")), {}, 2LL << 30),
    };
    const QString fifo = dir.filePath(QStringLiteral("fifo.mp3"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QStringList others = {fifo, dir.path(), dir.filePath(QStringLiteral("missing.mp3"))};

    const CliRun run = CliRun::run(QStringList{QStringLiteral("info"), QStringLiteral("--json")} +
                                   regular + others);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count('\n'), others.size());
    const QList<QJsonObject> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), regular.size() + others.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject r = lines[i][QStringLiteral("clsMP3")].toObject();
        const QJsonObject t = lines[i][QStringLiteral("clsMP3time")].toObject();
        EXPECT_EQ(r[QStringLiteral("ReadMP3Info")].toInt(0), i < regular.size() ? 0 : -1) << i;
        if (i == 4)
            continue; // random bytes: anything may be found there
        // The 4095-byte file holds frames, but too few bytes for the analyser's read.
        EXPECT_EQ(r[QStringLiteral("ReadHeader")].toString(), QLatin1String(i == 2 ? "" : "-2"))
            << i;
        EXPECT_EQ(r[QStringLiteral("ValidHeader")].toString(),
                  QLatin1String(i == 2 ? "True" : "False"));
        EXPECT_EQ(r[QStringLiteral("PlayTime")].toDouble(), i == 2 ? 0.3 : -1) << i;
        EXPECT_FALSE(t[QStringLiteral("refresh")].toBool()) << i;
    }
    EXPECT_EQ(
        lines[5][QStringLiteral("clsMP3time")].toObject()[QStringLiteral("FileSize")].toInteger(),
        2LL << 30);
}

TEST(InfoCommandTest, TextShowsTheInformationWindowsLines)
{
    QTemporaryDir dir;
    const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("my.song.mp3")),
                                         Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 20) +
                                             Mp3Bytes::tag("Song", "Band", 255));
    const CliRun run = CliRun::run({QStringLiteral("info"), file, file});
    EXPECT_EQ(run.exitCode, 0);
    const QByteArray block = "File Name : my.song\n"
                             "MPEG Mode : 1.0\n"
                             "Layer : 3\n"
                             "Protected : No\n"
                             "Bitrate : 128  Kb/s\n"
                             "Frequency : 44100  Hz\n"
                             "Padded : False\n"
                             "Private : False\n"
                             "Channel Mode : Joint Stereo\n"
                             "Ch. Mode Ext : 2\n"
                             "Copyright : NO\n"
                             "Original : YES\n"
                             "Emphasis : None\n"
                             "Title            Song\n"
                             "Artist          Band\n"
                             "Album        \n"
                             "Year            \n"
                             "Comments \n"
                             "Genre         Unknown\n"
                             "Valid Header   : YES\n";
    EXPECT_EQ(run.out, block + "\n" + block);

    const CliRun usage = CliRun::run({QStringLiteral("info")});
    EXPECT_EQ(usage.exitCode, 2);
}

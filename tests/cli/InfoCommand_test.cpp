#include <cmath>

#include <gtest/gtest.h>
#include <sys/stat.h>

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
// Each line of `out` as its "clsMP3" and "clsMP3time" objects.
QList<std::pair<QJsonObject, QJsonObject>> jsonLines(const QByteArray &out)
{
    QList<std::pair<QJsonObject, QJsonObject>> objects;
    for (const QByteArray &line : out.trimmed().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        EXPECT_FALSE(object.isEmpty()) << line.data();
        objects.append({object["clsMP3"].toObject(), object["clsMP3time"].toObject()});
    }
    return objects;
}

// What the play-time analyser must report for a Layer III file encoded by lame in joint stereo.
void expectAnalysed(const QJsonObject &t, int kbps, int rate, qint64 size)
{
    EXPECT_EQ(t["FileSize"].toInteger(), size);
    if (size < 4096) { // too short to analyse
        EXPECT_TRUE(t["Bitrate"] == 0 && t["refresh"] == false);
        return;
    }
    const int version = rate >= 32000 ? 3 : rate >= 16000 ? 2 : 0;
    double f = kbps * 1000.0 / rate * 144;
    for (int halvings = version == 3 ? 0 : version == 2 ? 1 : 2; halvings > 0; --halvings)
        f = std::trunc(f) / 2;
    const double perSecond = rate % 11025 == 0 ? 38.5 : rate % 12000 == 0 ? 32.5 : 27.8;
    const int frames = int(std::nearbyint(double(size) / int(f)));
    const int seconds = int(std::nearbyint(frames / perSecond));
    const char *const versionTexts[] = {"MPEG 2.5", "", "MPEG 2", "MPEG 1"};
    const std::pair<const char *, QJsonValue> fields[] = {
        {"Version", version},       {"VersionText", versionTexts[version]},
        {"LayerText", "Layer III"}, {"Bitrate", kbps * 1000},
        {"Frequency", rate},        {"ChannelModeText", "Joint Stereo (Stereo)"},
        {"FrameSize", int(f)},      {"Frames", frames},
        {"seconds", seconds},       {"refresh", seconds != 0}};
    for (const auto &[key, value] : fields)
        EXPECT_EQ(t[key], value) << key;
}

// What the file record must report: MPEG-1 files decoded from their first frame. It never sees
// the real frames of MPEG 2 and 2.5 files, only false syncs in their audio data, if any.
void expectRecord(const QJsonObject &r, int kbps, int rate, qint64 size)
{
    const bool valid = r["ValidHeader"] == "True";
    EXPECT_EQ(r["PlayTime"] == -1, !valid);
    if (rate < 32000) {
        EXPECT_TRUE(valid || !r["ReadHeader"].toString().isEmpty());
        return;
    }
    const int frameLength = kbps * 144000 / rate + r["Padding"].toString().toInt();
    const std::pair<const char *, QJsonValue> fields[] = {
        {"ReadHeader", ""},
        {"ValidHeader", "True"},
        {"MPEGVersion", "1.0"},
        {"Bitrate", QString::number(kbps).leftJustified(3)},
        {"SampleRate", QString::number(rate)},
        {"FrameLength", frameLength},
        {"TotalFrames", size / frameLength},
        {"PlayTime", std::floor((size * 8.0 / kbps / 1000 + 0.05) * 100) / 100},
        {"ChannelMode", "Joint Stereo"}};
    for (const auto &[key, value] : fields)
        EXPECT_EQ(r[key].toVariant().toString(), value.toVariant().toString()) << key;
}

// A two-second tone at `rate`, encoded by lame with `options`.
QString lame(const QTemporaryDir &dir, const QString &options, int rate = 44100)
{
    const QString wav = dir.filePath(QString::number(rate) + ".wav");
    const QString mp3 = dir.filePath(QString(options).remove(' ') + ".mp3");
    EXPECT_TRUE(QFile::exists(wav) || TestMedia::makeWav(wav, 2, 440, rate));
    EXPECT_EQ(
        TestMedia::run("lame", QStringList{"--quiet"} + options.split(' ') + QStringList{wav, mp3}),
        0);
    return mp3;
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
        for (const int kbps : rate >= 32000 ? mpeg1 : rate >= 16000 ? mpeg2 : mpeg2.mid(0, 8)) {
            files << lame(
                dir, QStringLiteral("-m j -b %1 --resample %2").arg(kbps).arg(rate / 1000.0), rate);
            expected.append({kbps, rate});
        }
    }
    const CliRun run = CliRun::run(QStringList{"info", "--json"} + files);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    const auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        const auto [kbps, rate] = expected[i];
        expectRecord(lines[i].first, kbps, rate, QFileInfo(files[i]).size());
        expectAnalysed(lines[i].second, kbps, rate, QFileInfo(files[i]).size());
    }
}

TEST(InfoCommandTest, JsonIsOneLineAFileByteForByte)
{
    QTemporaryDir dir;
    // CRC, 32 kbit/s at 48000 Hz, padding, private bit, mono, copyright, emphasis 3; a tag padded
    // with zero bytes (each text ends at the first), with quotes, a Windows-1252 letter and a
    // control character.
    const QString file = Mp3Bytes::write(
        dir.filePath("j.mp3"), Mp3Bytes::frames(0xFA, 0x17, 0xCB, 97, 50) +
                                   Mp3Bytes::tag("Song" + QByteArray(26, '\0'), "Caf\xE9 \"q\"", 31,
                                                 ' ', "1999", "a\x07", QByteArray(29, '\0') + 'x'));
    const QByteArray expected =
        "{\"file\":\"" + file.toUtf8() +
        "\",\"clsMP3\":{\"MPEGVersion\":\"1.0\",\"Layer\":\"3\",\"CRCPresent\":true,"
        "\"Bitrate\":\"32 \",\"SampleRate\":\"48000\",\"Padding\":\"1\",\"PrivateBit\":1,"
        "\"ChannelMode\":\"Mono        \",\"ModeExtension\":\"00\",\"Copyright\":true,"
        "\"Original\":false,\"Emphasis\":\"CCIT J.1\",\"FrameLength\":97,\"TotalFrames\":51,"
        "\"PlayTime\":1.29,\"ValidHeader\":\"True\",\"TagPresent\":true,\"title\":\"Song"
        "\",\"artist\":\"Caf\xC3\xA9 \\\"q\\\"\",\"album\":\"a\\u0007\",\"Year\":\"1999\","
        "\"Comment\":\"\",\"Genre\":\"Trance\",\"ReadMP3Info\":null,"
        "\"ReadHeader\":\"\"},\"clsMP3time\":{\"Filename\":\"" +
        file.toUtf8() +
        "\",\"Bitrate\":32000,\"CRCProtected\":false,\"Frames\":52,\"FrameSize\":96,\"seconds\":2,"
        "\"Frequency\":48000,\"FileSize\":4978,\"Version\":3,\"VersionText\":\"MPEG "
        "1\",\"Layer\":1,"
        "\"LayerText\":\"Layer III\",\"Padding\":true,\"PrivateBit\":true,\"ChannelMode\":3,"
        "\"ChannelModeText\":\"Single Channel (Mono)\",\"ChannelModeExtention\":0,"
        "\"Copyright\":true,\"Original\":false,\"Emphasis\":3,\"EmphasisText\":\"CIT J.17\","
        "\"refresh\":true}}\n";
    EXPECT_EQ(CliRun::run({"info", "--json", file}).out.toStdString(), expected.toStdString());
    // A text ends at its first zero byte in the text blocks too.
    const QByteArray text = CliRun::run({"info", file}).out;
    EXPECT_TRUE(text.contains("\nTitle            Song\n") && !text.contains('\0')) << text.data();
}

TEST(InfoCommandTest, HostileAndMissingFilesEachGetTheirLine)
{
    QTemporaryDir dir;
    QByteArray junk(1 << 20, '\0');
    QRandomGenerator random(42);
    random.fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
    const QStringList regular = {
        Mp3Bytes::write(dir.filePath("empty.mp3"), {}),
        Mp3Bytes::write(dir.filePath("127.mp3"), junk.left(127)),
        Mp3Bytes::write(dir.filePath("4095.mp3"),
                        Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 10).left(4095)),
        Mp3Bytes::write(dir.filePath("ff.mp3"), QByteArray(50000, '\xFF')),
        Mp3Bytes::write(dir.filePath("junk.mp3"), junk),
        Mp3Bytes::sparse(dir.filePath("2g.mp3"), {}, 2LL << 30),
    };
    const QString fifo = dir.filePath("fifo.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QStringList others = {fifo, dir.path(), dir.filePath("missing.mp3")};

    const CliRun run = CliRun::run(QStringList{"info", "--json"} + regular + others);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tavro-cli info: " + fifo.toUtf8() +
                           ": is not a regular file\ntavro-cli info: " + dir.path().toUtf8() +
                           ": is a folder\ntavro-cli info: " +
                           dir.filePath("missing.mp3").toUtf8() + ": no such file\n");
    const auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), regular.size() + others.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto &[r, t] = lines[i];
        EXPECT_EQ(r["ReadMP3Info"].toInt(0), i < regular.size() ? 0 : -1) << i;
        if (i == 4)
            continue; // random bytes: anything may be found there
        // The 4095-byte file holds frames, but too few bytes for the analyser's read.
        EXPECT_EQ(r["ReadHeader"].toString(), i == 2 ? "" : "-2") << i;
        EXPECT_EQ(r["ValidHeader"].toString(), i == 2 ? "True" : "False") << i;
        EXPECT_EQ(r["PlayTime"].toDouble(), i == 2 ? 0.3 : -1) << i;
        EXPECT_FALSE(t["refresh"].toBool()) << i;
    }
    EXPECT_EQ(lines[5].second["FileSize"].toInteger(), 2LL << 30);
}

TEST(InfoCommandTest, TextShowsTheInformationWindowsLines)
{
    QTemporaryDir dir;
    const QString file =
        Mp3Bytes::write(dir.filePath("my.song.mp3"), Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 20) +
                                                         Mp3Bytes::tag("Song", "Band", 255));
    const QByteArray block = "File Name : my.song\nMPEG Mode : 1.0\nLayer : 3\nProtected : No\n"
                             "Bitrate : 128  Kb/s\nFrequency : 44100  Hz\nPadded : False\n"
                             "Private : False\nChannel Mode : Joint Stereo\nCh. Mode Ext : 2\n"
                             "Copyright : NO\nOriginal : YES\nEmphasis : None\n"
                             "Title            Song\nArtist          Band\nAlbum        \n"
                             "Year            \nComments \nGenre         Unknown\n"
                             "Valid Header   : YES\n";
    EXPECT_EQ(CliRun::run({"info", file, file}).out, block + "\n" + block);
    const CliRun gone = CliRun::run({"info", dir.filePath("gone.mp3")});
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.err,
              "tavro-cli info: " + dir.filePath("gone.mp3").toUtf8() + ": no such file\n");
    EXPECT_EQ(CliRun::run({"info"}).exitCode, 2);
}

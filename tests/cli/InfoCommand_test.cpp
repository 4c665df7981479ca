#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"

// tavro-cli info: the JSON contract byte for byte, hostile files, the text blocks. (The header
// rules on real encoder output: Mp3PlayTime_test.)
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
} // namespace

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
    // Every file gets its line; what the readers find in hostile bytes: Mp3FileRecord_test and
    // Mp3PlayTime_test.
    const auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), regular.size() + others.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].first["ReadMP3Info"].toInt(0), i < regular.size() ? 0 : -1) << i;
    EXPECT_EQ(lines[2].first["ValidHeader"].toString() + lines[3].first["ValidHeader"].toString(),
              "TrueFalse");
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

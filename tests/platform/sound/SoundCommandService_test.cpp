#include <array>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "AudioCapture.h"
#include "NullAudioOutput.h"
#include "SoundCommandService.h"
#include "TestDisc.h"
#include "TestMedia.h"

namespace {
// 10 s, 20 s and 5 s.
const QList<TestDisc::Track> kTracks = {{750, 440}, {1500, 660}, {375, 880}};

class SoundCommandServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        ASSERT_TRUE(TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue")}));
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
    SoundCommandService m_service{
        SoundDevices(path("cdrip.ini"), 0, [] { return std::make_unique<NullAudioOutput>(); })};
};
} // namespace

TEST_F(SoundCommandServiceTest, CommandTextsGiveTheirCodesAndReplies)
{
    const struct {
        const char *command;
        quint32 code;
        const char *reply;
    } steps[] = {
        {"", 267, ""},
        {"   ", 267, ""},
        {"dance cd", 261, ""},
        {"status", 292, ""},
        {"status cd mode", 263, ""},
        {"open new type waveaudio", 299, ""},
        {"open sampler alias s", 263, ""},
        {"open cdaudio alias cd wait shareable", 0, ""},
        {"open cdaudio alias CD", 289, ""},
        {"status cd media present", 0, "true"},
        {"status cd time format", 0, "msf"},
        {"status cd position", 0, "00:02:00"},
        {"set cd time format tmsf", 0, ""},
        {"STATUS CD NUMBER OF TRACKS", 0, "3"},
        {"status cd length wait", 0, "00:35:00"},
        {"status cd length track 2", 0, "00:20:00"},
        {"status cd length track 9", 282, ""},
        {"status cd current track", 0, "1"},
        {"status cd position wait", 0, "01:00:00:00"},
        {"status cd mode", 0, "stopped"},
        {"seek cd to 2", 0, ""},
        {"status cd position wait", 0, "02:00:00:00"},
        {"status cd current track", 0, "2"},
        {"seek cd to 3:00:04:74", 0, ""},
        {"status cd position", 0, "03:00:04:74"},
        {"seek cd to 4", 282, ""},
        {"seek cd to 2:00:60", 282, ""},
        {"set cd time format milliseconds", 0, ""},
        {"status cd position track 2", 0, "10000"},
        {"status cd length", 0, "35000"},
        {"seek cd to 12000", 0, ""},
        {"status cd position", 0, "12000"},
        {"seek cd to -6000", 282, ""},
        {"seek cd to 35001", 282, ""},
        {"seek cd to 12x", 270, ""},
        {"seek cd to +5", 270, ""},
        {"seek cd", 273, ""},
        {"seek cd to end", 0, ""},
        {"status cd position", 0, "35000"},
        {"set cd time format ms", 0, ""},
        {"status cd time format", 0, "milliseconds"},
        {"set cd time format bytes", 293, ""},
        {"set cd time format", 269, ""},
        {"set cd", 273, ""},
        {"set cd door ajar", 290, ""},
        {"set cd channels 2", 274, ""},
        {"status cd nonsense", 259, ""},
        {"status cd length track x", 270, ""},
        {"play cd from 1:2:3:4:5", 270, ""},
        {"play cd to 3", 259, ""},
        {"pause cd notify", 0, ""},
        {"save cd \"unclosed", 294, ""},
        {"record cd", 274, ""},
        {"set cd door open", 0, ""},
        {"status cd media present", 0, "false"},
        {"status cd mode", 0, "open"},
        {"status cd number of tracks", 276, ""},
        {"play cd", 276, ""},
        {"set cd door closed wait", 0, ""},
        {"status cd media present", 0, "true"},
        {"open song.wav type waveaudio alias w", 274, ""},
        {"close cd", 0, ""},
        {"status cd mode", 263, ""},
        {"open cdaudio", 0, ""},
        {"status cdaudio ready", 0, "true"},
        {"close all", 0, ""},
        {"status cdaudio mode", 263, ""},
        {"close all", 0, ""},
    };
    for (const auto &step : steps) {
        std::array<char, 40> reply{};
        EXPECT_EQ(m_service.mciSendString(step.command, reply.data(), 40, 0), step.code)
            << step.command;
        EXPECT_STREQ(reply.data(), step.reply) << step.command;
    }
}

TEST_F(SoundCommandServiceTest, RepliesAreCutToTheBufferAndNeverOverflowIt)
{
    ASSERT_EQ(m_service.mciSendString("open cdaudio alias cd", nullptr, 0, 0), 0u);
    std::array<char, 8> buffer;
    buffer.fill('#');
    EXPECT_EQ(m_service.mciSendString("status cd media present", buffer.data(), 3, 0), 268u);
    EXPECT_EQ(QByteArray(buffer.data(), 8), QByteArray("tr\0#####", 8));
    EXPECT_EQ(m_service.mciSendString("status cd mode", buffer.data(), 0, 0), 0u);
    EXPECT_EQ(m_service.mciSendString(nullptr, buffer.data(), 8, 0), 267u);

    buffer.fill('#');
    EXPECT_TRUE(m_service.mciGetErrorString(263, buffer.data(), 5));
    EXPECT_EQ(QByteArray(buffer.data(), 6), QByteArray("The \0#", 6));
    EXPECT_FALSE(m_service.mciGetErrorString(12345, buffer.data(), 8));
    EXPECT_FALSE(m_service.mciGetErrorString(263, buffer.data(), 0));
}

TEST_F(SoundCommandServiceTest, ADiscThatGoesStopsTheDevice)
{
    ASSERT_EQ(m_service.mciSendString("open cdaudio alias cd", nullptr, 0, 0), 0u);
    ASSERT_EQ(m_service.mciSendString("play cd", nullptr, 0, 0), 0u);
    std::array<char, 40> reply{};
    m_service.mciSendString("status cd mode", reply.data(), 40, 0);
    EXPECT_STREQ(reply.data(), "playing");
    ASSERT_TRUE(QFile::remove(path("disc.bin")));
    m_service.mciSendString("status cd media present", reply.data(), 40, 0);
    EXPECT_STREQ(reply.data(), "false");
    m_service.mciSendString("status cd mode", reply.data(), 40, 0);
    EXPECT_STREQ(reply.data(), "not ready");
    EXPECT_EQ(m_service.mciSendString("status cd position", reply.data(), 40, 0), 276u);
}

TEST_F(SoundCommandServiceTest, RecordsTheInputIntoAWavFile)
{
    if (!AudioCapture::inputAvailable())
        GTEST_SKIP() << "no sound input";
    const QByteArray wav = QFile::encodeName(path("take one.wav"));
    const struct {
        QByteArray command;
        quint32 code;
    } steps[] = {
        {"open new Type waveaudio Alias recsound", 0},
        {"set recsound bitspersample 12", 282},
        {"set recsound time format ms bitspersample 16 channels 2 bytespersec 22500  "
         "samplespersec 48000",
         0},
        {"record  recsound", 0},
        {"set recsound time format bytes", 0},
    };
    for (const auto &step : steps)
        EXPECT_EQ(m_service.mciSendString(step.command, nullptr, 0, 0), step.code)
            << step.command.constData();
    const auto length = [this] {
        char reply[255] = {};
        m_service.mciSendString("status recsound length", reply, sizeof reply, 0);
        return QByteArray(reply).toLongLong();
    };
    QTRY_VERIFY_WITH_TIMEOUT(length() >= 48000 * 4, 20000);
    EXPECT_EQ(m_service.mciSendString("set recsound samplespersec 44100", nullptr, 0, 0), 274u);
    EXPECT_EQ(m_service.mciSendString("save recsound", nullptr, 0, 0), 304u);
    EXPECT_EQ(m_service.mciSendString("save recsound " + wav, nullptr, 0, 0), 0u);
    EXPECT_EQ(m_service.mciSendString("close recsound", nullptr, 0, 0), 0u);

    const QByteArray file = TestMedia::readFile(path("take one.wav"));
    ASSERT_GT(file.size(), 44 + 48000 * 4);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 24), 48000u);
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 22), 2u);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 40), quint32(file.size() - 44));
    // What it recorded, the test source's 440 Hz: RecordCommand_test.
}

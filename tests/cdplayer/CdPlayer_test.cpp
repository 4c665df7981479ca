#include <functional>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "CdPlayer.h"
#include "ScriptedSoundCommands.h"
#include "SoundCommandService.h"
#include "TestDisc.h"

using namespace Qt::Literals::StringLiterals;

namespace {
struct Disc {
    QByteArray track, tracks, mode, position;
};

ScriptedSoundCommands scripted(const Disc &disc)
{
    ScriptedSoundCommands service;
    service.answers[u"status cd current track"_s] = {disc.track};
    service.answers[u"status cd number of tracks"_s] = {disc.tracks};
    service.answers[u"status cd mode"_s] = {disc.mode};
    service.answers[u"status cd position wait"_s] = {disc.position};
    return service;
}
} // namespace

TEST(CdPlayerTest, SteppingAndWindingSendTheirCommandsInOrder)
{
    const QString current = u"status cd current track"_s, count = u"status cd number of tracks"_s,
                  mode = u"status cd mode"_s, ms = u"set cd time format milliseconds"_s,
                  position = u"status cd position wait"_s, tmsf = u"set cd time format tmsf"_s;
    const struct {
        const char *name;
        Disc disc;
        std::function<void(CdPlayer &)> act;
        QStringList sent;
    } cases[] = {
        {"next from the last track wraps",
         {"10", "10", "playing", ""},
         [](CdPlayer &p) { p.PlayNext(); },
         {current, count, mode, u"seek cd to 1"_s, u"play cd from 1"_s}},
        {"next while paused only seeks",
         {"3", "10", "paused", ""},
         [](CdPlayer &p) { p.PlayNext(); },
         {current, count, mode, u"seek cd to 4"_s}},
        {"previous from track 1 wraps",
         {"1", "10", "stopped", ""},
         [](CdPlayer &p) { p.PlayPrevious(); },
         {current, count, mode, u"seek cd to 10"_s}},
        {"previous asks no count",
         {"5", "10", "playing", ""},
         [](CdPlayer &p) { p.PlayPrevious(); },
         {current, mode, u"seek cd to 4"_s, u"play cd from 4"_s}},
        {"rewind before the disc",
         {"1", "3", "playing", "4000"},
         [](CdPlayer &p) { p.Rewind(); },
         {ms, position, mode, u"seek cd to -6000"_s, u"play cd from -6000"_s, tmsf}},
        {"forward while stopped",
         {"1", "3", "stopped", "4000"},
         [](CdPlayer &p) { p.Forward(); },
         {ms, position, mode, u"seek cd to 14000"_s, tmsf}},
        {"rewind without a position",
         {"1", "3", "playing", "12:x"},
         [](CdPlayer &p) { p.Rewind(); },
         {ms, position, tmsf}},
        {"ready closes all first",
         {},
         [](CdPlayer &p) { p.ReadyDevice(); },
         {u"close all"_s, u"open cdaudio alias cd wait shareable"_s}},
    };
    for (const auto &c : cases) {
        ScriptedSoundCommands service = scripted(c.disc);
        CdPlayer player(service);
        c.act(player);
        EXPECT_EQ(service.sent, c.sent) << c.name;
    }
}

TEST(CdPlayerTest, FailedQueriesAnswerNothing)
{
    ScriptedSoundCommands service;
    const quint32 notOpen = 263;
    for (const char *command :
         {"status cd media present", "status cd length wait", "status cd mode",
          "status cd length track 0", "status cd current track", "status cd number of tracks",
          "status cd position wait"})
        service.answers[QString::fromLatin1(command)] = {"7", notOpen};
    CdPlayer player(service);
    EXPECT_FALSE(player.CheckCD());
    EXPECT_FALSE(player.CheckIfCDIsPlaying());
    EXPECT_EQ(player.GetCurrentTrack(), 0);
    EXPECT_EQ(player.GetTotalNumberOfTracks(), 0);
    EXPECT_EQ(player.GetCDLength(), QString());
    EXPECT_EQ(player.GetCurrentTrackLength(), QString());
    EXPECT_EQ(player.GetCDPosition(), QString());
    EXPECT_EQ(player.GetMCIErrorString(notOpen), u"error 263"_s);
}

TEST(CdPlayerTest, OnlyAReplyBeginningWithPlayingMeansPlaying)
{
    const struct {
        QByteArray mode;
        bool playing;
    } cases[] = {{"playing", true},
                 {"playing now", true},
                 {"paused", false},
                 {"stopped", false},
                 {"Playing", false}};
    for (const auto &c : cases) {
        ScriptedSoundCommands service = scripted({"1", "3", c.mode, ""});
        EXPECT_EQ(CdPlayer(service).CheckIfCDIsPlaying(), c.playing) << c.mode.constData();
    }
}

namespace {
// The engine over the real service, playing an image made here through the test sound server.
class CdPlayerOnDiscTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), {{750, 440}, {1500, 660}, {375, 880}}));
        ASSERT_TRUE(TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue")}));
        ASSERT_TRUE(m_player.ReadyDevice());
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QByteArray device(const char *command)
    {
        char reply[40] = {};
        EXPECT_EQ(m_service.mciSendString(command, reply, sizeof reply, 0), 0u) << command;
        return reply;
    }

    QTemporaryDir m_dir;
    SoundCommandService m_service{SoundDevices(path("cdrip.ini"))};
    CdPlayer m_player{m_service};
};
} // namespace

TEST_F(CdPlayerOnDiscTest, PlaysPausesAndStepsAcrossTheDisc)
{
    EXPECT_TRUE(m_player.CheckCD());
    EXPECT_EQ(m_player.GetTotalNumberOfTracks(), 3);
    EXPECT_EQ(m_player.GetCDLength(), u"00:35:00"_s);
    EXPECT_EQ(m_player.GetCDPosition(), u"01:00:00:00"_s);

    m_player.PlayTrack();
    EXPECT_TRUE(m_player.CheckIfCDIsPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(m_player.GetCDPosition() >= u"01:00:01:00"_s, 10000);

    m_player.PauseTrack();
    EXPECT_EQ(device("status cd mode"), "paused");
    QTest::qWait(200); // the device's own reading replaces the one expected at the pause
    const QString paused = m_player.GetCDPosition();
    QTest::qWait(300);
    EXPECT_EQ(m_player.GetCDPosition(), paused);
    m_player.PlayNext();
    EXPECT_EQ(m_player.GetCDPosition(), u"02:00:00:00"_s);
    EXPECT_EQ(device("status cd mode"), "stopped");

    m_player.PlayTrack();
    m_player.PlayPrevious();
    m_player.PlayPrevious();
    EXPECT_EQ(m_player.GetCurrentTrack(), 3);
    EXPECT_TRUE(m_player.CheckIfCDIsPlaying());
    m_player.PlayNext();
    EXPECT_EQ(m_player.GetCurrentTrack(), 1);
    EXPECT_EQ(m_player.GetCurrentTrackLength(), u"00:10:00"_s);
    m_player.StopTrack();
    m_player.UnloadAll();
    EXPECT_FALSE(m_player.CheckCD());
}

TEST_F(CdPlayerOnDiscTest, WindingStaysOnTheDiscAndLeavesTmsf)
{
    m_player.SetCDFormat_MilliSeconds();
    device("seek cd to 4000");
    m_player.Rewind();
    EXPECT_EQ(device("status cd time format"), "tmsf");
    EXPECT_EQ(m_player.GetCDPosition(), u"01:00:04:00"_s);
    m_player.Forward();
    m_player.Forward();
    EXPECT_EQ(m_player.GetCDPosition(), u"02:00:14:00"_s);
    EXPECT_EQ(device("status cd mode"), "stopped");
}

#include <functional>

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "CdPlayer.h"
#include "ScriptedSoundCommands.h"
#include "SoundCommandService.h"
#include "TestDisc.h"
#include "TestMedia.h"

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
    for (const auto &[mode, playing] : {std::pair{"playing", true},
                                        {"playing now", true},
                                        {"paused", false},
                                        {"Playing", false}}) {
        ScriptedSoundCommands service = scripted({"1", "3", mode, ""});
        EXPECT_EQ(CdPlayer(service).CheckIfCDIsPlaying(), playing) << mode;
    }
}

// The engine's command texts as the real service understands them, on an image made here; what
// it plays reaches the test sound server.
TEST(CdPlayerOnDiscTest, TheRealServiceAnswersEveryCommandTheEngineSends)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestDisc::write(dir.filePath("disc.cue"), {{750, 440}, {1500, 660}, {375, 880}}));
    ASSERT_TRUE(TestDisc::writeSettings(dir.filePath("cdrip.ini"), {dir.filePath("disc.cue")}));
    SoundCommandService service{SoundDevices(dir.filePath("cdrip.ini"))};
    const auto status = [&](const QByteArray &item) {
        char reply[40] = {};
        EXPECT_EQ(service.mciSendString(("status cd " + item).constData(), reply, sizeof reply, 0),
                  0u);
        return QByteArray(reply);
    };
    QProcess recorder;
    const bool listening = qEnvironmentVariableIsSet("PULSE_SERVER");
    ASSERT_TRUE(!listening ||
                (TestMedia::recordSink(recorder) && recorder.waitForReadyRead(10000)));
    CdPlayer player(service);
    ASSERT_TRUE(player.ReadyDevice());
    EXPECT_TRUE(player.CheckCD());
    EXPECT_EQ(player.GetTotalNumberOfTracks(), 3);
    EXPECT_EQ(player.GetCDLength(), u"00:35:00"_s);
    EXPECT_EQ(player.GetCDPosition(), u"01:00:00:00"_s);
    player.PlayTrack();
    EXPECT_TRUE(player.CheckIfCDIsPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(player.GetCDPosition() >= u"01:00:01:00"_s, 10000);
    // The track reaches the sound server (what the image reader decodes, sample by sample:
    // CdRip_test).
    QByteArray heard;
    QTRY_VERIFY_WITH_TIMEOUT(
        !listening || TestMedia::peak(heard += recorder.readAllStandardOutput()) > 0.05, 10000);
    player.PauseTrack();
    EXPECT_EQ(status("mode"), "paused");
    player.PlayNext();
    EXPECT_EQ(player.GetCDPosition(), u"02:00:00:00"_s);
    EXPECT_EQ(status("mode"), "stopped");

    player.PlayTrack();
    player.PlayPrevious();
    player.PlayPrevious();
    EXPECT_EQ(player.GetCurrentTrack(), 3);
    EXPECT_TRUE(player.CheckIfCDIsPlaying());
    player.PlayNext();
    EXPECT_EQ(player.GetCurrentTrack(), 1);
    EXPECT_EQ(player.GetCurrentTrackLength(), u"00:10:00"_s);
    player.StopTrack();

    // Winding stays on the disc, crosses tracks and leaves the time format at tmsf.
    player.SetCDFormat_MilliSeconds();
    ASSERT_EQ(service.mciSendString("seek cd to 4000", nullptr, 0, 0), 0u);
    player.Rewind();
    EXPECT_EQ(status("time format"), "tmsf");
    EXPECT_EQ(player.GetCDPosition(), u"01:00:04:00"_s);
    player.Forward();
    player.Forward();
    EXPECT_EQ(player.GetCDPosition(), u"02:00:14:00"_s);
    EXPECT_EQ(status("mode"), "stopped");
    player.UnloadAll();
    EXPECT_FALSE(player.CheckCD());
}

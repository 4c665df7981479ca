#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "SessionBusClient.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// The built tavro on the test session bus, driven as the desktop's media widget drives it.
TEST(MediaKeysTest, TheDesktopSeesThePlayingSongAndPausesAndEndsThePlayer)
{
    QTemporaryDir dir;
    const QString song = dir.filePath(u"song.mp3"_s);
    ASSERT_TRUE(TestMedia::makeMp3(song, 30.0, {u"-b"_s, u"128"_s, u"--tt"_s, u"Tone"_s}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString runtime = dir.filePath(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime); // no other copy to hand over to
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess player;
    player.setProcessEnvironment(environment);
    player.start(qEnvironmentVariable("TAVRO_APP"), {song});
    ASSERT_TRUE(player.waitForStarted());

    const QString kPlayer = u"org.mpris.MediaPlayer2.Player"_s;
    SessionBusClient bus(u"org.mpris.MediaPlayer2.tavro"_s, u"/org/mpris/MediaPlayer2"_s);
    ASSERT_TRUE(bus.waitForService(20000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return bus.property(kPlayer, u"PlaybackStatus"_s) == u"Playing"_s; }, 10000));
    const QVariantMap metadata = bus.property(kPlayer, u"Metadata"_s).toMap();
    EXPECT_EQ(metadata.value(u"xesam:title"_s), u"Tone"_s);
    EXPECT_EQ(metadata.value(u"xesam:url"_s), u"file://"_s + song);
    bus.call(kPlayer, u"PlayPause"_s);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return bus.property(kPlayer, u"PlaybackStatus"_s) == u"Paused"_s; }, 10000));
    bus.call(u"org.mpris.MediaPlayer2"_s, u"Quit"_s);
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(std::pair(player.exitStatus(), player.exitCode()),
              std::pair(QProcess::NormalExit, 0));
}

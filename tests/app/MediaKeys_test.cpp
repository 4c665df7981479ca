#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "SessionBusClient.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kName = u"org.mpris.MediaPlayer2.tavro"_s;
const QString kPlayer = u"org.mpris.MediaPlayer2.Player"_s;

// Hears the player's signals on the test's own connection.
class SignalLog : public QObject {
    Q_OBJECT
public slots:
    void take(const QDBusMessage &message) { messages << message; }

public:
    QList<QDBusMessage> messages;
};

QVariantMap changedProperties(const QDBusMessage &message)
{
    return qdbus_cast<QVariantMap>(message.arguments().value(1).value<QDBusArgument>());
}
} // namespace

// The built tavro on the test session bus, driven as the desktop's media widget drives it. The
// usual name is taken, as by another copy, so the player takes its instance name.
TEST(MediaKeysTest, TheDesktopSeesThePlayingSongAndControlsThePlayer)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().registerService(kName))
        << "no session bus: run the tests through ./test.sh, which starts one";
    QTemporaryDir dir;
    const QString song = dir.filePath(u"song.mp3"_s);
    ASSERT_TRUE(TestMedia::makeMp3(song, 30.0, {u"-b"_s, u"128"_s, u"--tt"_s, u"Tone"_s}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString runtime = dir.filePath(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime); // no other copy to hand the song to
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess player;
    player.setProcessEnvironment(environment);
    player.start(qEnvironmentVariable("TAVRO_APP"), {song});
    ASSERT_TRUE(player.waitForStarted());

    const QString name = kName + u".instance%1"_s.arg(player.processId());
    SessionBusClient bus(name, u"/org/mpris/MediaPlayer2"_s);
    ASSERT_TRUE(bus.waitForService(20000));
    const auto statusIs = [&](const QString &status) {
        return QTest::qWaitFor([&] { return bus.property(kPlayer, u"PlaybackStatus"_s) == status; },
                               10000);
    };
    EXPECT_TRUE(statusIs(u"Playing"_s));
    const QVariantMap metadata = bus.property(kPlayer, u"Metadata"_s).toMap();
    EXPECT_EQ(metadata.value(u"xesam:title"_s), u"Tone"_s);
    EXPECT_EQ(metadata.value(u"xesam:url"_s), u"file://"_s + song);
    EXPECT_NEAR(metadata.value(u"mpris:length"_s).toLongLong(), 30'000'000, 100'000);

    SignalLog changes;
    SignalLog seeks;
    ASSERT_TRUE(bus.connection().connect(name, {}, u"org.freedesktop.DBus.Properties"_s,
                                         u"PropertiesChanged"_s, &changes,
                                         SLOT(take(QDBusMessage))));
    ASSERT_TRUE(
        bus.connection().connect(name, {}, kPlayer, u"Seeked"_s, &seeks, SLOT(take(QDBusMessage))));
    bus.property(kPlayer, u"Volume"_s); // the match rules are in place once this returns
    bus.call(kPlayer, u"Seek"_s, {qlonglong(10'000'000)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seeks.messages.isEmpty(); }, 10000));
    EXPECT_GE(seeks.messages.first().arguments().value(0).toLongLong(), 10'000'000);
    changes.messages.clear();
    bus.call(kPlayer, u"PlayPause"_s);
    EXPECT_TRUE(statusIs(u"Paused"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !changes.messages.isEmpty(); }, 10000));
    const QVariantMap changed = changedProperties(changes.messages.first());
    EXPECT_EQ(changed.value(u"PlaybackStatus"_s), u"Paused"_s);
    EXPECT_FALSE(changed.contains(u"Position"_s)); // followed by clients, never announced
    EXPECT_TRUE(bus.setProperty(kPlayer, u"Volume"_s, 0.2));
    EXPECT_EQ(bus.property(kPlayer, u"Volume"_s), 0.2);

    bus.call(u"org.mpris.MediaPlayer2"_s, u"Quit"_s);
    // The calls run the event loop, so the player's end may have been seen already.
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(std::pair(player.exitStatus(), player.exitCode()),
              std::pair(QProcess::NormalExit, 0));
}

#include "MediaKeys_test.moc"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QTest>

#include "MprisService.h"
#include "MprisTarget.h"
#include "SessionBusClient.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kPlayer = u"org.mpris.MediaPlayer2.Player"_s;
const QString kRoot = u"org.mpris.MediaPlayer2"_s;
const QString kPath = u"/org/mpris/MediaPlayer2"_s;

// A player whose state a test sets; it writes down what it is asked to do.
class FakeTarget : public MprisTarget {
public:
    Status status() const override { return state; }
    Track track() const override { return current; }
    qint64 positionUs() const override { return position; }
    double volume() const override { return level; }
    void setVolume(double volume) override { level = volume; }
    double rate() const override { return 1.0; }
    void setRate(double rate) override { calls << u"setRate %1"_s.arg(rate); }
    double minimumRate() const override { return 0.75; }
    double maximumRate() const override { return 1.25; }
    bool canGoNext() const override { return true; }
    bool canGoPrevious() const override { return false; }
    bool canPlay() const override { return true; }
    bool canPause() const override { return state != Status::Stopped; }
    bool canSeek() const override { return true; }
    void play() override { calls << u"play"_s; }
    void pause() override { calls << u"pause"_s; }
    void playPause() override { calls << u"playPause"_s; }
    void stop() override { calls << u"stop"_s; }
    void next() override { calls << u"next"_s; }
    void previous() override { calls << u"previous"_s; }
    void seekBy(qint64 offsetUs) override { calls << u"seekBy %1"_s.arg(offsetUs); }
    void setPosition(const QString &id, qint64 us) override
    {
        calls << u"setPosition %1 %2"_s.arg(id).arg(us);
    }
    void openUri(const QString &uri) override { calls << u"openUri "_s + uri; }
    void raise() override { calls << u"raise"_s; }
    void quit() override { calls << u"quit"_s; }

    Status state = Status::Paused;
    Track current{u"/io/tavro/Tavro/Track/1"_s,
                  90'000'000,
                  u"/m/\u00e9 a.mp3"_s,
                  u"Tone"_s,
                  u"Band"_s,
                  QString(),
                  u"1999"_s,
                  QString(),
                  u"Rock"_s};
    qint64 position = 2'000'000;
    double level = 0.5;
    QStringList calls;
};

// Hears the service's signals on the test's own connection.
class SignalLog : public QObject {
    Q_OBJECT
public slots:
    void take(const QDBusMessage &message) { messages << message; }

public:
    QList<QDBusMessage> messages;
};

class MprisServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(client.connection().isConnected())
            << "no session bus: run the tests through ./test.sh, which starts one";
    }

    FakeTarget target;
    MprisService service{target};
    SessionBusClient client{u"org.mpris.MediaPlayer2.tavro"_s, kPath};
};
} // namespace

TEST_F(MprisServiceTest, ShowsThePlayerAndPassesEveryRequestOn)
{
    ASSERT_TRUE(service.publish());
    EXPECT_EQ(service.busName(), u"org.mpris.MediaPlayer2.tavro"_s);
    EXPECT_EQ(client.property(kRoot, u"Identity"_s), u"Tavro"_s);
    EXPECT_EQ(client.property(kRoot, u"DesktopEntry"_s), u"tavro"_s);
    EXPECT_EQ(client.property(kPlayer, u"PlaybackStatus"_s), u"Paused"_s);
    EXPECT_EQ(client.property(kPlayer, u"Position"_s), qlonglong(2'000'000));
    const QVariantMap metadata = client.property(kPlayer, u"Metadata"_s).toMap();
    EXPECT_EQ(metadata.value(u"mpris:trackid"_s).value<QDBusObjectPath>().path(),
              u"/io/tavro/Tavro/Track/1"_s);
    EXPECT_EQ(metadata.value(u"mpris:length"_s), qlonglong(90'000'000));
    EXPECT_EQ(metadata.value(u"xesam:url"_s), u"file:///m/%C3%A9%20a.mp3"_s);
    EXPECT_EQ(metadata.value(u"xesam:artist"_s), QStringList{u"Band"_s});
    EXPECT_EQ(metadata.value(u"xesam:genre"_s), QStringList{u"Rock"_s});
    EXPECT_FALSE(metadata.contains(u"xesam:album"_s)); // empty texts are left out

    EXPECT_TRUE(client.setProperty(kPlayer, u"Volume"_s, 0.3));
    EXPECT_EQ(target.level, 0.3);
    const auto path = QVariant::fromValue(QDBusObjectPath(u"/io/tavro/Tavro/Track/1"_s));
    const std::pair<QString, QVariantList> calls[] = {
        {u"PlayPause"_s, {}},
        {u"Next"_s, {}},
        {u"Seek"_s, {qlonglong(-5'000'000)}},
        {u"SetPosition"_s, {path, qlonglong(7)}},
        {u"OpenUri"_s, {u"file:///m/b.mp3"_s}},
    };
    for (const auto &[method, arguments] : calls)
        EXPECT_EQ(client.call(kPlayer, method, arguments).type(), QDBusMessage::ReplyMessage)
            << method.toStdString();
    EXPECT_EQ(client.call(kRoot, u"Raise"_s).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(QTest::qWaitFor([this] { return target.calls.size() == 6; }));
    EXPECT_EQ(target.calls, (QStringList{u"playPause"_s, u"next"_s, u"seekBy -5000000"_s,
                                         u"setPosition /io/tavro/Tavro/Track/1 7"_s,
                                         u"openUri file:///m/b.mp3"_s, u"raise"_s}));
}

TEST_F(MprisServiceTest, AnnouncesWhatChangedAndEverySeek)
{
    ASSERT_TRUE(service.publish());
    SignalLog changes;
    SignalLog seeks;
    auto &bus = client.connection();
    ASSERT_TRUE(bus.connect(service.busName(), kPath, u"org.freedesktop.DBus.Properties"_s,
                            u"PropertiesChanged"_s, &changes, SLOT(take(QDBusMessage))));
    ASSERT_TRUE(bus.connect(service.busName(), kPath, kPlayer, u"Seeked"_s, &seeks,
                            SLOT(take(QDBusMessage))));
    client.property(kRoot, u"Identity"_s); // the match rules are in place once this returns

    emit target.changed(); // nothing differs
    target.position = 9'000'000;
    emit target.changed(); // the position is never announced
    target.state = MprisTarget::Status::Playing;
    emit target.changed();
    emit target.seeked();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !changes.messages.isEmpty() && !seeks.messages.isEmpty(); }));
    QTest::qWait(100);
    ASSERT_EQ(changes.messages.size(), 1);
    const QVariantList arguments = changes.messages.first().arguments();
    EXPECT_EQ(arguments.at(0), kPlayer);
    const QVariantMap changed = qdbus_cast<QVariantMap>(arguments.at(1).value<QDBusArgument>());
    EXPECT_EQ(changed, (QVariantMap{{u"PlaybackStatus"_s, u"Playing"_s}}));
    ASSERT_EQ(seeks.messages.size(), 1);
    EXPECT_EQ(seeks.messages.first().arguments(), QVariantList{qlonglong(9'000'000)});
}

TEST_F(MprisServiceTest, ASecondCopyOnTheBusTakesAnInstanceName)
{
    const QString name = u"org.mpris.MediaPlayer2.tavro"_s;
    ASSERT_TRUE(client.connection().registerService(name)); // as another copy would
    ASSERT_TRUE(service.publish());
    EXPECT_EQ(service.busName(), name + u".instance%1"_s.arg(::getpid()));
    client.connection().unregisterService(name);
}

#include "MprisService_test.moc"

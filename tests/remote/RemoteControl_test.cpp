#include <limits>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "FakeMediaComponent.h"
#include "PlaybackEngine.h"
#include "Playlist.h"
#include "PlaylistActions.h"
#include "RemoteControl.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;
using Status = MprisTarget::Status;

namespace {
// A file with an ID3v1 tag whose fields are padded with zero bytes, as many taggers write them.
QByteArray taggedFile()
{
    const auto field = [](const char *text, int width) {
        return QByteArray(text).leftJustified(width, '\0');
    };
    return QByteArray(1000, 'x') + "TAG" + field("Tone", 30) + field("Band", 30) + field("", 30) +
           "1999" + field("a comment", 30) + char(17);
}

// The remote over the player's core, as the main window builds it, with a silent component.
class RemoteControlTest : public ::testing::Test {
protected:
    RemoteControlTest()
    {
        media.durationSeconds = 100.0;
        tagged = dir.filePath(u"tagged.mp3"_s);
        TestMedia::writeFile(tagged, taggedFile());
        playlist.appendAll({tagged, u"/m/b.mp3"_s});
        playlist.setSelectedIndex(0);
    }

    ScriptedMessageBox box;
    FakeMediaComponent media;
    Playlist playlist;
    PlaybackEngine engine{media, playlist};
    PlaylistActions actions{playlist, engine};
    RemoteControl remote{engine, actions, playlist, media, {}};
    QTemporaryDir dir;
    QString tagged;
};
} // namespace

TEST_F(RemoteControlTest, TheStatusIsThePlayersOwnWhateverThePauseCaptionSays)
{
    QSignalSpy changed(&remote, &MprisTarget::changed);
    EXPECT_EQ(remote.status(), Status::Stopped);
    EXPECT_TRUE(remote.canPlay());
    EXPECT_FALSE(remote.canPause());
    const std::pair<void (RemoteControl::*)(), Status> steps[] = {
        {&RemoteControl::playPause, Status::Playing},
        {&RemoteControl::play, Status::Playing},
        {&RemoteControl::playPause, Status::Paused},
        {&RemoteControl::pause, Status::Paused},
        {&RemoteControl::play, Status::Playing},
        {&RemoteControl::pause, Status::Paused},
        {&RemoteControl::stop, Status::Stopped},
        // The Pause button's caption still says "Resume" after a stop; the status does not.
        {&RemoteControl::playPause, Status::Playing},
    };
    for (const auto &[step, status] : steps) {
        (remote.*step)();
        EXPECT_EQ(remote.status(), status);
    }
    EXPECT_EQ(engine.display().pauseCaption, u"Resume"_s);
    EXPECT_EQ(media.calls, (QStringList{u"setFileName"_s, u"play"_s, u"pause"_s, u"play"_s,
                                        u"pause"_s, u"stop"_s, u"setFileName"_s, u"play"_s}));
    EXPECT_GT(changed.count(), 0);
}

TEST_F(RemoteControlTest, TheTrackComesFromTheTagAndTheComponentsPlayTime)
{
    EXPECT_TRUE(remote.track().id.isEmpty());
    remote.play();
    const MprisTarget::Track track = remote.track();
    EXPECT_EQ((QStringList{track.path, track.title, track.artist, track.album, track.year,
                           track.comment, track.genre}),
              (QStringList{tagged, u"Tone"_s, u"Band"_s, QString(), u"1999"_s, u"a comment"_s,
                           u"Rock"_s}));
    EXPECT_EQ(track.lengthUs, 100'000'000);
    remote.next();
    EXPECT_EQ(remote.track().title, u"b"_s); // no tag: the name the play list shows
    EXPECT_NE(remote.track().id, track.id);
    remote.stop();
    EXPECT_TRUE(remote.track().id.isEmpty());
}

TEST_F(RemoteControlTest, NextAndPreviousAreTheButtonsWithTheirMessages)
{
    remote.play();
    EXPECT_EQ(std::pair(remote.canGoNext(), remote.canGoPrevious()), std::pair(true, false));
    remote.next();
    EXPECT_EQ(std::pair(remote.canGoNext(), remote.canGoPrevious()), std::pair(false, true));
    EXPECT_EQ(playlist.selectedIndex(), 1);
    remote.previous();
    EXPECT_EQ(playlist.selectedIndex(), 0);
    EXPECT_TRUE(box.shown.isEmpty());
    remote.stop();
    EXPECT_FALSE(remote.canGoNext());
    remote.next(); // after a stop: the button's message
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_EQ(box.shown.at(0).prompt, u"  Please play the file then click Next button!"_s);
}

TEST_F(RemoteControlTest, SeeksStayInsideTheTrack)
{
    remote.play();
    QSignalSpy seeked(&remote, &MprisTarget::seeked);
    const QString id = remote.track().id;
    const qint64 most = std::numeric_limits<qint64>::max();
    const struct {
        const char *name;
        std::function<void()> request;
        double position;
    } cases[] = {
        {"forward", [&] { remote.seekBy(5'000'000); }, 15.0},
        {"back past the start", [&] { remote.seekBy(-most - 1); }, 0.0},
        {"to a place", [&] { remote.setPosition(id, 42'000'000); }, 42.0},
        {"another track's place", [&] { remote.setPosition(u"/x"_s, 1); }, 10.0},
        {"past the end", [&] { remote.setPosition(id, 100'000'001); }, 10.0},
        {"a negative place", [&] { remote.setPosition(id, -1); }, 10.0},
    };
    for (const auto &c : cases) {
        media.position = 10.0;
        c.request();
        EXPECT_EQ(media.position, c.position) << c.name;
    }
    EXPECT_EQ(seeked.count(), 3);
    media.position = 10.0;
    remote.seekBy(most); // past the end: the next track
    EXPECT_EQ(playlist.selectedIndex(), 1);
    remote.seekBy(most); // the last one: nothing
    EXPECT_EQ(playlist.selectedIndex(), 1);
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(RemoteControlTest, VolumeAndRateGoToTheNearestLevel)
{
    const struct {
        double asked;
        double volume;
    } volumes[] = {{0.2, 0.2}, {0.34, 0.3}, {7.0, 1.0}, {-1.0, 0.0}, {qQNaN(), 0.0}};
    for (const auto &v : volumes) {
        remote.setVolume(v.asked);
        EXPECT_DOUBLE_EQ(remote.volume(), v.volume) << v.asked;
    }
    EXPECT_EQ(std::pair(remote.minimumRate(), remote.maximumRate()), std::pair(0.75, 1.25));
    remote.setRate(1.11);
    EXPECT_DOUBLE_EQ(remote.rate(), 1.1);
    EXPECT_DOUBLE_EQ(media.rate(), 1.1);
}

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "FakeMediaComponent.h"
#include "PlaybackEngine.h"
#include "Playlist.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

namespace {
class PlaybackEngineTest : public ::testing::Test {
protected:
    PlaybackEngineTest() : engine(media, playlist) { media.durationSeconds = 100.4; }

    void play(const QStringList &paths, int index)
    {
        playlist.appendAll(paths);
        playlist.setSelectedIndex(index);
        engine.StartPlayback();
    }
    // Two ticks: the first sets the slider to the position, the second sees the end.
    void tickAt(double seconds)
    {
        media.position = seconds;
        engine.PlaybackTick();
    }
    const PlayerDisplay &d() const { return engine.display(); }

    ScriptedMessageBox box;
    FakeMediaComponent media;
    Playlist playlist;
    PlaybackEngine engine;
    QStringList three = {QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3"),
                         QStringLiteral("/m/c.mp3")};
};
} // namespace

TEST_F(PlaybackEngineTest, StartNeedsAPlayableSelection)
{
    playlist.appendAll({QStringLiteral("/m/a.mp3"), QStringLiteral("/m/noext")});
    engine.StartPlayback();
    playlist.setSelectedIndex(1);
    engine.StartPlayback();
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_EQ(box.shown.at(0).prompt, QStringLiteral("   Please select an MP3 File to play!"));
    EXPECT_EQ(box.shown.at(0).title, QStringLiteral(" File Selection Error "));
    EXPECT_EQ(box.shown.at(0).buttons, MessageBox::OkOnly);
    EXPECT_FALSE(media.calls.contains(QStringLiteral("play")));
}

TEST_F(PlaybackEngineTest, StartShowsTheFileAndItsNumbers)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("one.mp3"));
    TestMedia::writeFile(file, QByteArray(1048576, 'x'));
    play({QStringLiteral("/m/a.mp3"), file}, 1);

    EXPECT_EQ(media.fileName(), file);
    EXPECT_EQ(media.calls, (QStringList{QStringLiteral("setFileName"), QStringLiteral("play")}));
    EXPECT_EQ(d().sliderMax, 100);
    EXPECT_DOUBLE_EQ(d().seekScale, 100.4);
    EXPECT_EQ(d().totalFiles, QStringLiteral("2"));
    EXPECT_EQ(d().currentFile, QStringLiteral("2"));
    EXPECT_EQ(d().size, QStringLiteral("1.00MB"));
    EXPECT_EQ(d().path, file);
    EXPECT_EQ(d().status, QStringLiteral(" Playing "));
    EXPECT_EQ(d().statusColor, PlayerDisplay::kGreen);
    EXPECT_TRUE(d().pauseEnabled);
    EXPECT_TRUE(d().pathStripVisible);
    EXPECT_TRUE(engine.tickActive());
}

TEST_F(PlaybackEngineTest, PauseResumeAndStop)
{
    play(three, 0);
    engine.pauseOrResume();
    EXPECT_EQ(d().pauseCaption, QStringLiteral("Resume"));
    EXPECT_EQ(d().status, QStringLiteral(" Paused "));
    EXPECT_EQ(d().statusColor, PlayerDisplay::kBlue);
    engine.pauseOrResume();
    EXPECT_EQ(d().pauseCaption, QStringLiteral("Pause"));
    EXPECT_EQ(d().status, QStringLiteral(" Playing "));

    tickAt(30);
    engine.StopPlayback();
    EXPECT_EQ(d().status, QStringLiteral(" Stopped "));
    EXPECT_EQ(d().statusColor, PlayerDisplay::kRed);
    EXPECT_EQ(d().sliderMax, -1);
    EXPECT_EQ(d().progress, QStringLiteral("Current File  0 %  Completed"));
    EXPECT_TRUE(d().position.isEmpty() && d().remaining.isEmpty() && d().length.isEmpty() &&
                d().size.isEmpty());
    EXPECT_FALSE(d().pauseEnabled);
    EXPECT_FALSE(d().pathStripVisible);
    EXPECT_TRUE(engine.tickActive()); // the tick keeps moving the marker after a stop

    playlist.clear();
    engine.StopPlayback();
    EXPECT_EQ(d().status, QStringLiteral(" No File is Selected "));
}

TEST_F(PlaybackEngineTest, TickShowsTimesAndProgress)
{
    play(three, 0);
    tickAt(50.2);
    EXPECT_EQ(d().progress, QStringLiteral("Current File  50 %  Completed"));
    EXPECT_EQ(d().sliderValue, 50);
    EXPECT_EQ(d().position, QStringLiteral("0 : 50"));
    EXPECT_EQ(d().remaining, QStringLiteral("0 : 50"));
    EXPECT_EQ(d().length, QStringLiteral("1 : 40"));
    EXPECT_DOUBLE_EQ(d().marker, 50.2);

    engine.StopPlayback();
    tickAt(0);
    EXPECT_EQ(d().position, QString()); // after a stop only marker and progress move
}

TEST_F(PlaybackEngineTest, EndOfTrackAdvancesAndTheLastEntryReplays)
{
    play(three, 1);
    tickAt(100.4);
    EXPECT_EQ(playlist.selectedIndex(), 1);
    tickAt(100.4); // the slider stood at its maximum since the last tick
    EXPECT_EQ(playlist.selectedIndex(), 2);
    EXPECT_EQ(media.fileName(), QStringLiteral("/m/c.mp3"));
    EXPECT_EQ(media.position, 0.0);

    tickAt(100.4);
    tickAt(100.4);
    EXPECT_EQ(playlist.selectedIndex(), 2); // cannot move past the last: it plays again
    EXPECT_EQ(media.calls.count(QStringLiteral("play")), 3);
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(PlaybackEngineTest, OneEntryReplaysAndDraggingToTheEndAdvances)
{
    play({QStringLiteral("/m/only.mp3")}, 0);
    engine.speedUp();
    engine.toggleMute();
    engine.seekBySlider(100);
    engine.PlaybackTick();
    EXPECT_EQ(media.calls.count(QStringLiteral("play")), 1); // 0.4 s are still to play
    media.position = 100.4;
    engine.PlaybackTick();
    EXPECT_EQ(media.calls.count(QStringLiteral("play")), 2);
    EXPECT_EQ(d().speedLevel, 5);
    EXPECT_EQ(d().speedTip, QStringLiteral("Speed: 100%"));
    EXPECT_EQ(d().muteCaption, QStringLiteral("Mute Off"));
    EXPECT_FALSE(media.mute());
    engine.PlaybackTick();
    EXPECT_EQ(media.calls.count(QStringLiteral("play")), 2); // restarted once, not on every tick
}

TEST_F(PlaybackEngineTest, AdvanceNeverLoopsOnWhatCannotPlay)
{
    // An unplayable file as the last entry stops instead of restarting on every tick.
    media.durationSeconds = 0.0;
    play({QStringLiteral("/m/broken.mp3")}, 0);
    tickAt(0);
    EXPECT_EQ(d().status, QStringLiteral(" Stopped "));
    EXPECT_FALSE(d().pauseEnabled);

    // An entry with an empty name stops the advance without a message on every tick.
    playlist.clear();
    media.durationSeconds = 10.0;
    play({QStringLiteral("/m/a.mp3"), QStringLiteral("/m/README")}, 0);
    tickAt(10);
    tickAt(10);
    EXPECT_EQ(d().status, QStringLiteral(" Stopped "));
    EXPECT_TRUE(box.shown.isEmpty());

    // A list replaced while a file played: the advance starts at its first entry.
    play({QStringLiteral("/m/a.mp3")}, 0);
    playlist.clear();
    playlist.appendAll({QStringLiteral("/m/x.mp3"), QStringLiteral("/m/y.mp3")});
    tickAt(10);
    tickAt(10);
    EXPECT_EQ(media.fileName(), QStringLiteral("/m/x.mp3"));
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(PlaybackEngineTest, ANewTrackDoesNotInheritTheSliderPosition)
{
    media.durationSeconds = 120;
    play(three, 0);
    tickAt(120); // the slider stands at 120
    engine.StopPlayback();
    playlist.setSelectedIndex(1);
    engine.StartPlayback(); // a track of the same length
    media.position = 0.5;
    engine.PlaybackTick();
    EXPECT_EQ(playlist.selectedIndex(), 1);
    EXPECT_EQ(media.calls.count(QStringLiteral("play")), 2);
}

TEST_F(PlaybackEngineTest, VolumeAndSpeedLevelsStayInRange)
{
    for (int i = 0; i < 7; ++i)
        engine.volumeUp();
    EXPECT_EQ(d().volumeLevel, 10);
    EXPECT_EQ(media.volume(), 0);
    EXPECT_EQ(d().volumeTip, QStringLiteral("Volume: 100%"));
    engine.volumeDown();
    EXPECT_EQ(media.volume(), -350);

    for (int i = 0; i < 7; ++i)
        engine.speedDown();
    EXPECT_EQ(d().speedLevel, 0);
    EXPECT_DOUBLE_EQ(media.rate(), 0.75);
    EXPECT_EQ(d().speedTip, QStringLiteral("Speed: 75%"));

    engine.activate();
    EXPECT_EQ(d().volumeLevel, 5);
    EXPECT_EQ(media.volume(), -1750);
    EXPECT_EQ(d().volumeTip, QStringLiteral("Volume: 50%"));
    EXPECT_EQ(d().speedLevel, 5);
    EXPECT_DOUBLE_EQ(media.rate(), 1.0);
}

TEST_F(PlaybackEngineTest, MuteAndSeekBar)
{
    play(three, 0);
    engine.toggleMute();
    EXPECT_TRUE(media.mute());
    EXPECT_EQ(d().muteCaption, QStringLiteral("Mute On"));
    engine.toggleMute();
    EXPECT_FALSE(media.mute());

    engine.seekByBar(42.5);
    EXPECT_DOUBLE_EQ(media.position, 42.5);
    EXPECT_DOUBLE_EQ(d().marker, 42.5);
}

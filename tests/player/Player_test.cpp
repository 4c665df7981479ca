#include <cstdio>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "ClockTexts.h"
#include "DroppedFiles.h"
#include "FakeMediaComponent.h"
#include "FileNameCodec.h"
#include "PlaybackEngine.h"
#include "PlaybackTables.h"
#include "Playlist.h"
#include "PlaylistActions.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
// The player's core as the main window drives it, over a media component without sound.
class PlayerTest : public ::testing::Test {
protected:
    PlayerTest() { media.durationSeconds = 100.4; }

    void play(const QStringList &paths, int index)
    {
        playlist.appendAll(paths);
        playlist.setSelectedIndex(index);
        engine.StartPlayback();
    }
    void tickAt(double seconds, int ticks = 1)
    {
        media.position = seconds;
        while (ticks-- > 0)
            engine.PlaybackTick();
    }
    int plays() const { return int(media.calls.count(u"play"_s)); }
    const PlayerDisplay &d() const { return engine.display(); }
    // Runs a play-list action and gives the prompt it showed ("" when none).
    QString promptOf(void (PlaylistActions::*action)())
    {
        const qsizetype before = box.shown.size();
        (actions.*action)();
        return box.shown.size() > before ? box.shown.last().prompt : QString();
    }

    ScriptedMessageBox box;
    ScriptedFileDialog dialog;
    FakeMediaComponent media;
    Playlist playlist;
    PlaybackEngine engine{media, playlist};
    PlaylistActions actions{playlist, engine};
    QTemporaryDir dir;
    const QStringList three = {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"};
};
using PlaybackEngineTest = PlayerTest;
using PlaylistActionsTest = PlayerTest;
} // namespace

TEST_F(PlaybackEngineTest, StartNeedsAPlayableSelectionThenShowsTheFile)
{
    const QString file = dir.filePath(u"one.mp3"_s);
    TestMedia::writeFile(file, QByteArray(1048576, 'x'));
    playlist.appendAll({"/m/noext", file});
    engine.StartPlayback();
    playlist.setSelectedIndex(0); // shown with an empty name
    engine.StartPlayback();
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_EQ(box.shown.at(1).prompt, "   Please select an MP3 File to play!");
    EXPECT_EQ(plays(), 0);
    playlist.setSelectedIndex(1);
    engine.StartPlayback();
    EXPECT_EQ(media.calls, (QStringList{"setFileName", "play"}));
    EXPECT_EQ(
        (QStringList{d().totalFiles, d().currentFile, d().fileSize, d().filePath, d().status}),
        (QStringList{"2", "2", "1.00MB", file, " Playing "}));
    EXPECT_TRUE(d().pauseEnabled && d().pathStripVisible);
    EXPECT_EQ(std::pair(d().seekScale, d().sliderMax), std::pair(100.4, 100));
}

TEST_F(PlaybackEngineTest, PauseResumeStopAndWhatFollows)
{
    play(three, 0);
    engine.pauseOrResume();
    EXPECT_EQ(d().pauseCaption + d().status, "Resume Paused ");
    engine.pauseOrResume();
    EXPECT_EQ(media.calls.mid(2), (QStringList{"pause", "play"}));

    tickAt(100.4); // the slider stands at the track's end
    engine.StopPlayback();
    EXPECT_EQ(d().status, " Stopped ");
    EXPECT_EQ(d().sliderMax, -1);
    EXPECT_EQ(d().position + d().remaining + d().length + d().fileSize, QString());
    EXPECT_FALSE(d().pauseEnabled || d().pathStripVisible);
    QSignalSpy changed(&engine, &PlaybackEngine::displayChanged);
    media.position = 50.2; // the tick runs on after a stop, moving only marker and progress
    ASSERT_TRUE(changed.wait(2000));
    EXPECT_EQ(d().progress, "Current File  50 %  Completed");
    EXPECT_EQ(d().position, QString());

    playlist.setSelectedIndex(1);
    engine.StartPlayback(); // a track of the same length does not end at once
    tickAt(0.5);
    EXPECT_EQ(std::pair(playlist.selectedIndex(), plays()), std::pair(1, 3));
    playlist.clear();
    engine.StopPlayback();
    EXPECT_EQ(d().status + d().progress, " No File is Selected Current File  0 %  Completed");
}

TEST_F(PlaybackEngineTest, EndOfTrackAdvancesAndTheLastEntryReplays)
{
    play(three, 1);
    tickAt(100.4);
    EXPECT_EQ(playlist.selectedIndex(), 1);
    tickAt(100.4); // the slider stood at its maximum since the last tick
    EXPECT_EQ(media.fileName(), "/m/c.mp3");
    EXPECT_EQ(media.position, 0.0);
    tickAt(100.4, 2);
    EXPECT_EQ(playlist.selectedIndex(), 2); // cannot move past the last: it plays again
    EXPECT_EQ(plays(), 3);
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(PlaybackEngineTest, OneEntryReplaysAndDraggingToTheEndAdvances)
{
    play({"/m/only.mp3"}, 0);
    engine.speedUp();
    engine.toggleMute();
    engine.seekBySlider(100);
    engine.PlaybackTick();
    EXPECT_EQ(plays(), 1); // 0.4 s are still to play
    tickAt(100.4);
    EXPECT_EQ(plays(), 2);
    EXPECT_EQ(d().speedLevel, 5);
    EXPECT_EQ(d().speedTip + d().muteCaption, "Speed: 100%Mute Off");
    EXPECT_FALSE(media.mute());
    engine.PlaybackTick();
    EXPECT_EQ(plays(), 2); // restarted once, not on every tick
}

TEST_F(PlaybackEngineTest, AdvanceNeverLoopsOnWhatCannotPlay)
{
    // An unplayable file as the last entry stops instead of restarting on every tick.
    media.durationSeconds = 0.0;
    play({"/m/broken.mp3"}, 0);
    tickAt(0);
    EXPECT_EQ(d().status, " Stopped ");

    // An entry with an empty name stops the advance without a message on every tick.
    playlist.clear();
    media.durationSeconds = 10.0;
    play({"/m/a.mp3", "/m/README"}, 0);
    tickAt(10, 2);
    EXPECT_EQ(d().status, " Stopped ");

    // A list replaced while a file played: the advance starts at its first entry.
    play({"/m/a.mp3"}, 0);
    playlist.clear();
    playlist.appendAll({"/m/x.mp3", "/m/y.mp3"});
    tickAt(10, 2);
    EXPECT_EQ(media.fileName(), "/m/x.mp3");
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(PlaylistActionsTest, OpenAddsFilesAndReplacesWithPlayLists)
{
    const QString m3u = dir.filePath(u"list.M3U"_s);
    TestMedia::writeFile(m3u, "/m/x.mp3\r\n#comment\r\n");
    dialog.openAnswers = {"/m/a.mp3", " ", "/m/b.mp3", m3u};
    for (int i = 0; i < 3; ++i)
        actions.open(); // " " is no choice
    EXPECT_EQ(playlist.paths(), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
    EXPECT_EQ(dialog.filters.first(), "MP3 Files (*.mp3)|*.mp3|M3U Playlist (*.m3u)|*.m3u");

    playlist.setSelectedIndex(0);
    engine.StartPlayback();
    actions.open(); // a play list replaces both lists and leaves the playing file alone
    EXPECT_EQ(playlist.paths(), (QStringList{"/m/x.mp3", "#comment"}));
    EXPECT_EQ(playlist.names(), (QStringList{"x", ""}));
    EXPECT_FALSE(media.calls.contains(u"stop"_s));
}

TEST_F(PlaylistActionsTest, SaveWritesTheNameAsChosen)
{
    EXPECT_EQ(promptOf(&PlaylistActions::save),
              "    Playlist is Empty! Please add files to Playlist and Save again !");
    EXPECT_EQ(box.shown.last().title, " Save Playlist Error ");
    playlist.appendAll({"/m/a.mp3", "/m/b.mp3"});
    dialog.saveAnswers = {dir.filePath(u"saved"_s), ""};
    EXPECT_EQ(promptOf(&PlaylistActions::save), "");
    EXPECT_EQ(promptOf(&PlaylistActions::save), ""); // cancelled
    EXPECT_EQ(dialog.filters.last(), "M3U Playlist (*.m3u)|*.m3u");
    EXPECT_EQ(TestMedia::readFile(dir.filePath(u"saved"_s)), "/m/a.mp3\r\n/m/b.mp3\r\n");
    // A list that cannot be written says so, and the earlier file stays.
    playlist.append(u"/m/two\nlines.mp3"_s);
    dialog.saveAnswers = {dir.filePath(u"saved"_s), dir.filePath(u"none/saved"_s)};
    EXPECT_EQ(promptOf(&PlaylistActions::save),
              "    Playlist not saved to " + dir.filePath(u"saved"_s) +
                  ": a play list line cannot hold the line break in /m/two\nlines.mp3 !");
    playlist.removeAt(2);
    EXPECT_EQ(promptOf(&PlaylistActions::save), "    Playlist not saved to " +
                                                    dir.filePath(u"none/saved"_s) +
                                                    ": it could not be written !");
    EXPECT_EQ(TestMedia::readFile(dir.filePath(u"saved"_s)), "/m/a.mp3\r\n/m/b.mp3\r\n");
}

TEST_F(PlaylistActionsTest, NextPreviousAndInformationActOrSayWhyNot)
{
    using A = PlaylistActions;
    const auto info = [this] {
        return actions.checkInfoSelection() ? QString() : box.shown.last().prompt;
    };
    EXPECT_EQ(info(), "   Playlist is Empty! Please add files to Playlist and try again !");
    EXPECT_EQ(promptOf(&A::next), "  Please select an MP3 File to play!");
    playlist.append(u"/m/a.mp3"_s);
    EXPECT_EQ(info(), "   Please select a file and try again ! ");
    playlist.setSelectedIndex(0);
    EXPECT_EQ(info(), "");
    EXPECT_EQ(promptOf(&A::next), "  There is only one file in the Playlist!");
    playlist.append(u"/m/b.mp3"_s);
    EXPECT_EQ(promptOf(&A::previous), "  This is the first file in the Playlist!");
    EXPECT_EQ(box.shown.last().title, " File Selection Error ");

    engine.StartPlayback();
    engine.pauseOrResume(); // paused does not block
    EXPECT_EQ(promptOf(&A::next), "");
    EXPECT_EQ(media.fileName(), "/m/b.mp3");
    EXPECT_EQ(promptOf(&A::next), "  This is the last file in the Playlist!");
    EXPECT_EQ(promptOf(&A::previous), "");
    EXPECT_EQ(media.fileName(), "/m/a.mp3");
    engine.StopPlayback();
    EXPECT_EQ(promptOf(&A::previous), "  Please play the file then click Previous button!");
    EXPECT_EQ(promptOf(&A::next), "  Please play the file then click Next button!");
    EXPECT_EQ(box.shown.size(), 8);
}

TEST(PlaybackTables, MinSecTextsHalvesToEvenAndTheDate)
{
    const std::pair<int, const char *> times[] = {{65, "1 :0 5"}, {600, "10 :0 0"}, {-1, "0 :0 0"}};
    for (const auto &[seconds, text] : times)
        EXPECT_EQ(PlaybackTables::FormatMinSec(seconds), text) << seconds;
    const std::pair<double, int> rounded[] = {{2.5, 2},
                                              {3.5, 4},
                                              {-0.5, 0},
                                              {2.51, 3},
                                              {1e300, 2000000000},
                                              {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto &[value, whole] : rounded)
        EXPECT_EQ(PlaybackTables::roundHalfEven(value), whole) << value;
    const QString date = ClockTexts::dateText(QDate(2026, 3, 7));
    EXPECT_TRUE(date.contains(u" , 07 "_s) && date.endsWith(u" , 2026 "_s)) << date.toStdString();
}

// Which entries each kind adds, and in which order: PlayerWindow_test. Here, what does not count
// as a usable file, and a name that is not UTF-8, which a file manager sends percent-encoded byte
// by byte.
TEST(DroppedFilesTest, OnlyLocalFilesCountAndNamesKeepTheirBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"folder/below"_s));
    for (const char *name : {"LOUD.MP3", "folder/below/deep.mp3"})
        ASSERT_TRUE(TestMedia::writeFile(dir.filePath(QLatin1String(name)), "x"));
    const QByteArray latin = QFile::encodeName(dir.path()) + "/caf\xe9.mp3";
    std::FILE *file = std::fopen(latin.constData(), "w"); // QFile would re-encode the name
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    const QUrl latinUrl(u"file://"_s + QString::fromLatin1(latin.toPercentEncoding("/")));
    const QList<QUrl> unusable = {QUrl(u"https://example.org/remote.mp3"_s),
                                  QUrl::fromLocalFile(dir.filePath(u"gone.mp3"_s))};
    EXPECT_FALSE(DroppedFiles(unusable).isUsable());
    const auto local = [&](const char *name) {
        return QUrl::fromLocalFile(dir.filePath(QLatin1String(name)));
    };
    // The folder holds no .mp3 file of its own, only one below.
    EXPECT_EQ(DroppedFiles(unusable + QList<QUrl>{latinUrl, local("LOUD.MP3"), local("folder")})
                  .entries(),
              (QStringList{FileNameCodec::decode(latin), dir.filePath(u"LOUD.MP3"_s)}));
}

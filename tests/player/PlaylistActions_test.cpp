#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "FakeMediaComponent.h"
#include "PlaybackEngine.h"
#include "Playlist.h"
#include "PlaylistActions.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

namespace {
class PlaylistActionsTest : public ::testing::Test {
protected:
    PlaylistActionsTest() : engine(media, playlist), actions(playlist, engine)
    {
        media.durationSeconds = 60;
    }

    QString lastPrompt() const { return box.shown.isEmpty() ? QString() : box.shown.last().prompt; }

    ScriptedMessageBox box;
    ScriptedFileDialog dialog;
    FakeMediaComponent media;
    Playlist playlist;
    PlaybackEngine engine;
    PlaylistActions actions;
    QTemporaryDir dir;
};
} // namespace

TEST_F(PlaylistActionsTest, OpenAddsFilesAndReplacesWithPlayLists)
{
    const QString m3u = dir.filePath(QStringLiteral("list.M3U"));
    TestMedia::writeFile(m3u, "/m/x.mp3\r\n#comment\r\n");
    dialog.openAnswers = {QStringLiteral("/m/a.mp3"), QStringLiteral(" "),
                          QStringLiteral("/m/b.mp3"), m3u};
    actions.open();
    EXPECT_EQ(dialog.filters.first(),
              QStringLiteral("MP3 Files (*.mp3)|*.mp3|M3U Playlist (*.m3u)|*.m3u"));
    actions.open(); // " " is no choice
    playlist.setSelectedIndex(0);
    engine.StartPlayback();
    actions.open();
    EXPECT_EQ(playlist.paths(),
              (QStringList{QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3")}));
    EXPECT_EQ(playlist.selectedIndex(), 0);

    actions.open(); // a play list replaces both lists and leaves the playing file alone
    EXPECT_EQ(playlist.paths(),
              (QStringList{QStringLiteral("/m/x.mp3"), QStringLiteral("#comment")}));
    EXPECT_EQ(playlist.names(), (QStringList{QStringLiteral("x"), QString()}));
    EXPECT_FALSE(media.calls.contains(QStringLiteral("stop")));
}

TEST_F(PlaylistActionsTest, SaveWritesTheNameAsChosen)
{
    actions.save();
    EXPECT_EQ(
        lastPrompt(),
        QStringLiteral("    Playlist is Empty! Please add files to Playlist and Save again !"));
    EXPECT_EQ(box.shown.last().title, QStringLiteral(" Save Playlist Error "));

    playlist.appendAll({QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3")});
    const QString target = dir.filePath(QStringLiteral("saved"));
    dialog.saveAnswers = {target};
    actions.save();
    EXPECT_EQ(dialog.filters.last(), QStringLiteral("M3U Playlist (*.m3u)|*.m3u"));
    EXPECT_EQ(TestMedia::readFile(target), QByteArray("/m/a.mp3\r\n/m/b.mp3\r\n"));
}

TEST_F(PlaylistActionsTest, NextAndPreviousExplainWhyTheyCannotMove)
{
    actions.next();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  Please select an MP3 File to play!"));
    playlist.append(QStringLiteral("/m/a.mp3"));
    playlist.setSelectedIndex(0);
    actions.next();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  There is only one file in the Playlist!"));
    playlist.append(QStringLiteral("/m/b.mp3"));
    actions.previous();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  This is the first file in the Playlist!"));
    EXPECT_EQ(box.shown.last().title, QStringLiteral(" File Selection Error "));

    engine.StartPlayback();
    engine.pauseOrResume(); // paused does not block
    actions.next();
    EXPECT_EQ(playlist.selectedIndex(), 1);
    EXPECT_EQ(media.fileName(), QStringLiteral("/m/b.mp3"));
    actions.next();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  This is the last file in the Playlist!"));

    engine.StopPlayback();
    actions.previous();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  Please play the file then click Previous button!"));
    actions.next();
    EXPECT_EQ(lastPrompt(), QStringLiteral("  Please play the file then click Next button!"));
    EXPECT_EQ(box.shown.size(), 6);
}

TEST_F(PlaylistActionsTest, DeleteAndClear)
{
    playlist.appendAll({QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3")});
    playlist.setSelectedIndex(0);
    engine.StartPlayback();
    actions.deleteSelected();
    EXPECT_EQ(playlist.paths(), QStringList{QStringLiteral("/m/b.mp3")});
    EXPECT_EQ(playlist.selectedIndex(), -1);
    EXPECT_FALSE(engine.display().pauseEnabled);
    EXPECT_EQ(engine.display().status, QStringLiteral(" Stopped "));

    actions.clear();
    EXPECT_TRUE(playlist.isEmpty());
    const PlayerDisplay &d = engine.display();
    EXPECT_EQ(d.status, QStringLiteral(" No File is Selected "));
    EXPECT_TRUE(d.totalFiles.isEmpty() && d.currentFile.isEmpty() && d.progress.isEmpty() &&
                d.path.isEmpty());
}

TEST_F(PlaylistActionsTest, InformationNeedsASelectedEntry)
{
    EXPECT_FALSE(actions.checkInfoSelection());
    EXPECT_EQ(lastPrompt(),
              QStringLiteral("   Playlist is Empty! Please add files to Playlist and try again !"));
    playlist.append(QStringLiteral("/m/a.mp3"));
    EXPECT_FALSE(actions.checkInfoSelection());
    EXPECT_EQ(lastPrompt(), QStringLiteral("   Please select a file and try again ! "));
    playlist.setSelectedIndex(0);
    EXPECT_TRUE(actions.checkInfoSelection());
    EXPECT_EQ(box.shown.size(), 2);
}

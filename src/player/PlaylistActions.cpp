#include "PlaylistActions.h"

#include "DroppedFiles.h"
#include "FileDialog.h"
#include "FileNameCodec.h"
#include "M3uFile.h"
#include "MessageBox.h"
#include "PlaybackEngine.h"
#include "Playlist.h"

namespace {
const QString kSelectionError = QStringLiteral(" File Selection Error ");

bool isNoChoice(const QString &name) { return name.isEmpty() || name == QLatin1String(" "); }
} // namespace

PlaylistActions::PlaylistActions(Playlist &playlist, PlaybackEngine &engine)
    : m_playlist(playlist), m_engine(engine)
{
}

void PlaylistActions::complain(const char *prompt)
{
    MessageBox::instance().show(QString::fromLatin1(prompt), MessageBox::OkOnly, kSelectionError);
}

void PlaylistActions::open()
{
    const QString name = FileDialog::instance().showOpen(
        QStringLiteral("MP3 Files (*.mp3)|*.mp3|M3U Playlist (*.m3u)|*.m3u"), QString());
    if (isNoChoice(name))
        return;
    if (name.right(3).compare(QLatin1String("m3u"), Qt::CaseInsensitive) == 0) {
        QStringList paths;
        M3uFile::OpenPlaylist(name, paths);
        m_playlist.clear();
        m_playlist.appendAll(paths);
    } else {
        m_playlist.append(name);
    }
}

void PlaylistActions::addDropped(const QList<QUrl> &urls)
{
    m_playlist.appendAll(DroppedFiles(urls).entries());
}

void PlaylistActions::save()
{
    if (m_playlist.isEmpty()) {
        MessageBox::instance().show(
            QStringLiteral("    Playlist is Empty! Please add files to Playlist and Save again !"),
            MessageBox::OkOnly, QStringLiteral(" Save Playlist Error "));
        return;
    }
    const QString name =
        FileDialog::instance().showSave(QStringLiteral("M3U Playlist (*.m3u)|*.m3u"), QString());
    if (isNoChoice(name) || M3uFile::SavePlaylist(name, m_playlist.paths()))
        return;
    // A list that was not written must not pass for saved.
    const QString unstorable = M3uFile::unstorable(m_playlist.paths());
    const QString why = unstorable.isEmpty()
                            ? QStringLiteral("it could not be written")
                            : QStringLiteral("a play list line cannot hold the line break in ") +
                                  FileNameCodec::display(unstorable);
    MessageBox::instance().show(
        QStringLiteral("    Playlist not saved to %1: %2 !").arg(FileNameCodec::display(name), why),
        MessageBox::OkOnly, QStringLiteral(" Save Playlist Error "));
}

void PlaylistActions::deleteSelected()
{
    if (m_playlist.selectedIndex() >= 0) {
        m_playlist.removeAt(m_playlist.selectedIndex());
        m_engine.StopPlayback();
    }
    m_engine.disablePause();
}

void PlaylistActions::clear()
{
    m_playlist.clear();
    m_engine.StopPlayback();
    m_engine.clearValues();
}

const char *PlaylistActions::stepRefusal(int direction) const
{
    const bool forward = direction > 0;
    const int selected = m_playlist.selectedIndex();
    if (m_engine.display().status == QLatin1String(" Stopped "))
        return forward ? "  Please play the file then click Next button!"
                       : "  Please play the file then click Previous button!";
    if (selected < 0)
        return "  Please select an MP3 File to play!";
    if (m_playlist.count() < 2)
        return "  There is only one file in the Playlist!";
    if (forward && selected == m_playlist.count() - 1)
        return "  This is the last file in the Playlist!";
    if (!forward && selected == 0)
        return "  This is the first file in the Playlist!";
    return nullptr;
}

void PlaylistActions::step(int direction)
{
    if (const char *refusal = stepRefusal(direction)) {
        complain(refusal);
        return;
    }
    m_engine.StopPlayback();
    m_playlist.setSelectedIndex(m_playlist.selectedIndex() + direction);
    m_engine.StartPlayback();
    m_engine.resetSpeedAndMute();
}

void PlaylistActions::doubleClick()
{
    m_engine.StartPlayback();
    m_engine.resetSpeedAndMute();
}

bool PlaylistActions::checkInfoSelection()
{
    if (m_playlist.isEmpty())
        complain("   Playlist is Empty! Please add files to Playlist and try again !");
    else if (m_playlist.selectedIndex() < 0)
        complain("   Please select a file and try again ! ");
    return !m_playlist.isEmpty() && m_playlist.selectedIndex() >= 0;
}

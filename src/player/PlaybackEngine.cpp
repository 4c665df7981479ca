#include "PlaybackEngine.h"

#include <cmath>

#include <QFileInfo>

#include "MediaComponent.h"
#include "MessageBox.h"
#include "PlaybackTables.h"
#include "Playlist.h"
#include "StepRunner.h"

namespace {
const QString kPlaying = QStringLiteral(" Playing ");
const QString kPaused = QStringLiteral(" Paused ");
const QString kStopped = QStringLiteral(" Stopped ");
const QString kNoFile = QStringLiteral(" No File is Selected ");
const QString kSelected = QStringLiteral(" File is selected ");
} // namespace

PlaybackEngine::PlaybackEngine(MediaComponent &media, Playlist &playlist, QObject *parent)
    : QObject(parent), m_media(media), m_playlist(playlist)
{
    m_tick.setInterval(kTickMs);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &PlaybackEngine::PlaybackTick);
    connect(&m_playlist, &Playlist::selectionChanged, this, &PlaybackEngine::showSelection);
}

void PlaybackEngine::StartPlayback(bool checkSelection)
{
    if (checkSelection && !m_playlist.hasPlayableSelection()) {
        MessageBox::instance().show(QStringLiteral("   Please select an MP3 File to play!"),
                                    MessageBox::OkOnly, QStringLiteral(" File Selection Error "));
        return;
    }
    auto &d = m_display;
    StepRunner::run(
        [&] {
            m_paused = false;
            m_media.setFileName(m_playlist.selectedPath());
            m_media.play();
        },
        [&] {
            // A new track starts at 0: a slider left at the old track's end would end it at once.
            d.sliderValue = 0;
            d.sliderMax = PlaybackTables::roundHalfEven(m_media.duration());
        },
        [&] {
            d.speedTip = PlaybackTables::speedTip(PlaybackTables::kMiddleLevel);
            d.speedLevel = PlaybackTables::kMiddleLevel;
            m_media.setRate(1.0);
        },
        [&] {
            d.seekScale = m_media.duration();
            m_tick.start();
        },
        [&] { showCounts(); },
        [&] {
            d.pauseEnabled = true;
            d.filePath = m_media.fileName();
            d.muteCaption = QStringLiteral("Mute Off");
            m_media.setMute(false); // the caption says sound is on, so make it so
        },
        [&] { setStatus(kPlaying, PlayerDisplay::kGreen); },
        [&] {
            const QFileInfo file(m_media.fileName());
            if (file.isFile())
                d.fileSize = PlaybackTables::megabytes(file.size());
        },
        [&] { d.pathStripVisible = true; });
    publish();
}

void PlaybackEngine::StopPlayback()
{
    m_display.speedTip = PlaybackTables::speedTip(PlaybackTables::kMiddleLevel);
    stopAndShowStopped();
}

void PlaybackEngine::stopAfterToolWindow()
{
    m_tick.start();
    stopAndShowStopped();
}

void PlaybackEngine::stopAndShowStopped()
{
    auto &d = m_display;
    m_media.stop();
    m_paused = false;
    d.speedLevel = PlaybackTables::kMiddleLevel;
    d.sliderMax = -1;
    d.position.clear();
    d.remaining.clear();
    d.length.clear();
    d.fileSize.clear();
    showCounts();
    d.progress =
        QStringLiteral("Current File ") + QStringLiteral(" 0 %") + QStringLiteral("  Completed");
    d.pauseEnabled = false;
    if (m_playlist.isEmpty())
        setStatus(kNoFile, PlayerDisplay::kBlue);
    else
        setStatus(kStopped, PlayerDisplay::kRed);
    d.pathStripVisible = false;
    publish();
}

void PlaybackEngine::PlaybackTick()
{
    auto &d = m_display;
    d.marker = m_media.currentPosition();
    if (d.seekScale != 0.0)
        d.progress =
            m_progressText.of(int(std::floor(d.marker / d.seekScale * 100.0)), [](int percent) {
                return QStringLiteral("Current File  ") + QString::number(percent) +
                       QStringLiteral(" %") + QStringLiteral("  Completed");
            });
    if (d.pauseEnabled) {
        // The slider rounds, so it reaches its end up to half a second early: wait for the
        // component to reach the end as well, or every track would lose its last moments.
        if (d.sliderValue == d.sliderMax && m_media.currentPosition() >= m_media.duration())
            advanceAtEnd();
        const double position = m_media.currentPosition();
        const double duration = m_media.duration();
        const int rounded = PlaybackTables::roundHalfEven(position);
        if (position >= 0 && rounded <= d.sliderMax)
            d.sliderValue = rounded;
        d.remaining = m_remainingText.of(PlaybackTables::roundHalfEven(duration - position),
                                         PlaybackTables::FormatMinSec);
        d.position = m_positionText.of(rounded, PlaybackTables::FormatMinSec);
        d.sliderMax = PlaybackTables::roundHalfEven(duration);
        d.length = m_lengthText.of(d.sliderMax, PlaybackTables::FormatMinSec);
    }
    publish();
}

void PlaybackEngine::advanceAtEnd()
{
    const int count = m_playlist.count();
    const int selected = m_playlist.selectedIndex();
    const int next = count == 1 ? 0 : std::min(selected + 1, count - 1);
    // Nothing left to play, or a file that will not play and nothing after it: stop rather than
    // restart it (or ask for a selection) on every tick.
    const bool unplayableAndLast = m_media.duration() <= 0.0 && next == selected;
    m_playlist.setSelectedIndex(next);
    if (count == 0 || unplayableAndLast || !m_playlist.hasPlayableSelection()) {
        StopPlayback();
        return;
    }
    StartPlayback(false);
    resetSpeedAndMute();
}

void PlaybackEngine::pauseOrResume()
{
    if (m_display.pauseCaption == QLatin1String("Pause"))
        pause();
    else
        resume();
}

void PlaybackEngine::pause()
{
    m_display.pauseCaption = QStringLiteral("Resume");
    m_media.pause();
    m_paused = true;
    setStatus(kPaused, PlayerDisplay::kBlue);
}

void PlaybackEngine::resume()
{
    m_display.pauseCaption = QStringLiteral("Pause");
    m_media.play();
    m_paused = false;
    setStatus(kPlaying, PlayerDisplay::kGreen);
}

void PlaybackEngine::toggleMute()
{
    const bool mute = m_display.muteCaption == QLatin1String("Mute Off");
    m_media.setMute(mute);
    m_display.muteCaption = mute ? QStringLiteral("Mute On") : QStringLiteral("Mute Off");
    publish();
}

void PlaybackEngine::setVolumeLevel(int level)
{
    m_display.volumeLevel = std::clamp(level, 0, PlaybackTables::kLevels - 1);
    m_media.setVolume(PlaybackTables::volumeFor(m_display.volumeLevel));
    m_display.volumeTip = PlaybackTables::volumeTip(m_display.volumeLevel);
    publish();
}

void PlaybackEngine::setSpeedLevel(int level)
{
    m_display.speedLevel = std::clamp(level, 0, PlaybackTables::kLevels - 1);
    m_media.setRate(PlaybackTables::rateFor(m_display.speedLevel));
    m_display.speedTip = PlaybackTables::speedTip(m_display.speedLevel);
    publish();
}

void PlaybackEngine::seekBySlider(int seconds)
{
    m_media.setCurrentPosition(seconds);
    if (seconds >= 0 && seconds <= m_display.sliderMax)
        m_display.sliderValue = seconds;
    publish();
    emit seeked();
}

void PlaybackEngine::seekByBar(double seconds)
{
    m_display.marker = seconds;
    m_media.setCurrentPosition(seconds);
    publish();
    emit seeked();
}

void PlaybackEngine::activate()
{
    setVolumeLevel(PlaybackTables::kMiddleLevel);
    setSpeedLevel(PlaybackTables::kMiddleLevel);
}

void PlaybackEngine::resetSpeedAndMute()
{
    m_display.speedTip = PlaybackTables::speedTip(PlaybackTables::kMiddleLevel);
    m_display.speedLevel = PlaybackTables::kMiddleLevel;
    m_media.setRate(1.0);
    m_display.muteCaption = QStringLiteral("Mute Off");
    publish();
}

void PlaybackEngine::showSelection()
{
    if (!m_playlist.isEmpty())
        setStatus(kSelected, PlayerDisplay::kBlue);
}

void PlaybackEngine::setStatus(const QString &text, quint32 color)
{
    m_display.status = text;
    m_display.statusColor = color;
    publish();
}

void PlaybackEngine::disablePause()
{
    m_display.pauseEnabled = false;
    publish();
}

void PlaybackEngine::clearValues()
{
    auto &d = m_display;
    for (QString *label : {&d.position, &d.remaining, &d.progress, &d.length, &d.fileSize,
                           &d.totalFiles, &d.currentFile, &d.filePath})
        label->clear();
    d.pauseEnabled = false;
    setStatus(kNoFile, PlayerDisplay::kBlue);
}

void PlaybackEngine::showCounts()
{
    m_display.totalFiles = QString::number(m_playlist.count());
    m_display.currentFile = QString::number(m_playlist.selectedIndex() + 1);
}

void PlaybackEngine::publish()
{
    if (m_display == m_published)
        return;
    m_published = m_display;
    emit displayChanged();
}

#include "moc_PlaybackEngine.cpp"

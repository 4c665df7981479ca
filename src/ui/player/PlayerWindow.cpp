#include "PlayerWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QWindow>

#include "AboutWindow.h"
#include "CdPlayerWindow.h"
#include "CdToMp3Window.h"
#include "ChameleonButton.h"
#include "ClockTexts.h"
#include "CutMergeWindow.h"
#include "DesktopAssociation.h"
#include "DesktopRegistry.h"
#include "FileNameCodec.h"
#include "MediaComponent.h"
#include "Mp3InfoWindow.h"
#include "Mp3SearchWindow.h"
#include "PathStrip.h"
#include "PlayerWindowControls.h"
#include "PlaylistDropTarget.h"
#include "RecorderWindow.h"
#include "ScreenPlacement.h"
#include "ScrollingText.h"
#include "SeekBar.h"
#include "TagEditorWindow.h"
#include "TitleLabel.h"

namespace {
constexpr int kTwipsPerPixel = PlayerWindowControls::kTwipsPerPixel;
constexpr int kWidth = PlayerWindowControls::kWidth;
// The lines keep their speeds (the credit 20 twips and the path 40 twips every 30 ms) in steps of
// whole pixels every 45 ms: even steps instead of alternating 1 and 2 pixels, and a third fewer
// repaints, which is most of what an idle window costs.
constexpr int kScrollTickMs = 45;
constexpr int kCreditStepTwips = 30;
} // namespace

PlayerWindow::PlayerWindow(MediaComponent &media, SoundCommands &sound,
                           std::function<bool()> anotherCopyRunning, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_media(media), m_sound(sound),
      m_anotherCopyRunning(std::move(anotherCopyRunning)), m_engine(media, m_playlist),
      m_actions(m_playlist, m_engine),
      m_remote(m_engine, m_actions, m_playlist, media,
               {[this](const QStringList &paths) { playFiles(paths); }, [this] { comeForward(); },
                [this] { exitPlayer(); }}),
      m_ui(*this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));
    connectTitleLine();
    connectPlayback();
    connectButtons();
    connectPlaylist();
    connect(&m_engine, &PlaybackEngine::displayChanged, this, &PlayerWindow::render);

    // Both lines scroll on one timer, so an idle window wakes once per step, not twice.
    m_scrollTimer.setInterval(kScrollTickMs);
    connect(&m_scrollTimer, &QTimer::timeout, this, &PlayerWindow::scrollLines);
    m_scrollTimer.start();
    m_clockTimer.setSingleShot(true);
    m_clockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, &PlayerWindow::showClock);

    render();
    showClock();
    ScreenPlacement::centre(this);
}

void PlayerWindow::connectTitleLine()
{
    connect(m_ui.title, &TitleLabel::pressed, this, &PlayerWindow::DragWindow);
    connect(m_ui.time, &TitleLabel::pressed, this, &PlayerWindow::DragWindow);
    connect(m_ui.minimise, &TitleLabel::clicked, this, &QWidget::showMinimized);
    connect(m_ui.exit, &TitleLabel::clicked, this, &PlayerWindow::exitPlayer);
}

void PlayerWindow::connectPlayback()
{
    connect(m_ui.seekBar, &SeekBar::seekRequested, &m_engine, &PlaybackEngine::seekByBar);
    connect(m_ui.positionSlider, &QSlider::valueChanged, this, [this](int value) {
        if (!m_rendering)
            m_engine.seekBySlider(value);
    });
    m_creditTwips = kWidth * kTwipsPerPixel;
}

void PlayerWindow::connectButtons()
{
    const auto on = [this](ChameleonButton *button, auto handler) {
        connect(button, &ChameleonButton::Click, this, handler);
    };
    on(m_ui.open, [this] { m_actions.open(); });
    on(m_ui.play, [this] { m_engine.StartPlayback(); });
    on(m_ui.stop, [this] { m_engine.StopPlayback(); });
    on(m_ui.pause, [this] { m_engine.pauseOrResume(); });
    on(m_ui.next, [this] { m_actions.next(); });
    on(m_ui.previous, [this] { m_actions.previous(); });
    on(m_ui.clear, [this] { m_actions.clear(); });
    on(m_ui.mute, [this] { m_engine.toggleMute(); });
    on(m_ui.saveList, [this] { m_actions.save(); });
    on(m_ui.deleteEntry, [this] { m_actions.deleteSelected(); });
    on(m_ui.volumeUp, [this] { m_engine.volumeUp(); });
    on(m_ui.volumeDown, [this] { m_engine.volumeDown(); });
    on(m_ui.speedUp, [this] { m_engine.speedUp(); });
    on(m_ui.speedDown, [this] { m_engine.speedDown(); });
    on(m_ui.openInfo, [this] {
        if (m_actions.checkInfoSelection())
            showToolWindow(new Mp3InfoWindow(m_playlist));
    });
    on(m_ui.ripMp3, [this] { showToolWindow(new CdToMp3Window); });
    on(m_ui.record, [this] { showToolWindow(new RecorderWindow(m_sound)); });
    on(m_ui.cutMerge, [this] {
        auto *window = new CutMergeWindow(m_media);
        connect(window, &CutMergeWindow::playerResetRequested, &m_engine,
                &PlaybackEngine::stopAfterToolWindow);
        showToolWindow(window);
    });
    // The editor is hidden, not unloaded, by its Close, and comes back as it was left.
    on(m_ui.editTags, [this] { TagEditorWindow::showFor(this); });
    on(m_ui.search, [this] { showToolWindow(new Mp3SearchWindow(m_playlist)); });
    on(m_ui.audioCd, [this] {
        showToolWindow(
            new CdPlayerWindow(m_sound, m_anotherCopyRunning, [] { QCoreApplication::exit(0); }));
    });
    on(m_ui.about, [this] { showToolWindow(new AboutWindow); });
    connectAssociationOptions();
}

void PlayerWindow::connectAssociationOptions()
{
    const auto on = [this](const char *option, auto change) {
        connect(findChild<QRadioButton *>(QLatin1String(option)), &QRadioButton::clicked, this,
                [change] {
                    DesktopRegistry registry;
                    (DesktopAssociation(registry).*change)(QStringLiteral("mp3"),
                                                           QCoreApplication::applicationFilePath());
                });
    };
    on("Option1", &DesktopAssociation::Make);
    on("Option2", &DesktopAssociation::Remove);
}

void PlayerWindow::connectPlaylist()
{
    QListWidget *list = m_ui.playlist;
    connect(&m_playlist, &Playlist::entriesAppended, this, [this, list](int first) {
        list->addItems(FileNameCodec::display(m_playlist.names().mid(first)));
    });
    connect(&m_playlist, &Playlist::entriesReset, this, [this, list] {
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(FileNameCodec::display(m_playlist.names()));
    });
    connect(&m_playlist, &Playlist::selectionChanged, this, [list](int index) {
        const QSignalBlocker block(list);
        list->setCurrentRow(index);
        if (index < 0)
            list->clearSelection();
    });
    connect(list, &QListWidget::currentRowChanged, &m_playlist, &Playlist::setSelectedIndex);
    // A click on the entry already selected changes no row, yet it is a choice all the same.
    connect(list, &QListWidget::itemClicked, &m_engine, &PlaybackEngine::showSelection);
    connect(new PlaylistDropTarget(list), &PlaylistDropTarget::dropped, this,
            [this](const QList<QUrl> &urls) { m_actions.addDropped(urls); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list](QListWidgetItem *item) {
        m_playlist.setSelectedIndex(list->row(item));
        m_actions.doubleClick();
    });
}

void PlayerWindow::render()
{
    // Runs on every playback tick: touch only what changed, so nothing repaints in vain.
    const PlayerDisplay &d = m_engine.display();
    const PlayerDisplay &was = m_shown;
    const bool all = !m_shownOnce;
    m_rendering = true;
    const std::pair<QLabel *, QString PlayerDisplay::*> texts[] = {
        {m_ui.position, &PlayerDisplay::position},
        {m_ui.remaining, &PlayerDisplay::remaining},
        {m_ui.progress, &PlayerDisplay::progress},
        {m_ui.length, &PlayerDisplay::length},
        {m_ui.fileSize, &PlayerDisplay::fileSize},
        {m_ui.totalFiles, &PlayerDisplay::totalFiles},
        {m_ui.currentFile, &PlayerDisplay::currentFile},
        {m_ui.filePath, &PlayerDisplay::filePath},
        {m_ui.status, &PlayerDisplay::status}};
    for (const auto &[label, text] : texts)
        if (all || d.*text != was.*text)
            label->setText(d.*text);
    if (all || d.statusColor != was.statusColor)
        FormBuilder::setTextColor(m_ui.status, QColor::fromRgb(QRgb(d.statusColor)));

    m_ui.pause->setEnabled(d.pauseEnabled);
    if (all || d.pauseCaption != was.pauseCaption)
        m_ui.pause->setCaption(d.pauseCaption);
    if (all || d.muteCaption != was.muteCaption)
        m_ui.mute->setCaption(d.muteCaption);
    for (ChameleonButton *button : {m_ui.volumeUp, m_ui.volumeDown})
        button->setToolTip(d.volumeTip);
    for (ChameleonButton *button : {m_ui.speedUp, m_ui.speedDown})
        button->setToolTip(d.speedTip);
    m_ui.volumeSlider->setValue(d.volumeLevel);
    m_ui.speedSlider->setValue(d.speedLevel);
    if (all || d.sliderMax != was.sliderMax || d.sliderValue != was.sliderValue) {
        m_ui.positionSlider->setMaximum(qMax(d.sliderMax, 0));
        m_ui.positionSlider->setValue(d.sliderValue);
    }
    m_ui.seekBar->show(d.seekScale, d.marker);
    m_ui.pathStrip->setVisible(d.pathStripVisible);
    m_rendering = false;
    m_shown = d;
    m_shownOnce = true;
}

void PlayerWindow::scrollLines()
{
    m_creditTwips -= kCreditStepTwips;
    if (m_creditTwips < -m_ui.credit->textWidth() * kTwipsPerPixel)
        m_creditTwips = kWidth * kTwipsPerPixel;
    m_ui.credit->moveTextTo(m_creditTwips / kTwipsPerPixel);
    m_ui.pathStrip->setText(FileNameCodec::display(m_playlist.selectedPath()));
    m_ui.pathStrip->step();
}

void PlayerWindow::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_ui.date->setText(ClockTexts::dateText(now.date()));
    m_ui.time->setText(ClockTexts::timeText(now.time()));
    // Just after the next second begins: the clock is never behind, and wakes once a second.
    m_clockTimer.start(1005 - now.time().msec());
}

QString PlayerWindow::commandLineFile(const QStringList &arguments)
{
    const QString commandLine = arguments.join(QLatin1Char(' '));
    return commandLine.endsWith(QLatin1String("mp3")) ? commandLine : QString();
}

void PlayerWindow::playFiles(const QStringList &paths)
{
    const int first = m_playlist.count();
    for (const QString &path : paths)
        if (path.endsWith(QLatin1String("mp3")))
            m_playlist.append(path);
    if (m_playlist.count() == first)
        return;
    m_playlist.setSelectedIndex(first);
    m_engine.StartPlayback(false);
}

void PlayerWindow::comeForward()
{
    QWidget *window = this;
    if (!isVisible())
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (shown->isVisible())
                window = shown;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void PlayerWindow::showToolWindow(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, &QWidget::show);
    hide();
    window->show();
}

void PlayerWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_engine.activate();
    QWidget::changeEvent(event);
}

void PlayerWindow::DragWindow(const QPoint &globalPosition)
{
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // Without a window manager that moves windows, follow the mouse ourselves.
    m_dragging = true;
    m_dragOffset = globalPosition - pos();
}

void PlayerWindow::mousePressEvent(QMouseEvent *event)
{
    DragWindow(event->globalPosition().toPoint());
}

void PlayerWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void PlayerWindow::mouseReleaseEvent(QMouseEvent *) { m_dragging = false; }

void PlayerWindow::exitPlayer()
{
    m_playlist.clear();
    m_media.stop();
    close();
    QApplication::quit();
}

#include "moc_PlayerWindow.cpp"

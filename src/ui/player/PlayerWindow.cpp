#include "PlayerWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QMouseEvent>
#include <QSlider>
#include <QWindow>

#include "CdToMp3Window.h"
#include "ChameleonButton.h"
#include "ClockTexts.h"
#include "MediaComponent.h"
#include "Mp3InfoWindow.h"
#include "Mp3SearchWindow.h"
#include "PathStrip.h"
#include "PlayerWindowControls.h"
#include "ScreenPlacement.h"
#include "ScrollingText.h"
#include "SeekBar.h"
#include "TagEditorWindow.h"
#include "TitleLabel.h"

namespace {
constexpr int kTwipsPerPixel = PlayerWindowControls::kTwipsPerPixel;
constexpr int kWidth = PlayerWindowControls::kWidth;
constexpr int kCreditStepTwips = 20;
} // namespace

PlayerWindow::PlayerWindow(MediaComponent &media, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_media(media),
      m_engine(media, m_playlist), m_actions(m_playlist, m_engine), m_ui(*this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));
    connectTitleLine();
    connectPlayback();
    connectButtons();
    connectPlaylist();
    connect(&m_engine, &PlaybackEngine::displayChanged, this, &PlayerWindow::render);

    m_creditTimer.setInterval(30);
    connect(&m_creditTimer, &QTimer::timeout, this, &PlayerWindow::showCredit);
    m_creditTimer.start();
    m_pathTimer.setInterval(30);
    connect(&m_pathTimer, &QTimer::timeout, this, [this] {
        m_ui.pathStrip->setText(m_playlist.selectedPath());
        m_ui.pathStrip->step();
    });
    m_pathTimer.start();
    m_clockTimer.setInterval(100);
    connect(&m_clockTimer, &QTimer::timeout, this, &PlayerWindow::showClock);
    m_clockTimer.start();

    render();
    showClock();
    ScreenPlacement::centre(this);
}

ChameleonButton *PlayerWindow::button(int number) const { return m_ui.button(number); }

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
    connect(m_ui.slider1, &QSlider::valueChanged, this, [this](int value) {
        if (!m_rendering)
            m_engine.seekBySlider(value);
    });
    m_creditTwips = kWidth * kTwipsPerPixel;
}

void PlayerWindow::connectButtons()
{
    const auto on = [this](int number, auto handler) {
        connect(m_ui.buttons.at(number), &ChameleonButton::Click, this, handler);
    };
    on(1, [this] { m_actions.open(); });
    on(2, [this] { m_engine.StartPlayback(); });
    on(3, [this] { m_engine.StopPlayback(); });
    on(4, [this] { m_engine.pauseOrResume(); });
    on(5, [this] { m_actions.next(); });
    on(6, [this] { m_actions.previous(); });
    on(7, [this] { m_actions.clear(); });
    on(8, [this] { m_engine.toggleMute(); });
    on(9, [this] { m_actions.save(); });
    on(10, [this] {
        if (m_actions.checkInfoSelection())
            openToolWindow(10);
    });
    for (int number : {11, 13, 14, 15, 20, 21, 22})
        on(number, [this, number] { openToolWindow(number); });
    on(12, [this] { m_actions.deleteSelected(); });
    on(16, [this] { m_engine.volumeUp(); });
    on(17, [this] { m_engine.volumeDown(); });
    on(18, [this] { m_engine.speedUp(); });
    on(19, [this] { m_engine.speedDown(); });
}

void PlayerWindow::connectPlaylist()
{
    connect(&m_playlist, &Playlist::entriesAppended, this,
            [this](int first) { m_ui.list->addItems(m_playlist.names().mid(first)); });
    connect(&m_playlist, &Playlist::entriesReset, this, [this] {
        const QSignalBlocker block(m_ui.list);
        m_ui.list->clear();
        m_ui.list->addItems(m_playlist.names());
    });
    connect(&m_playlist, &Playlist::selectionChanged, this, [this](int index) {
        const QSignalBlocker block(m_ui.list);
        m_ui.list->setCurrentRow(index);
        if (index < 0)
            m_ui.list->clearSelection();
    });
    connect(m_ui.list, &QListWidget::currentRowChanged, &m_playlist, &Playlist::setSelectedIndex);
    connect(m_ui.list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_playlist.setSelectedIndex(m_ui.list->row(item));
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
    const std::pair<const char *, QString PlayerDisplay::*> texts[] = {
        {"Label4", &PlayerDisplay::position},     {"Label5", &PlayerDisplay::remaining},
        {"Label6", &PlayerDisplay::progress},     {"Label9", &PlayerDisplay::length},
        {"Label12", &PlayerDisplay::size},        {"Label14", &PlayerDisplay::totalFiles},
        {"Label16", &PlayerDisplay::currentFile}, {"Label17", &PlayerDisplay::path},
        {"Label28", &PlayerDisplay::status}};
    for (const auto &[name, text] : texts)
        if (all || d.*text != was.*text)
            m_ui.values.at(QLatin1String(name))->setText(d.*text);
    if (all || d.statusColor != was.statusColor)
        PlayerWindowControls::setTextColor(m_ui.values.at(QStringLiteral("Label28")),
                                           QColor::fromRgb(QRgb(d.statusColor)));

    ChameleonButton *pause = m_ui.buttons.at(4);
    pause->setEnabled(d.pauseEnabled);
    if (all || d.pauseCaption != was.pauseCaption)
        pause->setCaption(d.pauseCaption);
    if (all || d.muteCaption != was.muteCaption)
        m_ui.buttons.at(8)->setCaption(d.muteCaption);
    for (int number : {16, 17})
        m_ui.buttons.at(number)->setToolTip(d.volumeTip);
    for (int number : {18, 19})
        m_ui.buttons.at(number)->setToolTip(d.speedTip);
    m_ui.slider2->setValue(d.volumeLevel);
    m_ui.slider3->setValue(d.speedLevel);
    if (all || d.sliderMax != was.sliderMax || d.sliderValue != was.sliderValue) {
        m_ui.slider1->setMaximum(qMax(d.sliderMax, 0));
        m_ui.slider1->setValue(d.sliderValue);
    }
    m_ui.seekBar->show(d.seekScale, d.marker);
    m_ui.pathStrip->setVisible(d.pathStripVisible);
    m_rendering = false;
    m_shown = d;
    m_shownOnce = true;
}

void PlayerWindow::showCredit()
{
    m_creditTwips -= kCreditStepTwips;
    if (m_creditTwips < -m_ui.credit->textWidth() * kTwipsPerPixel)
        m_creditTwips = kWidth * kTwipsPerPixel;
    m_ui.credit->moveTextTo(m_creditTwips / kTwipsPerPixel);
}

void PlayerWindow::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_ui.date->setText(ClockTexts::dateText(now.date()));
    m_ui.time->setText(ClockTexts::timeText(now.time()));
}

void PlayerWindow::startUp(const QStringList &arguments)
{
    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (!commandLine.endsWith(QLatin1String("mp3")))
        return;
    m_playlist.append(commandLine);
    m_playlist.setSelectedIndex(0);
    m_engine.StartPlayback(false);
}

void PlayerWindow::showToolWindow(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, &QWidget::show);
    hide();
    window->show();
}

void PlayerWindow::openToolWindow(int buttonNumber)
{
    QWidget *window = nullptr;
    switch (buttonNumber) {
    case 10: window = new Mp3InfoWindow(m_playlist); break;
    case 11: window = new CdToMp3Window; break;
    case 14: TagEditorWindow::showFor(this); break; // hidden, not unloaded, on Close
    case 22: window = new Mp3SearchWindow(m_playlist); break;
    default: break; // windows not built yet
    }
    if (window)
        showToolWindow(window);
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

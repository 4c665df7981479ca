#include "CdPlayerWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "DiscToc.h"
#include "DiscTrackList.h"
#include "MessageBox.h"
#include "ScreenPlacement.h"
#include "TrackRowTexts.h"

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 424;
constexpr int kTickMs = 1000;
// Sizes show in Label12 for the first 18 tracks only.
constexpr int kSizedTracks = 18;

const QString kPlaying = QStringLiteral(" Playing ");
const QString kPaused = QStringLiteral(" Paused ");
const QString kStopped = QStringLiteral(" Stopped ");
const QString kPause = QStringLiteral("Pause");
const QString kErrorTitle = QStringLiteral(" File Selection Error ");

// The number a two-character piece of a position text starts with (after blanks and a sign);
// 0 when it starts with none.
qint16 numberIn(const QString &text, int from)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[-+]?\\d+"));
    const QRegularExpressionMatch match = leading.match(text.mid(from, 2));
    return match.hasMatch() ? qint16(match.captured().trimmed().toInt()) : 0;
}

// Format "00": at least two digits.
QString twoDigits(int number)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(number), 2, 10, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

void showRefusal(const QString &prompt)
{
    MessageBox::instance().show(prompt, MessageBox::OkOnly, kErrorTitle);
}
} // namespace

CdPlayerWindow::CdPlayerWindow(SoundCommands &sound, std::function<bool()> anotherCopyRunning,
                               std::function<void()> endProgram,
                               std::shared_ptr<CdRipLibrary> library, QWidget *parent)
    : QWidget(parent, Qt::Window), m_sound(sound),
      m_anotherCopyRunning(std::move(anotherCopyRunning)), m_endProgram(std::move(endProgram)),
      m_ui(*this), m_drives(std::move(library)), m_displayTick(this), m_discWatch(this)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("TAVRO Audio CD Player"));
    setFixedSize(kWidth, kHeight);
    ScreenPlacement::centre(this);
    CloseBoxSwitch::EnableCloseButton(this, false);

    m_displayTick.setObjectName(QStringLiteral("CDTimer"));
    m_discWatch.setObjectName(QStringLiteral("CheckDeviceReady"));
    for (QTimer *timer : {&m_displayTick, &m_discWatch})
        timer->setInterval(kTickMs);
    connect(&m_displayTick, &QTimer::timeout, this, &CdPlayerWindow::displayTick);
    connect(&m_discWatch, &QTimer::timeout, this, &CdPlayerWindow::discWatchStep);
    connectButtons();

    setPlayingControlsEnabled(false);
    m_ui.stop->setEnabled(false);
    m_ui.tray->setEnabled(false);
    m_ui.currentFile->setText(QStringLiteral("00"));
    m_ui.totalFiles->setText(QStringLiteral("00"));
}

void CdPlayerWindow::connectButtons()
{
    connect(m_ui.drives, &QComboBox::activated, this, &CdPlayerWindow::loadTrackList);
    connect(m_ui.relist, &ChameleonButton::Click, this, &CdPlayerWindow::loadTrackList);
    connect(m_ui.refresh, &ChameleonButton::Click, this, &CdPlayerWindow::refreshClicked);
    connect(m_ui.play, &ChameleonButton::Click, this, &CdPlayerWindow::playClicked);
    connect(m_ui.close, &ChameleonButton::Click, this, &CdPlayerWindow::closeClicked);
    // The other transport buttons are off until Refresh has made a player.
    const auto whenReady = [this](ChameleonButton *button, auto handler) {
        connect(button, &ChameleonButton::Click, this, [this, handler] {
            if (m_player)
                handler();
        });
    };
    whenReady(m_ui.pause, [this] { pauseClicked(); });
    whenReady(m_ui.stop, [this] { stopClicked(); });
    whenReady(m_ui.next, [this] {
        stepClicked(&CdPlayer::PlayNext,
                    QStringLiteral("  Please play the file then click Next button!"));
    });
    whenReady(m_ui.previous, [this] {
        stepClicked(&CdPlayer::PlayPrevious,
                    QStringLiteral("  Please play the file then click Previous button!"));
    });
    whenReady(m_ui.rewind, [this] { windClicked(&CdPlayer::Rewind); });
    whenReady(m_ui.forward, [this] { windClicked(&CdPlayer::Forward); });
    whenReady(m_ui.tray, [this] { trayClicked(); });
}

void CdPlayerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_drivesRead)
        return;
    m_drivesRead = true;
    // After the window is on screen: a real drive may take seconds to spin up.
    QTimer::singleShot(0, this, &CdPlayerWindow::loadDrives);
}

void CdPlayerWindow::loadDrives()
{
    // A library that fails to start lists no drive: the window has no line to report it on.
    QString error;
    m_ui.drives->addItems(m_drives.load(error));
    m_ui.drives->setCurrentIndex(m_ui.drives->count() > 0 ? 0 : -1);
    loadTrackList();
}

void CdPlayerWindow::loadTrackList()
{
    m_ui.tracks->clearTracks();
    m_ui.cddbQuery->clear();
    // A table that cannot be read lists nothing.
    const CdDriveList::Listing listing = m_drives.list(m_ui.drives->currentIndex());
    if (!listing.row.isEmpty())
        m_ui.tracks->showReason(listing.row);
    if (!listing.toc)
        return;
    m_ui.cddbQuery->setText(listing.toc->CDDBQuery());
    m_ui.tracks->showDisc(*listing.toc);
    showTrackSize(*listing.toc);
}

void CdPlayerWindow::showTrackSize(const DiscToc &toc)
{
    const QString shown = m_ui.currentFile->text();
    bool isNumber = false;
    const int track = shown.toInt(&isNumber);
    if (shown.size() == 2 && isNumber && track >= 1 && track <= kSizedTracks &&
        track <= toc.Count())
        m_ui.fileSize->setText(TrackRowTexts::Size(toc.Entry(track)));
}

void CdPlayerWindow::updateDisplay()
{
    m_currentTrack = numberIn(m_player->GetCDPosition(), 0);
    const qint16 minutes = numberIn(m_player->GetCDPosition(), 3);
    const qint16 seconds = numberIn(m_player->GetCDPosition(), 6);
    m_ui.position->setText(twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds));
    m_ui.totalFiles->setText(QString::number(m_player->GetTotalNumberOfTracks()));
    m_ui.currentFile->setText(twoDigits(m_currentTrack));
    m_ui.length->setText(m_player->GetCurrentTrackLength());
    m_ui.fileName->setText(QStringLiteral("Track %1 .cda").arg(m_player->GetCurrentTrack()));
    loadTrackList();
}

void CdPlayerWindow::checkMedia()
{
    // A device whose answer flips between queries could otherwise nest the check and the
    // display tick without end.
    if (m_checkingMedia)
        return;
    const QScopedValueRollback checking(m_checkingMedia, true);
    if (!m_player->CheckCD()) {
        m_displayTick.stop();
        return;
    }
    updateDisplay();
    m_displayTick.start(kTickMs);
    displayTick();
    m_ui.totalPlay->setText(m_player->GetCDLength().left(5));
}

void CdPlayerWindow::displayTick()
{
    if (m_player->CheckCD()) {
        updateDisplay();
        return;
    }
    m_displayTick.stop();
    checkMedia();
    m_discWatch.start(kTickMs);
    discWatchStep();
}

void CdPlayerWindow::discWatchStep()
{
    // A disc of a single track never ends the watch.
    if (!m_player->CheckCD() || m_player->GetTotalNumberOfTracks() < 2)
        return;
    m_displayTick.start(kTickMs);
    m_discWatch.stop();
    checkMedia();
}

void CdPlayerWindow::refreshClicked()
{
    m_ui.tray->setEnabled(true);
    if (m_anotherCopyRunning && m_anotherCopyRunning()) {
        m_endProgram();
        return;
    }
    m_player = std::make_unique<CdPlayer>(m_sound);
    if (!m_player->ReadyDevice()) {
        m_displayTick.stop();
        m_discWatch.start(kTickMs);
        return;
    }
    checkMedia();
    if (!m_player->CheckCD())
        m_discWatch.start(kTickMs);
    else
        updateDisplay();
}

void CdPlayerWindow::playClicked()
{
    if (m_ui.totalFiles->text() == QLatin1String("00")) {
        showRefusal(QStringLiteral("   Please insert an AUDIO CD in cd rom drive  \r\n"
                                   "   and click Refresh button.Then PLAY again!"));
        return;
    }
    if (!m_player)
        return;
    m_player->PlayTrack();
    m_ui.fileName->setText(QStringLiteral("Track %1").arg(m_player->GetCurrentTrack()));
    showCurrentTrack();
    setStatus(kPlaying, QColor(0, 255, 0));
    setPlayingControlsEnabled(true);
    m_ui.stop->setEnabled(true);
    m_ui.tray->setEnabled(false);
    loadTrackList();
}

void CdPlayerWindow::pauseClicked()
{
    if (m_ui.pause->Caption() == kPause) {
        m_ui.pause->setCaption(QStringLiteral("Resume"));
        m_player->PauseTrack();
        setStatus(kPaused, QColor(0, 0, 255));
    } else {
        m_ui.pause->setCaption(kPause);
        m_player->PlayTrack();
        setStatus(kPlaying, QColor(0, 255, 0));
    }
}

void CdPlayerWindow::stopClicked()
{
    m_player->StopTrack();
    m_player->ReadyDevice();
    updateDisplay();
    setStatus(kStopped, QColor(255, 0, 0));
    setPlayingControlsEnabled(false);
    m_ui.tray->setEnabled(true);
}

void CdPlayerWindow::stepClicked(void (CdPlayer::*step)(), const QString &refusal)
{
    if (m_ui.status->text() == kStopped) {
        showRefusal(refusal);
        return;
    }
    ((*m_player).*step)();
    updateDisplay();
    showCurrentTrack();
}

void CdPlayerWindow::windClicked(void (CdPlayer::*wind)())
{
    ((*m_player).*wind)();
    updateDisplay();
}

void CdPlayerWindow::trayClicked()
{
    if (m_trayOpen) {
        m_player->EjectCloseCD();
        m_trayOpen = false;
        return;
    }
    m_player->EjectOpenCD();
    m_trayOpen = true;
    m_displayTick.stop();
    checkMedia();
    m_discWatch.start(kTickMs);
    discWatchStep();
}

void CdPlayerWindow::closeClicked()
{
    if (m_player) {
        m_player->StopTrack();
        m_player->UnloadAll();
    }
    m_displayTick.stop();
    m_discWatch.stop();
    close();
}

void CdPlayerWindow::setStatus(const QString &text, const QColor &color)
{
    m_ui.status->setText(text);
    FormBuilder::setTextColor(m_ui.status, color);
}

void CdPlayerWindow::setPlayingControlsEnabled(bool enabled)
{
    for (QWidget *control : m_ui.whilePlaying())
        control->setEnabled(enabled);
}

void CdPlayerWindow::showCurrentTrack()
{
    m_ui.currentFile->setText(twoDigits(m_currentTrack));
    m_ui.length->setText(m_player->GetCurrentTrackLength().left(5));
}

#include "moc_CdPlayerWindow.cpp"

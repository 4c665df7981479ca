#include "CdToMp3Window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "DiscTrackList.h"
#include "EncoderRunTexts.h"
#include "FileDialog.h"
#include "ProgressBar.h"
#include "ScreenPlacement.h"

namespace {
constexpr int kWidth = 620;
constexpr int kHeight = 640;
constexpr int kStandardPreset = 3; // "Standard (VBR 44.1kHz, 170-210kbps)"
} // namespace

CdToMp3Window::CdToMp3Window(std::shared_ptr<CdRipLibrary> library, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(*this), m_run(std::move(library))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("TAVRO  MP3  Encoder"));
    setFixedSize(kWidth, kHeight);
    ScreenPlacement::centre(this);

    connect(m_ui.drives, &QComboBox::activated, this, &CdToMp3Window::relist);
    connect(m_ui.presets, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_run.setEncodingPreset(m_ui.presets->itemData(index).toInt()); });
    m_ui.presets->setCurrentIndex(kStandardPreset);
    connect(m_ui.refresh, &ChameleonButton::Click, this, &CdToMp3Window::refreshClicked);
    connect(m_ui.saveAs, &ChameleonButton::Click, this, &CdToMp3Window::saveAsClicked);
    connect(m_ui.encode, &ChameleonButton::Click, this, &CdToMp3Window::encodeClicked);
    connect(m_ui.cancel, &ChameleonButton::Click, this, &CdToMp3Window::cancelClicked);
    connect(m_ui.close, &ChameleonButton::Click, this, &QWidget::close);
    connectRun();

    for (ProgressBar *bar : {m_ui.ripBar, m_ui.encodeBar}) {
        bar->setMax(100);
        bar->setValue(0);
    }
    for (QWidget *widget : m_ui.runOnly())
        widget->hide();
    m_ui.encode->setEnabled(false);
    CloseBoxSwitch::EnableCloseButton(this, false);
}

void CdToMp3Window::connectRun()
{
    connect(&m_run, &CdToMp3Run::statusChanged, this, &CdToMp3Window::setStatus);
    connect(&m_run, &CdToMp3Run::ripStarted, this, [this] {
        m_ui.ripBar->setValue(0);
        m_ui.ripBar->show();
    });
    connect(&m_run, &CdToMp3Run::ripProgress, this,
            [this](qint32 percent) { m_ui.ripBar->setValue(float(percent)); });
    connect(&m_run, &CdToMp3Run::encodingStarted, this, [this] {
        m_ui.encodeBar->setValue(0);
        m_ui.encodeBar->show();
        m_ui.encodePercent->show();
    });
    connect(&m_run, &CdToMp3Run::encodeProgress, this,
            [this](qint64 done, qint64 total, const QString &text) {
                m_ui.encodeBar->setMax(float(total));
                m_ui.encodeBar->setValue(float(done));
                m_ui.encodePercent->setText(text);
            });
    connect(&m_run, &CdToMp3Run::finished, this, &CdToMp3Window::showReport);
}

void CdToMp3Window::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_drivesRead)
        return;
    m_drivesRead = true;
    // After the window is on screen: a real drive may take seconds to spin up.
    QTimer::singleShot(0, this, &CdToMp3Window::loadDrives);
}

void CdToMp3Window::closeEvent(QCloseEvent *event)
{
    if (m_run.isRunning()) {
        cancelClicked();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void CdToMp3Window::loadDrives()
{
    QString error;
    m_ui.drives->addItems(m_run.loadDrives(error));
    if (!error.isEmpty())
        setStatus(error);
    m_ui.drives->setCurrentIndex(m_ui.drives->count() > 0 ? 0 : -1);
    loadTrackList();
}

void CdToMp3Window::relist()
{
    if (m_run.isRunning())
        return;
    setStatus(QString());
    loadTrackList();
}

void CdToMp3Window::loadTrackList()
{
    m_ui.tracks->clearTracks();
    m_ui.cddbQuery->clear();
    m_ui.encode->setEnabled(false);
    const CdToMp3Run::Listing listing = m_run.listDisc(m_ui.drives->currentIndex());
    if (!listing.row.isEmpty())
        m_ui.tracks->showReason(listing.row);
    if (!listing.error.isEmpty())
        setStatus(listing.error);
    if (const DiscToc *toc = m_run.disc()) {
        m_ui.cddbQuery->setText(toc->CDDBQuery());
        m_ui.tracks->showDisc(*toc);
        m_ui.encode->setEnabled(toc->Count() >= 1);
    }
}

void CdToMp3Window::refreshClicked()
{
    relist();
    m_ui.encode->setEnabled(false);
}

void CdToMp3Window::saveAsClicked()
{
    if (m_run.isRunning())
        return;
    const QString name =
        FileDialog::instance().showSave(QStringLiteral("MP3 Files (*.mp3)|*.mp3"), QString());
    if (name.isEmpty() || name == QLatin1String(" "))
        return;
    m_ui.outputFile->setText(name);
    // The save dialog asks before it hands back the name of a file that exists.
    m_agreedToReplace = QFileInfo::exists(name) ? name : QString();
    m_ui.encode->setEnabled(true);
}

void CdToMp3Window::encodeClicked()
{
    if (m_run.isRunning())
        return;
    m_start = QDateTime::currentDateTime();
    m_ui.startTime->setText(EncoderRunTexts::StartTime(m_start.time()));
    m_ui.endTime->clear();
    for (QWidget *widget : m_ui.runOnly())
        widget->hide();
    m_ui.encode->setEnabled(false);
    setLeaveAndListEnabled(false);
    setStatus(QStringLiteral("Preparing to start .....  Please wait! "));

    const QString output = m_ui.outputFile->text();
    // Only the file the user agreed to replace, and only while it is still the one chosen.
    const QStringList replaceable =
        output == m_agreedToReplace ? QStringList{output} : QStringList();
    const QString why = m_run.start(m_ui.drives->currentIndex(), m_ui.tracks->selectedPositions(),
                                    output, replaceable);
    if (!why.isEmpty()) {
        setStatus(why);
        setLeaveAndListEnabled(true);
        return;
    }
    m_agreedToReplace.clear(); // one agreement, one run
}

void CdToMp3Window::cancelClicked()
{
    m_run.cancel();
    m_ui.ripBar->hide();
    m_ui.wavDeleted->hide();
    m_ui.completed->hide();
}

void CdToMp3Window::showReport(const CdToMp3Run::Report &report)
{
    // The job removes its temporary WAV file whatever the outcome.
    m_ui.wavDeleted->setVisible(report.wavMade);
    const bool done = report.outcome == CdToMp3Job::Outcome::Done;
    m_ui.completed->setVisible(done);
    m_ui.standard->setVisible(done);
    if (!report.status.isEmpty())
        setStatus(report.status);
    setLeaveAndListEnabled(true);

    const QDateTime end = QDateTime::currentDateTime();
    m_ui.endTime->setText(EncoderRunTexts::EndTime(end.time()));
    m_ui.elapsed->setText(EncoderRunTexts::Elapsed(m_start.secsTo(end)));
    m_ui.newSize->setText(report.newSize);
    for (QWidget *widget : QList<QWidget *>{m_ui.elapsed, m_ui.elapsedCaption, m_ui.newSize})
        widget->show();
}

void CdToMp3Window::setStatus(const QString &text) { m_ui.status->setText(text); }

void CdToMp3Window::setLeaveAndListEnabled(bool enabled)
{
    for (QWidget *control : QList<QWidget *>{m_ui.close, m_ui.saveAs, m_ui.refresh, m_ui.drives})
        control->setEnabled(enabled);
}

#include "moc_CdToMp3Window.cpp"

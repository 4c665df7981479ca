#include "CdToMp3Window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include "CdRipSettings.h"
#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "EncoderRunTexts.h"
#include "FileDialog.h"
#include "ProgressBar.h"
#include "RaisedError.h"
#include "ScreenPlacement.h"
#include "TrackRowTexts.h"

namespace {
constexpr int kWidth = 620;
constexpr int kHeight = 640;
constexpr int kStandardPreset = 3; // "Standard (VBR 44.1kHz, 170-210kbps)"
const QString kNoCdSelected = QStringLiteral("No CD Selected");
const QString kNoCdInDrive = QStringLiteral("No CD In Drive");

QString errorText(const std::exception &error)
{
    const auto *raised = dynamic_cast<const RaisedError *>(&error);
    return raised ? raised->text() : QString::fromLocal8Bit(error.what());
}

qint64 totalSize(const QStringList &files)
{
    qint64 bytes = 0;
    for (const QString &file : files)
        bytes += QFileInfo(file).size();
    return bytes;
}
} // namespace

CdToMp3Window::CdToMp3Window(std::shared_ptr<CdRipLibrary> library, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(*this),
      m_cdRip(library ? CdDrives(std::move(library)) : CdDrives())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("TAVRO  MP3  Encoder"));
    setFixedSize(kWidth, kHeight);
    ScreenPlacement::centre(this);

    connect(m_ui.cboDrives, &QComboBox::activated, this, &CdToMp3Window::relist);
    connect(m_ui.cboOption, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_cEncoder.setEncodingPreset(m_ui.cboOption->itemData(index).toInt());
    });
    m_ui.cboOption->setCurrentIndex(kStandardPreset);
    connect(m_ui.cmdRefresh, &ChameleonButton::Click, this, &CdToMp3Window::cmdRefresh_Click);
    connect(m_ui.cmdPickMp3File, &ChameleonButton::Click, this,
            &CdToMp3Window::cmdPickMp3File_Click);
    connect(m_ui.cmdRip, &ChameleonButton::Click, this, &CdToMp3Window::cmdRip_Click);
    connect(m_ui.cmdCancel, &ChameleonButton::Click, this, &CdToMp3Window::cmdCancel_Click);
    connect(m_ui.cmdClose, &ChameleonButton::Click, this, &QWidget::close);

    for (ProgressBar *bar : {m_ui.PB1, m_ui.PB2}) {
        bar->setMax(100);
        bar->setValue(0);
    }
    for (QWidget *widget : m_ui.runOnly())
        widget->hide();
    m_ui.cmdRip->setEnabled(false);
    CloseBoxSwitch::EnableCloseButton(this, false);
}

void CdToMp3Window::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_drivesRead)
        return;
    m_drivesRead = true;
    // After the window is on screen: a real drive may take seconds to spin up.
    QTimer::singleShot(0, this, &CdToMp3Window::LoadDrives);
}

void CdToMp3Window::closeEvent(QCloseEvent *event)
{
    if (m_job) {
        cmdCancel_Click();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void CdToMp3Window::LoadDrives()
{
    try {
        m_cdRip.Create(CdRipSettings::defaultPath());
        for (qint32 i = 1; i <= m_cdRip.CDDriveCount(); ++i)
            m_ui.cboDrives->addItem(m_cdRip.CDDrive(i).Name());
    } catch (const std::exception &error) {
        setStatus(errorText(error));
    }
    m_ui.cboDrives->setCurrentIndex(m_ui.cboDrives->count() > 0 ? 0 : -1);
    LoadTrackList();
}

void CdToMp3Window::relist()
{
    setStatus(QString());
    LoadTrackList();
}

void CdToMp3Window::LoadTrackList()
{
    if (m_job)
        return;
    m_ui.lvwTracks->clear();
    m_ui.lvwTracks->setEnabled(false);
    m_ui.txtCDDBQuery->clear();
    m_ui.cmdRip->setEnabled(false);
    m_ripToc.reset();
    try {
        QString why;
        std::optional<CdDrive> drive = readyDrive(why);
        if (!drive) {
            addMessageRow(why);
            return;
        }
        m_ripToc = drive->TOC();
        m_ui.txtCDDBQuery->setText(m_ripToc->CDDBQuery());
        listTracks(*m_ripToc);
    } catch (const std::exception &error) {
        m_ripToc.reset();
        setStatus(errorText(error));
    }
}

std::optional<CdDrive> CdToMp3Window::readyDrive(QString &why)
{
    const int index = m_ui.cboDrives->currentIndex();
    if (index < 0) {
        why = kNoCdSelected;
        return std::nullopt;
    }
    CdDrive drive = m_cdRip.CDDrive(index + 1);
    if (!drive.IsUnitReady()) {
        why = kNoCdInDrive;
        return std::nullopt;
    }
    return drive;
}

void CdToMp3Window::addMessageRow(const QString &text)
{
    new QTreeWidgetItem(m_ui.lvwTracks, {text});
}

void CdToMp3Window::listTracks(const DiscToc &toc)
{
    for (qint32 i = 1; i <= toc.Count(); ++i) {
        const DiscTocEntry &entry = toc.Entry(i);
        auto *row = new QTreeWidgetItem(
            m_ui.lvwTracks,
            {TrackRowTexts::Name(entry), QString::number(entry.TrackNumber()),
             entry.FormattedStartTime(), entry.FormattedLength(), TrackRowTexts::Size(entry)});
        row->setData(CdToMp3WindowControls::Name, Qt::UserRole, QStringLiteral("T%1").arg(i));
        for (int column = CdToMp3WindowControls::Track; column <= CdToMp3WindowControls::Size;
             ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        row->setSelected(true);
    }
    m_ui.lvwTracks->setEnabled(toc.Count() >= 1);
    m_ui.cmdRip->setEnabled(toc.Count() >= 1);
}

void CdToMp3Window::cmdRefresh_Click()
{
    relist();
    m_ui.cmdRip->setEnabled(false);
}

void CdToMp3Window::cmdPickMp3File_Click()
{
    const QString name =
        FileDialog::instance().showSave(QStringLiteral("MP3 Files (*.mp3)|*.mp3"), QString());
    if (name.isEmpty() || name == QLatin1String(" "))
        return;
    m_ui.txtOutputMp3File->setText(name);
    m_ui.cmdRip->setEnabled(true);
}

void CdToMp3Window::setOutputDir(const QString &folder)
{
    m_outputDir = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void CdToMp3Window::RipTrack(qint32 n)
{
    if (!m_queue.contains(n))
        m_queue << n;
}

void CdToMp3Window::setStatus(const QString &text) { m_ui.lblInfo->setText(text); }

void CdToMp3Window::setLeaveAndListEnabled(bool enabled)
{
    for (QWidget *control :
         QList<QWidget *>{m_ui.cmdClose, m_ui.cmdPickMp3File, m_ui.cmdRefresh, m_ui.cboDrives})
        control->setEnabled(enabled);
}

void CdToMp3Window::cmdRip_Click()
{
    if (m_job)
        return;
    m_start = QDateTime::currentDateTime();
    m_ui.lblstart->setText(EncoderRunTexts::StartTime(m_start.time()));
    m_ui.lblend->clear();
    for (QWidget *widget : m_ui.runOnly())
        widget->hide();
    m_ui.cmdRip->setEnabled(false);
    setLeaveAndListEnabled(false);
    setStatus(QStringLiteral("Preparing to start .....  Please wait! "));

    QString why = kNoCdSelected;
    std::optional<CdDrive> drive;
    try {
        drive = readyDrive(why);
    } catch (const std::exception &error) {
        why = errorText(error);
    }
    if (!drive || !m_ripToc) {
        setStatus(why);
        setLeaveAndListEnabled(true);
        return;
    }
    setOutputDir(QDir::tempPath());
    m_queue.clear();
    for (const QTreeWidgetItem *row : m_ui.lvwTracks->selectedItems())
        RipTrack(row->data(CdToMp3WindowControls::Name, Qt::UserRole).toString().mid(1).toInt());
    const CdToMp3Job::Result result = RipSelected();
    showOutcome(result);
    setLeaveAndListEnabled(true);
    showTimes(result);
}

CdToMp3Job::Result CdToMp3Window::RipSelected()
{
    if (!m_ripToc)
        return {CdToMp3Job::Outcome::Failed, {}, kNoCdSelected};
    CdToMp3Job job(*m_ripToc, m_cEncoder);
    job.setTracks(m_queue);
    job.setOutputFile(m_ui.txtOutputMp3File->text());
    job.setTemporaryFolder(m_outputDir);
    connectJob(job);
    m_wavMade = false;
    m_job = &job;
    const CdToMp3Job::Result result = job.run();
    m_job = nullptr;
    return result;
}

void CdToMp3Window::connectJob(CdToMp3Job &job)
{
    connect(&job, &CdToMp3Job::ripStarted, this, [this](quint8 track, const QString &wavFile) {
        m_wavMade = true;
        m_ui.PB1->setValue(0);
        m_ui.PB1->show();
        setStatus(EncoderRunTexts::Ripping(track, wavFile));
        QCoreApplication::processEvents();
    });
    connect(&job, &CdToMp3Job::ripProgress, this, [this](quint8, qint32 percent) {
        m_ui.PB1->setValue(float(percent));
        QCoreApplication::processEvents();
    });
    connect(&job, &CdToMp3Job::ripFinished, this, [this](quint8 track) {
        setStatus(EncoderRunTexts::WavReady(track));
        m_ui.PB2->setValue(0);
        m_ui.PB2->show();
        m_ui.lblProgress->show();
    });
    connect(&job, &CdToMp3Job::encodeProgress, this, [this](quint8, qint64 done, qint64 total) {
        m_ui.PB2->setMax(float(total));
        m_ui.PB2->setValue(float(done));
        m_ui.lblProgress->setText(EncoderRunTexts::EncodingProgress(done, total));
        QCoreApplication::processEvents();
    });
}

void CdToMp3Window::cmdCancel_Click()
{
    if (m_job)
        m_job->cancel();
    m_ui.PB1->hide();
    m_ui.lblDeleted->hide();
    m_ui.lblCompleted->hide();
}

void CdToMp3Window::showOutcome(const CdToMp3Job::Result &result)
{
    // The job removes its temporary WAV file whatever the outcome.
    m_ui.lblDeleted->setVisible(m_wavMade);
    const bool done = result.outcome == CdToMp3Job::Outcome::Done;
    m_ui.lblCompleted->setVisible(done);
    m_ui.lblStandard->setVisible(done);
    if (result.outcome == CdToMp3Job::Outcome::Cancelled)
        setStatus(QStringLiteral("Ripping process has been cancelled !"));
    else if (!done)
        setStatus(result.error);
}

void CdToMp3Window::showTimes(const CdToMp3Job::Result &result)
{
    const QDateTime end = QDateTime::currentDateTime();
    m_ui.lblend->setText(EncoderRunTexts::EndTime(end.time()));
    m_ui.lblelapsed->setText(EncoderRunTexts::Elapsed(m_start.secsTo(end)));
    m_ui.lblNewSize->setText(EncoderRunTexts::NewSize(totalSize(result.files)));
    for (QWidget *widget : QList<QWidget *>{m_ui.lblelapsed, m_ui.lblTotalElapsed, m_ui.lblNewSize})
        widget->show();
}

#include "CdToMp3Run.h"

#include <QFileInfo>

#include "CdRipSettings.h"
#include "EncoderRunTexts.h"

namespace {
qint64 totalSize(const QStringList &files)
{
    qint64 bytes = 0;
    for (const QString &file : files)
        bytes += QFileInfo(file).size();
    return bytes;
}
} // namespace

CdToMp3Run::CdToMp3Run(std::shared_ptr<CdRipLibrary> library, QObject *parent)
    : QObject(parent), m_drives(std::move(library))
{
    connect(&m_worker, &WorkerRun::finished, this, &CdToMp3Run::finish);
}

QStringList CdToMp3Run::loadDrives(QString &error)
{
    return isRunning() ? QStringList() : m_drives.load(error);
}

CdToMp3Run::Listing CdToMp3Run::listDisc(qint32 driveIndex)
{
    if (isRunning())
        return {};
    Listing listing = m_drives.list(driveIndex);
    m_disc = std::move(listing.toc);
    listing.toc.reset();
    return listing;
}

QString CdToMp3Run::start(qint32 driveIndex, const QList<qint32> &positions, const QString &output,
                          const QStringList &replaceable)
{
    if (isRunning())
        return QStringLiteral("A run is going on");
    QString why = CdDriveList::noCdSelected();
    std::optional<CdDrive> drive;
    try {
        drive = m_drives.readyDrive(driveIndex, why);
    } catch (const std::exception &failure) {
        why = CdDriveList::errorText(failure);
    }
    if (!drive || !m_disc)
        return why;

    m_queue.clear();
    for (const qint32 position : positions) {
        if (!m_queue.contains(position))
            m_queue << position;
    }
    if (m_preset)
        m_encoder.setEncodingPreset(*m_preset);
    m_job = std::make_unique<CdToMp3Job>(*m_disc, m_encoder);
    m_job->setTracks(m_queue);
    m_job->setOutputFile(output);
    m_job->setReplaceable(replaceable);
    CdRipSettings settings;
    settings.load(CdRipSettings::defaultPath());
    m_job->setJobs(settings.encoders());
    m_whole.reset();
    if (settings.encoders() > 1 && m_queue.size() > 1) {
        qint64 samples = 0;
        for (const qint32 position : m_queue)
            samples += m_disc->Entry(position).SizeBytes() / 2;
        m_whole = WholeRun{int(m_queue.size()), 0, samples, {}};
    }
    connectJob();
    m_wavMade = false;
    m_worker.start([this] { m_result = m_job->run(); }, [this] { m_job->cancel(); });
    return {};
}

// The job emits on the worker; with this object as context every relay is queued to its thread.
void CdToMp3Run::connectJob()
{
    CdToMp3Job *job = m_job.get();
    const auto first = [this] { return !m_whole || m_whole->ripped == 0; };
    connect(job, &CdToMp3Job::ripStarted, this,
            [this, first](quint8 track, const QString &wavFile) {
                m_wavMade = true;
                if (first())
                    emit ripStarted();
                emit statusChanged(EncoderRunTexts::Ripping(track, wavFile));
            });
    connect(job, &CdToMp3Job::ripProgress, this, [this](quint8, qint32 percent) {
        emit ripProgress(m_whole ? (m_whole->ripped * 100 + percent) / m_whole->tracks : percent);
    });
    connect(job, &CdToMp3Job::ripFinished, this, [this, first](quint8 track) {
        emit statusChanged(EncoderRunTexts::WavReady(track));
        if (first())
            emit encodingStarted();
        if (m_whole)
            ++m_whole->ripped;
    });
    connect(job, &CdToMp3Job::encodeProgress, this,
            [this](quint8 track, qint64 done, qint64 total) {
                if (m_whole) {
                    m_whole->encoded[track] = done;
                    done = 0;
                    for (const qint64 samples : std::as_const(m_whole->encoded))
                        done += samples;
                    total = m_whole->totalSamples;
                }
                emit encodeProgress(done, total, EncoderRunTexts::EncodingProgress(done, total));
            });
    connect(job, &CdToMp3Job::trackFinished, this, &CdToMp3Run::trackFinished);
}

void CdToMp3Run::cancel() { m_worker.stop(); }

// Queued behind everything the job reported, so the report comes last.
void CdToMp3Run::finish()
{
    m_job.reset();
    Report report{m_result.outcome, m_result.error, m_wavMade, m_result.files,
                  EncoderRunTexts::NewSize(totalSize(m_result.files))};
    if (report.outcome == CdToMp3Job::Outcome::Cancelled)
        report.status = QStringLiteral("Ripping process has been cancelled !");
    emit finished(report);
}

#include "moc_CdToMp3Run.cpp"

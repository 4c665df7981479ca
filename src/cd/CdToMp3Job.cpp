#include "CdToMp3Job.h"

#include <stdexcept>

#include <QDir>
#include <QRegularExpression>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RaisedError.h"
#include "TrackEncoderPool.h"
#include "TrackRipper.h"
#include "UnnamedFile.h"
#include "WavWriter.h"

namespace {
// A failure of the job itself, reported like the classes' errors.
struct JobError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString &why) { throw JobError(why.toStdString()); }

QString twoDigits(quint8 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

CdToMp3Job::CdToMp3Job(const DiscToc &toc, WavToMp3Encoder &encoder, QObject *parent)
    : QObject(parent), m_toc(toc), m_encoder(encoder)
{
}

QString CdToMp3Job::OutputFileFor(const QString &chosen, quint8 trackNumber, bool several)
{
    if (chosen.contains(QLatin1String("%N")))
        return QString(chosen).replace(QLatin1String("%N"), twoDigits(trackNumber));
    if (!several)
        return chosen;
    static const QRegularExpression extension(QStringLiteral("\\.(mp3|wav)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    // Matched in the shown form: a regular expression matches nothing in a name that is not UTF-8.
    const QRegularExpressionMatch match = extension.match(FileNameCodec::display(chosen));
    const qsizetype at = match.hasMatch() ? match.capturedStart() : chosen.size();
    return QString(chosen).insert(at, QStringLiteral(" - Track ") + twoDigits(trackNumber));
}

QStringList CdToMp3Job::outputFiles() const
{
    QStringList files;
    for (const qint32 position : m_tracks) {
        if (position < 1 || position > m_toc.Count())
            return {};
        files << OutputFileFor(m_chosen, m_toc.Entry(position).TrackNumber(), m_tracks.size() > 1);
    }
    return files;
}

QString CdToMp3Job::checkOutputs() const
{
    QStringList files = outputFiles();
    if (files.isEmpty())
        return m_tracks.isEmpty() ? QStringLiteral("No track selected")
                                  : QStringLiteral("No such track");
    if (m_chosen.trimmed().isEmpty())
        return QStringLiteral("No output file chosen");
    if (files.removeDuplicates() > 0)
        return QStringLiteral("Several tracks would go to one file");
    for (const QString &file : files) {
        if (FileEntry::kind(file) != FileEntry::Kind::Missing && !m_replaceable.contains(file))
            return file + QStringLiteral(" already exists");
    }
    return {};
}

CdToMp3Job::Result CdToMp3Job::run()
{
    Result result{Outcome::Failed, {}, checkOutputs()};
    if (result.error.isEmpty())
        result = doTracks();
    m_cancelled = false;
    return result;
}

CdToMp3Job::Result CdToMp3Job::doTracks()
{
    Result result;
    try {
        if (m_format == Format::Wav)
            ripToWav(result);
        else
            ripAndEncode(result);
    } catch (const RaisedError &error) {
        result.error = error.text();
    } catch (const std::exception &error) {
        result.error = QString::fromLocal8Bit(error.what());
    }
    if (!result.error.isEmpty())
        result.outcome = Outcome::Failed;
    else if (m_cancelled)
        result.outcome = Outcome::Cancelled;
    return result;
}

void CdToMp3Job::ripToWav(Result &result)
{
    const QStringList files = outputFiles();
    for (qsizetype i = 0; i < files.size() && !m_cancelled; ++i) {
        const DiscTocEntry &entry = m_toc.Entry(m_tracks[i]);
        UnnamedFile wav(files[i]);
        if (!wav.isOpen())
            fail(QStringLiteral("Cannot write ") + files[i]);
        if (!rip(entry, wav.path(), files[i], [] {}))
            return;
        if (!wav.linkAs(m_replaceable.contains(files[i])))
            fail(QStringLiteral("Cannot write ") + files[i]);
        result.files << files[i];
        emit trackFinished(entry.TrackNumber(), files[i]);
    }
}

void CdToMp3Job::ripAndEncode(Result &result)
{
    const QStringList files = outputFiles();
    QList<bool> done(files.size(), false);
    TrackEncoderPool pool(m_encoder, m_jobs, m_cancelled);
    const TrackEncoderPool::Handler report = [&](const TrackEncoderPool::Report &r) {
        using Kind = TrackEncoderPool::Report::Kind;
        if (r.kind == Kind::Progress) {
            emit encodeProgress(r.number, r.samplesDone, r.totalSamples);
        } else if (r.kind == Kind::Finished) {
            done[r.index] = true;
            emit trackFinished(r.number, files[r.index]);
        } else if (result.error.isEmpty()) {
            result.error = trackError(r.number, r.error, files.size());
            pool.stop();
        }
    };
    try {
        for (qsizetype i = 0; i < files.size() && result.error.isEmpty() && !m_cancelled; ++i) {
            // The next track is read once a worker is free for it: with one worker, one track
            // after the other; with more, the drive keeps ahead of the encoders.
            pool.waitForRoom(m_jobs, report);
            if (!result.error.isEmpty() || m_cancelled)
                break;
            TrackEncoderPool::Track track =
                ripTrack(int(i), files[i], [&] { pool.takeReports(report); });
            if (!track.wav)
                break;
            pool.add(std::move(track));
        }
    } catch (...) {
        pool.stop();
        finishEncoding(pool, report, done, files, result);
        throw;
    }
    finishEncoding(pool, report, done, files, result);
}

void CdToMp3Job::finishEncoding(TrackEncoderPool &pool, const TrackEncoderPool::Handler &report,
                                const QList<bool> &done, const QStringList &files, Result &result)
{
    pool.finish(report);
    for (qsizetype i = 0; i < files.size(); ++i)
        if (done[i])
            result.files << files[i];
}

TrackEncoderPool::Track CdToMp3Job::ripTrack(int index, const QString &output,
                                             const std::function<void()> &eachChunk)
{
    const DiscTocEntry &entry = m_toc.Entry(m_tracks[index]);
    // Without a name, so that neither a cancel nor a killed process leaves it behind.
    auto wav = std::make_unique<UnnamedFile>(QDir::tempPath(), UnnamedFile::Use::Scratch);
    if (!wav->isOpen())
        fail(QStringLiteral("Cannot create a temporary file in ") + QDir::tempPath());
    // The status line names it as the temporary file it stands for.
    const QString shown =
        QDir::temp().filePath(QStringLiteral("tavro-rip-%1.wav").arg(wav->descriptor()));
    auto mp3 = std::make_unique<UnnamedFile>(output);
    if (!mp3->isOpen())
        fail(QStringLiteral("Cannot write ") + output);
    if (!rip(entry, wav->path(), shown, eachChunk))
        return {};
    return {
        index, entry.TrackNumber(), std::move(wav), std::move(mp3), m_replaceable.contains(output),
        output};
}

QString CdToMp3Job::trackError(quint8 trackNumber, const QString &error, qsizetype tracks)
{
    return tracks > 1 ? QStringLiteral("Track %1: %2").arg(twoDigits(trackNumber), error) : error;
}

bool CdToMp3Job::rip(const DiscTocEntry &entry, const QString &wavFile, const QString &shownName,
                     const std::function<void()> &eachChunk)
{
    const quint8 track = entry.TrackNumber();
    emit ripStarted(track, shownName);
    WavWriter writer;
    writer.OpenFile(wavFile);
    TrackRipper ripper(m_toc.library());
    ripper.CreateForTrack(entry);
    qint64 written = 0;
    if (ripper.OpenRipper()) {
        while (!m_cancelled && ripper.Read()) {
            written += writer.WriteWavData(ripper.ReadBufferPtr(), ripper.ReadBufferSize());
            emit ripProgress(track, ripper.PercentComplete());
            eachChunk();
        }
    }
    ripper.CloseRipper();
    writer.CloseFile();
    if (m_cancelled)
        return false;
    // A run the library ended early (a jitter code) would otherwise pass for the whole track.
    if (written != entry.SizeBytes())
        fail(QStringLiteral("Track %1 could not be read completely (%2 of %3 bytes)")
                 .arg(twoDigits(track))
                 .arg(written)
                 .arg(entry.SizeBytes()));
    emit ripFinished(track);
    return true;
}

#include "moc_CdToMp3Job.cpp"

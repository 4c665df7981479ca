#include "CdToMp3Job.h"

#include <stdexcept>

#include <QDir>
#include <QRegularExpression>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RaisedError.h"
#include "TrackRipper.h"
#include "UnnamedFile.h"
#include "WavToMp3Encoder.h"
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
    const QStringList files = outputFiles();
    Result result;
    try {
        for (qsizetype i = 0; i < files.size() && result.outcome == Outcome::Done; ++i) {
            if (doTrack(m_toc.Entry(m_tracks[i]), files[i]))
                result.files << files[i];
            else
                result.outcome = Outcome::Cancelled;
        }
    } catch (const RaisedError &error) {
        result = {Outcome::Failed, result.files, error.text()};
    } catch (const std::exception &error) {
        result = {Outcome::Failed, result.files, QString::fromLocal8Bit(error.what())};
    }
    return result;
}

bool CdToMp3Job::doTrack(const DiscTocEntry &entry, const QString &output)
{
    const bool replace = m_replaceable.contains(output);
    if (m_format == Format::Wav) {
        UnnamedFile wav(output);
        if (!wav.isOpen())
            fail(QStringLiteral("Cannot write ") + output);
        if (!rip(entry, wav.path(), output))
            return false;
        if (!wav.linkAs(replace))
            fail(QStringLiteral("Cannot write ") + output);
    } else {
        // Without a name, so that neither a cancel nor a killed process leaves it behind.
        UnnamedFile wav(QDir::tempPath(), UnnamedFile::Use::Scratch);
        if (!wav.isOpen())
            fail(QStringLiteral("Cannot create a temporary file in ") + QDir::tempPath());
        // The status line names it as the temporary file it stands for.
        const QString shown =
            QDir::temp().filePath(QStringLiteral("tavro-rip-%1.wav").arg(wav.descriptor()));
        UnnamedFile part(output);
        if (!rip(entry, wav.path(), shown) || !encode(entry.TrackNumber(), wav.path(), part.path()))
            return false;
        if (!part.linkAs(replace))
            fail(QStringLiteral("Cannot write ") + output);
    }
    emit trackFinished(entry.TrackNumber(), output);
    return true;
}

bool CdToMp3Job::rip(const DiscTocEntry &entry, const QString &wavFile, const QString &shownName)
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

bool CdToMp3Job::encode(quint8 trackNumber, const QString &wavFile, const QString &mp3File)
{
    m_encoder.setWavFile(wavFile);
    m_encoder.setMp3File(mp3File);
    if (m_encoder.WavFile() != wavFile || m_encoder.Mp3File() != mp3File)
        fail(QStringLiteral("Cannot write ") + mp3File);
    // Direct: the handler answers through the reference, on the thread that encodes.
    const QMetaObject::Connection progress = connect(
        &m_encoder, &WavToMp3Encoder::Progress, this,
        [this, trackNumber](qint64 done, qint64 total, bool &cancel) {
            emit encodeProgress(trackNumber, done, total);
            cancel = m_cancelled;
        },
        Qt::DirectConnection);
    try {
        m_encoder.Encode();
    } catch (...) {
        disconnect(progress);
        throw;
    }
    disconnect(progress);
    return !m_cancelled;
}

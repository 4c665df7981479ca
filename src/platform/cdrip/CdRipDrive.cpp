#include "CdRipDrive.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <cdio/cdio.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "CdRipSettings.h"
#include "FileNameCodec.h"
#include "ImageSheet.h"
#include "SavedFile.h"

namespace {
const QString kViewPrefix = QStringLiteral("tavro-cue-");

// A view folder is named after its process ("tavro-cue-PID-XXXXXX"); one whose process has
// ended (killed before it could remove it) is removed by the next process that makes one.
void removeDeadViews()
{
    QDir temp = QDir::temp();
    const QStringList views = temp.entryList({kViewPrefix + QLatin1String("*")}, QDir::Dirs);
    for (const QString &view : views) {
        bool number = false;
        const pid_t pid =
            view.mid(kViewPrefix.size()).section(QLatin1Char('-'), 0, 0).toInt(&number);
        if (number && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            QDir(temp.filePath(view)).removeRecursively();
    }
}

std::shared_ptr<QTemporaryDir> newView()
{
    removeDeadViews();
    return std::make_shared<QTemporaryDir>(QDir::temp().filePath(
        kViewPrefix + QString::number(::getpid()) + QLatin1String("-XXXXXX")));
}

void putInt32(CDROMPARAMS &params, int offset, std::int32_t value)
{
    qToLittleEndian<qint32>(value, params.data() + offset);
}

// The Q-channel ADR/control byte of a table-of-contents entry.
unsigned char entryFlag(const CdIo_t *cdio, track_t track)
{
    constexpr unsigned char kAdrPosition = 0x10;
    unsigned char flag = kAdrPosition;
    if (cdio_get_track_format(cdio, track) != TRACK_FORMAT_AUDIO)
        flag |= 0x04;
    if (cdio_get_track_copy_permit(cdio, track) == CDIO_TRACK_FLAG_TRUE)
        flag |= 0x02;
    if (cdio_get_track_preemphasis(cdio, track) == CDIO_TRACK_FLAG_TRUE)
        flag |= 0x01;
    return flag;
}

TOCENTRY entry(lsn_t start, unsigned char flag, unsigned char track)
{
    TOCENTRY record{};
    qToLittleEndian<qint32>(start, record.data() + TocEntryRecord::StartSector);
    record[TocEntryRecord::Flag] = flag;
    record[TocEntryRecord::TrackNumber] = track;
    return record;
}

// A broken image (a truncated BIN, a cue sheet out of order) can claim tracks that start
// before the one they follow or beyond the disc's end; such a table describes no disc.
bool ascending(const std::vector<TOCENTRY> &toc)
{
    qint32 previous = -1;
    for (const TOCENTRY &record : toc) {
        const qint32 start = qFromLittleEndian<qint32>(record.data() + TocEntryRecord::StartSector);
        if (start <= previous)
            return false;
        previous = start;
    }
    return true;
}

QByteArray deviceName(const QByteArray &path)
{
    CdioHandle cdio(cdio_open(path.constData(), DRIVER_DEVICE), cdio_destroy);
    cdio_hwinfo_t info{};
    if (!cdio || !cdio_get_hwinfo(cdio.get(), &info))
        return path;
    const QByteArray model =
        QByteArray(info.psz_vendor).trimmed() + ' ' + QByteArray(info.psz_model).trimmed();
    return model.trimmed() + " (" + path + ')';
}
} // namespace

CdRipDrive::CdRipDrive(const QByteArray &path, bool image, const CdRipSettings &settings)
    : m_path(path), m_image(image)
{
    namespace P = CdRomParams;
    putInt32(m_params, P::ReadSectors, settings.readSectors);
    putInt32(m_params, P::CDSpeed, settings.cdSpeed);
    putInt32(m_params, P::DriveType, image ? P::DriveTypeImage : P::DriveTypeDevice);
    putInt32(m_params, P::RippingMethod, settings.rippingMethod);
    qToLittleEndian<qint16>(qint16(settings.retries), m_params.data() + P::Retries);
}

CdRipDrive CdRipDrive::device(const QByteArray &path, const CdRipSettings &settings)
{
    CdRipDrive drive(path, false, settings);
    drive.setName(deviceName(path));
    return drive;
}

CdRipDrive CdRipDrive::image(const QByteArray &path, const CdRipSettings &settings)
{
    CdRipDrive drive(path, true, settings);
    drive.setName(path);
    drive.m_view = newView();
    return drive;
}

void CdRipDrive::setName(const QByteArray &name)
{
    std::fill_n(m_params.begin(), CdRomParams::NameBytes, 0);
    std::memcpy(m_params.data(), name.constData(),
                std::min<std::size_t>(name.size(), CdRomParams::NameBytes - 1));
}

void CdRipDrive::setParams(const CDROMPARAMS &params)
{
    std::copy(params.begin() + CdRomParams::NameBytes, params.end(),
              m_params.begin() + CdRomParams::NameBytes);
}

CdioHandle CdRipDrive::open() const
{
    if (!m_image)
        return {cdio_open(m_path.constData(), DRIVER_DEVICE), cdio_destroy};
    // Every image reaches libcdio as a checked CUE view, whatever sheet it came as.
    return openCueSheet();
}

// libcdio trusts a sheet (a bad one makes it write past its buffers) and reads the BIN named after
// the sheet, not the one the sheet names: it gets a checked copy, and a link named to match.
CdioHandle CdRipDrive::openCueSheet() const
{
    ImageSheet sheet;
    if (!m_view->isValid() || !sheet.read(FileNameCodec::decode(m_path)))
        return {nullptr, cdio_destroy};
    const QString cue = m_view->filePath(QStringLiteral("disc.cue"));
    const QByteArray bin = FileNameCodec::encode(m_view->filePath(QStringLiteral("disc.bin")));
    if (!SavedFile::write(cue, sheet.text("disc.bin")))
        return {nullptr, cdio_destroy};
    ::unlink(bin.constData());
    if (::symlink(FileNameCodec::encode(sheet.binPath()).constData(), bin.constData()) != 0)
        return {nullptr, cdio_destroy};
    return {cdio_open(FileNameCodec::encode(cue).constData(), DRIVER_BINCUE), cdio_destroy};
}

std::vector<TOCENTRY> CdRipDrive::readToc() const
{
    const CdioHandle cdio = open();
    if (!cdio)
        return {};
    const track_t first = cdio_get_first_track_num(cdio.get());
    const track_t count = cdio_get_num_tracks(cdio.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        return {};
    std::vector<TOCENTRY> toc;
    for (int track = first; track < first + count; ++track)
        toc.push_back(entry(cdio_get_track_lsn(cdio.get(), track_t(track)),
                            entryFlag(cdio.get(), track_t(track)), (unsigned char)track));
    toc.push_back(entry(cdio_get_track_lsn(cdio.get(), CDIO_CDROM_LEADOUT_TRACK), 0x10,
                        TocEntryRecord::LeadOutTrack));
    return ascending(toc) ? toc : std::vector<TOCENTRY>();
}

bool CdRipDrive::eject(bool open) const
{
    if (m_image)
        return false;
    const driver_return_code_t result = open ? cdio_eject_media_drive(m_path.constData())
                                             : cdio_close_tray(m_path.constData(), nullptr);
    return result == DRIVER_OP_SUCCESS;
}

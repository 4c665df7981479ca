// The sheet check of disc images (SHEET_SUFFIX ".cue" or ".toc" picks the reader), and libcdio on
// every sheet the check lets through: whatever passes must be a sheet libcdio reads without harm.
#include <cstdlib>

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <QFile>
#include <QTemporaryDir>

#include "ImageSheet.h"

namespace {
constexpr int kBinSectors = 600;

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// A folder with the BIN the seeds name ("disc.bin", 8 seconds of silence).
const QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        cdio_loglevel_default = CDIO_LOG_ASSERT; // a refused sheet is not news
        write(dir.filePath(QStringLiteral("disc.bin")), QByteArray(kBinSectors * 2352, '\0'));
        return true;
    }();
    Q_UNUSED(made)
    return dir;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    const QString sheetPath = folder().filePath(QStringLiteral("fuzz" SHEET_SUFFIX));
    write(sheetPath, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    ImageSheet sheet;
    if (!sheet.read(sheetPath))
        return 0;
    const QString viewPath = folder().filePath(QStringLiteral("view.cue"));
    write(viewPath, sheet.text("disc.bin"));
    CdIo_t *cdio = cdio_open(QFile::encodeName(viewPath).constData(), DRIVER_BINCUE);
    if (!cdio)
        return 0;
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    for (track_t track = first; count != CDIO_INVALID_TRACK && track < first + count; ++track)
        cdio_get_track_lsn(cdio, track);
    cdio_get_track_lsn(cdio, CDIO_CDROM_LEADOUT_TRACK);
    cdio_destroy(cdio);
    return 0;
}

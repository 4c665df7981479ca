#include "CdRipSettings.h"

#include <algorithm>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "FileNameCodec.h"
#include "SavedFile.h"

namespace {
// Settings are a few lines; anything longer is not a settings file worth reading whole.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

const QString kDrives = QStringLiteral("drives");
const QString kImages = QStringLiteral("images");
const QString kRipping = QStringLiteral("ripping");

std::optional<int> number(const QString &value, int low, int high)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return int(std::clamp<qlonglong>(n, low, high));
}
} // namespace

QString CdRipSettings::defaultPath()
{
    const QString override = qEnvironmentVariable("TAVRO_CDRIP_INI");
    if (!override.isEmpty())
        return override;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("tavro/cdrip.ini"));
}

bool CdRipSettings::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        QDir().mkpath(info.absolutePath());
        save(path);
        return true;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    parse(file.read(kMaxFileBytes), info.absolutePath());
    return true;
}

int CdRipSettings::encoders() const
{
    return encoderJobs > 0 ? encoderJobs : std::max(QThread::idealThreadCount(), 1);
}

bool CdRipSettings::save(const QString &path) const
{
    QByteArray text =
        QStringLiteral(
            "; Tavro CD ripping settings. Lines starting with ; or # are comments.\n"
            "[Drives]\n"
            "; 1 = offer the machine's CD devices as drives, 0 = only the images below\n"
            "ScanDevices=%1\n\n"
            "[Images]\n"
            "; Disc images (CUE/BIN, cdrdao TOC, Nero NRG) offered as drives after the devices,\n"
            "; one path per line; a relative path is taken from this file's folder.\n")
            .arg(scanDevices ? 1 : 0)
            .toUtf8();
    // As the file system's bytes, which need not be UTF-8.
    for (const QString &image : images)
        text += FileNameCodec::encode(image) + '\n';
    text += QStringLiteral(
                "\n[Ripping]\n"
                "; Sectors of 2352 bytes per chunk, 1..200\n"
                "ReadSectors=%1\n"
                "; 0 = paranoia (verified, overlapping reads), 1 = plain reads without checks\n"
                "RippingMethod=%2\n"
                "; Attempts paranoia makes at one sector before it gives up, 1..1000\n"
                "Retries=%3\n"
                "; Read speed as a multiple of 150 kB/s, 0 = the drive's fastest\n"
                "CDSpeed=%4\n"
                "; MP3 encoders at work on a disc at once, 1..64, 0 = one per processor\n"
                "EncoderJobs=%5\n")
                .arg(readSectors)
                .arg(rippingMethod)
                .arg(retries)
                .arg(cdSpeed)
                .arg(encoderJobs)
                .toUtf8();
    return SavedFile::write(path, text);
}

void CdRipSettings::parse(const QByteArray &text, const QString &folder)
{
    QString section;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
        } else if (section == kImages) {
            const QString image = FileNameCodec::decode(rawLine.trimmed());
            images << QDir::cleanPath(QDir(folder).absoluteFilePath(image));
        } else {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            // Values are numbers, so a comment may follow one on its line.
            static const QRegularExpression comment(QStringLiteral("[;#].*$"));
            if (equals > 0)
                setValue(section, line.left(equals).trimmed().toLower(),
                         line.mid(equals + 1).remove(comment).trimmed());
        }
    }
}

void CdRipSettings::setValue(const QString &section, const QString &key, const QString &value)
{
    const auto set = [&value](int &field, int low, int high) {
        if (const auto n = number(value, low, high))
            field = *n;
    };
    if (section == kDrives && key == QLatin1String("scandevices")) {
        int scan = scanDevices ? 1 : 0;
        set(scan, 0, 1);
        scanDevices = scan != 0;
    } else if (section == kRipping && key == QLatin1String("readsectors")) {
        set(readSectors, 1, 200);
    } else if (section == kRipping && key == QLatin1String("rippingmethod")) {
        set(rippingMethod, 0, 1);
    } else if (section == kRipping && key == QLatin1String("retries")) {
        set(retries, 1, 1000);
    } else if (section == kRipping && key == QLatin1String("cdspeed")) {
        set(cdSpeed, 0, 100);
    } else if (section == kRipping && key == QLatin1String("encoderjobs")) {
        set(encoderJobs, 0, kMaxEncoderJobs);
    }
}

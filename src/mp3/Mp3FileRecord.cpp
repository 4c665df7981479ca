#include "Mp3FileRecord.h"

#include <cmath>
#include <limits>

#include "FileAttributeText.h"
#include "Layer3HeaderSearch.h"
#include "RegularFile.h"
#include "RenamePattern.h"
#include "TagLists.h"

namespace {
constexpr int lastGenre = 147;
constexpr int noGenre = 255;

// The tag goes over the last 128 bytes only when they really are a tag; after RemoveTag, or when
// the file changed since it was read, they are audio and the tag is appended instead.
// A failed write puts back what was there, so the file is never left half-written.
bool writeTagBytes(const QString &path, const QByteArray &tag)
{
    RegularFile file(path, RegularFile::ReadWrite);
    const qint64 length = file.size();
    const QByteArray last = length >= Id3v1Tag::Size
                                ? file.readAt(length - Id3v1Tag::Size, Id3v1Tag::Size)
                                : QByteArray();
    const bool overwrite = Id3v1Tag::isTag(last);
    const qint64 at = overwrite ? length - Id3v1Tag::Size : length;
    if (file.writeAt(at, tag))
        return true;
    if (overwrite)
        file.writeAt(at, last);
    else
        file.resize(length);
    return false;
}

int cutTag(const QString &path)
{
    qint64 length = 0;
    {
        const RegularFile reader(path);
        // A file that cannot be read may well have a tag: that is no "no tag".
        if (!reader.isOpen())
            return -1;
        length = reader.size();
        if (length < Id3v1Tag::Size || reader.readAt(length - Id3v1Tag::Size, 3) != "TAG")
            return 0;
    }
    RegularFile writer(path, RegularFile::ReadWrite);
    return writer.resize(length - Id3v1Tag::Size) ? 1 : -1;
}
} // namespace

QString Mp3FileRecord::ReadHeader() { return readHeader(RegularFile(m_fullName)); }

QString Mp3FileRecord::readHeader(const RegularFile &file)
{
    if (Layer3HeaderSearch::run(file, m_header) == -2)
        return QStringLiteral("-2");
    const qint64 frames = m_header.FrameLength > 0 ? file.size() / m_header.FrameLength : 0;
    m_totalFrames = qint32(std::min<qint64>(frames, std::numeric_limits<qint32>::max()));
    return QString();
}

QVariant Mp3FileRecord::PlayTime() const
{
    if (!m_header.ValidHeader)
        return -1;
    // 64-bit: the length in bits of a file of 256 MiB or more does not fit in 32.
    const double t = double(RegularFile::sizeOf(m_fullName) * 8) / m_header.bitrateKbps() / 1000;
    return float(std::floor((t + 0.05) * 100) / 100);
}

QString Mp3FileRecord::ValidHeader() const
{
    return m_header.ValidHeader ? QStringLiteral("True") : QStringLiteral("False");
}

void Mp3FileRecord::setFullName(const QString &name)
{
    m_fullName = name;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    m_path = name.left(slash + 1);
    m_filename = name.mid(slash + 1);
}

QVariant Mp3FileRecord::ReadMP3Info()
{
    // An open file exists; one that cannot be opened may exist all the same (no permission).
    const RegularFile file(m_fullName);
    if (!file.isOpen() && !RegularFile::exists(m_fullName))
        return -1;
    readTag(file);
    m_lastReadHeader = readHeader(file);
    return QVariant();
}

void Mp3FileRecord::readTag(const RegularFile &file)
{
    m_tag.clear();
    m_tagPresent = false;
    const qint64 length = file.size();
    // A file shorter than a tag carries none.
    if (length < Id3v1Tag::Size)
        return;
    const QByteArray bytes = file.readAt(length - Id3v1Tag::Size, Id3v1Tag::Size);
    if (!Id3v1Tag::isTag(bytes))
        return;
    m_tagPresent = true;
    m_tag.parse(bytes);
    m_tag.Genre.store(GenreLookup(int(quint8(bytes[Id3v1Tag::Size - 1]))).toString());
}

bool Mp3FileRecord::storeAndWrite(FixedText &field, const QString &value)
{
    field.store(value);
    return writeTag();
}

bool Mp3FileRecord::writeTag()
{
    if (!RegularFile::exists(m_fullName))
        return false;
    const QString attributes = FileAttributes();
    setFileAttributes(QStringLiteral("Normal"));
    const bool written = writeTagBytes(m_fullName, m_tag.toBytes(genreByte()));
    m_tagPresent = m_tagPresent || written;
    setFileAttributes(attributes);
    return written;
}

quint8 Mp3FileRecord::genreByte() const
{
    QVariant found = GenreLookup(m_tag.Genre.trimmed());
    // A numeric genre text names its genre; its number is that name's.
    if (found.typeId() == QMetaType::QString)
        found = GenreLookup(found);
    return quint8(found.toInt());
}

QVariant Mp3FileRecord::GenreLookup(const QVariant &value) const
{
    bool numeric = value.typeId() != QMetaType::QString;
    const double number = numeric ? value.toDouble() : value.toString().toDouble(&numeric);
    if (numeric && std::isfinite(number)) {
        if (number < 0 || number > lastGenre)
            return QStringLiteral("Unknown");
        return TagLists::genreNames().at(qsizetype(std::nearbyint(number)));
    }
    const qsizetype index = TagLists::genreNames().indexOf(value.toString());
    return index < 0 ? noGenre : int(index);
}

QString Mp3FileRecord::FileAttributes() const { return FileAttributeText::read(m_fullName); }

void Mp3FileRecord::setFileAttributes(const QString &text)
{
    FileAttributeText::write(m_fullName, text);
}

int Mp3FileRecord::RemoveTag()
{
    const QString path = m_path + m_filename;
    if (!RegularFile::exists(path))
        return -1;
    const QString attributes = FileAttributeText::read(path);
    FileAttributeText::write(path, QStringLiteral("Normal"));
    const int result = cutTag(path);
    FileAttributeText::write(path, attributes);
    return result;
}

QVariant Mp3FileRecord::RenameFile(QString &pattern, bool attachTime, QStringList &notices)
{
    if (!m_tagPresent)
        return QVariant();
    const RenamePattern::Name name = RenamePattern::apply(pattern, *this, attachTime);
    pattern = name.fileName;
    notices = name.notices;
    const QString target = m_path + pattern;
    // A tag with blank fields gives the bare ".mp3", which would hide the file.
    if (pattern == QLatin1String(".mp3") || !RegularFile::exists(m_fullName) ||
        !RegularFile::renameNoReplace(m_fullName, target))
        return -1;
    m_filename = pattern;
    m_fullName = target;
    return 1;
}

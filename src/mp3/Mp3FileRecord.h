#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include "Id3v1Tag.h"
#include "Layer3Header.h"

class RegularFile;

// The MP3 file record: the first MPEG-1 Layer III frame header of a file (header half) and its
// ID3v1 tag, name parts and attributes (tag half). Failures come back as return values: -1 for a
// missing file, "-2" when no header was found, false when a tag could not be written.
// One record serves file after file; only decoding and reading overwrite its fields.
class Mp3FileRecord {
public:
    // Header half.
    // Searches the file, decodes the header and sets TotalFrames; "-2" when no header was found.
    QString ReadHeader();
    QString MPEGVersion() const { return m_header.MPEGVersion.text(); }
    QString Layer() const { return m_header.Layer.text(); }
    bool CRCPresent() const { return m_header.CRCPresent; }
    QString Bitrate() const { return m_header.Bitrate.text(); }
    QString SampleRate() const { return m_header.SampleRate.text(); }
    // "0" or "1".
    QString Padding() const { return QString::number(m_header.Padding); }
    qint16 PrivateBit() const { return m_header.PrivateBit; }
    QString ChannelMode() const { return m_header.ChannelMode.text(); }
    QString ModeExtension() const { return m_header.ModeExtension.text(); }
    bool Copyright() const { return m_header.Copyright; }
    bool Original() const { return m_header.Original; }
    QString Emphasis() const { return m_header.Emphasis.text(); }
    qint16 FrameLength() const { return m_header.FrameLength; }
    qint32 TotalFrames() const { return m_totalFrames; }
    // Seconds (a float, to hundredths) from the file's current length; the integer -1 when the
    // header is not valid.
    QVariant PlayTime() const;
    // "True" or "False".
    QString ValidHeader() const;

    // Tag half.
    // Splits at the last "/" into Path (with the "/") and Filename; reads nothing.
    void setFullName(const QString &name);
    QString FullName() const { return m_fullName; }
    QString Path() const { return m_path; }
    QString Filename() const { return m_filename; }
    // -1 for a missing file (nothing changes); otherwise reads the tag, then the header, and
    // gives an empty value.
    QVariant ReadMP3Info();
    // What the ReadHeader run by the last ReadMP3Info returned ("-2" or ""); empty before one.
    QString lastReadHeader() const { return m_lastReadHeader; }

    // Without blanks at either end when the file has a tag; empty otherwise.
    QString title() const { return tagText(m_tag.title); }
    QString artist() const { return tagText(m_tag.artist); }
    QString album() const { return tagText(m_tag.album); }
    QString Year() const { return tagText(m_tag.Year); }
    QString Comment() const { return tagText(m_tag.Comment); }
    QString Genre() const { return tagText(m_tag.Genre); }
    // Each stores the value (cut or padded to its width) and writes the whole tag to the file;
    // false when the file is missing or the write failed (the file is then left as it was).
    bool setTitle(const QString &value) { return storeAndWrite(m_tag.title, value); }
    bool setArtist(const QString &value) { return storeAndWrite(m_tag.artist, value); }
    bool setAlbum(const QString &value) { return storeAndWrite(m_tag.album, value); }
    bool setYear(const QString &value) { return storeAndWrite(m_tag.Year, value); }
    bool setComment(const QString &value) { return storeAndWrite(m_tag.Comment, value); }
    bool setGenre(const QString &value) { return storeAndWrite(m_tag.Genre, value); }
    bool TagPresent() const { return m_tagPresent; }

    // See FileAttributeText for the Linux meaning of the letters.
    QString FileAttributes() const;
    void setFileAttributes(const QString &text);

    // 1 when a tag was cut off the file, 0 when it had none, -1 when it is missing, cannot be read
    // or could not be written. TagPresent is left as it was.
    int RemoveTag();
    // Renames the file after the pattern (see RenamePattern; attachTime adds the play time);
    // pattern receives the new name and notices what the pattern's caller should show.
    // 1 when renamed, -1 when not (missing file, the name is taken, or it would be the bare
    // ".mp3"), empty without a tag.
    QVariant RenameFile(QString &pattern, bool attachTime, QStringList &notices);

private:
    // Number -> name ("Unknown" past 147), name -> number (255 when no name matches).
    QVariant GenreLookup(const QVariant &value) const;
    quint8 genreByte() const;
    QString tagText(const FixedText &field) const
    {
        return m_tagPresent ? field.trimmed() : QString();
    }
    bool storeAndWrite(FixedText &field, const QString &value);
    void readTag(const RegularFile &file);
    QString readHeader(const RegularFile &file);
    bool writeTag();

    Layer3Header m_header;
    qint32 m_totalFrames = 0;
    QString m_fullName;
    QString m_path;
    QString m_filename;
    QString m_lastReadHeader;
    Id3v1Tag m_tag;
    bool m_tagPresent = false;
};

#include "InfoReport.h"

#include "DisplayName.h"
#include "FixedText.h"
#include "JsonText.h"

namespace {
QString trueFalse(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString yesNo(bool value) { return value ? QStringLiteral("YES") : QStringLiteral("NO"); }
// A tag text as far as its first zero byte: taggers pad with zeros, and the record keeps them,
// but a console or a JSON reader must not get them.
QString shown(const QString &text)
{
    return FixedText::trimBlanks(text.left(text.indexOf(QChar(0))));
}
} // namespace

InfoReport::InfoReport(const QString &path) : m_path(path)
{
    m_record.setFullName(path);
    m_readInfo = m_record.ReadMP3Info();
    // A missing file gets no search from ReadMP3Info; asked directly, the search finds nothing.
    m_readHeader = fileExists() ? m_record.lastReadHeader() : m_record.ReadHeader();
    m_time.setFilename(path);
    m_valid = m_time.refresh();
}

QList<InfoReport::Line> InfoReport::lines() const
{
    return {
        {QStringLiteral("File Name :"), DisplayName::of(m_path)},
        {QStringLiteral("MPEG Mode :"), m_record.MPEGVersion()},
        {QStringLiteral("Layer :"), m_record.Layer()},
        {QStringLiteral("Protected :"),
         (m_time.CRCProtected() ? QStringLiteral("No") : QStringLiteral("Yes "))},
        {QStringLiteral("Bitrate :"), m_record.Bitrate() + QStringLiteral("  Kb/s")},
        {QStringLiteral("Frequency :"), m_record.SampleRate() + QStringLiteral("  Hz")},
        {QStringLiteral("Padded :"), trueFalse(m_time.Padding())},
        {QStringLiteral("Private :"), trueFalse(m_time.PrivateBit())},
        {QStringLiteral("Channel Mode :"), m_record.ChannelMode()},
        {QStringLiteral("Ch. Mode Ext :"), QString::number(m_time.ChannelModeExtention())},
        {QStringLiteral("Copyright :"), yesNo(m_record.Copyright())},
        {QStringLiteral("Original :"), yesNo(m_record.Original())},
        {QStringLiteral("Emphasis :"), m_time.EmphasisText()},
        {QStringLiteral("Title           "), shown(m_record.title())},
        {QStringLiteral("Artist         "), shown(m_record.artist())},
        {QStringLiteral("Album       "), shown(m_record.album())},
        {QStringLiteral("Year           "), shown(m_record.Year())},
        {QStringLiteral("Comments"), shown(m_record.Comment())},
        {QStringLiteral("Genre        "), shown(m_record.Genre())},
        {QStringLiteral("Valid Header   :"),
         yesNo(m_record.ValidHeader() == QLatin1String("True"))},
    };
}

QString InfoReport::text() const
{
    QString block;
    for (const Line &line : lines())
        block += line.caption + QLatin1Char(' ') + line.value + QLatin1Char('\n');
    return block;
}

QString InfoReport::json() const
{
    JsonText record;
    record.add("MPEGVersion", m_record.MPEGVersion())
        .add("Layer", m_record.Layer())
        .add("CRCPresent", m_record.CRCPresent())
        .add("Bitrate", m_record.Bitrate())
        .add("SampleRate", m_record.SampleRate())
        .add("Padding", m_record.Padding())
        .add("PrivateBit", m_record.PrivateBit())
        .add("ChannelMode", m_record.ChannelMode())
        .add("ModeExtension", m_record.ModeExtension())
        .add("Copyright", m_record.Copyright())
        .add("Original", m_record.Original())
        .add("Emphasis", m_record.Emphasis())
        .add("FrameLength", m_record.FrameLength())
        .add("TotalFrames", m_record.TotalFrames())
        .add("PlayTime", m_record.PlayTime())
        .add("ValidHeader", m_record.ValidHeader())
        .add("TagPresent", m_record.TagPresent())
        .add("title", shown(m_record.title()))
        .add("artist", shown(m_record.artist()))
        .add("album", shown(m_record.album()))
        .add("Year", shown(m_record.Year()))
        .add("Comment", shown(m_record.Comment()))
        .add("Genre", shown(m_record.Genre()))
        .add("ReadMP3Info", m_readInfo)
        .add("ReadHeader", m_readHeader);
    JsonText time;
    time.add("Filename", m_time.Filename())
        .add("Bitrate", m_time.Bitrate())
        .add("CRCProtected", m_time.CRCProtected())
        .add("Frames", m_time.Frames())
        .add("FrameSize", m_time.FrameSize())
        .add("seconds", m_time.seconds())
        .add("Frequency", m_time.Frequency())
        .add("FileSize", m_time.FileSize())
        .add("Version", m_time.Version())
        .add("VersionText", m_time.VersionText())
        .add("Layer", m_time.Layer())
        .add("LayerText", m_time.LayerText())
        .add("Padding", m_time.Padding())
        .add("PrivateBit", m_time.PrivateBit())
        .add("ChannelMode", m_time.ChannelMode())
        .add("ChannelModeText", m_time.ChannelModeText())
        .add("ChannelModeExtention", m_time.ChannelModeExtention())
        .add("Copyright", m_time.Copyright())
        .add("Original", m_time.Original())
        .add("Emphasis", m_time.Emphasis())
        .add("EmphasisText", m_time.EmphasisText())
        .add("refresh", m_valid);
    JsonText line;
    line.add("file", m_path).addObject("clsMP3", record).addObject("clsMP3time", time);
    return line.text();
}

#include "Mp3PlayTime.h"

#include <cmath>
#include <limits>

#include "RegularFile.h"

namespace {
// The analyser reads exactly this much; a shorter file gives it nothing to scan.
constexpr int readSize = 4096;

// 1-based, as the scan counts; positions past the read are 0.
quint8 byteAt(const QByteArray &bytes, int position)
{
    return position >= 1 && position <= bytes.size() ? quint8(bytes[position - 1]) : 0;
}

// Halves to even, clamped to 32 bits.
qint32 rounded(double value)
{
    return qint32(std::min(std::nearbyint(value), double(std::numeric_limits<qint32>::max())));
}

const char *const channelModeTexts[4] = {"Stereo", "Joint Stereo (Stereo)", "Dual Channel (Stereo)",
                                         "Single Channel (Mono)"};
const char *const emphasisTexts[4] = {"None", "50/15 ms", "reserved", "CIT J.17"};
const char *const versionTexts[4] = {"MPEG 2.5", "", "MPEG 2", "MPEG 1"};
const char *const layerTexts[4] = {"", "Layer III", "Layer II", "Layer I"};
} // namespace

Mp3PlayTime::Mp3PlayTime() : m_tables(FrameTables::instance()) {}

void Mp3PlayTime::setFilename(const QString &name)
{
    m_f = Fields{};
    m_filename = name;
}

bool Mp3PlayTime::refresh()
{
    m_f = Fields{};
    const RegularFile file(m_filename);
    if (!file.isOpen())
        return false;
    m_f.FileSize = file.size();
    // The read succeeds whole or not at all: a shorter file leaves nothing to scan.
    const QByteArray bytes = m_f.FileSize >= readSize ? file.readAt(0, readSize) : QByteArray();
    const int header = bytes.isEmpty() ? -1 : scan(bytes);
    if (header < 0) {
        // Rejected candidates leave nothing behind.
        const qint64 size = m_f.FileSize;
        m_f = Fields{};
        m_f.FileSize = size;
        return false;
    }
    const quint8 h2 = byteAt(bytes, header + 1);
    decodeRest(h2, byteAt(bytes, header + 2));
    deriveSizes((h2 & 0x0C) >> 2);
    return isValid();
}

int Mp3PlayTime::scan(const QByteArray &bytes)
{
    int p = 0;
    while (p < readSize - 1) {
        ++p;
        const quint8 c1 = byteAt(bytes, p);
        const quint8 c2 = byteAt(bytes, p + 1);
        const quint8 c3 = byteAt(bytes, p + 2);
        int h1 = p + 1;
        if (c1 != 0xFF || (c2 & 0xE0) != 0xE0) {
            // A sync may start in the middle of a byte; the header is then taken from the whole
            // bytes after it, unshifted.
            const int x = (c1 & 0x0F) << 4 | (c2 & 0xF0) >> 4;
            const int y = (c2 & 0x0F) << 4 | (c3 & 0xF0) >> 4;
            if (x != 0xFF || (y & 0xE0) != 0xE0)
                continue;
            h1 = p + 2;
        }
        decodeRates(byteAt(bytes, h1), byteAt(bytes, h1 + 1));
        if (m_f.Frequency != 99999 && m_f.Bitrate != 0)
            return h1;
        p += 4;
    }
    return -1;
}

void Mp3PlayTime::decodeRates(quint8 h1, quint8 h2)
{
    m_f.Version = (h1 & 0x18) >> 3;
    m_f.Layer = (h1 & 0x06) >> 1;
    m_f.CRCProtected = (h1 & 0x01) != 0;
    const int column = (m_f.Version & 1) * 4 | m_f.Layer;
    m_f.Bitrate = m_tables.bitrate(h2 >> 4, column) * 1000;
    m_f.Frequency = m_tables.sampleRate(m_f.Version, (h2 & 0x0C) >> 2);
}

void Mp3PlayTime::decodeRest(quint8 h2, quint8 h3)
{
    m_f.Padding = (h2 & 0x02) != 0;
    m_f.PrivateBit = (h2 & 0x01) != 0;
    m_f.ChannelMode = (h3 & 0xC0) >> 6;
    m_f.ChannelModeExtention = (h3 & 0x30) >> 4;
    m_f.Copyright = (h3 & 0x08) != 0;
    m_f.Original = (h3 & 0x04) != 0;
    m_f.Emphasis = h3 & 0x03;
    m_f.VersionText = QString::fromLatin1(versionTexts[m_f.Version]);
    m_f.LayerText = QString::fromLatin1(layerTexts[m_f.Layer]);
    m_f.ChannelModeText = QString::fromLatin1(channelModeTexts[m_f.ChannelMode]);
    m_f.EmphasisText = QString::fromLatin1(emphasisTexts[m_f.Emphasis]);
}

void Mp3PlayTime::deriveSizes(int rateIndex)
{
    const double b = m_f.Bitrate;
    const double s = m_f.Frequency;
    // The reserved version code has no sample rate: the size stays 0. The factor 144 and the
    // missing padding of Layers II and III are how this analyser has always counted.
    double f = 0;
    if (s != 0)
        f = m_f.Layer == 3 ? (b / s * 12 + (m_f.Padding ? 1 : 0)) * 4 : b / s * 144;
    const auto halve = [&f] { f = std::trunc(f) / 2; };
    if (m_f.ChannelMode == 1 && m_f.Version < 3)
        halve();
    if (m_f.ChannelMode == 1 && m_f.Version == 0)
        halve();
    if (m_f.ChannelMode == 3 && m_f.Version < 3)
        halve();
    m_f.FrameSize = qint32(std::trunc(f));
    m_f.Frames = m_f.FrameSize != 0 ? rounded(double(m_f.FileSize) / m_f.FrameSize) : 0;
    const double perSecond = FrameTables::framesPerSecond(rateIndex);
    m_f.seconds = perSecond != 0 ? rounded(m_f.Frames / perSecond) : 0;
}

bool Mp3PlayTime::isValid() const
{
    return !(m_f.Frequency == 99999 || m_f.Bitrate == 0 || m_f.Frequency == 0 ||
             m_f.FileSize == 0 || m_f.seconds == 0 || m_f.FrameSize == 0);
}

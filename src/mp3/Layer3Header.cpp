#include "Layer3Header.h"

namespace {
// MPEG-1 Layer III bit rates in kbit/s by index; "NA" for free format (0) and the forbidden 15.
const char *const bitrates[16] = {"NA",  "32",  "40",  "48",  "56",  "64",  "80",  "96",
                                  "112", "128", "160", "192", "224", "256", "320", "NA"};
const char *const channelModes[4] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono"};
const char *const modeExtensions[4] = {"00", "01", "10", "11"};
// Code 3 is "CCIT J.17", which the 8-character field cuts to "CCIT J.1".
const char *const emphases[4] = {"None", "50/15 ms", "Reserved", "CCIT J.17"};
} // namespace

void Layer3Header::decode(quint8 b2, quint8 b3, quint8 b4)
{
    ValidHeader = true;
    MPEGVersion.store(QStringLiteral("1.0"));
    Layer.store(QStringLiteral("3"));
    CRCPresent = (b2 & 0x01) == 0;
    Bitrate.store(QLatin1String(bitrates[b3 >> 4]));
    switch (b3 & 0x0C) {
    case 0x0C:
        SampleRate.store(QStringLiteral("0"));
        ValidHeader = false;
        return;
    case 0x08: SampleRate.store(QStringLiteral("32000")); break;
    case 0x04: SampleRate.store(QStringLiteral("48000")); break;
    default: SampleRate.store(QStringLiteral("44100")); break;
    }
    Padding = (b3 & 0x02) ? 1 : 0;
    PrivateBit = (b3 & 0x01) ? 1 : 0;
    ChannelMode.store(QLatin1String(channelModes[b4 >> 6]));
    ModeExtension.store(QLatin1String(modeExtensions[(b4 >> 4) & 0x03]));
    Copyright = (b4 & 0x08) != 0;
    Original = (b4 & 0x04) != 0;
    Emphasis.store(QLatin1String(emphases[b4 & 0x03]));
    if (Bitrate.text() == QLatin1String("NA ")) {
        ValidHeader = false;
        return;
    }
    // 144 bytes per kbit/s per kHz; integer division is the floor of the exact quotient.
    FrameLength = qint16(bitrateKbps() * 1000 * 144 / sampleRateHz() + Padding);
}

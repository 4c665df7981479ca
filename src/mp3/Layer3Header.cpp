#include "Layer3Header.h"

#include <array>

namespace {
// MPEG-1 Layer III bit rates in kbit/s by index; "NA" for free format (0) and the forbidden 15.
const char *const bitrates[16] = {"NA",  "32",  "40",  "48",  "56",  "64",  "80",  "96",
                                  "112", "128", "160", "192", "224", "256", "320", "NA"};
const char *const sampleRates[4] = {"44100", "48000", "32000", "0"};
const char *const channelModes[4] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono"};
const char *const modeExtensions[4] = {"00", "01", "10", "11"};
// Code 3 is "CCIT J.17", which the 8-character field cuts to "CCIT J.1".
const char *const emphases[4] = {"None", "50/15 ms", "Reserved", "CCIT J.17"};

// The texts as their fields hold them, made once: false syncs in audio data can make a search
// decode hundreds of candidates, and storing a text of the field's width costs no copy.
template <std::size_t N> std::array<QString, N> fieldTexts(int width, const char *const (&texts)[N])
{
    std::array<QString, N> stored;
    FixedText field(width);
    for (std::size_t i = 0; i < N; ++i) {
        field.store(QLatin1String(texts[i]));
        stored[i] = field.text();
    }
    return stored;
}
} // namespace

void Layer3Header::decode(quint8 b2, quint8 b3, quint8 b4)
{
    static const auto bitrateTexts = fieldTexts(3, bitrates);
    static const auto sampleRateTexts = fieldTexts(5, sampleRates);
    static const auto channelModeTexts = fieldTexts(12, channelModes);
    static const auto modeExtensionTexts = fieldTexts(2, modeExtensions);
    static const auto emphasisTexts = fieldTexts(8, emphases);

    ValidHeader = true;
    MPEGVersion.store(QStringLiteral("1.0"));
    Layer.store(QStringLiteral("3"));
    CRCPresent = (b2 & 0x01) == 0;
    Bitrate.store(bitrateTexts[b3 >> 4]);
    // Rate code 3 (0x0C) is reserved.
    SampleRate.store(sampleRateTexts[(b3 >> 2) & 0x03]);
    if ((b3 & 0x0C) == 0x0C) {
        ValidHeader = false;
        return;
    }
    Padding = (b3 & 0x02) ? 1 : 0;
    PrivateBit = (b3 & 0x01) ? 1 : 0;
    ChannelMode.store(channelModeTexts[b4 >> 6]);
    ModeExtension.store(modeExtensionTexts[(b4 >> 4) & 0x03]);
    Copyright = (b4 & 0x08) != 0;
    Original = (b4 & 0x04) != 0;
    Emphasis.store(emphasisTexts[b4 & 0x03]);
    if (Bitrate.text() == bitrateTexts[0]) {
        ValidHeader = false;
        return;
    }
    // 144 bytes per kbit/s per kHz; integer division is the floor of the exact quotient.
    FrameLength = qint16(bitrateKbps() * 1000 * 144 / sampleRateHz() + Padding);
}

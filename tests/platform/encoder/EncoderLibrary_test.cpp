#include <array>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "EncoderLibrary.h"

namespace {
using Record = std::array<unsigned char, BeConfig::Size>;

Record record(int preset, int bitrate = 128, int mode = BeConfig::ModeJointStereo,
              int sampleRate = 44100)
{
    Record r{};
    const auto set = [&r](int offset, int value) {
        qToLittleEndian<qint32>(value, r.data() + offset);
    };
    set(BeConfig::Kind, int(BeConfig::KindLame));
    set(BeConfig::StructVersion, 1);
    set(BeConfig::StructSize, BeConfig::Size);
    set(BeConfig::SampleRate, sampleRate);
    set(BeConfig::Mode, mode);
    set(BeConfig::Bitrate, bitrate);
    set(BeConfig::Preset, preset);
    set(BeConfig::WriteVbrHeader, 1);
    set(BeConfig::NoReservoir, 1);
    return r;
}

// What the encoder wrote, tag frame first.
struct Encoded {
    BE_ERR error = BE_ERR_SUCCESSFUL;
    QByteArray mp3;

    // The LAME tag's VBR method: 1 CBR, 2 ABR, 3 and up VBR.
    int method() const { return mp3.at(lameAt() + 9) & 0x0f; }
    // 100 - 10 x VBR quality - algorithm quality, from the Xing part of the tag.
    int quality() const { return qFromBigEndian<qint32>(mp3.constData() + lameAt() - 4); }
    int lameAt() const { return int(mp3.indexOf("LAME")); }
    // The first audio frame after the tag frame.
    QByteArray audioHeader() const { return mp3.mid(mp3.indexOf("\xff\xfb", 4), 4); }
    int bitrateIndex() const { return quint8(audioHeader().at(2)) >> 4; }
};

// A second of a 1000 Hz stereo tone through one stream.
Encoded encodeTone(const Record &config)
{
    Encoded result;
    std::uint32_t chunk = 0, bufferSize = 0;
    HBE_STREAM stream = 0;
    result.error = beInitStream(config.data(), &chunk, &bufferSize, &stream);
    if (result.error != BE_ERR_SUCCESSFUL)
        return result;
    std::vector<std::int16_t> tone(chunk);
    std::vector<unsigned char> out(bufferSize);
    for (int done = 0; done < 44100 && result.error == BE_ERR_SUCCESSFUL; done += int(chunk / 2)) {
        for (std::uint32_t i = 0; i < chunk; ++i)
            tone[i] = std::int16_t(10000 * std::sin(2 * M_PI * 1000 * (done + i / 2) / 44100.0));
        std::uint32_t bytes = 0;
        result.error = beEncodeChunk(stream, chunk, tone.data(), out.data(), &bytes);
        result.mp3.append(reinterpret_cast<const char *>(out.data()), int(bytes));
    }
    std::uint32_t bytes = 0;
    EXPECT_EQ(beDeinitStream(stream, out.data(), &bytes), BE_ERR_SUCCESSFUL);
    result.mp3.append(reinterpret_cast<const char *>(out.data()), int(bytes));
    // The tag frame is filled in over the placeholder once the file is complete.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("tone.mp3")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(result.mp3) == result.mp3.size());
    file.close();
    EXPECT_EQ(beWriteInfoTag(stream, QFile::encodeName(file.fileName()).constData()),
              BE_ERR_SUCCESSFUL);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    result.mp3 = file.readAll();
    EXPECT_EQ(beCloseStream(stream), BE_ERR_SUCCESSFUL);
    return result;
}
} // namespace

TEST(EncoderLibraryTest, PresetsMapOntoLameSettings)
{
    using namespace BeConfig;
    // Method and quality come from the LAME tag: quality = 100 - 10 x VBR level - algorithm
    // quality.
    constexpr int kVariable = -1;
    const struct {
        int code;
        int method;
        int quality;
        int bitrateIndex; // 10 = 160 kbit/s, the record's rate; 14 = 320
    } expected[] = {
        {PresetNone, 1, 57, 10},
        {PresetNormal, 1, 57, 10},
        {PresetLow, 1, 53, 10},
        {PresetHigh, 1, 58, 10},
        {PresetVeryHigh, 1, 60, 10},
        {PresetCbr, 1, 57, 10},
        {PresetInsane, 1, 57, 14},
        {PresetAbr, 2, 57, kVariable},
        {PresetVoice, 4, 50, kVariable},
        {PresetR3mix, 4, 70, kVariable},
        {PresetStandard, 4, 80, kVariable},
        {PresetFastStandard, 4, 80, kVariable},
        {PresetExtreme, 4, 100, kVariable},
        {PresetFastExtreme, 4, 100, kVariable},
        {PresetMedium, 4, 60, kVariable},
        {PresetFastMedium, 4, 60, kVariable},
    };
    for (const auto &x : expected) {
        const Encoded e = encodeTone(record(x.code, 160));
        ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL) << x.code;
        EXPECT_EQ(e.method(), x.method) << x.code;
        EXPECT_EQ(e.quality(), x.quality) << x.code;
        if (x.bitrateIndex != kVariable) {
            EXPECT_EQ(e.bitrateIndex(), x.bitrateIndex) << x.code;
        }
        const int rateBits = (quint8(e.audioHeader().at(2)) >> 2) & 3; // 0: 44100, 2: 32000
        EXPECT_EQ(rateBits, x.code == PresetVoice ? 2 : 0) << x.code;
    }
    // Channel mode bits of the frame header: 0 stereo, 1 joint stereo, 3 mono.
    for (const auto &[mode, bits] :
         {std::pair{ModeStereo, 0}, std::pair{ModeJointStereo, 1}, std::pair{ModeMono, 3}}) {
        const Encoded e = encodeTone(record(PresetCbr, 128, mode));
        EXPECT_EQ(quint8(e.audioHeader().at(3)) >> 6, bits) << mode;
    }
}

TEST(EncoderLibraryTest, RefusesBadRecordsHandlesAndBuffers)
{
    using namespace BeConfig;
    std::uint32_t chunk = 0, bufferSize = 0;
    HBE_STREAM stream = 0;
    Record other = record(PresetStandard);
    qToLittleEndian<quint32>(0, other.data() + Kind);
    Record small = record(PresetStandard);
    qToLittleEndian<quint32>(300, small.data() + StructSize);
    EXPECT_EQ(beInitStream(other.data(), &chunk, &bufferSize, &stream), BE_ERR_INVALID_FORMAT);
    EXPECT_EQ(beInitStream(small.data(), &chunk, &bufferSize, &stream), BE_ERR_INVALID_FORMAT);
    EXPECT_EQ(beInitStream(nullptr, &chunk, &bufferSize, &stream), BE_ERR_INVALID_FORMAT);
    for (const Record &bad :
         {record(15), record(PresetStandard, 128, 4), record(PresetStandard, 128, 1, 0),
          record(PresetStandard, 128, 1, 4000)}) {
        EXPECT_EQ(beInitStream(bad.data(), &chunk, &bufferSize, &stream),
                  BE_ERR_INVALID_FORMAT_PARAMETERS);
        EXPECT_EQ(stream, 0u);
    }

    const Record good = record(PresetStandard);
    ASSERT_EQ(beInitStream(good.data(), &chunk, &bufferSize, &stream), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(chunk, 2304u); // one MPEG-1 frame of stereo samples
    std::vector<std::int16_t> input(chunk * 100);
    std::vector<unsigned char> output(bufferSize);
    std::uint32_t bytes = 0;
    EXPECT_EQ(beEncodeChunk(stream, chunk, input.data(), nullptr, &bytes),
              BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(beEncodeChunk(stream, chunk * 100, input.data(), output.data(), &bytes),
              BE_ERR_BUFFER_TOO_SMALL);
    EXPECT_EQ(beWriteInfoTag(stream, "/nonexistent-folder/x.mp3"),
              BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(beCloseStream(stream), BE_ERR_SUCCESSFUL);
    for (HBE_STREAM stale : {stream, HBE_STREAM(0), HBE_STREAM(123456)}) {
        EXPECT_EQ(beEncodeChunk(stale, chunk, input.data(), output.data(), &bytes),
                  BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(beDeinitStream(stale, output.data(), &bytes), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(beWriteInfoTag(stale, "x.mp3"), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(beCloseStream(stale), BE_ERR_INVALID_HANDLE);
    }

    std::vector<HBE_STREAM> open;
    while (beInitStream(good.data(), &chunk, &bufferSize, &stream) == BE_ERR_SUCCESSFUL &&
           open.size() < 1000)
        open.push_back(stream);
    EXPECT_EQ(open.size(), 64u);
    EXPECT_EQ(beInitStream(good.data(), &chunk, &bufferSize, &stream), BE_ERR_NO_MORE_HANDLES);
    for (HBE_STREAM s : open)
        EXPECT_EQ(beCloseStream(s), BE_ERR_SUCCESSFUL);
}

#include <array>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "EncoderLibrary.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
using namespace BeConfig;
using Record = std::array<unsigned char, Size>;

Record record(int preset, int bitrate = 128, int mode = ModeJointStereo, int sampleRate = 44100)
{
    Record r{};
    const std::pair<int, int> fields[] = {
        {Kind, int(KindLame)},    {StructVersion, 1},  {StructSize, Size},
        {SampleRate, sampleRate}, {Mode, mode},        {Bitrate, bitrate},
        {Preset, preset},         {WriteVbrHeader, 1}, {NoReservoir, 1}};
    for (const auto &[offset, value] : fields)
        qToLittleEndian<qint32>(value, r.data() + offset);
    return r;
}

// A second of a 1000 Hz stereo tone through one stream, tag frame filled in: the MP3 file's bytes.
QByteArray encodeTone(const Record &config)
{
    std::uint32_t chunk = 0, bufferSize = 0, bytes = 0;
    HBE_STREAM stream = 0;
    EXPECT_EQ(beInitStream(config.data(), &chunk, &bufferSize, &stream), BE_ERR_SUCCESSFUL);
    std::vector<std::int16_t> tone(chunk);
    std::vector<unsigned char> out(bufferSize);
    QByteArray mp3;
    for (std::uint32_t done = 0; stream && done < 44100; done += chunk / 2) {
        for (std::uint32_t i = 0; i < chunk; ++i)
            tone[i] = std::int16_t(10000 * std::sin(2 * M_PI * 1000 * (done + i / 2) / 44100.0));
        EXPECT_EQ(beEncodeChunk(stream, chunk, tone.data(), out.data(), &bytes), BE_ERR_SUCCESSFUL);
        mp3.append(reinterpret_cast<const char *>(out.data()), int(bytes));
    }
    EXPECT_EQ(beDeinitStream(stream, out.data(), &bytes), BE_ERR_SUCCESSFUL);
    mp3.append(reinterpret_cast<const char *>(out.data()), int(bytes));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tone.mp3"_s);
    TestMedia::writeFile(path, mp3);
    EXPECT_EQ(beWriteInfoTag(stream, QFile::encodeName(path).constData()), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(beCloseStream(stream), BE_ERR_SUCCESSFUL);
    return TestMedia::readFile(path);
}
} // namespace

TEST(EncoderLibraryTest, PresetsMapOntoLameSettings)
{
    // Method (1 CBR, 2 ABR, 4 VBR) and quality (100 - 10 x VBR level - algorithm quality) come
    // from the LAME tag; the bit rate index from the first audio frame (10 = 160 kbit/s, the
    // record's rate; 14 = 320; 0 = variable, not checked).
    const struct {
        int code, method, quality, bitrateIndex;
    } expected[] = {
        {PresetNone, 1, 57, 10},     {PresetNormal, 1, 57, 10},
        {PresetLow, 1, 53, 10},      {PresetHigh, 1, 58, 10},
        {PresetVeryHigh, 1, 60, 10}, {PresetCbr, 1, 57, 10},
        {PresetInsane, 1, 57, 14},   {PresetAbr, 2, 57, 0},
        {PresetVoice, 4, 50, 0},     {PresetR3mix, 4, 70, 0},
        {PresetStandard, 4, 80, 0},  {PresetFastStandard, 4, 80, 0},
        {PresetExtreme, 4, 100, 0},  {PresetFastExtreme, 4, 100, 0},
        {PresetMedium, 4, 60, 0},    {PresetFastMedium, 4, 60, 0},
    };
    for (const auto &x : expected) {
        const QByteArray mp3 = encodeTone(record(x.code, 160));
        const qsizetype lame = mp3.indexOf("LAME");
        const QByteArray audio = mp3.mid(mp3.indexOf("\xff\xfb", 4), 4);
        ASSERT_GT(lame, 0) << x.code;
        EXPECT_EQ(mp3.at(lame + 9) & 0x0f, x.method) << x.code;
        EXPECT_EQ(qFromBigEndian<qint32>(mp3.constData() + lame - 4), x.quality) << x.code;
        if (x.bitrateIndex) {
            EXPECT_EQ(quint8(audio.at(2)) >> 4, x.bitrateIndex) << x.code;
        }
        const int rateBits = (quint8(audio.at(2)) >> 2) & 3; // 0: 44100, 2: 32000
        EXPECT_EQ(rateBits, x.code == PresetVoice ? 2 : 0) << x.code;
    }
    // Channel mode bits of the frame header: 0 stereo, 1 joint stereo, 3 mono.
    for (const auto &[mode, bits] :
         {std::pair{ModeStereo, 0}, std::pair{ModeJointStereo, 1}, std::pair{ModeMono, 3}}) {
        const QByteArray mp3 = encodeTone(record(PresetCbr, 128, mode));
        EXPECT_EQ(quint8(mp3.at(mp3.indexOf("\xff\xfb", 4) + 3)) >> 6, bits) << mode;
    }
}

TEST(EncoderLibraryTest, RefusesBadRecordsHandlesAndBuffers)
{
    std::uint32_t chunk = 0, bufferSize = 0, bytes = 0;
    HBE_STREAM stream = 0;
    Record other = record(PresetStandard);
    qToLittleEndian<quint32>(0, other.data() + Kind);
    Record small = record(PresetStandard);
    qToLittleEndian<quint32>(300, small.data() + StructSize);
    for (const void *bad : {other.data(), small.data(), static_cast<unsigned char *>(nullptr)})
        EXPECT_EQ(beInitStream(bad, &chunk, &bufferSize, &stream), BE_ERR_INVALID_FORMAT);
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

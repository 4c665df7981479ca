#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "RecorderTexts.h"
#include "ScriptedSoundCommands.h"
#include "TempFolderTest.h"
#include "TestMedia.h"
#include "VoiceRecorder.h"
#include "VoiceRecording.h"

namespace {
const QString kOpen = QStringLiteral("open new Type waveaudio Alias recsound");
const QString kRecord = QStringLiteral("record  recsound");
const QString kBytes = QStringLiteral("set recsound time format bytes");
const QString kLength = QStringLiteral("status recsound length");

QString format(int rate)
{
    return QStringLiteral("set recsound time format ms bitspersample 16 channels 2 bytespersec "
                          "22500  samplespersec %1")
        .arg(rate);
}

// Recordings and encodings with their temporary files in a folder of the test's own.
class VoiceRecorderTest : public TempFolderTest {};
} // namespace

TEST(RecorderTextsTest, TimeSizeAndProgressTexts)
{
    const QList<std::pair<qint64, const char *>> times = {
        {0, "00:00"}, {9, "00:09"}, {59, "00:59"}, {60, "01:00"}, {75, "01:15"}, {6001, "100:01"}};
    for (const auto &[seconds, text] : times)
        EXPECT_EQ(RecorderTexts::Time(seconds), QLatin1String(text)) << seconds;
    const QList<std::pair<qint64, const char *>> sizes = {
        {0, "0.00 MB"}, {1048576, "1.00 MB"}, {1572864, "1.50 MB"}, {5242, "0.00 MB"}};
    for (const auto &[bytes, text] : sizes)
        EXPECT_EQ(RecorderTexts::Size(bytes), QLatin1String(text)) << bytes;
    EXPECT_EQ(RecorderTexts::EncodingProgress(1, 8),
              QString(94, u' ') + QStringLiteral("Encoding process is 12.5 %  completed "));
    EXPECT_TRUE(RecorderTexts::EncodingProgress(0, 0).contains(QLatin1String(" 100.0 % ")));
}

TEST(VoiceRecordingTest, SendsTheCommandTextsInOrderForEitherRate)
{
    for (const int rate : {44100, 48000}) {
        ScriptedSoundCommands sound;
        sound.answers[kLength] = {"1048576", 0};
        VoiceRecording recording(sound);
        QSignalSpy displayed(&recording, &VoiceRecording::displayed);
        QSignalSpy ended(&recording, &VoiceRecording::ended);
        recording.start(rate, QStringLiteral("/tmp/my take.wav"));
        EXPECT_TRUE(recording.isRecording());
        recording.stop();
        EXPECT_EQ(sound.sent,
                  (QStringList{kOpen, format(rate), kRecord, kBytes, kLength,
                               "save recsound \"/tmp/my take.wav\"", "close recsound"}));
        ASSERT_EQ(displayed.size(), 1);
        EXPECT_EQ(displayed[0], (QVariantList{"00:00", "1.00 MB"}));
        EXPECT_EQ(ended.size(), 1);
        EXPECT_FALSE(recording.isRecording());
    }
}

TEST_F(VoiceRecorderTest, RefusalsKeepTheRecordingAndAFailedEncodingStillDeletesIt)
{
    ScriptedSoundCommands sound; // saves nothing: the temporary file stays empty
    VoiceRecorder recorder(sound);
    EXPECT_EQ(recorder.startEncoding(path("a.mp3"), false), "Nothing has been recorded");
    ASSERT_TRUE(recorder.startRecording());
    EXPECT_FALSE(recorder.startRecording());
    EXPECT_EQ(recorder.startEncoding(path("a.mp3"), false),
              "A recording or an encoding is going on");
    recorder.stopRecording();
    TestMedia::writeFile(path("mine.mp3"), "keep me");
    EXPECT_EQ(recorder.startEncoding(path("mine.mp3"), false),
              path("mine.mp3") + " already exists");
    EXPECT_EQ(recorder.startEncoding(QStringLiteral(" "), false), "No MP3 file has been chosen");
    EXPECT_TRUE(QFileInfo::exists(recorder.temporaryWav())); // still there to encode

    QSignalSpy finished(&recorder, &VoiceRecorder::encodingFinished);
    EXPECT_EQ(recorder.startEncoding(path("a.mp3"), false), QString());
    EXPECT_TRUE(recorder.isEncoding());
    EXPECT_FALSE(recorder.startRecording());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(finished[0][0].toString().contains("29771"))
        << finished[0][0].toString().toStdString();
    EXPECT_EQ(leftovers(), QStringList{"mine.mp3"});
    EXPECT_TRUE(recorder.temporaryWav().isEmpty());
    EXPECT_EQ(TestMedia::readFile(path("mine.mp3")), "keep me");
}

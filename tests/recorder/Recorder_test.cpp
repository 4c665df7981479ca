#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "DecodedMp3.h"
#include "RecorderTexts.h"
#include "ScriptedSoundCommands.h"
#include "TestMedia.h"
#include "VoiceRecorder.h"
#include "VoiceRecording.h"

namespace {
const QString kOpen = QStringLiteral("open new Type waveaudio Alias recsound");
const QString kRecord = QStringLiteral("record  recsound");
const QString kBytes = QStringLiteral("set recsound time format bytes");
const QString kLength = QStringLiteral("status recsound length");
const QString kClose = QStringLiteral("close recsound");

QString format(int rate)
{
    return QStringLiteral("set recsound time format ms bitspersample 16 channels 2 bytespersec "
                          "22500  samplespersec %1")
        .arg(rate);
}

// A device whose "save" writes a one-second 440 Hz tone at the rate it was set to.
class TonePlayingCommands : public ScriptedSoundCommands {
public:
    quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                          quintptr window) override
    {
        const QByteArray text(command);
        if (text.startsWith("set recsound time format ms"))
            m_rate = text.split(' ').last().toInt();
        if (text.startsWith("save recsound "))
            TestMedia::makeWav(QFile::decodeName(text.mid(14)), 1.0, 440, m_rate);
        return ScriptedSoundCommands::mciSendString(command, reply, replyLength, window);
    }

private:
    int m_rate = 0;
};

// Recordings and encodings with their temporary files in a folder of the test's own.
class VoiceRecorderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Everything in the test's folder and its temporary folder, hidden files included.
    QStringList leftovers() const
    {
        const auto filter = QDir::Files | QDir::Hidden;
        return QDir(m_dir.path()).entryList(filter) + QDir(path("tmp")).entryList(filter);
    }
    // Records, stops and encodes into mp3; the encoding's error text.
    static QString recordAndEncode(VoiceRecorder &recorder, const QString &mp3, bool replace)
    {
        EXPECT_TRUE(recorder.startRecording());
        recorder.stopRecording();
        QSignalSpy finished(&recorder, &VoiceRecorder::encodingFinished);
        EXPECT_EQ(recorder.startEncoding(mp3, replace), QString());
        EXPECT_TRUE(finished.wait(20000));
        return finished.value(0).value(0).toString();
    }

    QTemporaryDir m_dir;
};
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
        EXPECT_EQ(sound.sent, (QStringList{kOpen, format(rate), kRecord, kBytes, kLength,
                                           "save recsound \"/tmp/my take.wav\"", kClose}));
        ASSERT_EQ(displayed.size(), 1);
        EXPECT_EQ(displayed[0], (QVariantList{"00:00", "1.00 MB"}));
        EXPECT_EQ(ended.size(), 1);
        EXPECT_FALSE(recording.isRecording());
    }
}

// Every failing command is reported with its code and text and the next one is sent all the
// same; the first failing query ends the passes.
TEST(VoiceRecordingTest, AFailingDeviceReportsEveryCommandAndEndsAtOnce)
{
    ScriptedSoundCommands sound;
    sound.answers[kOpen] = {"", 328};
    for (const QString &command :
         {format(44100), kRecord, kBytes, kLength, QStringLiteral("save recsound /r.wav"), kClose})
        sound.answers[command] = {"", 263};
    VoiceRecording recording(sound);
    QSignalSpy failed(&recording, &VoiceRecording::commandFailed);
    QSignalSpy ended(&recording, &VoiceRecording::ended);
    recording.start(44100, QStringLiteral("/r.wav"));
    EXPECT_FALSE(recording.isRecording());
    EXPECT_EQ(ended.size(), 1);
    QStringList texts;
    for (const QVariantList &failure : failed)
        texts << QString::number(failure[0].toUInt()) + '=' + failure[1].toString();
    EXPECT_EQ(texts, (QStringList{"328=error 328", "263=error 263", "263=error 263",
                                  "263=error 263", "263=error 263"}));
    EXPECT_EQ(sound.sent.size(), 7);
}

TEST(VoiceRecordingTest, PassesRunOnATimerUntilAQueryFails)
{
    ScriptedSoundCommands sound;
    VoiceRecording recording(sound);
    QSignalSpy ended(&recording, &VoiceRecording::ended);
    recording.start(44100, QStringLiteral("/r.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(sound.sent.count(kLength) >= 3, 10000);
    EXPECT_TRUE(ended.isEmpty());
    sound.answers[kLength] = {"", 276};
    EXPECT_TRUE(ended.wait(10000));
    EXPECT_EQ(sound.sent.mid(sound.sent.size() - 2), (QStringList{"save recsound /r.wav", kClose}));
}

TEST_F(VoiceRecorderTest, EncodesAt48000AndDeletesTheTemporaryFile)
{
    TonePlayingCommands sound;
    VoiceRecorder recorder(sound);
    recorder.setSamplesPerSecond(48000);
    recorder.setEncodingPreset(0); // normal: CBR 128 kbit/s
    TestMedia::writeFile(path("out.mp3"), "earlier");
    EXPECT_EQ(recordAndEncode(recorder, path("out.mp3"), true), QString());
    const DecodedMp3 decoded = DecodedMp3::decode(path("out.mp3"));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.sampleRate, 48000);
    EXPECT_EQ(decoded.frames, 48000);
    EXPECT_EQ(leftovers(), QStringList{"out.mp3"});
    EXPECT_EQ(recorder.temporaryWav(), QString());
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
    EXPECT_EQ(QDir(path("tmp")).entryList(QDir::Files).size(), 1); // still there to encode

    QSignalSpy finished(&recorder, &VoiceRecorder::encodingFinished);
    EXPECT_EQ(recorder.startEncoding(path("a.mp3"), false), QString());
    EXPECT_TRUE(recorder.isEncoding());
    EXPECT_FALSE(recorder.startRecording());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(finished[0][0].toString().contains("29771"))
        << finished[0][0].toString().toStdString();
    EXPECT_EQ(leftovers(), QStringList{"mine.mp3"});
    EXPECT_EQ(TestMedia::readFile(path("mine.mp3")), "keep me");
}

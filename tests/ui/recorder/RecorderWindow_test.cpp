#include <QComboBox>
#include <QtTest>

#include "ControlActions.h"
#include "ProgressBar.h"
#include "RecorderWindow.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "ScriptedSoundCommands.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

// A service without an input: "open" fails, and every command for the alias it did not open.
class NoInputCommands : public ScriptedSoundCommands {
public:
    quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                          quintptr window) override
    {
        ScriptedSoundCommands::mciSendString(command, reply, replyLength, window);
        return QByteArray(command).startsWith("open ") ? 328 : 263;
    }
};

// The window over scripted sound commands, with its temporary files in a folder of the test's.
class RecorderWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    ScriptedFileDialog m_dialog;
    ScriptedMessageBox m_box;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QStringList enabled(QWidget &form)
    {
        return ::enabled(form, {"cmdSave", "cmdRecord", "cmdStop", "cmdMP3", "cmdClose"});
    }
    // Save as, then Record with the rate option given.
    void startRecording(RecorderWindow &form, const char *rate)
    {
        m_dialog.saveAnswers = {path(u"take.mp3"_s)};
        click(form, "cmdSave");
        click(form, rate);
        click(form, "cmdRecord");
    }

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(path(u"tmp"_s)));
        qputenv("TMPDIR", QFile::encodeName(path(u"tmp"_s)));
    }
    void cleanup() { qunsetenv("TMPDIR"); }

    // Save as (over a file the dialog agreed to replace), Record at 48000 Hz, Stop, Encode MP3,
    // Close; the temporary file is encoded and deleted.
    void theButtonsCarryARecordingToAnMp3File()
    {
        ScriptedSoundCommands sound;
        sound.answers[u"status recsound length"_s] = {"1048576", 0};
        RecorderWindow form(sound);
        form.show();
        QCOMPARE(child<QComboBox>(form, "cboOption")->currentText(),
                 u"Standard (VBR 44.1kHz, 170-210kbps)"_s);
        QVERIFY(child<ProgressBar>(form, "PB1")->isHidden());
        QCOMPARE(enabled(form), (QStringList{"cmdSave", "cmdClose"}));
        TestMedia::writeFile(path(u"take.mp3"_s), "replace me");
        startRecording(form, "optFreq_1");
        QCOMPARE(text(form, "RichTextBox1"), path(u"take.mp3"_s));
        QCOMPARE(text(form, "Label2_0"), u"A temporary wave file is generating at  "
                                         "c:\\TempFileMic.wav   during recording....."_s);
        QCOMPARE(sound.sent.value(1), u"set recsound time format ms bitspersample 16 channels 2 "
                                      "bytespersec 22500  samplespersec 48000"_s);
        QCOMPARE(text(form, "lblTime") + ' ' + text(form, "lblSize"), u"00:00 1.00 MB"_s);
        QCOMPARE(enabled(form), (QStringList{"cmdSave", "cmdStop"}));
        click(form, "cmdSave"); // refused while recording: no dialog
        QCOMPARE(m_dialog.filters.size(), 1);

        click(form, "cmdStop");
        const QString wav = text(form, "txtFileName");
        QVERIFY(wav.startsWith(u"/proc/self/fd/"_s)); // unnamed: a crash leaves nothing behind
        QCOMPARE(sound.sent.mid(sound.sent.size() - 2),
                 (QStringList{"save recsound " + wav, "close recsound"}));
        QCOMPARE(enabled(form), (QStringList{"cmdSave", "cmdMP3"}));
        QVERIFY(TestMedia::makeWav(path(u"take.wav"_s), 0.5, 440, 48000));
        QVERIFY(TestMedia::writeFile(wav, TestMedia::readFile(path(u"take.wav"_s))));
        click(form, "cmdMP3");
        QCOMPARE(enabled(form), QStringList{"cmdSave"});
        QVERIFY(child<ProgressBar>(form, "PB1")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(enabled(form), (QStringList{"cmdSave", "cmdClose"}), 20000);
        QVERIFY(text(form, "Label2_0").endsWith(u"Encoding process is 100.0 %  completed "_s));
        QCOMPARE(texts(form, {"Label2_1", "Label2_2", "Label2_3"}),
                 (QStringList{"  Temporary wave file has been deleted ! ",
                              "  Encoding process is completed successfully ! ",
                              "  Encoding Standard :   44.1Khz , 128Kbps"}));
        QVERIFY(QFileInfo(path(u"take.mp3"_s)).size() > 1000); // "replace me" replaced
        QVERIFY(m_box.shown.isEmpty());
        click(form, "cmdClose");
        QVERIFY(!form.isVisible());
    }

    // No input: open, format and start fail, the first pass ends the recording, save and close
    // fail; each shows its "Error" box. Stop and Encode MP3 go on, and the failed encoding is
    // reported and gives Close back.
    void aFailingDeviceShowsErrorBoxesAndTheFlowGoesOn()
    {
        NoInputCommands sound;
        RecorderWindow form(sound);
        form.show();
        startRecording(form, "optFreq_0");
        QStringList boxes;
        for (const auto &box : m_box.shown)
            boxes << box.title + ':' + box.prompt;
        QCOMPARE(boxes, (QStringList{"Error:error 328", "Error:error 263", "Error:error 263",
                                     "Error:error 263", "Error:error 263"}));
        QCOMPARE(enabled(form), (QStringList{"cmdSave", "cmdStop"}));
        click(form, "cmdStop");
        QCOMPARE(enabled(form), (QStringList{"cmdSave", "cmdMP3"}));
        click(form, "cmdMP3");
        QTRY_COMPARE_WITH_TIMEOUT(enabled(form), (QStringList{"cmdSave", "cmdClose"}), 20000);
        QCOMPARE(m_box.shown.size(), 6);
        QCOMPARE(m_box.shown.last().title, u"Error"_s);
        QVERIFY(m_box.shown.last().prompt.contains(u"29771"_s));
        QCOMPARE(text(form, "Label2_1"), u"  Temporary wave file has been deleted ! "_s);
        QCOMPARE(text(form, "Label2_2"), QString());
    }
};

TAVRO_QTEST_MAIN(RecorderWindowTest)
#include "RecorderWindow_test.moc"

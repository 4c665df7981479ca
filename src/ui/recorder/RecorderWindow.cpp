#include "RecorderWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "ProgressBar.h"
#include "ScreenPlacement.h"

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 440;
constexpr int kStandardPreset = 3; // "Standard (VBR 44.1kHz, 170-210kbps)"
constexpr int kRates[] = {44100, 48000};

// The name is the one the first recorder used, whatever file the recording goes to now.
const QString kGenerating = QStringLiteral("A temporary wave file is generating at ") +
                            QStringLiteral(" c:\\TempFileMic.wav ") +
                            QStringLiteral("  during recording.....");
} // namespace

RecorderWindow::RecorderWindow(SoundCommands &sound, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(*this), m_recorder(sound)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("TAVRO Voice Recorder"));
    setFixedSize(kWidth, kHeight);
    ScreenPlacement::centre(this);
    for (ChameleonButton *button : {m_ui.stop, m_ui.record, m_ui.encode})
        button->setEnabled(false);

    for (int i = 0; i < 2; ++i)
        connect(m_ui.rates[i], &QRadioButton::clicked, this,
                [this, i] { m_recorder.setSamplesPerSecond(kRates[i]); });
    m_ui.rates[0]->setChecked(true);
    connect(m_ui.presets, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_recorder.setEncodingPreset(m_ui.presets->itemData(index).toInt());
    });
    m_ui.presets->setCurrentIndex(kStandardPreset);
    connect(m_ui.saveAs, &ChameleonButton::Click, this, &RecorderWindow::saveAsClicked);
    connect(m_ui.record, &ChameleonButton::Click, this, &RecorderWindow::recordClicked);
    connect(m_ui.stop, &ChameleonButton::Click, this, &RecorderWindow::stopClicked);
    connect(m_ui.encode, &ChameleonButton::Click, this, &RecorderWindow::encodeClicked);
    connect(m_ui.close, &ChameleonButton::Click, this, &QWidget::close);
    connectRecorder();

    m_ui.progress->setMax(100);
    m_ui.progress->setValue(0);
    CloseBoxSwitch::EnableCloseButton(this, false);
    m_ui.progress->hide();
}

void RecorderWindow::connectRecorder()
{
    connect(&m_recorder, &VoiceRecorder::commandFailed, this, [](quint32, const QString &text) {
        MessageBox::instance().show(text, MessageBox::OkOnly, QStringLiteral("Error"));
    });
    connect(&m_recorder, &VoiceRecorder::displayed, this,
            [this](const QString &time, const QString &size) {
                m_ui.time->setText(time);
                m_ui.size->setText(size);
            });
    connect(&m_recorder, &VoiceRecorder::encodeProgress, this,
            [this](qint64 done, qint64 total, const QString &text) {
                m_ui.progress->setMax(float(total));
                m_ui.progress->setValue(float(done));
                m_ui.status[0]->setText(text);
            });
    connect(&m_recorder, &VoiceRecorder::encodingFinished, this,
            &RecorderWindow::showEncodingResult);
}

void RecorderWindow::closeEvent(QCloseEvent *event)
{
    if (busy()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void RecorderWindow::saveAsClicked()
{
    if (busy())
        return;
    const QString name =
        FileDialog::instance().showSave(QStringLiteral("MP3 Files (*.mp3)|*.mp3"), QString());
    if (name.isEmpty() || name == QLatin1String(" "))
        return;
    m_ui.outputFile->setText(name);
    m_output = name;
    // The save dialog asks before it hands back the name of a file that exists.
    m_agreedToReplace = QFileInfo::exists(name) ? name : QString();
    m_ui.record->setEnabled(true);
}

void RecorderWindow::recordClicked()
{
    if (busy())
        return;
    m_ui.status[0]->setText(kGenerating);
    m_ui.stop->setEnabled(true);
    m_ui.close->setEnabled(false);
    m_ui.record->setEnabled(false);
    m_recorder.startRecording();
    m_ui.temporaryFile->setText(m_recorder.temporaryWav());
}

void RecorderWindow::stopClicked()
{
    m_recorder.stopRecording();
    m_ui.record->setEnabled(false);
    m_ui.stop->setEnabled(false);
    m_ui.encode->setEnabled(true);
    m_ui.close->setEnabled(false);
}

void RecorderWindow::encodeClicked()
{
    if (busy())
        return;
    for (ChameleonButton *button : {m_ui.close, m_ui.stop, m_ui.record, m_ui.encode})
        button->setEnabled(false);
    // Only the file the user agreed to replace, and only while it is still the one chosen.
    const QString why = m_recorder.startEncoding(m_output, m_output == m_agreedToReplace);
    if (!why.isEmpty()) {
        MessageBox::instance().show(why, MessageBox::OkOnly,
                                    QStringLiteral(" File Selection Error "));
        m_ui.encode->setEnabled(true);
        m_ui.close->setEnabled(true);
        return;
    }
    m_agreedToReplace.clear(); // one agreement, one encoding
    m_ui.progress->setValue(0);
    m_ui.progress->show();
}

void RecorderWindow::showEncodingResult(const QString &error)
{
    const bool done = error.isEmpty();
    // The recorder forgets the file's name once the file is gone.
    m_ui.status[1]->setText(m_recorder.temporaryWav().isEmpty()
                                ? QStringLiteral("  Temporary wave file has been deleted ! ")
                                : QString());
    m_ui.status[2]->setText(done ? QStringLiteral("  Encoding process is completed successfully ! ")
                                 : QString());
    m_ui.status[3]->setText(done ? QStringLiteral("  Encoding Standard :   44.1Khz , 128Kbps")
                                 : QString());
    m_ui.close->setEnabled(true);
    m_ui.encode->setEnabled(false);
    if (!done)
        MessageBox::instance().show(error, MessageBox::OkOnly, QStringLiteral("Error"));
}

#include "moc_RecorderWindow.cpp"

#include "RecorderWindowControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ChameleonButton.h"
#include "EncodingPresets.h"
#include "ProgressBar.h"

namespace {
// Pixels: the window is laid out at fixed places, like the other tool windows.
constexpr int kLeft = 12;
constexpr int kWidth = 616; // room for the blanks the encoding status line starts with
constexpr int kButtonWidth = 100;
constexpr int kButtonLeft = kLeft + kWidth - kButtonWidth;
} // namespace

RecorderWindowControls::RecorderWindowControls(QWidget &form) : m_form(form)
{
    buildHeading();
    buildChoices();
    buildRecording();
    buildStatus();
}

void RecorderWindowControls::buildHeading()
{
    FormBuilder::setBold(m_build.label("lblTitle", QStringLiteral("TAVRO Voice Recorder"),
                                       QRect(kLeft, 8, kWidth, 28)),
                         15);
    QLabel *welcome = m_build.label(
        "lblWelcome",
        QStringLiteral(" Wellcome to TAVRO Voice Recorder. You can record your own "
                       "voice through microphone as an MP3 file, which can then be "
                       "played by TAVRO MP3 Player. During recording, keep an eye on "
                       "temporary wave file size because it will be saved in  c  drive !"),
        QRect(kLeft, 40, kWidth, 64));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void RecorderWindowControls::buildChoices()
{
    outputFile = new QLineEdit(&m_form);
    outputFile->setObjectName(QStringLiteral("RichTextBox1"));
    outputFile->setGeometry(kLeft, 112, kButtonLeft - kLeft - 8, 26);
    outputFile->setReadOnly(true);
    saveAs =
        m_build.button("cmdSave", QStringLiteral("Save as"), QStringLiteral("Save An MP3 File As"),
                       QRect(kButtonLeft, 111, kButtonWidth, 28));
    temporaryFile = new QLineEdit(&m_form);
    temporaryFile->setObjectName(QStringLiteral("txtFileName"));
    temporaryFile->setReadOnly(true);
    temporaryFile->hide();

    const char *names[] = {"optFreq_0", "optFreq_1"};
    const QString captions[] = {QStringLiteral("44,100 kHz, 16 Bit, Stereo"),
                                QStringLiteral("48,000 kHz, 16 Bit, Stereo")};
    for (int i = 0; i < 2; ++i) {
        rates[i] = new QRadioButton(captions[i], &m_form);
        rates[i]->setObjectName(QLatin1String(names[i]));
        rates[i]->setGeometry(kLeft, 148 + 26 * i, 240, 24);
    }
    presets = new QComboBox(&m_form);
    presets->setObjectName(QStringLiteral("cboOption"));
    presets->setGeometry(260, 149, kLeft + kWidth - 260, 26);
    for (const EncodingPresets::Preset &preset : EncodingPresets::all())
        presets->addItem(preset.listText, preset.code);
}

void RecorderWindowControls::buildRecording()
{
    m_build.label("lblTimeCaption", QStringLiteral("Time Recording :"), QRect(kLeft, 210, 120, 22));
    time = m_build.label("lblTime", QString(), QRect(kLeft + 124, 210, 90, 22));
    m_build.label("lblSizeCaption", QStringLiteral("Wave File Size :"), QRect(260, 210, 120, 22));
    size = m_build.label("lblSize", QString(), QRect(384, 210, kLeft + kWidth - 384, 22));
    FormBuilder::setBold(time);
    FormBuilder::setBold(size);

    record = m_build.button("cmdRecord", QStringLiteral("Record"),
                            QStringLiteral("Start Recording As Wave File"),
                            QRect(kLeft, 244, kButtonWidth, 28));
    stop = m_build.button("cmdStop", QStringLiteral("Stop"), QStringLiteral("Stop Recording"),
                          QRect(kLeft + 108, 244, kButtonWidth, 28));
    encode = m_build.button("cmdMP3", QStringLiteral("Encode MP3"),
                            QStringLiteral("Encode Temporary Wave File Into An MP3 File"),
                            QRect(kLeft + 216, 244, kButtonWidth, 28));
    FormBuilder::markAction(record);
    FormBuilder::markAction(encode);
}

void RecorderWindowControls::buildStatus()
{
    progress = new ProgressBar(&m_form);
    progress->setObjectName(QStringLiteral("PB1"));
    progress->setGeometry(kLeft, 284, kWidth, 14);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "Label2_" + QByteArray::number(i);
        status[i] =
            m_build.label(name.constData(), QString(), QRect(kLeft, 306 + 22 * i, kWidth, 20));
    }
    close = m_build.button("cmdClose", QStringLiteral("Close"),
                           QStringLiteral("Exit The Voice Recorder"),
                           QRect(kButtonLeft, 400, kButtonWidth, 28));
}

#include "CdToMp3WindowControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ChameleonButton.h"
#include "DiscTrackList.h"
#include "EncodingPresets.h"
#include "ProgressBar.h"

namespace {
// Pixels: the window is laid out at fixed places, like the other tool windows.
constexpr int kLeft = 12;
constexpr int kWidth = 596;
constexpr int kFieldLeft = 124;
constexpr int kButtonLeft = 508;
constexpr int kButtonWidth = 100;

} // namespace

CdToMp3WindowControls::CdToMp3WindowControls(QWidget &form) : m_form(form)
{
    buildHeading();
    buildDisc();
    buildOutput();
    buildProgress();
    buildResults();
}

void CdToMp3WindowControls::buildHeading()
{
    FormBuilder::setBold(m_build.label("lblTitle", QStringLiteral("TAVRO  MP3  Encoder"),
                                       QRect(kLeft, 8, kWidth, 28)),
                         15);
    QLabel *welcome =
        m_build.label("lblWelcome",
                      QStringLiteral(" Wellcome to TAVRO MP3 Encoder. To start encoding, "
                                     "just select cd drive and click \"Refresh\" "
                                     "button. Then select \"track number\" and click\" "
                                     "save as\" button. Then click \"Encode MP3\" "
                                     "button. That's it...."),
                      QRect(kLeft, 38, kWidth, 50));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CdToMp3WindowControls::buildDisc()
{
    QLabel *caption =
        m_build.label("lblDrives", QStringLiteral("Drives:"), QRect(kLeft, 96, 108, 26));
    drives = new QComboBox(&m_form);
    drives->setObjectName(QStringLiteral("cboDrives"));
    drives->setGeometry(kFieldLeft, 96, 372, 26);
    caption->setBuddy(drives);
    refresh = m_build.button("cmdRefresh", QStringLiteral("Refresh"), QStringLiteral("Refresh"),
                             QRect(kButtonLeft, 95, kButtonWidth, 28));

    tracks = new DiscTrackList({QStringLiteral("Name"), QStringLiteral("Track"),
                                QStringLiteral("Start At"), QStringLiteral("Length"),
                                QStringLiteral("Size(Mb)")},
                               &m_form);
    tracks->setObjectName(QStringLiteral("lvwTracks"));
    tracks->setGeometry(kLeft, 130, kWidth, 170);
    tracks->setSelectionMode(QAbstractItemView::ExtendedSelection);

    QLabel *query =
        m_build.label("lblCDDBQuery", QStringLiteral("CDDB &Query:"), QRect(kLeft, 308, 108, 26));
    cddbQuery = new QLineEdit(&m_form);
    cddbQuery->setObjectName(QStringLiteral("txtCDDBQuery"));
    cddbQuery->setGeometry(kFieldLeft, 308, kLeft + kWidth - kFieldLeft, 26);
    cddbQuery->setReadOnly(true);
    query->setBuddy(cddbQuery);
}

void CdToMp3WindowControls::buildOutput()
{
    QLabel *output = m_build.label("lblOutputMp3File", QStringLiteral("Output Mp3 File:"),
                                   QRect(kLeft, 340, 108, 26));
    outputFile = new QLineEdit(&m_form);
    outputFile->setObjectName(QStringLiteral("txtOutputMp3File"));
    outputFile->setGeometry(kFieldLeft, 340, 372, 26);
    output->setBuddy(outputFile);
    saveAs = m_build.button("cmdPickMp3File", QStringLiteral("Save as"),
                            QStringLiteral("Save An MP3 File As"),
                            QRect(kButtonLeft, 339, kButtonWidth, 28));

    presets = new QComboBox(&m_form);
    presets->setObjectName(QStringLiteral("cboOption"));
    presets->setGeometry(kFieldLeft, 374, 372, 26);
    for (const EncodingPresets::Preset &preset : EncodingPresets::all())
        presets->addItem(preset.listText, preset.code);
    encode =
        m_build.button("cmdRip", QStringLiteral("Encode MP3"), QStringLiteral("Encode An MP3 File"),
                       QRect(kButtonLeft, 373, kButtonWidth, 28));
    FormBuilder::markAction(encode);
}

void CdToMp3WindowControls::buildProgress()
{
    ripBar = new ProgressBar(&m_form);
    ripBar->setObjectName(QStringLiteral("PB1"));
    ripBar->setGeometry(kLeft, 412, kWidth, 14);
    encodeBar = new ProgressBar(&m_form);
    encodeBar->setObjectName(QStringLiteral("PB2"));
    encodeBar->setGeometry(kLeft, 432, kWidth, 14);
    encodePercent = m_build.label("lblProgress", QString(), QRect(kLeft, 450, kWidth, 20));

    status = m_build.label("lblInfo", QString(), QRect(kLeft, 474, kWidth, 24));
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
}

void CdToMp3WindowControls::buildResults()
{
    wavDeleted = m_build.label("lblDeleted", QStringLiteral("Temporary file has been deleted !"),
                               QRect(kLeft, 508, 320, 20));
    completed = m_build.label("lblCompleted",
                              QStringLiteral("Encoding process is completed successfully !"),
                              QRect(kLeft, 528, 320, 20));
    standard =
        m_build.label("lblStandard", QStringLiteral("Encoding Standard :   44.1Khz , 128Kbps"),
                      QRect(kLeft, 548, 320, 20));
    newSize = m_build.label("lblNewSize", QString(), QRect(kLeft, 568, 320, 20));
    FormBuilder::setBold(completed);

    startTime = m_build.label("lblstart", QString(), QRect(360, 508, 248, 20));
    endTime = m_build.label("lblend", QString(), QRect(360, 528, 248, 20));
    elapsedCaption = m_build.label("lblTotalElapsed", QStringLiteral("Total Time Elapsed  :"),
                                   QRect(360, 548, 130, 20));
    elapsed = m_build.label("lblelapsed", QString(), QRect(490, 548, 118, 20));
    elapsed->setToolTip(QStringLiteral("Shows in  Hours  :  Minutes  :  Seconds"));
    FormBuilder::setBold(elapsed);

    cancel = m_build.button("cmdCancel", QStringLiteral("Cancel"), QString(),
                            QRect(400, 600, kButtonWidth, 28));
    close = m_build.button("cmdClose", QStringLiteral("Close"),
                           QStringLiteral("Exit the TAVRO MP3 Encoder"),
                           QRect(kButtonLeft, 600, kButtonWidth, 28));
}

QList<QWidget *> CdToMp3WindowControls::runOnly() const
{
    return {ripBar,   encodeBar, encodePercent,  wavDeleted, completed,
            standard, newSize,   elapsedCaption, elapsed};
}

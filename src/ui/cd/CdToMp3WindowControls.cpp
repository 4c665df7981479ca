#include "CdToMp3WindowControls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "ChameleonButton.h"
#include "EncodingPresets.h"
#include "ProgressBar.h"

namespace {
// Pixels: the window is laid out at fixed places, like the other tool windows.
constexpr int kLeft = 12;
constexpr int kWidth = 596;
constexpr int kFieldLeft = 124;
constexpr int kButtonLeft = 508;
constexpr int kButtonWidth = 100;

void setBold(QWidget *widget, int pointSize = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}
} // namespace

CdToMp3WindowControls::CdToMp3WindowControls(QWidget &form) : m_form(form)
{
    buildHeading();
    buildDisc();
    buildOutput();
    buildProgress();
    buildResults();
}

QLabel *CdToMp3WindowControls::addLabel(const char *name, const QString &caption,
                                        const QRect &geometry)
{
    auto *label = new QLabel(caption, &m_form);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

ChameleonButton *CdToMp3WindowControls::addButton(const char *name, const QString &caption,
                                                  const QString &tooltip, const QRect &geometry)
{
    auto *button = new ChameleonButton(caption, &m_form);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tooltip);
    button->setGeometry(geometry);
    return button;
}

void CdToMp3WindowControls::buildHeading()
{
    setBold(
        addLabel("lblTitle", QStringLiteral("TAVRO  MP3  Encoder"), QRect(kLeft, 8, kWidth, 28)),
        15);
    QLabel *welcome = addLabel("lblWelcome",
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
    QLabel *drives = addLabel("lblDrives", QStringLiteral("Drives:"), QRect(kLeft, 96, 108, 26));
    cboDrives = new QComboBox(&m_form);
    cboDrives->setObjectName(QStringLiteral("cboDrives"));
    cboDrives->setGeometry(kFieldLeft, 96, 372, 26);
    drives->setBuddy(cboDrives);
    cmdRefresh = addButton("cmdRefresh", QStringLiteral("Refresh"), QStringLiteral("Refresh"),
                           QRect(kButtonLeft, 95, kButtonWidth, 28));

    lvwTracks = new QTreeWidget(&m_form);
    lvwTracks->setObjectName(QStringLiteral("lvwTracks"));
    lvwTracks->setGeometry(kLeft, 130, kWidth, 170);
    lvwTracks->setRootIsDecorated(false);
    lvwTracks->setUniformRowHeights(true);
    lvwTracks->setAlternatingRowColors(true);
    lvwTracks->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwTracks->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwTracks->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Track"),
                                QStringLiteral("Start At"), QStringLiteral("Length"),
                                QStringLiteral("Size(Mb)")});
    // The name takes the room the number columns leave.
    QHeaderView *header = lvwTracks->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(Name, QHeaderView::Stretch);
    const int widths[] = {48, 64, 64, 64};
    for (int column = Track; column <= Size; ++column) {
        header->resizeSection(column, widths[column - Track]);
        lvwTracks->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }

    QLabel *query =
        addLabel("lblCDDBQuery", QStringLiteral("CDDB &Query:"), QRect(kLeft, 308, 108, 26));
    txtCDDBQuery = new QLineEdit(&m_form);
    txtCDDBQuery->setObjectName(QStringLiteral("txtCDDBQuery"));
    txtCDDBQuery->setGeometry(kFieldLeft, 308, kLeft + kWidth - kFieldLeft, 26);
    txtCDDBQuery->setReadOnly(true);
    query->setBuddy(txtCDDBQuery);
}

void CdToMp3WindowControls::buildOutput()
{
    QLabel *output = addLabel("lblOutputMp3File", QStringLiteral("Output Mp3 File:"),
                              QRect(kLeft, 340, 108, 26));
    txtOutputMp3File = new QLineEdit(&m_form);
    txtOutputMp3File->setObjectName(QStringLiteral("txtOutputMp3File"));
    txtOutputMp3File->setGeometry(kFieldLeft, 340, 372, 26);
    output->setBuddy(txtOutputMp3File);
    cmdPickMp3File =
        addButton("cmdPickMp3File", QStringLiteral("Save as"),
                  QStringLiteral("Save An MP3 File As"), QRect(kButtonLeft, 339, kButtonWidth, 28));

    cboOption = new QComboBox(&m_form);
    cboOption->setObjectName(QStringLiteral("cboOption"));
    cboOption->setGeometry(kFieldLeft, 374, 372, 26);
    for (const EncodingPresets::Preset &preset : EncodingPresets::all())
        cboOption->addItem(preset.listText, preset.code);
    cmdRip = addButton("cmdRip", QStringLiteral("Encode MP3"), QStringLiteral("Encode An MP3 File"),
                       QRect(kButtonLeft, 373, kButtonWidth, 28));
}

void CdToMp3WindowControls::buildProgress()
{
    PB1 = new ProgressBar(&m_form);
    PB1->setObjectName(QStringLiteral("PB1"));
    PB1->setGeometry(kLeft, 412, kWidth, 14);
    PB2 = new ProgressBar(&m_form);
    PB2->setObjectName(QStringLiteral("PB2"));
    PB2->setGeometry(kLeft, 432, kWidth, 14);
    lblProgress = addLabel("lblProgress", QString(), QRect(kLeft, 450, kWidth, 20));

    lblInfo = addLabel("lblInfo", QString(), QRect(kLeft, 474, kWidth, 24));
    lblInfo->setFrameShape(QFrame::StyledPanel);
    lblInfo->setFrameShadow(QFrame::Sunken);
}

void CdToMp3WindowControls::buildResults()
{
    lblDeleted = addLabel("lblDeleted", QStringLiteral("Temporary file has been deleted !"),
                          QRect(kLeft, 508, 320, 20));
    lblCompleted =
        addLabel("lblCompleted", QStringLiteral("Encoding process is completed successfully !"),
                 QRect(kLeft, 528, 320, 20));
    lblStandard = addLabel("lblStandard", QStringLiteral("Encoding Standard :   44.1Khz , 128Kbps"),
                           QRect(kLeft, 548, 320, 20));
    lblNewSize = addLabel("lblNewSize", QString(), QRect(kLeft, 568, 320, 20));
    setBold(lblCompleted);

    lblstart = addLabel("lblstart", QString(), QRect(360, 508, 248, 20));
    lblend = addLabel("lblend", QString(), QRect(360, 528, 248, 20));
    lblTotalElapsed = addLabel("lblTotalElapsed", QStringLiteral("Total Time Elapsed  :"),
                               QRect(360, 548, 130, 20));
    lblelapsed = addLabel("lblelapsed", QString(), QRect(490, 548, 118, 20));
    lblelapsed->setToolTip(QStringLiteral("Shows in  Hours  :  Minutes  :  Seconds"));
    setBold(lblelapsed);

    cmdCancel = addButton("cmdCancel", QStringLiteral("Cancel"), QString(),
                          QRect(400, 600, kButtonWidth, 28));
    cmdClose =
        addButton("cmdClose", QStringLiteral("Close"), QStringLiteral("Exit the TAVRO MP3 Encoder"),
                  QRect(kButtonLeft, 600, kButtonWidth, 28));
}

QList<QWidget *> CdToMp3WindowControls::runOnly() const
{
    return {PB1,         PB2,        lblProgress,     lblDeleted, lblCompleted,
            lblStandard, lblNewSize, lblTotalElapsed, lblelapsed};
}

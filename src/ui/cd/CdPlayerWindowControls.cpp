#include "CdPlayerWindowControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ChameleonButton.h"
#include "DiscTrackList.h"

namespace {
// Pixels: the window is laid out at fixed places, like the other tool windows.
constexpr int kLeft = 12;
constexpr int kWidth = 536;
constexpr int kButtonWidth = 100;
constexpr int kButtonStep = 109;
constexpr int kRowHeight = 22;

using Button = ChameleonButton *CdPlayerWindowControls::*;
using Value = QLabel *CdPlayerWindowControls::*;

struct ButtonSpec {
    Button button;
    int designerNumber; // chameleonButton<number>
    const char *caption;
    const char *tooltip;
};

// In the order they are laid out: two rows of five.
constexpr ButtonSpec kButtons[] = {
    {&CdPlayerWindowControls::refresh, 7, "Refresh", ""},
    {&CdPlayerWindowControls::play, 2, "Play", ""},
    {&CdPlayerWindowControls::pause, 4, "Pause", "Pause or Resume the File"},
    {&CdPlayerWindowControls::stop, 3, "Stop", ""},
    {&CdPlayerWindowControls::next, 5, "Next", "Play Next File"},
    {&CdPlayerWindowControls::previous, 6, "Previous", "Play Previous File"},
    {&CdPlayerWindowControls::rewind, 10, "Rewind", ""},
    {&CdPlayerWindowControls::forward, 11, "Forward", ""},
    {&CdPlayerWindowControls::tray, 9, "CD Tray", ""},
    {&CdPlayerWindowControls::close, 1, "Close", "Exit the TAVRO Audio CD Player"},
};

struct ValueRow {
    const char *captionName;
    const char *caption;
    const char *valueName;
    const char *tooltip;
    Value value;
};

// Two columns of four, top to bottom.
constexpr ValueRow kValueRows[] = {
    {"Label1", "Current File Name :", "Label2", "", &CdPlayerWindowControls::fileName},
    {"Label23", " File Status:", "Label28", "", &CdPlayerWindowControls::status},
    {"Label7", "Current Position:", "Label4", "Shows in min:sec",
     &CdPlayerWindowControls::position},
    {"Label8", "File Length:", "Label9", "Shows in min:sec", &CdPlayerWindowControls::length},
    {"Label10", "Total Play:", "Label5", "Shows in min:sec", &CdPlayerWindowControls::totalPlay},
    {"Label11", "File Size:", "Label12", "Shows in Megabytes", &CdPlayerWindowControls::fileSize},
    {"Label13", "Total Files :", "Label14", "Shows Playlist Files",
     &CdPlayerWindowControls::totalFiles},
    {"Label15", "Current File :", "Label16", "Shows Playing File Number",
     &CdPlayerWindowControls::currentFile},
};

} // namespace

CdPlayerWindowControls::CdPlayerWindowControls(QWidget &form) : m_form(form)
{
    buildDisc();
    buildDisplay();
    buildButtons();
}

void CdPlayerWindowControls::buildDisc()
{
    drives = new QComboBox(&m_form);
    drives->setObjectName(QStringLiteral("cboDrives"));
    drives->setGeometry(kLeft, 10, kWidth - kButtonWidth - 8, 26);
    relist = new ChameleonButton(QStringLiteral("Refresh"), &m_form);
    relist->setObjectName(QStringLiteral("cmdRefresh"));
    relist->setToolTip(QStringLiteral("Refresh"));
    relist->setGeometry(kLeft + kWidth - kButtonWidth, 9, kButtonWidth, 28);

    tracks = new DiscTrackList({QStringLiteral("Name"), QStringLiteral("Track"),
                                QStringLiteral("Start Time"), QStringLiteral("Length"),
                                QStringLiteral("Size (Mb)")},
                               &m_form);
    tracks->setObjectName(QStringLiteral("lvwTracks"));
    tracks->setGeometry(kLeft, 44, kWidth, 150);
    tracks->setSelectionMode(QAbstractItemView::SingleSelection);

    cddbQuery = new QLineEdit(&m_form);
    cddbQuery->setObjectName(QStringLiteral("txtCDDBQuery"));
    cddbQuery->setGeometry(kLeft, 200, kWidth, 24);
    cddbQuery->setReadOnly(true);
}

void CdPlayerWindowControls::buildDisplay()
{
    constexpr int kTop = 234;
    constexpr int kRows = 4;
    constexpr int kColumnWidth = kWidth / 2;
    constexpr int kCaptionWidth = 124;
    int row = 0;
    for (const ValueRow &shown : kValueRows) {
        const int x = kLeft + (row / kRows) * kColumnWidth;
        const int y = kTop + (row % kRows) * kRowHeight;
        m_build.label(shown.captionName, QLatin1String(shown.caption),
                      QRect(x, y, kCaptionWidth, 20));
        QLabel *value = m_build.label(shown.valueName, QString(),
                                      QRect(x + kCaptionWidth, y, kColumnWidth - kCaptionWidth, 20),
                                      QLatin1String(shown.tooltip));
        FormBuilder::setTextColor(value, QColor(0, 0, 128));
        this->*shown.value = value;
        ++row;
    }
    FormBuilder::setBold(status);
}

void CdPlayerWindowControls::buildButtons()
{
    constexpr int kTop = 330;
    constexpr int kPerRow = 5;
    FormBuilder::setBold(
        m_build.label("Label3", QStringLiteral("CONTROLS"), QRect(kLeft, kTop, kWidth, 20)));
    int index = 0;
    for (const ButtonSpec &laidOut : kButtons) {
        const QByteArray name = "chameleonButton" + QByteArray::number(laidOut.designerNumber);
        this->*laidOut.button = m_build.button(
            name.constData(), QLatin1String(laidOut.caption), QLatin1String(laidOut.tooltip),
            QRect(kLeft + (index % kPerRow) * kButtonStep, kTop + 24 + (index / kPerRow) * 34,
                  kButtonWidth, 28));
        ++index;
    }
}

QList<QWidget *> CdPlayerWindowControls::whilePlaying() const
{
    return {pause, next, previous, rewind, forward};
}

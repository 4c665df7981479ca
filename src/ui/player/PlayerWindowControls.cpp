#include "PlayerWindowControls.h"

#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

#include "ChameleonButton.h"
#include "PathStrip.h"
#include "SeekBar.h"
#include "TitleLabel.h"

namespace {
constexpr int kWidth = PlayerWindowControls::kWidth;

using Button = ChameleonButton *PlayerWindowControls::*;
using Value = QLabel *PlayerWindowControls::*;

struct ButtonSpec {
    Button button;
    int designerNumber; // chameleonButton<number>
    const char *caption;
    const char *tooltip;
};

// In the order they are laid out: three rows of eight.
constexpr ButtonSpec kButtons[] = {
    {&PlayerWindowControls::open, 1, "Open", "Select Files or Playlist"},
    {&PlayerWindowControls::play, 2, "Play", "Play Selected File"},
    {&PlayerWindowControls::stop, 3, "Stop", "Stop Playing File"},
    {&PlayerWindowControls::pause, 4, "Pause", "Pause or Resume the File"},
    {&PlayerWindowControls::next, 5, "Next", "Play Next File"},
    {&PlayerWindowControls::previous, 6, "Previous", "Play Previous File"},
    {&PlayerWindowControls::clear, 7, "Clear", "Clear the Playlist"},
    {&PlayerWindowControls::deleteEntry, 12, "Delete",
     "Delete Selected File From The Playlist Only !"},
    {&PlayerWindowControls::saveList, 9, "Save List", "Save Displayed Playlist"},
    {&PlayerWindowControls::mute, 8, "Mute Off", "Mute On or Off"},
    {&PlayerWindowControls::volumeUp, 16, "Vol+", ""},
    {&PlayerWindowControls::volumeDown, 17, "Vol-", ""},
    {&PlayerWindowControls::speedUp, 18, "Speed +", ""},
    {&PlayerWindowControls::speedDown, 19, "Speed -", ""},
    {&PlayerWindowControls::openInfo, 10, "Mp3 Info", "Mp3 File Information"},
    {&PlayerWindowControls::editTags, 14, "Edit Tags", "Edit ID3 Tags"},
    {&PlayerWindowControls::ripMp3, 11, "Rip MP3", "Convert Audio CD to MP3"},
    {&PlayerWindowControls::audioCd, 20, "Audio CD", "Play An Audio CD"},
    {&PlayerWindowControls::record, 13, "Record", "Record Your Voice As An MP3 File"},
    {&PlayerWindowControls::cutMerge, 15, "Cut/Merge", "Cut or Merge MP3 Files"},
    {&PlayerWindowControls::search, 22, "Search MP3 ", "Search MP3 Files From Hard Disk or CD Rom"},
    {&PlayerWindowControls::about, 21, "About", "About The Player / Author"},
};

struct ValueRow {
    const char *captionName;
    const char *caption;
    Value value;
    const char *valueName;
    const char *tooltip;
};

constexpr ValueRow kValueRows[] = {
    {"Label15", "Current File :", &PlayerWindowControls::currentFile, "Label16",
     "Shows Playing File Number"},
    {"Label13", "Total Files :", &PlayerWindowControls::totalFiles, "Label14",
     "Shows Playlist Files"},
    {"Label11", "File Size:", &PlayerWindowControls::fileSize, "Label12", "Shows in Megabytes"},
    {"Label7", "Current Position:", &PlayerWindowControls::position, "Label4", "Shows in min:sec"},
    {"Label10", "Time Remaining:", &PlayerWindowControls::remaining, "Label5", "Shows in min:sec"},
    {"Label8", "File Length:", &PlayerWindowControls::length, "Label9", "Shows in min:sec"},
    {"Label23", " File Status:", &PlayerWindowControls::status, "Label28", ""},
};

const QString kCredit = QStringLiteral(
    "Tavro MP3 Player 1.6 beta  -  play lists, MP3 information and tags, CD ripping, audio CDs, "
    "voice recording, cutting and merging  -  free to use and to pass on");

} // namespace

PlayerWindowControls::PlayerWindowControls(QWidget &window) : m_window(window)
{
    window.setFixedSize(kWidth, kHeight);
    window.setAutoFillBackground(true);
    QPalette background = window.palette();
    background.setColor(QPalette::Window, QColor(214, 222, 238));
    window.setPalette(background);
    QFont small = window.font();
    small.setPointSizeF(7.5);
    window.setFont(small);

    buildTitleLine();
    buildPlaylistAndValues();
    buildPlaybackControls();
    buildButtons();
    buildFooter();
}

void PlayerWindowControls::buildTitleLine()
{
    title = new TitleLabel(QStringLiteral("   TAVRO MP3 PLAYER    v  1.6"), &m_window);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(0, 0, kWidth - 50, 18);
    minimise = new TitleLabel(QStringLiteral("----"), &m_window);
    minimise->setObjectName(QStringLiteral("Label2"));
    minimise->setToolTip(QStringLiteral("Minimize"));
    minimise->setGeometry(kWidth - 50, 0, 25, 18);
    exit = new TitleLabel(QStringLiteral("X"), &m_window);
    exit->setObjectName(QStringLiteral("Label3"));
    exit->setToolTip(QStringLiteral("Exit The Player"));
    exit->setGeometry(kWidth - 25, 0, 25, 18);
    for (QLabel *label : {static_cast<QLabel *>(title), static_cast<QLabel *>(minimise),
                          static_cast<QLabel *>(exit)}) {
        label->setAutoFillBackground(true);
        label->setStyleSheet(
            QStringLiteral("background: rgb(0,40,110); color: white; font-weight: bold;"));
        label->setAlignment(label == title ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
}

void PlayerWindowControls::buildPlaylistAndValues()
{
    playlist = new QListWidget(&m_window);
    playlist->setObjectName(QStringLiteral("List1"));
    playlist->setToolTip(QStringLiteral("Play List"));
    playlist->setSelectionMode(QAbstractItemView::SingleSelection);
    playlist->setGeometry(6, 21, 200, 98);
    playlist->setUniformItemSizes(true);

    int y = 21;
    for (const ValueRow &row : kValueRows) {
        m_build.label(row.captionName, QLatin1String(row.caption), QRect(214, y, 92, 14),
                      QLatin1String(row.tooltip));
        QLabel *value = m_build.label(row.valueName, QString(), QRect(306, y, 161, 14),
                                      QLatin1String(row.tooltip));
        FormBuilder::setTextColor(value, QColor(0, 0, 128));
        this->*row.value = value;
        y += 14;
    }
    filePath = m_build.label("Label17", QString(), QRect(6, 121, 461, 13));
    progress = m_build.label("Label6", QString(), QRect(6, 149, 200, 13));
}

void PlayerWindowControls::buildPlaybackControls()
{
    pathStrip = new PathStrip(&m_window);
    pathStrip->setObjectName(QStringLiteral("Picture1"));
    pathStrip->setGeometry(6, 135, 461, 13);

    seekBar = new SeekBar(&m_window);
    seekBar->setObjectName(QStringLiteral("P1"));
    seekBar->setGeometry(6, 163, 461, 9);

    positionSlider = new QSlider(Qt::Horizontal, &m_window);
    positionSlider->setObjectName(QStringLiteral("Slider1"));
    positionSlider->setGeometry(6, 173, 461, 16);

    // The level sliders only show the levels; the buttons change them.
    const auto levelSlider = [this](const char *name, const QString &caption, int x) {
        auto *slider = new QSlider(Qt::Horizontal, &m_window);
        slider->setObjectName(QLatin1String(name));
        slider->setRange(0, 10);
        slider->setValue(5);
        slider->setGeometry(x + 40, 270, 74, 14);
        slider->setAttribute(Qt::WA_TransparentForMouseEvents);
        slider->setFocusPolicy(Qt::NoFocus);
        m_build.label("", caption, QRect(x, 270, 40, 14));
        return slider;
    };
    volumeSlider = levelSlider("Slider2", QStringLiteral("Volume"), 6);
    speedSlider = levelSlider("Slider3", QStringLiteral("Speed"), 126);
}

void PlayerWindowControls::buildButtons()
{
    m_build.label("Label18", QStringLiteral("CONTROLS"), QRect(6, 190, 70, 13))
        ->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(0,40,110);"));
    QFont buttonFont = m_window.font();
    buttonFont.setPointSizeF(7.0);
    int slot = 0;
    for (const ButtonSpec &entry : kButtons) {
        auto *button = new ChameleonButton(QLatin1String(entry.caption), &m_window);
        button->setObjectName(QStringLiteral("chameleonButton%1").arg(entry.designerNumber));
        button->setToolTip(QLatin1String(entry.tooltip));
        button->setFont(buttonFont);
        button->setGeometry(6 + (slot % 8) * 58, 204 + (slot / 8) * 21, 56, 20);
        this->*entry.button = button;
        ++slot;
    }
}

void PlayerWindowControls::buildFooter()
{
    auto *make = new QRadioButton(QStringLiteral("Make Association"), &m_window);
    make->setObjectName(QStringLiteral("Option1"));
    make->setGeometry(80, 189, 120, 14);
    auto *remove = new QRadioButton(QStringLiteral("Remove Association"), &m_window);
    remove->setObjectName(QStringLiteral("Option2"));
    remove->setGeometry(200, 189, 130, 14);
    for (QRadioButton *option : {make, remove})
        option->setToolTip(
            QStringLiteral("For Applying Changes, you must RESTART your computer !"));

    date = m_build.label("Label30", QString(), QRect(250, 270, 217, 14));
    date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    time = new TitleLabel(QString(), &m_window);
    time->setObjectName(QStringLiteral("Label27"));
    time->setGeometry(330, 189, 137, 14);
    time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    credit = new ScrollingText(&m_window);
    credit->setObjectName(QStringLiteral("Label24"));
    credit->setGeometry(0, 284, kWidth, 12);
    credit->setText(kCredit);
    credit->setTextColor(QColor(0, 0, 160));
    credit->moveTextTo(kWidth);
}

#include "Form1.h"

#include "ClockTexts.h"
#include "PathStrip.h"
#include "SeekBar.h"
#include "TitleLabel.h"

#include "cd/Form2.h"
#include "controls/ScreenPlacement.h"
#include "controls/chameleonButton.h"
#include "mp3/Form1A.h"
#include "mp3/Form2b.h"
#include "mp3/Form7.h"
#include "platform/media/MediaComponent.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QWindow>

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kWidth = 7095 / kTwipsPerPixel;  // 473 pixels
constexpr int kHeight = 4455 / kTwipsPerPixel; // 297 pixels
constexpr int kCreditStepTwips = 20;

struct ButtonSpec {
    int number;
    const char *caption;
    const char *tooltip;
};

// In the order they are laid out: three rows of eight.
constexpr ButtonSpec kButtons[] = {
    {1, "Open", "Select Files or Playlist"},
    {2, "Play", "Play Selected File"},
    {3, "Stop", "Stop Playing File"},
    {4, "Pause", "Pause or Resume the File"},
    {5, "Next", "Play Next File"},
    {6, "Previous", "Play Previous File"},
    {7, "Clear", "Clear the Playlist"},
    {12, "Delete", "Delete Selected File From The Playlist Only !"},
    {9, "Save List", "Save Displayed Playlist"},
    {8, "Mute Off", "Mute On or Off"},
    {16, "Vol+", ""},
    {17, "Vol-", ""},
    {18, "Speed +", ""},
    {19, "Speed -", ""},
    {10, "Mp3 Info", "Mp3 File Information"},
    {14, "Edit Tags", "Edit ID3 Tags"},
    {11, "Rip MP3", "Convert Audio CD to MP3"},
    {20, "Audio CD", "Play An Audio CD"},
    {13, "Record", "Record Your Voice As An MP3 File"},
    {15, "Cut/Merge", "Cut or Merge MP3 Files"},
    {22, "Search MP3 ", "Search MP3 Files From Hard Disk or CD Rom"},
    {21, "About", "About The Player / Author"},
};

struct ValueRow {
    const char *captionName;
    const char *caption;
    const char *valueName;
    const char *tooltip;
};

constexpr ValueRow kValueRows[] = {
    {"Label15", "Current File :", "Label16", "Shows Playing File Number"},
    {"Label13", "Total Files :", "Label14", "Shows Playlist Files"},
    {"Label11", "File Size:", "Label12", "Shows in Megabytes"},
    {"Label7", "Current Position:", "Label4", "Shows in min:sec"},
    {"Label10", "Time Remaining:", "Label5", "Shows in min:sec"},
    {"Label8", "File Length:", "Label9", "Shows in min:sec"},
    {"Label23", " File Status:", "Label28", ""},
};

const QString kCredit = QStringLiteral(
    "Tavro MP3 Player 1.6 beta  -  play lists, MP3 information and tags, CD ripping, audio CDs, "
    "voice recording, cutting and merging  -  free to use and to pass on");

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
} // namespace

Form1::Form1(MediaComponent &media, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_media(media), m_engine(media, m_playlist),
      m_actions(m_playlist, m_engine)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(214, 222, 238));
    setPalette(background);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);

    buildTitleLine();
    buildPlaylistAndValues();
    buildPlaybackControls();
    buildButtons();
    buildFooter();
    connectPlaylist();
    connect(&m_engine, &PlaybackEngine::displayChanged, this, &Form1::render);

    m_creditTimer.setInterval(30);
    connect(&m_creditTimer, &QTimer::timeout, this, &Form1::showCredit);
    m_creditTimer.start();
    m_pathTimer.setInterval(30);
    connect(&m_pathTimer, &QTimer::timeout, this, [this] {
        m_pathStrip->setText(m_playlist.selectedPath());
        m_pathStrip->step();
    });
    m_pathTimer.start();
    m_clockTimer.setInterval(100);
    connect(&m_clockTimer, &QTimer::timeout, this, &Form1::showClock);
    m_clockTimer.start();

    render();
    showClock();
    ScreenPlacement::centre(this);
}

chameleonButton *Form1::button(int number) const
{
    const auto it = m_buttons.find(number);
    return it == m_buttons.end() ? nullptr : it->second;
}

QLabel *Form1::addLabel(const char *name, const QString &caption, const QRect &geometry,
                        const QString &tooltip)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setToolTip(tooltip);
    return label;
}

void Form1::buildTitleLine()
{
    auto *title = new TitleLabel(QStringLiteral("   TAVRO MP3 PLAYER    v  1.6"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(0, 0, kWidth - 50, 18);
    auto *minimise = new TitleLabel(QStringLiteral("----"), this);
    minimise->setObjectName(QStringLiteral("Label2"));
    minimise->setToolTip(QStringLiteral("Minimize"));
    minimise->setGeometry(kWidth - 50, 0, 25, 18);
    auto *exit = new TitleLabel(QStringLiteral("X"), this);
    exit->setObjectName(QStringLiteral("Label3"));
    exit->setToolTip(QStringLiteral("Exit The Player"));
    exit->setGeometry(kWidth - 25, 0, 25, 18);
    for (QLabel *label : {static_cast<QLabel *>(title), static_cast<QLabel *>(minimise),
                          static_cast<QLabel *>(exit)}) {
        label->setAutoFillBackground(true);
        label->setStyleSheet(QStringLiteral("background: rgb(0,40,110); color: white; font-weight: bold;"));
        label->setAlignment(label == title ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
    connect(title, &TitleLabel::pressed, this, &Form1::DragWindow);
    connect(minimise, &TitleLabel::clicked, this, &QWidget::showMinimized);
    connect(exit, &TitleLabel::clicked, this, &Form1::exitPlayer);
}

void Form1::buildPlaylistAndValues()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setToolTip(QStringLiteral("Play List"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setGeometry(6, 21, 200, 98);
    m_list->setUniformItemSizes(true);

    int y = 21;
    for (const ValueRow &row : kValueRows) {
        addLabel(row.captionName, QLatin1String(row.caption), QRect(214, y, 92, 14),
                 QLatin1String(row.tooltip));
        QLabel *value = addLabel(row.valueName, QString(), QRect(306, y, 161, 14), QLatin1String(row.tooltip));
        setTextColor(value, QColor(0, 0, 128));
        m_values[QLatin1String(row.valueName)] = value;
        y += 14;
    }
    for (const char *name : {"Label17", "Label6"})
        m_values[QLatin1String(name)] = addLabel(name, QString(), QRect());
    m_values[QStringLiteral("Label17")]->setGeometry(6, 121, 461, 13);
    m_values[QStringLiteral("Label6")]->setGeometry(6, 149, 200, 13);
}

void Form1::buildPlaybackControls()
{
    m_pathStrip = new PathStrip(this);
    m_pathStrip->setObjectName(QStringLiteral("Picture1"));
    m_pathStrip->setGeometry(6, 135, 461, 13);

    m_seekBar = new SeekBar(this);
    m_seekBar->setObjectName(QStringLiteral("P1"));
    m_seekBar->setGeometry(6, 163, 461, 9);
    connect(m_seekBar, &SeekBar::seekRequested, &m_engine, &PlaybackEngine::seekByBar);

    m_slider1 = new QSlider(Qt::Horizontal, this);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setGeometry(6, 173, 461, 16);
    connect(m_slider1, &QSlider::valueChanged, this, [this](int value) {
        if (!m_rendering)
            m_engine.seekBySlider(value);
    });

    // The level sliders only show the levels; the buttons change them.
    const auto levelSlider = [this](const char *name, const QString &caption, int x) {
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QLatin1String(name));
        slider->setRange(0, 10);
        slider->setValue(5);
        slider->setGeometry(x + 40, 270, 74, 14);
        slider->setAttribute(Qt::WA_TransparentForMouseEvents);
        slider->setFocusPolicy(Qt::NoFocus);
        addLabel("", caption, QRect(x, 270, 40, 14));
        return slider;
    };
    m_slider2 = levelSlider("Slider2", QStringLiteral("Volume"), 6);
    m_slider3 = levelSlider("Slider3", QStringLiteral("Speed"), 126);
}

void Form1::buildButtons()
{
    addLabel("Label18", QStringLiteral("CONTROLS"), QRect(6, 190, 70, 13))->setStyleSheet(
        QStringLiteral("font-weight: bold; color: rgb(0,40,110);"));
    QFont buttonFont = font();
    buttonFont.setPointSizeF(7.0);
    int slot = 0;
    for (const ButtonSpec &entry : kButtons) {
        auto *button = new chameleonButton(QLatin1String(entry.caption), this);
        button->setObjectName(QStringLiteral("chameleonButton%1").arg(entry.number));
        button->setToolTip(QLatin1String(entry.tooltip));
        button->setFont(buttonFont);
        button->setGeometry(6 + (slot % 8) * 58, 204 + (slot / 8) * 21, 56, 20);
        m_buttons[entry.number] = button;
        ++slot;
    }
    const auto on = [this](int number, auto handler) {
        connect(m_buttons.at(number), &chameleonButton::Click, this, handler);
    };
    on(1, [this] { m_actions.open(); });
    on(2, [this] { m_engine.StartPlayback(); });
    on(3, [this] { m_engine.StopPlayback(); });
    on(4, [this] { m_engine.pauseOrResume(); });
    on(5, [this] { m_actions.next(); });
    on(6, [this] { m_actions.previous(); });
    on(7, [this] { m_actions.clear(); });
    on(8, [this] { m_engine.toggleMute(); });
    on(9, [this] { m_actions.save(); });
    on(10, [this] {
        if (m_actions.checkInfoSelection())
            openToolWindow(10);
    });
    for (int number : {11, 13, 14, 15, 20, 21, 22})
        on(number, [this, number] { openToolWindow(number); });
    on(12, [this] { m_actions.deleteSelected(); });
    on(16, [this] { m_engine.volumeUp(); });
    on(17, [this] { m_engine.volumeDown(); });
    on(18, [this] { m_engine.speedUp(); });
    on(19, [this] { m_engine.speedDown(); });
}

void Form1::buildFooter()
{
    auto *make = new QRadioButton(QStringLiteral("Make Association"), this);
    make->setObjectName(QStringLiteral("Option1"));
    make->setGeometry(80, 189, 120, 14);
    auto *remove = new QRadioButton(QStringLiteral("Remove Association"), this);
    remove->setObjectName(QStringLiteral("Option2"));
    remove->setGeometry(200, 189, 130, 14);
    for (QRadioButton *option : {make, remove})
        option->setToolTip(QStringLiteral("For Applying Changes, you must RESTART your computer !"));

    m_date = addLabel("Label30", QString(), QRect(250, 270, 217, 14));
    m_date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *time = new TitleLabel(QString(), this);
    time->setObjectName(QStringLiteral("Label27"));
    time->setGeometry(330, 189, 137, 14);
    time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(time, &TitleLabel::pressed, this, &Form1::DragWindow);
    m_time = time;

    m_credit = new ScrollingText(this);
    m_credit->setObjectName(QStringLiteral("Label24"));
    m_credit->setGeometry(0, 284, kWidth, 12);
    m_credit->setText(kCredit);
    m_credit->setTextColor(QColor(0, 0, 160));
    m_creditTwips = kWidth * kTwipsPerPixel;
    m_credit->moveTextTo(kWidth);
}

void Form1::connectPlaylist()
{
    connect(&m_playlist, &Playlist::entriesAppended, this, [this](int first) {
        m_list->addItems(m_playlist.names().mid(first));
    });
    connect(&m_playlist, &Playlist::entriesReset, this, [this] {
        const QSignalBlocker block(m_list);
        m_list->clear();
        m_list->addItems(m_playlist.names());
    });
    connect(&m_playlist, &Playlist::selectionChanged, this, [this](int index) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(index);
        if (index < 0)
            m_list->clearSelection();
    });
    connect(m_list, &QListWidget::currentRowChanged, &m_playlist, &Playlist::setSelectedIndex);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_playlist.setSelectedIndex(m_list->row(item));
        m_actions.doubleClick();
    });
}

void Form1::render()
{
    // Runs on every playback tick: touch only what changed, so nothing repaints in vain.
    const PlayerDisplay &d = m_engine.display();
    const PlayerDisplay &was = m_shown;
    const bool all = !m_shownOnce;
    m_rendering = true;
    const std::pair<const char *, QString PlayerDisplay::*> texts[] = {
        {"Label4", &PlayerDisplay::position},     {"Label5", &PlayerDisplay::remaining},
        {"Label6", &PlayerDisplay::progress},     {"Label9", &PlayerDisplay::length},
        {"Label12", &PlayerDisplay::size},        {"Label14", &PlayerDisplay::totalFiles},
        {"Label16", &PlayerDisplay::currentFile}, {"Label17", &PlayerDisplay::path},
        {"Label28", &PlayerDisplay::status}};
    for (const auto &[name, text] : texts)
        if (all || d.*text != was.*text)
            m_values.at(QLatin1String(name))->setText(d.*text);
    if (all || d.statusColor != was.statusColor)
        setTextColor(m_values.at(QStringLiteral("Label28")), QColor::fromRgb(QRgb(d.statusColor)));

    chameleonButton *pause = m_buttons.at(4);
    pause->setEnabled(d.pauseEnabled);
    if (all || d.pauseCaption != was.pauseCaption)
        pause->setCaption(d.pauseCaption);
    if (all || d.muteCaption != was.muteCaption)
        m_buttons.at(8)->setCaption(d.muteCaption);
    for (int number : {16, 17})
        m_buttons.at(number)->setToolTip(d.volumeTip);
    for (int number : {18, 19})
        m_buttons.at(number)->setToolTip(d.speedTip);
    m_slider2->setValue(d.volumeLevel);
    m_slider3->setValue(d.speedLevel);
    if (all || d.sliderMax != was.sliderMax || d.sliderValue != was.sliderValue) {
        m_slider1->setMaximum(qMax(d.sliderMax, 0));
        m_slider1->setValue(d.sliderValue);
    }
    m_seekBar->show(d.seekScale, d.marker);
    m_pathStrip->setVisible(d.pathStripVisible);
    m_rendering = false;
    m_shown = d;
    m_shownOnce = true;
}

void Form1::showCredit()
{
    m_creditTwips -= kCreditStepTwips;
    if (m_creditTwips < -m_credit->textWidth() * kTwipsPerPixel)
        m_creditTwips = kWidth * kTwipsPerPixel;
    m_credit->moveTextTo(m_creditTwips / kTwipsPerPixel);
}

void Form1::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(ClockTexts::dateText(now.date()));
    m_time->setText(ClockTexts::timeText(now.time()));
}

void Form1::startUp(const QStringList &arguments)
{
    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (!commandLine.endsWith(QLatin1String("mp3")))
        return;
    m_playlist.append(commandLine);
    m_playlist.setSelectedIndex(0);
    m_engine.StartPlayback(false);
}

void Form1::showToolWindow(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, &QWidget::show);
    hide();
    window->show();
}

void Form1::openToolWindow(int buttonNumber)
{
    QWidget *window = nullptr;
    switch (buttonNumber) {
    case 10: window = new Form2b(m_playlist); break;
    case 11: window = new Form2; break;
    case 14: Form1A::showFor(this); break; // hidden, not unloaded, on Close
    case 22: window = new Form7(m_playlist); break;
    default: break; // windows not built yet
    }
    if (window)
        showToolWindow(window);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_engine.activate();
    QWidget::changeEvent(event);
}

void Form1::DragWindow(const QPoint &globalPosition)
{
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // Without a window manager that moves windows, follow the mouse ourselves.
    m_dragging = true;
    m_dragOffset = globalPosition - pos();
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    DragWindow(event->globalPosition().toPoint());
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void Form1::mouseReleaseEvent(QMouseEvent *) { m_dragging = false; }

void Form1::exitPlayer()
{
    m_playlist.clear();
    m_media.stop();
    close();
    QApplication::quit();
}


#include "Mp3InfoWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "FileNameCodec.h"
#include "InfoReport.h"
#include "Playlist.h"
#include "ScreenPlacement.h"

namespace {
// Lines of InfoReport: the file name, 12 header lines, 6 tag lines, the validity.
constexpr int kFirstHeaderLine = 1;
constexpr int kFirstTagLine = 13;
constexpr int kValidLine = 19;

QFrame *framedBox(QWidget *parent)
{
    auto *box = new QFrame(parent);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    return box;
}
} // namespace

Mp3InfoWindow::Mp3InfoWindow(const Playlist &playlist, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2b"));
    setWindowTitle(QStringLiteral("MP3 File Information"));
    const InfoReport report(playlist.selectedPath());
    QStringList captions;
    for (const InfoReport::Line &line : report.lines())
        captions << line.caption;

    auto *top = new QGridLayout;
    addLine(top, 0, 0, captions.at(0));
    top->setColumnStretch(1, 1);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(buildHeaderBox(captions));
    boxes->addWidget(buildSide(captions), 1);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(boxes);

    showReport(report);
    m_values.at(0)->setText(FileNameCodec::display(playlist.name(playlist.selectedIndex())));
    layout->activate();
    ScreenPlacement::centre(this);
    CloseBoxSwitch::EnableCloseButton(this, false);
}

void Mp3InfoWindow::addLine(QGridLayout *grid, int row, int index, const QString &caption)
{
    auto *captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(QStringLiteral("Caption%1").arg(index));
    auto *value = new QLabel(this);
    value->setObjectName(QStringLiteral("Value%1").arg(index));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(0,0,128);"));
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(value, row, 1);
    if (m_values.size() <= index)
        m_values.resize(index + 1);
    m_values[index] = value;
}

QWidget *Mp3InfoWindow::buildHeaderBox(const QStringList &captions)
{
    QFrame *box = framedBox(this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    for (int index = kFirstHeaderLine; index < kFirstTagLine; ++index)
        addLine(grid, index - kFirstHeaderLine, index, captions.at(index));
    grid->setColumnMinimumWidth(1, 110);
    return box;
}

QWidget *Mp3InfoWindow::buildTagBox(const QStringList &captions)
{
    QFrame *box = framedBox(this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    for (int index = kFirstTagLine; index < kValidLine; ++index)
        addLine(grid, index - kFirstTagLine, index, captions.at(index));
    // Room for 30 characters, the longest tag text.
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QString(30, QLatin1Char('W'))) *
                                       3 / 4);
    return box;
}

QWidget *Mp3InfoWindow::buildSide(const QStringList &captions)
{
    auto *side = new QWidget(this);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildTagBox(captions));

    QFrame *validBox = framedBox(this);
    auto *grid = new QGridLayout(validBox);
    addLine(grid, 0, kValidLine, captions.at(kValidLine));
    grid->setColumnStretch(1, 1);
    column->addWidget(validBox);

    auto *note =
        new QLabel(QStringLiteral("This is improved feature of TAVRO MP3 Player. You can get "
                                  "the complete MP3 file information as well as ID3 Tags "
                                  "information."),
                   this);
    note->setObjectName(QStringLiteral("Label21"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: rgb(128,0,0);"));
    column->addWidget(note);
    column->addStretch(1);

    auto *close = new ChameleonButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setMinimumWidth(88);
    connect(close, &ChameleonButton::Click, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    column->addLayout(buttons);
    return side;
}

void Mp3InfoWindow::showReport(const InfoReport &report)
{
    const QList<InfoReport::Line> lines = report.lines();
    for (int index = 0; index < m_values.size() && index < lines.size(); ++index)
        m_values.at(index)->setText(FileNameCodec::display(lines.at(index).value));
}

#include "moc_Mp3InfoWindow.cpp"

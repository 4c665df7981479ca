#include "AboutWindow.h"

#include <iterator>

#include <QLabel>
#include <QVBoxLayout>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "FormBuilder.h"
#include "ScreenPlacement.h"

namespace {
constexpr int kTextWidth = 500; // pixels; the paragraphs wrap at this width

// Label1 to Label8: five paragraphs on what Tavro offers, then the author's heading (Label6),
// paragraph and contact line.
const char *const kTexts[] = {
    "TAVRO MP3 PLAYER, beta 1.6. You may use it and pass it on to others freely. If you come "
    "across an error, please report it, so that it can be mended.",
    "Play audio CDs, or turn their tracks into MP3 files with the CD-to-MP3 encoder. The "
    "encoder first rips a track into a temporary WAV file and deletes that file once the MP3 "
    "file is written.",
    "Cut a stretch out of an MP3 file or join two MP3 files into one with the cutter and "
    "merger, and record your own voice from the microphone as an MP3 file with the voice "
    "recorder.",
    "See the MPEG header and the ID3v1 tag of a file, save the play list as an M3U file, play "
    "faster or slower, and edit tags or rename files after them with the tags editor. Make the "
    "file association, and a double-click on an MP3 file in the file manager plays it here.",
    "The MP3 searcher looks through one drive at a time and adds every MP3 file it finds to the "
    "play list.",
    "  About The Author",
    "Tavro is written and looked after by the Tavro team, who hope it serves you well.",
    "Questions, ideas and error reports are welcome in the Tavro project's issue tracker.",
};
constexpr int kHeading = 5; // Label6
} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("About TAVRO MP3 PLAYER"));
    const FormBuilder build(*this);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (int i = 0; i < int(std::size(kTexts)); ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 1);
        QLabel *label = build.label(name.constData(), QLatin1String(kTexts[i]), {});
        label->setWordWrap(true);
        label->setFixedWidth(kTextWidth);
        if (i == kHeading) {
            layout->addSpacing(8);
            FormBuilder::setBold(label);
        }
        layout->addWidget(label);
    }

    ChameleonButton *close = build.button("Command3", QStringLiteral("Close"), {}, {});
    close->setFixedSize(90, 26);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &ChameleonButton::Click, this, &QWidget::close);

    layout->activate();
    ScreenPlacement::centre(this);
    CloseBoxSwitch::EnableCloseButton(this, false);
}

#include "moc_AboutWindow.cpp"

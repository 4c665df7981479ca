#include "CutMergeWindowControls.h"

#include <QLabel>
#include <QListWidget>
#include <QSlider>

#include "ChameleonButton.h"
#include "ProgressBar.h"

namespace {
// Pixels: two sections side by side at fixed places, like the other tool windows.
constexpr int kCutterLeft = 12;
constexpr int kMergerLeft = 424;
constexpr int kSectionWidth = 388;
constexpr int kValueLeft = 206;
constexpr int kButtonWidth = 72;

} // namespace

CutMergeWindowControls::CutMergeWindowControls(QWidget &form) : m_form(form)
{
    addHeading("lblCutterTitle", QStringLiteral("TAVRO  MP3  CUTTER"), "lblCutterText",
               QStringLiteral("This is a great feature of TAVRO MP3 Player. You can cut / split "
                              "an mp3 file to  any size  and save as a new named mp3 file. "),
               kCutterLeft);
    buildCutterFile();
    buildCutterButtons();
    buildCutterResults();
    addHeading("lblMergerTitle", QStringLiteral("TAVRO  MP3  MERGER"), "lblMergerText",
               QStringLiteral("This is an excellent feature of TAVRO MP3 Player. You can join any "
                              "two mp3 files very quickly. "),
               kMergerLeft);
    buildMerger();
    close = m_build.button("Command3", QStringLiteral("Close"),
                           QStringLiteral("Exit TAVRO MP3 CUTTER & MERGER"),
                           QRect(kMergerLeft + kSectionWidth - 88, 408, 88, 28));
}

void CutMergeWindowControls::addHeading(const char *titleName, const QString &title,
                                        const char *textName, const QString &text, int left)
{
    FormBuilder::setBold(m_build.label(titleName, title, QRect(left, 8, kSectionWidth, 26)), 13);
    QLabel *description = m_build.label(textName, text, QRect(left, 36, kSectionWidth, 40));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CutMergeWindowControls::buildCutterFile()
{
    fileList = new QListWidget(&m_form);
    fileList->setObjectName(QStringLiteral("List1"));
    fileList->setGeometry(kCutterLeft, 82, 186, 150);
    fileName = m_build.label("Label5", QString(), QRect(kValueLeft, 82, 194, 20));
    sizeCaption = m_build.label("Label10", QString(), QRect(kValueLeft, 104, 64, 20));
    size = m_build.label("Label2", QString(), QRect(kValueLeft + 64, 104, 100, 20));
    sizeUnit = m_build.label("Label11", QString(), QRect(kValueLeft + 164, 104, 30, 20));
    length = m_build.label("Label4", QString(), QRect(kValueLeft, 126, 194, 20));
    position = m_build.label("Label3", QString(), QRect(kValueLeft, 148, 194, 20));
    beginning = m_build.label("Label6", QString(), QRect(kValueLeft, 170, 194, 20));
    end = m_build.label("Label7", QString(), QRect(kValueLeft, 192, 194, 20));

    positionSlider = new QSlider(Qt::Horizontal, &m_form);
    positionSlider->setObjectName(QStringLiteral("Slider1"));
    positionSlider->setGeometry(kCutterLeft, 240, kSectionWidth, 24);
    positionSlider->setRange(0, 0); // no duration known yet
}

void CutMergeWindowControls::buildCutterButtons()
{
    const auto at = [](int column, int row) {
        return QRect(kCutterLeft + column * (kButtonWidth + 7), 272 + row * 34, kButtonWidth, 28);
    };
    open = m_build.button("Command1", QStringLiteral("Open"), QStringLiteral("Select File To Cut"),
                          at(0, 0));
    play = m_build.button("Command4", QStringLiteral("Play"), QStringLiteral("Play An MP3  File"),
                          at(1, 0));
    stop = m_build.button("Command5", QStringLiteral("Stop"), QStringLiteral("Stop Playing"),
                          at(2, 0));
    markBeginning = m_build.button("chameleonButton1", QStringLiteral("Start"),
                                   QStringLiteral("Press this for BEGINNING of file"), at(3, 0));
    markEnd = m_build.button("chameleonButton2", QStringLiteral("Finish"),
                             QStringLiteral("Press this for END of file"), at(4, 0));
    cut = m_build.button("Command2", QStringLiteral("Cut MP3"),
                         QStringLiteral("Save a new sized MP3 file"), at(0, 1));
    FormBuilder::markAction(cut);
    refresh =
        m_build.button("Command6", QStringLiteral("Refresh"), QStringLiteral("Refresh"), at(1, 1));
}

void CutMergeWindowControls::buildCutterResults()
{
    newLength = m_build.label("Label8", QString(), QRect(kCutterLeft, 346, kSectionWidth, 20));
    newName = m_build.label("Label9", QString(), QRect(kCutterLeft, 368, kSectionWidth, 20));
    newSizeCaption = m_build.label("Label12", QString(), QRect(kCutterLeft, 390, 72, 20));
    newSize = m_build.label("Label13", QString(), QRect(kCutterLeft + 72, 390, 100, 20));
    newSizeUnit = m_build.label("Label14", QString(), QRect(kCutterLeft + 172, 390, 30, 20));
    newPath = m_build.label("Label19", QString(), QRect(kCutterLeft, 412, kSectionWidth, 20));
}

void CutMergeWindowControls::buildMerger()
{
    const int nameLeft = kMergerLeft + 104;
    const int browseLeft = kMergerLeft + kSectionWidth - 88;
    m_build.label("lblOriginal", QStringLiteral("Original File :"),
                  QRect(kMergerLeft, 92, 100, 20));
    baseName =
        m_build.label("Label20", QString(), QRect(nameLeft, 92, browseLeft - nameLeft - 4, 20));
    browseBase = m_build.button("Command15_1", QStringLiteral("Browse"),
                                QStringLiteral("Select An MP3 File As Original"),
                                QRect(browseLeft, 88, 88, 28));
    m_build.label("lblAttachment", QStringLiteral("Attachment :"),
                  QRect(kMergerLeft, 128, 100, 20));
    attachmentName =
        m_build.label("Label18", QString(), QRect(nameLeft, 128, browseLeft - nameLeft - 4, 20));
    browseAttachment = m_build.button("Command15_0", QStringLiteral("Browse"),
                                      QStringLiteral("Select An MP3 File As Attachment"),
                                      QRect(browseLeft, 124, 88, 28));
    merge =
        m_build.button("C1", QStringLiteral("Merge MP3"),
                       QStringLiteral("Save A New Sized MP3 File"), QRect(browseLeft, 164, 88, 28));
    FormBuilder::markAction(merge);

    progress = new ProgressBar(&m_form);
    progress->setObjectName(QStringLiteral("Progress"));
    progress->setGeometry(kMergerLeft, 204, kSectionWidth, 16);
    progress->setMax(100);
    result = m_build.label("L3", QString(), QRect(kMergerLeft, 228, kSectionWidth, 40));
    result->setWordWrap(true);
    FormBuilder::setBold(result);
}

QList<QLabel *> CutMergeWindowControls::cutterValues() const
{
    return {fileName, sizeCaption, size,    sizeUnit,       length,  position,    beginning,
            end,      newLength,   newName, newSizeCaption, newSize, newSizeUnit, newPath};
}

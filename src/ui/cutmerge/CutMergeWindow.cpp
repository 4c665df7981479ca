#include "CutMergeWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSlider>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "FileDialog.h"
#include "FileNameCodec.h"
#include "GeneralDecimal.h"
#include "MediaComponent.h"
#include "MessageBox.h"
#include "Mp3Cutter.h"
#include "Mp3Merger.h"
#include "PlaybackTables.h"
#include "ProgressBar.h"
#include "RegularFile.h"
#include "ScreenPlacement.h"

namespace {
constexpr int kWidth = 824;
constexpr int kHeight = 448;

void refuse(const QString &prompt)
{
    MessageBox::instance().show(prompt, MessageBox::OkOnly,
                                QStringLiteral(" File Selection Error "));
}

QString megabytes(qint64 bytes) { return GeneralDecimal::of(double(bytes) / 1024 / 1024); }
} // namespace

CutMergeWindow::CutMergeWindow(MediaComponent &media, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(*this), m_media(media),
      m_filter(QStringLiteral("Mp3 File|*.mp3"))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("TAVRO  MP3  CUTTER  &  MERGER"));
    setFixedSize(kWidth, kHeight);
    ScreenPlacement::centre(this);
    CloseBoxSwitch::EnableCloseButton(this, false);
    m_tick.setInterval(1000);
    connectCutter();
    connectMerger();
    connect(m_ui.close, &ChameleonButton::Click, this, [this] {
        emit playerResetRequested();
        close();
    });
    connect(&m_run, &WorkerRun::finished, this, &CutMergeWindow::jobEnded);
}

CutMergeWindow::~CutMergeWindow() = default;

void CutMergeWindow::connectCutter()
{
    connect(m_ui.open, &ChameleonButton::Click, this, &CutMergeWindow::openClicked);
    connect(m_ui.fileList, &QListWidget::itemSelectionChanged, this, &CutMergeWindow::listClicked);
    // A click on the entry already selected shows it again too.
    connect(m_ui.fileList, &QListWidget::itemClicked, this, &CutMergeWindow::listClicked);
    connect(m_ui.play, &ChameleonButton::Click, this, &CutMergeWindow::playClicked);
    connect(m_ui.stop, &ChameleonButton::Click, this, [this] { m_media.stop(); });
    connect(m_ui.markBeginning, &ChameleonButton::Click, this, [this] { markClicked(true); });
    connect(m_ui.markEnd, &ChameleonButton::Click, this, [this] { markClicked(false); });
    connect(m_ui.cut, &ChameleonButton::Click, this, &CutMergeWindow::cutClicked);
    connect(m_ui.refresh, &ChameleonButton::Click, this, &CutMergeWindow::refreshClicked);
    connect(&m_tick, &QTimer::timeout, this, &CutMergeWindow::tick);
    connect(m_ui.positionSlider, &QSlider::valueChanged, this, [this](int value) {
        if (!m_settingSlider)
            m_media.setCurrentPosition(value);
    });
}

void CutMergeWindow::connectMerger()
{
    connect(m_ui.browseBase, &ChameleonButton::Click, this, [this] { browseClicked(1); });
    connect(m_ui.browseAttachment, &ChameleonButton::Click, this, [this] { browseClicked(0); });
    connect(m_ui.merge, &ChameleonButton::Click, this, &CutMergeWindow::mergeClicked);
}

void CutMergeWindow::showEvent(QShowEvent *event)
{
    // The window becomes active when it comes up in place of the main window; dialogs of its
    // own coming and going do not count.
    m_ui.progress->hide();
    QWidget::showEvent(event);
}

void CutMergeWindow::closeEvent(QCloseEvent *event)
{
    if (m_run.isRunning()) {
        m_closeWhenEnded = true;
        m_run.stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QString CutMergeWindow::askFile(bool save)
{
    FileDialog &dialog = FileDialog::instance();
    const QString name =
        save ? dialog.showSave(m_filter, m_dialogName) : dialog.showOpen(m_filter, m_dialogName);
    if (name.isEmpty() || name == QLatin1String(" "))
        return QString();
    m_dialogName = name;
    return name;
}

QString CutMergeWindow::currentPath() const
{
    const QList<QListWidgetItem *> selected = m_ui.fileList->selectedItems();
    return selected.isEmpty() ? m_lastOpened : m_paths.value(m_ui.fileList->row(selected.first()));
}

bool CutMergeWindow::hasCurrentFile() const { return !m_ui.fileName->text().isEmpty(); }

void CutMergeWindow::setSlider(int maximum, int value)
{
    m_settingSlider = true;
    m_ui.positionSlider->setMaximum(maximum);
    m_ui.positionSlider->setValue(value);
    m_settingSlider = false;
}

void CutMergeWindow::openClicked()
{
    const QString path = askFile(false);
    if (path.isEmpty())
        return;
    m_lastOpened = path;
    const QString name = FileNameCodec::display(QFileInfo(path).fileName());
    m_ui.fileName->setText(QStringLiteral("File Name : ") + name);
    m_ui.fileList->addItem(name);
    m_paths << path;
    m_ui.size->setText(megabytes(RegularFile::sizeOf(path)));
    m_ui.sizeCaption->setText(QStringLiteral("File Size : "));
    m_ui.sizeUnit->setText(QStringLiteral("MB"));
    for (QLabel *label : {m_ui.position, m_ui.length, m_ui.beginning, m_ui.end, m_ui.newLength,
                          m_ui.newName, m_ui.newSizeCaption, m_ui.newSize, m_ui.newSizeUnit})
        label->clear();
    m_tick.stop();
    m_dialogName.clear(); // so that a later cancelled dialog gives no name
}

void CutMergeWindow::listClicked()
{
    const QList<QListWidgetItem *> selected = m_ui.fileList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_ui.fileList->row(selected.first());
    m_ui.size->setText(megabytes(RegularFile::sizeOf(m_paths.value(row))));
    m_ui.fileName->setText(QStringLiteral("File Name:") + selected.first()->text());
}

void CutMergeWindow::playClicked()
{
    if (!hasCurrentFile()) {
        refuse(QStringLiteral("   Please select a song to play!"));
        return;
    }
    m_media.setFileName(currentPath());
    m_media.play();
    m_tick.start();
    setSlider(PlaybackTables::roundHalfEven(m_media.duration()), m_ui.positionSlider->value());
}

void CutMergeWindow::tick()
{
    const double duration = m_media.duration();
    const double position = m_media.currentPosition();
    setSlider(PlaybackTables::roundHalfEven(duration), PlaybackTables::roundHalfEven(position));
    m_ui.length->setText(QStringLiteral("File Length :  ") + GeneralDecimal::of(duration) +
                         QStringLiteral(" Sec"));
    m_ui.position->setText(QStringLiteral("File Position :  ") + GeneralDecimal::of(position) +
                           QStringLiteral(" Sec"));
}

void CutMergeWindow::markClicked(bool beginning)
{
    if (!hasCurrentFile()) {
        refuse(QStringLiteral("  There is no file to cut. Please select a song to play and cut!"));
        return;
    }
    // The label shows the exact position; the mark is the whole second of the last tick.
    const QString position = GeneralDecimal::of(m_media.currentPosition()) + QStringLiteral("Sec");
    if (beginning) {
        m_ui.beginning->setText(QStringLiteral("Beginning Of File : ") + position);
        m_beginMark = m_ui.positionSlider->value();
    } else {
        m_ui.end->setText(QStringLiteral("End Of File : ") + position);
        m_endMark = m_ui.positionSlider->value();
    }
}

void CutMergeWindow::cutClicked()
{
    if (m_run.isRunning())
        return;
    if (!hasCurrentFile())
        return refuse(QStringLiteral("   Please select a song to play and Cut!"));
    if (m_beginMark >= m_endMark)
        return refuse(QStringLiteral("   End Of File must be greater than Beginning Of File!"));
    if (m_ui.beginning->text().isEmpty() && m_ui.sizeUnit->text() == QLatin1String("MB"))
        return refuse(QStringLiteral("   There is no Beginning or End Of File Selection!"));
    const qint32 duration = m_ui.positionSlider->maximum();
    if (duration <= 0) // no byte rate without a length
        return refuse(QStringLiteral("   The length of this file is not known. Please play it "
                                     "first!"));
    const QString input = currentPath();
    if (!RegularFile::exists(input))
        return;
    const Mp3Cutter::Span span =
        Mp3Cutter::span(RegularFile::sizeOf(input), duration, m_beginMark, m_endMark);
    const QString output = askFile(true);
    if (output.isEmpty())
        return;
    m_cutter = std::make_unique<Mp3Cutter>();
    startJob([cutter = m_cutter.get(), input, span,
              output] { return cutter->cut(input, span, output, true); },
             [cutter = m_cutter.get()] { cutter->cancel(); },
             [this, output, newLength = m_endMark - m_beginMark] { showCut(output, newLength); });
}

void CutMergeWindow::showCut(const QString &output, qint32 newLength)
{
    m_ui.newLength->setText(QStringLiteral("New Length : ") + QString::number(newLength) +
                            QStringLiteral(" Sec"));
    m_ui.newName->setText(QStringLiteral("New Name : ") +
                          FileNameCodec::display(QFileInfo(output).fileName()));
    m_ui.newSizeCaption->setText(QStringLiteral("New Size :  "));
    m_ui.newSize->setText(megabytes(RegularFile::sizeOf(output)));
    m_ui.newSizeUnit->setText(QStringLiteral("MB"));
    m_ui.newPath->setText(QStringLiteral("New Path : ") + FileNameCodec::display(output));
}

void CutMergeWindow::refreshClicked()
{
    m_media.stop();
    for (QLabel *label : m_ui.cutterValues())
        label->clear();
    m_ui.fileList->clear();
    m_paths.clear();
    m_tick.stop();
}

void CutMergeWindow::browseClicked(int index)
{
    m_filter = QStringLiteral("MP3 Files (*.mp3)|*.mp3");
    const QString path = askFile(false);
    if (path.isEmpty())
        return;
    (index == 1 ? m_basePath : m_attachmentPath) = path;
    (index == 1 ? m_ui.baseName : m_ui.attachmentName)
        ->setText(FileNameCodec::display(QFileInfo(path).fileName()));
}

void CutMergeWindow::mergeClicked()
{
    if (m_run.isRunning())
        return;
    m_ui.progress->show();
    m_ui.progress->setValue(0);
    if (m_basePath.isEmpty())
        return refuse(QStringLiteral("   Please specify original mp3 file name!   "));
    if (m_attachmentPath.isEmpty())
        return refuse(QStringLiteral("   Please specify attachment file name!   "));
    m_filter = QStringLiteral("MP3 Files (*.mp3)|*.mp3");
    const QString output = askFile(true);
    if (output.isEmpty())
        return;
    m_ui.result->clear(); // an earlier merge's result must not stand for this one
    m_merger = std::make_unique<Mp3Merger>();
    connect(m_merger.get(), &Mp3Merger::progress, this,
            [this](int value) { m_ui.progress->setValue(float(value)); });
    startJob([merger = m_merger.get(), base = m_basePath, attachment = m_attachmentPath,
              output] { return merger->merge(base, attachment, output, true); },
             [merger = m_merger.get()] { merger->cancel(); },
             [this] {
                 m_ui.result->setText(QStringLiteral("Result : File has been attached at the end "
                                                     "of original file successfully !"));
             });
}

void CutMergeWindow::startJob(std::function<bool()> job, std::function<void()> stop,
                              std::function<void()> whenDone)
{
    m_whenDone = std::move(whenDone);
    m_run.start([this, job = std::move(job)] { m_jobSucceeded = job(); }, std::move(stop));
}

void CutMergeWindow::jobEnded()
{
    if (m_jobSucceeded)
        m_whenDone();
    m_whenDone = nullptr;
    m_cutter.reset();
    m_merger.reset();
    if (m_closeWhenEnded)
        close();
}

#include "moc_CutMergeWindow.cpp"

#include "Mp3SearchWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FileNameCodec.h"
#include "FormBuilder.h"
#include "OleColor.h"
#include "Playlist.h"
#include "ScreenPlacement.h"

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 430;
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kRed = 0x0000FF;
} // namespace

Mp3SearchWindow::Mp3SearchWindow(Playlist &playlist, QWidget *parent)
    : QWidget(parent, Qt::Window), m_playlist(playlist)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("TAVRO MP3 SEARCHER"));
    setFixedSize(kWidth, kHeight);
    buildLists();
    buildStatus();
    ScreenPlacement::centre(this);
    CloseBoxSwitch::EnableCloseButton(this, false);
    m_drive1->setDrive(QDir::currentPath());
    m_dir1->setPath(m_drive1->Drive()); // the file list follows
    m_status->setText(QStringLiteral(" Not Started!"));
}

void Mp3SearchWindow::buildLists()
{
    m_drive1 = new DriveListBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(8, 8, 210, 24);
    m_dir1 = new DirListBox(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(8, 36, 210, 178);
    m_file1 = new FileListBox(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setGeometry(8, 218, 210, 124);
    connect(m_drive1, &DriveListBox::Change, this, [this] { m_dir1->setPath(m_drive1->Drive()); });
    connect(m_dir1, &DirListBox::Change, this, [this] { m_file1->setPath(m_dir1->Path()); });

    m_lv1 = new QTreeWidget(this);
    m_lv1->setObjectName(QStringLiteral("lv1"));
    m_lv1->setGeometry(226, 8, 406, 334);
    m_lv1->setRootIsDecorated(false);
    m_lv1->setUniformRowHeights(true);
    m_lv1->setAlternatingRowColors(true);
    m_lv1->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("File Path"),
                            QStringLiteral("File Size"), QStringLiteral("Duration")});
    const int widths[] = {140, 140, 64, 56};
    for (int column = 0; column < 4; ++column)
        m_lv1->header()->resizeSection(column, widths[column]);
}

void Mp3SearchWindow::buildStatus()
{
    const FormBuilder build(*this);
    build.label("Label1", QStringLiteral("Process Status :"), QRect(8, 352, 118, 20));
    m_status = build.label("Label2", QString(), QRect(128, 352, 260, 20));
    build.label("Label3", QStringLiteral("Directories Found :"), QRect(8, 376, 118, 20));
    m_directories = build.label("Label4", QStringLiteral("0"), QRect(128, 376, 100, 20));
    build.label("Label5", QStringLiteral("Files Found :"), QRect(8, 400, 118, 20));
    m_files = build.label("Label6", QStringLiteral("0"), QRect(128, 400, 100, 20));
    for (QLabel *value : {m_status, m_directories, m_files}) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }

    m_search = new ChameleonButton(QStringLiteral("Search"), this);
    m_search->setObjectName(QStringLiteral("chameleonButton1"));
    m_search->setToolTip(QStringLiteral("Start Searching Process !"));
    m_search->setGeometry(448, 392, 88, 28);
    FormBuilder::markAction(m_search);
    m_close = new ChameleonButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("chameleonButton2"));
    m_close->setToolTip(QStringLiteral("Exit TAVRO MP3 SEARCHER"));
    m_close->setGeometry(544, 392, 88, 28);
    connect(m_search, &ChameleonButton::Click, this, &Mp3SearchWindow::Search);
    connect(m_close, &ChameleonButton::Click, this, &QWidget::close);
    connect(&m_run, &WorkerRun::finished, this, &Mp3SearchWindow::searchEnded);
}

void Mp3SearchWindow::setStatus(const QString &text, quint32 color)
{
    m_status->setText(text);
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText, OleColor::toColor(color, palette));
    m_status->setPalette(palette);
}

void Mp3SearchWindow::Search()
{
    if (m_run.isRunning())
        return;
    if (m_playlist.count() > 1)
        m_playlist.appendNamed(QString(), QStringLiteral(" NEXT DIRECTORY"));
    m_close->setEnabled(false);
    m_search->setEnabled(false);
    setStatus(QStringLiteral(" Running ..... Please Wait!"), kBlue);
    m_lv1->clear();
    m_directories->setText(QStringLiteral("0"));
    m_files->setText(QStringLiteral("0"));

    m_foldersEntered = 0;
    m_walk = std::make_unique<Mp3Search>();
    Mp3Search *walk = m_walk.get();
    connect(walk, &Mp3Search::folderEntered, this,
            [this] { m_directories->setText(QString::number(++m_foldersEntered)); });
    connect(walk, &Mp3Search::fileFound, this, [this](const Mp3Search::Row &row) {
        m_playlist.appendNamed(row.path, row.name);
        addRow(row);
        m_files->setText(QString::number(m_lv1->topLevelItemCount()));
    });
    m_run.start([walk, folder = m_dir1->Path()] { walk->run(folder); }, [walk] { walk->cancel(); });
}

void Mp3SearchWindow::searchEnded()
{
    m_walk.reset();
    m_dir1->setPath(m_drive1->Drive());
    setStatus(QStringLiteral(" Completed!"), kRed);
    m_close->setEnabled(true);
    m_search->setEnabled(true);
    if (m_closeWhenEnded)
        close();
}

void Mp3SearchWindow::closeEvent(QCloseEvent *event)
{
    if (m_run.isRunning()) {
        m_closeWhenEnded = true;
        m_run.stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Mp3SearchWindow::addRow(const Mp3Search::Row &row)
{
    auto *item = new QTreeWidgetItem(m_lv1, {FileNameCodec::display(row.name),
                                             FileNameCodec::display(row.folder), row.sizeText,
                                             row.durationText});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
}

#include "moc_Mp3SearchWindow.cpp"

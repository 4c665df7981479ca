#include "TagEditorPage.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "AppMessage.h"
#include "ChameleonButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FolderListing.h"
#include "TagLists.h"
#include "TagSheet.h"
#include "WorkingFolderBox.h"

namespace {
const char *const kCaptions[TagSheet::kFieldCount] = {
    "Title :", "Artist :", "Album :", "Year :", "Comments :", "Genre :"};
// Field widths of the tag: longer texts would be cut when written.
constexpr int kWidths[TagSheet::kFieldCount] = {30, 30, 30, 4, 30, 20};
constexpr int kYearBox = 3;
constexpr int kGenreBox = 5;
constexpr int kInfoLines = 9;
} // namespace

TagEditorPage::TagEditorPage(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildFolderColumn());
    layout->addWidget(buildTagColumn(), 1);
    setFolder(QDir::currentPath());
}

QWidget *TagEditorPage::buildFolderColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(240);
    m_folder = new WorkingFolderBox(0, column);
    connect(m_folder, &WorkingFolderBox::changeRequested, this,
            &TagEditorPage::changeDirectoryRequested);
    m_drive1 = new DriveListBox(column);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_dir1 = new DirListBox(column);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_fileList = new FileListBox(column);
    m_fileList->setObjectName(QStringLiteral("FileList_0"));
    m_fileList->setPattern(QStringLiteral("*.mp3"));
    // A drive or folder that cannot be read leaves the lists as they were.
    connect(m_drive1, &DriveListBox::Change, this, [this] { m_dir1->setPath(m_drive1->Drive()); });
    connect(m_dir1, &DirListBox::Change, this, &TagEditorPage::followFolder);
    // A click reads the file again even when it is the one shown: it may have changed on disk.
    const auto showItem = [this](const QListWidgetItem *item) {
        if (item)
            GetMP3Info(FolderListing::join(m_fileList->Path(), item->text()));
    };
    connect(m_fileList, &QListWidget::currentItemChanged, this, showItem);
    connect(m_fileList, &QListWidget::itemClicked, this, showItem);

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_folder);
    layout->addWidget(m_drive1);
    layout->addWidget(m_dir1, 3);
    layout->addWidget(m_fileList, 4);
    return column;
}

QWidget *TagEditorPage::buildTagColumn()
{
    auto *column = new QWidget(this);
    auto *update = new ChameleonButton(QStringLiteral("Update"), column);
    update->setObjectName(QStringLiteral("cmdUpdate"));
    update->setToolTip(QStringLiteral("Edit The Tags"));
    auto *changeId3 = new ChameleonButton(QStringLiteral("Change ID3"), column);
    changeId3->setObjectName(QStringLiteral("cmd_1"));
    for (ChameleonButton *button : {update, changeId3}) {
        button->setMinimumWidth(96);
        connect(button, &ChameleonButton::Click, this, &TagEditorPage::writeid3);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(update);
    buttons->addWidget(changeId3);

    auto *infoCaption = new QLabel(QStringLiteral("MP3 INFO :"), column);
    infoCaption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    const QString noteText =
        QStringLiteral("IMPORTANT : For editing tags , Select non playing      "
                       "                 file otherwise update is not possible.");
    auto *note = new QLabel(noteText, column);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    // The run of blanks breaks the line after its first part.
    const QString firstLine = noteText.left(noteText.indexOf(QStringLiteral("  ")));
    note->setFixedWidth(note->fontMetrics().horizontalAdvance(firstLine) + 24);
    note->setStyleSheet(QStringLiteral("color: rgb(160,0,0);"));

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildTagFields());
    layout->addLayout(buttons);
    layout->addSpacing(6);
    layout->addWidget(infoCaption);
    layout->addWidget(buildInfoBox());
    layout->addWidget(note);
    layout->addStretch(1);
    return column;
}

QWidget *TagEditorPage::buildTagFields()
{
    auto *fields = new QWidget(this);
    auto *grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < TagSheet::kFieldCount; ++i) {
        auto *box = new QLineEdit(fields);
        box->setObjectName(QStringLiteral("txt1_%1").arg(i));
        box->setMaxLength(kWidths[i]);
        m_txt1.append(box);
        grid->addWidget(new QLabel(QLatin1String(kCaptions[i]), fields), i, 0);
        const bool hasChoices = i == kYearBox || i == kGenreBox;
        grid->addWidget(box, i, 1, 1, hasChoices ? 1 : 2);
    }
    grid->addWidget(addChoiceList(0, TagLists::YearList()), kYearBox, 2);
    grid->addWidget(addChoiceList(1, TagLists::GenreList()), kGenreBox, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return fields;
}

QComboBox *TagEditorPage::addChoiceList(int index, const QString &list)
{
    // Shows any text ("Unknown" for a value it does not hold) but offers only its entries.
    auto *choices = new QComboBox(this);
    choices->setObjectName(QStringLiteral("cmb_%1").arg(index));
    choices->setEditable(true);
    choices->lineEdit()->setReadOnly(true);
    choices->setInsertPolicy(QComboBox::NoInsert);
    choices->addItems(list.split(QLatin1Char('|')));
    choices->setMaxVisibleItems(16);
    QLineEdit *box = m_txt1.at(index == 0 ? kYearBox : kGenreBox);
    connect(choices, &QComboBox::activated, this,
            [box, choices](int row) { box->setText(choices->itemText(row)); });
    m_cmb.append(choices);
    return choices;
}

QWidget *TagEditorPage::buildInfoBox()
{
    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    const int rows = (kInfoLines + 1) / 2;
    for (int i = 0; i < kInfoLines; ++i) {
        auto *line = new QLabel(box);
        line->setObjectName(QStringLiteral("lbl1_%1").arg(i));
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(line, i % rows, i / rows);
        m_lbl1.append(line);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void TagEditorPage::setFolder(const QString &folder)
{
    {
        const QSignalBlocker dirQuiet(m_dir1);
        m_dir1->setPath(folder);
    }
    followFolder();
}

void TagEditorPage::followFolder()
{
    {
        const QSignalBlocker driveQuiet(m_drive1);
        m_drive1->setDrive(m_dir1->Path());
    }
    m_fileList->setPath(m_dir1->Path());
    m_folder->setFolder(m_dir1->Path());
}

void TagEditorPage::GetMP3Info(const QString &path)
{
    m_record = Mp3FileRecord();
    m_record.setFullName(path);
    m_record.ReadMP3Info();
    const QStringList fields = TagSheet::fields(m_record);
    for (int i = 0; i < TagSheet::kFieldCount; ++i)
        m_txt1.at(i)->setText(fields.at(i));
    showChoice(m_cmb.at(1), fields.at(kGenreBox));
    showChoice(m_cmb.at(0), fields.at(kYearBox));
    const QStringList lines = TagSheet::infoLines(m_record);
    for (int i = 0; i < kInfoLines; ++i)
        m_lbl1.at(i)->setText(lines.at(i));
}

void TagEditorPage::showChoice(QComboBox *choices, const QString &value)
{
    QStringList entries;
    for (int row = 0; row < choices->count(); ++row)
        entries << choices->itemText(row);
    const QString text = TagSheet::choiceText(entries, value, choices->currentText());
    const int row = choices->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row >= 0)
        choices->setCurrentIndex(row);
    choices->setEditText(text);
}

void TagEditorPage::writeid3()
{
    if (m_record.FullName().isEmpty()) {
        AppMessage::show(QStringLiteral("Sorry, no file selected!"));
        return;
    }
    QStringList fields;
    for (const QLineEdit *box : m_txt1)
        fields << box->text();
    if (!TagSheet::write(m_record, fields))
        AppMessage::show(QStringLiteral("The tag could not be written to ") + m_record.FullName());
}

#include "moc_TagEditorPage.cpp"

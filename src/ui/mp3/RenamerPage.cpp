#include "RenamerPage.h"

#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "AppMessage.h"
#include "ChameleonButton.h"
#include "FileListBox.h"
#include "RenameChoices.h"
#include "WorkingFolderBox.h"

RenamerPage::RenamerPage(QWidget *parent) : QWidget(parent)
{
    m_lv = new QListWidget(this);
    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setAlternatingRowColors(true);
    m_lv->setWordWrap(false);

    // The log spans the page: its lines hold two full paths.
    auto *top = new QHBoxLayout;
    top->addWidget(buildFolderColumn());
    top->addWidget(buildChoices(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addWidget(m_lv, 2);
    setFolder(QDir::currentPath());
    enableRenaming();
}

QWidget *RenamerPage::buildFolderColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(240);
    m_folder = new WorkingFolderBox(2, column);
    connect(m_folder, &WorkingFolderBox::changeRequested, this,
            &RenamerPage::changeDirectoryRequested);
    // Only MP3 files: every new name ends in ".mp3".
    m_fileList = new FileListBox(column);
    m_fileList->setObjectName(QStringLiteral("FileList_1"));
    m_fileList->setPattern(QStringLiteral("*.mp3"));
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_folder);
    layout->addWidget(m_fileList, 1);
    return column;
}

QWidget *RenamerPage::buildChoices()
{
    auto *choices = new QWidget(this);
    auto *arrangementBox = new QGroupBox(choices);
    m_arrangements = addChoiceGroup(arrangementBox, RenameChoices::arrangements(), "optArrange_%1");
    auto *separatorBox = new QGroupBox(choices);
    m_separators = addChoiceGroup(separatorBox, RenameChoices::separators(), "optSeparator_%1");
    m_attachTime = new QCheckBox(QStringLiteral("Attach Time(00:00)"), separatorBox);
    m_attachTime->setObjectName(QStringLiteral("chkTime"));
    auto *separatorLayout = static_cast<QVBoxLayout *>(separatorBox->layout());
    separatorLayout->addWidget(m_attachTime);
    separatorLayout->addStretch(1);
    static_cast<QVBoxLayout *>(arrangementBox->layout())->addStretch(1);

    m_renameSelected = new ChameleonButton(QStringLiteral("RENAME SELECTED"), choices);
    m_renameSelected->setObjectName(QStringLiteral("cmd_3"));
    m_renameAll = new ChameleonButton(QStringLiteral("RENAME ALL"), choices);
    m_renameAll->setObjectName(QStringLiteral("cmd_4"));
    m_preview = new ChameleonButton(QStringLiteral("PREVIEW"), choices);
    m_preview->setObjectName(QStringLiteral("cmdPreview"));
    m_undo = new ChameleonButton(QStringLiteral("UNDO LAST RENAME"), choices);
    m_undo->setObjectName(QStringLiteral("cmdUndo"));
    connect(m_renameSelected, &ChameleonButton::Click, this, &RenamerPage::renameSelected);
    connect(m_renameAll, &ChameleonButton::Click, this, &RenamerPage::renameAll);
    connect(m_preview, &ChameleonButton::Click, this, &RenamerPage::preview);
    connect(m_undo, &ChameleonButton::Click, this, &RenamerPage::undoLastRename);
    connect(&m_run, &WorkerRun::finished, this, &RenamerPage::runEnded);
    m_separators->button(0)->setChecked(true);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_renameSelected);
    buttons->addWidget(m_renameAll);
    buttons->addWidget(m_preview);
    buttons->addWidget(m_undo);
    auto *layout = new QHBoxLayout(choices);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(arrangementBox);
    layout->addWidget(separatorBox);
    layout->addLayout(buttons);
    return choices;
}

QButtonGroup *RenamerPage::addChoiceGroup(QWidget *box, const QStringList &captions,
                                          const char *name)
{
    auto *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (int id = 0; id < captions.size(); ++id) {
        auto *option = new QRadioButton(captions.at(id), box);
        option->setObjectName(QString::fromLatin1(name).arg(id));
        group->addButton(option, id);
        layout->addWidget(option);
    }
    connect(group, &QButtonGroup::idToggled, this, &RenamerPage::enableRenaming);
    return group;
}

QString RenamerPage::pattern() const
{
    return RenameChoices::pattern(m_arrangements->checkedId(), m_separators->checkedId());
}

void RenamerPage::enableRenaming()
{
    const bool ready = !pattern().isEmpty() && !m_renamer;
    m_renameSelected->setEnabled(ready);
    m_renameAll->setEnabled(ready);
    m_preview->setEnabled(ready);
    m_undo->setEnabled(!m_renamer);
}

void RenamerPage::setFolder(const QString &folder)
{
    m_fileList->setPath(folder);
    m_folder->setFolder(folder);
}

void RenamerPage::renameSelected()
{
    const QListWidgetItem *item = m_fileList->currentItem();
    if (item && item->isSelected()) {
        startRename({item->text()}, false);
        return;
    }
    AppMessage::show(QStringLiteral("Sorry, no file selected!"));
    m_fileList->setPath(m_fileList->Path());
}

void RenamerPage::renameAll() { renameListed(false); }

void RenamerPage::preview() { renameListed(true); }

void RenamerPage::undoLastRename()
{
    startRun([](TagRenamer &renamer) { renamer.undoLast(); });
}

void RenamerPage::renameListed(bool previewOnly)
{
    if (m_fileList->count() == 0) {
        AppMessage::show(QStringLiteral("Sorry, no files listed!"));
        return;
    }
    QStringList names;
    for (int row = 0; row < m_fileList->count(); ++row)
        names << m_fileList->item(row)->text();
    startRename(names, previewOnly);
}

void RenamerPage::startRename(const QStringList &names, bool previewOnly)
{
    startRun([folder = m_fileList->Path(), names, pattern = pattern(),
              attachTime = m_attachTime->isChecked(), previewOnly](TagRenamer &renamer) {
        renamer.renameAll(folder, names, pattern, attachTime, previewOnly);
    });
}

void RenamerPage::stopRenaming() { m_run.stop(); }

void RenamerPage::startRun(const std::function<void(TagRenamer &)> &work)
{
    if (m_renamer)
        return;
    m_renamer = std::make_unique<TagRenamer>(&m_journal);
    TagRenamer *renamer = m_renamer.get();
    connect(renamer, &TagRenamer::renamed, this, &RenamerPage::report);
    m_run.start([renamer, work] { work(*renamer); }, [renamer] { renamer->cancel(); });
    enableRenaming();
}

void RenamerPage::report(const TagRenamer::Result &result)
{
    m_waiting.append(result);
    if (m_reporting)
        return;
    m_reporting = true;
    while (!m_waiting.isEmpty()) {
        const TagRenamer::Result next = m_waiting.takeFirst();
        for (const QString &notice : next.notices)
            AppMessage::show(notice);
        log(next.logLine(), next.renamed() || next.outcome == TagRenamer::Outcome::WouldRename);
    }
    m_reporting = false;
    if (std::exchange(m_endWaiting, false))
        runEnded();
}

void RenamerPage::runEnded()
{
    if (m_reporting) {
        m_endWaiting = true;
        return;
    }
    m_renamer.reset();
    m_fileList->setPath(m_fileList->Path());
    enableRenaming();
}

void RenamerPage::log(const QString &line, bool renamed)
{
    auto *entry = new QListWidgetItem(line, m_lv);
    entry->setToolTip(line);
    if (!renamed)
        entry->setForeground(QColor(160, 0, 0));
    m_lv->scrollToItem(entry);
}

#include "moc_RenamerPage.cpp"

#include "TagEditorWindow.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "FolderPickerDialog.h"
#include "RenamerPage.h"
#include "TagEditorPage.h"

namespace {
constexpr int kId3Page = 1;
constexpr int kRenamerPage = 0;
} // namespace

TagEditorWindow::TagEditorWindow(QWidget *mainWindow) : QWidget(mainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("Form1A"));
    setWindowTitle(QStringLiteral("TAVRO MP3 Tags Editor"));
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    m_id3 = new TagEditorPage(tabs);
    m_renamer = new RenamerPage(tabs);
    tabs->addTab(m_id3, QStringLiteral("ID3"));
    tabs->addTab(m_renamer, QStringLiteral("RENAMER"));
    connect(m_id3, &TagEditorPage::changeDirectoryRequested, this,
            [this] { changeDirectory(kId3Page); });
    connect(m_renamer, &RenamerPage::changeDirectoryRequested, this,
            [this] { changeDirectory(kRenamerPage); });

    auto *close = new ChameleonButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setToolTip(QStringLiteral("Exit The Tags Editor"));
    close->setMinimumWidth(88);
    connect(close, &ChameleonButton::Click, this, [this] {
        m_renamer->stopRenaming();
        if (parentWidget())
            parentWidget()->show();
        hide();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    resize(720, 500);
    CloseBoxSwitch::EnableCloseButton(this, false);
}

void TagEditorWindow::showFor(QWidget *mainWindow)
{
    auto *editor = mainWindow->findChild<TagEditorWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!editor)
        editor = new TagEditorWindow(mainWindow);
    mainWindow->hide();
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void TagEditorWindow::changeDirectory(int page)
{
    auto *folders = new FolderPickerDialog(this);
    connect(folders, &FolderPickerDialog::FolderChosen, this, [this, page](const QString &folder) {
        if (page == kId3Page)
            m_id3->setFolder(folder);
        else
            m_renamer->setFolder(folder);
    });
    folders->show();
}

#include "moc_TagEditorWindow.cpp"

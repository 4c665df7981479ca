#include "DirTree.h"

#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DriveIcons.h"
#include "FileNameCodec.h"
#include "FolderListing.h"

namespace {
constexpr int kPathRole = Qt::UserRole;

QString folderOf(const QTreeWidgetItem *item) { return item->data(0, kPathRole).toString(); }

// "folder", and "open" while selected.
QIcon folderIcon()
{
    QIcon icon = DriveIcons::icon(QStringLiteral("folder"));
    icon.addPixmap(DriveIcons::icon(QStringLiteral("open")).pixmap(16), QIcon::Selected);
    return icon;
}
} // namespace

DirTree::DirTree(QWidget *parent, MountTable mounts) : QWidget(parent), m_mounts(std::move(mounts))
{
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("DirTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { pick(item); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, &DirTree::expand);
    GoList();
}

void DirTree::GoList()
{
    m_tree->clear();
    for (const MountedVolume &volume : m_mounts.volumes()) {
        auto *node = new QTreeWidgetItem(m_tree, {MountTable::nodeText(volume)});
        node->setIcon(0, DriveIcons::icon(MountTable::imageKey(volume.type)));
        node->setData(0, kPathRole, volume.mountPoint);
        if (volume.type != DriveType::Removable)
            addFolders(node);
    }
}

void DirTree::addFolders(QTreeWidgetItem *parent)
{
    FolderListing listing;
    if (!listing.read(folderOf(parent)))
        return;
    const QIcon icon = folderIcon();
    for (const FolderListing::Entry &entry : listing.folders()) {
        auto *node = new QTreeWidgetItem(parent, {FileNameCodec::display(entry.name)});
        node->setIcon(0, icon);
        node->setData(0, kPathRole, FolderListing::join(folderOf(parent), entry.name));
    }
}

void DirTree::pick(QTreeWidgetItem *item)
{
    if (item->childCount() == 0)
        addFolders(item);
    m_path = folderOf(item);
    if (!m_path.endsWith(QLatin1Char('/')))
        m_path += QLatin1Char('/');
    emit PathChanged();
}

void DirTree::expand(QTreeWidgetItem *item)
{
    // One level further, so that the children show whether they can be expanded.
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->childCount() == 0)
            addFolders(item->child(i));
    m_tree->setCurrentItem(item);
}

bool DirTree::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F5) {
        GoList();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

#include "moc_DirTree.cpp"

#include "DirListBox.h"

#include "DriveIcons.h"
#include "FileEntry.h"
#include "FileNameCodec.h"
#include "FolderListing.h"

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kIndent = 2; // blanks per level
} // namespace

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(kPathRole).toString()); });
}

void DirListBox::addEntry(const QString &text, const QString &path, int depth, bool open)
{
    auto *item = new QListWidgetItem(
        QString(depth * kIndent, QLatin1Char(' ')) + FileNameCodec::display(text), this);
    item->setIcon(DriveIcons::icon(open ? QStringLiteral("open") : QStringLiteral("folder")));
    item->setData(kPathRole, path);
}

void DirListBox::setPath(const QString &path)
{
    const QString folder = FileEntry::absolute(path);
    if (FileEntry::kind(folder) != FileEntry::Kind::Folder)
        return;
    const bool changed = folder != m_path;
    m_path = folder;
    clear();
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    addEntry(QStringLiteral("/"), QStringLiteral("/"), 0, true);
    QString ancestor;
    for (int i = 0; i < parts.size(); ++i) {
        ancestor += QLatin1Char('/') + parts.at(i);
        addEntry(parts.at(i), ancestor, i + 1, true);
    }
    setCurrentRow(count() - 1);
    FolderListing listing;
    listing.read(folder);
    for (const FolderListing::Entry &entry : listing.folders())
        addEntry(entry.name, FolderListing::join(folder, entry.name), int(parts.size()) + 1, false);
    if (changed)
        emit Change();
}

#include "moc_DirListBox.cpp"

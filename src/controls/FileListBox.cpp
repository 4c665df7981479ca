#include "FileListBox.h"

#include "FolderListing.h"

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setPattern(QStringLiteral("*"));
}

void FileListBox::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_wildcards.clear();
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        m_wildcards.append(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(part.trimmed()),
                               QRegularExpression::CaseInsensitiveOption));
    refresh();
}

bool FileListBox::matches(const QString &name) const
{
    for (const QRegularExpression &wildcard : m_wildcards)
        if (wildcard.match(name).hasMatch())
            return true;
    return false;
}

void FileListBox::refresh()
{
    clear();
    FolderListing listing;
    if (m_path.isEmpty() || !listing.read(m_path))
        return;
    for (const FolderListing::Entry &entry : listing.files())
        if (matches(entry.name))
            addItem(entry.name);
}

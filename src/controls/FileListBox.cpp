#include "FileListBox.h"

#include <QStyledItemDelegate>

#include "FileNameCodec.h"
#include "FolderListing.h"

namespace {
// Items hold the names' own bytes, which the pages join into paths; only the screen sees a byte
// that is not UTF-8 as U+FFFD.
class FileNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return FileNameCodec::display(value.toString());
    }
};
} // namespace

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setItemDelegate(new FileNameDelegate(this));
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
    // A regular expression matches nothing in text with a lone surrogate: the shown form has none.
    const QString shown = FileNameCodec::display(name);
    for (const QRegularExpression &wildcard : m_wildcards)
        if (wildcard.match(shown).hasMatch())
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

#include "moc_FileListBox.cpp"

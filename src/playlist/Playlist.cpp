#include "Playlist.h"

#include "DisplayName.h"

void Playlist::setSelectedIndex(int index)
{
    const int selected = index >= 0 && index < count() ? index : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    emit selectionChanged(m_selected);
}

void Playlist::append(const QString &path) { appendAll({path}); }

void Playlist::appendAll(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const int first = count();
    for (const QString &path : paths) {
        m_paths.append(path);
        m_names.append(DisplayName::of(path));
    }
    emit entriesAppended(first);
}

void Playlist::appendNamed(const QString &path, const QString &name)
{
    m_paths.append(path);
    m_names.append(name);
    emit entriesAppended(count() - 1);
}

void Playlist::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    m_paths.removeAt(index);
    m_names.removeAt(index);
    emit entriesReset();
    m_selected = -1;
    emit selectionChanged(m_selected);
}

void Playlist::clear()
{
    m_paths.clear();
    m_names.clear();
    emit entriesReset();
    setSelectedIndex(-1);
}

#include "moc_Playlist.cpp"

#pragma once

#include <QObject>
#include <QStringList>

// The play list: the full paths and, at the same indexes, the names the window lists, with one
// selection shared by both. Every change keeps the two lists the same length.
class Playlist : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int count() const { return int(m_paths.size()); }
    bool isEmpty() const { return m_paths.isEmpty(); }
    const QStringList &paths() const { return m_paths; }
    const QStringList &names() const { return m_names; }
    QString name(int index) const { return m_names.value(index); }

    // -1 when nothing is selected.
    int selectedIndex() const { return m_selected; }
    QString selectedPath() const { return m_paths.value(m_selected); }
    // An entry shown with an empty name cannot be played, so it counts as no selection.
    bool hasPlayableSelection() const { return !m_names.value(m_selected).isEmpty(); }
    // Out-of-range indexes select nothing.
    void setSelectedIndex(int index);

    // Adds one entry at the end (the selection stays where it is).
    void append(const QString &path);
    // Adds entries at the end, in order.
    void appendAll(const QStringList &paths);
    // Adds one entry shown under a name of its own (a separator line such as the searcher's).
    void appendNamed(const QString &path, const QString &name);
    // Removes one entry; afterwards nothing is selected.
    void removeAt(int index);
    void clear();

signals:
    // Entries from `first` on are new; those before it are unchanged.
    void entriesAppended(int first);
    // Entries were removed: everything may have moved.
    void entriesReset();
    void selectionChanged(int index);

private:
    QStringList m_paths;
    QStringList m_names;
    int m_selected = -1;
};

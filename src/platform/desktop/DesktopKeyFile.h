#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A desktop key file (mimeapps.list, a .desktop entry) as the lines it is made of, changed in
// place: a change touches only the line of its key (and a group header it needs), so comments,
// other groups, lines that are not "key=value" and the file's line ends stay byte for byte.
// Values are the raw text after "=", without the format's escapes (see DesktopRegistry).
class DesktopKeyFile {
public:
    // Larger files are not ours to rewrite: load refuses them.
    static constexpr qint64 kMaxBytes = 1 << 20;

    // A missing file reads as empty. False, and nothing loaded, for anything but a regular file
    // of at most kMaxBytes (a pipe or a device is never opened for reading).
    bool load(const QString &path);
    // Writes the whole text atomically (a temporary file renamed over the old one), making the
    // folder when needed; the old file stays whole when that fails.
    bool save(const QString &path) const;

    QByteArray text() const { return m_lines.join('\n'); }
    // The first key of that name in the first group of that name; a null string when absent.
    QString value(const QString &group, const QString &key) const;
    // Replaces that key's value, or adds the key after the group's last line that is not blank
    // (and the group at the end of the file when there is none).
    void setValue(const QString &group, const QString &key, const QString &value);
    // Removes that key; a group left with nothing but blank lines goes with it.
    void removeKey(const QString &group, const QString &key);
    // Nothing but blank lines.
    bool isBlank() const;

private:
    // Index of the group's header line, of its key's line; -1 when absent.
    int groupLine(const QString &group) const;
    int keyLine(const QString &group, const QString &key) const;
    // Index past the last line of the group that starts at header.
    int groupEnd(int header) const;

    // The text split at '\n': a file that ends in a line end has an empty last element.
    QList<QByteArray> m_lines{QByteArray()};
};

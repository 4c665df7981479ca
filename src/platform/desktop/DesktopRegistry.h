#pragma once

#include <utility>

#include <QList>
#include <QString>

// The desktop's own file-type registry (the freedesktop.org MIME application and desktop-entry
// files) behind the three registry operations the association uses. Keys, with N a program name:
//   ".mp3"                  the desktop entry N that opens the extension's type (audio/mpeg): the
//                           first of the list in $XDG_CONFIG_HOME/mimeapps.list, group
//                           [Default Applications]; the ones after it are what it replaced
//   "N"                     the type text ("mp3"): $XDG_DATA_HOME/applications/N.desktop with
//                           Type, Name N and the MimeType of that type
//   "N\DefaultIcon"         "icon file,index": the entry's Icon (the index is dropped)
//   "N\shell\open\command"  a command line in the entry's Exec syntax: the entry's Exec
// Every file is changed atomically and only in the lines of its key. Unknown keys and extensions
// other than mp3 fail.
class DesktopRegistry {
public:
    // The folders from XDG_CONFIG_HOME and XDG_DATA_HOME, or ~/.config and ~/.local/share.
    DesktopRegistry();

    // Empty when the key or its value is missing (or its file cannot be read); only ".mp3".
    QString readDefaultValue(const QString &key) const;
    // Creates the key when needed; false when its file could not be read or written.
    bool setDefaultValue(const QString &key, const QString &value);
    // ".mp3": the first entry of the list goes, bringing back the one it replaced; "N": the
    // entry file goes, and with it every value under N. True when the key is gone (or was never
    // there).
    bool deleteKey(const QString &key);

    QString dataHome() const { return m_dataHome; }
    QString mimeAppsPath() const;
    QString entryPath(const QString &name) const;

private:
    bool setDefaultApplication(const QString &mimeType, const QString &entryId);
    bool deleteDefaultApplication(const QString &mimeType);
    bool setEntryValues(const QString &name, const QList<std::pair<QString, QString>> &values);

    QString m_configHome;
    QString m_dataHome;
};

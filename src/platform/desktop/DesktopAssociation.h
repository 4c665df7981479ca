#pragma once

#include <QString>

class DesktopRegistry;

// Makes a program the one that opens a file type on the desktop, or takes that back, through
// the registry operations of DesktopRegistry. Each step runs whether or not the one before it
// succeeded; a step that fails leaves its own file as it was. Nothing is shown to the user.
class DesktopAssociation {
public:
    explicit DesktopAssociation(DesktopRegistry &registry) : m_registry(registry) {}

    // The program at the absolute programPath, named N after its file, opens ".extension"
    // files: ".extension" names N (ahead of the one it replaces), N gets the type text (the
    // extension), Tavro's icon and the open command. True when every step succeeded.
    bool Make(const QString &extension, const QString &programPath);
    // Takes back what Make did when ".extension" names programPath's N: the default it replaced
    // comes back and N's entry (with its MimeType) and the icon go. Another program's default or
    // entry is never touched, and with no default nothing changes. True when nothing failed.
    bool Remove(const QString &extension, const QString &programPath);

    // The Exec line that opens one file (%f) with programPath; the path is quoted only where the
    // desktop-entry rules require it, since a lookup that reads Exec's first word literally
    // passes over a quoted one.
    static QString openCommand(const QString &programPath);

private:
    DesktopRegistry &m_registry;
};

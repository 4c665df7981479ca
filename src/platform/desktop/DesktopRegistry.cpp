#include "DesktopRegistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "DesktopKeyFile.h"

namespace {
const QString kDefaults = QStringLiteral("Default Applications");
const QString kEntry = QStringLiteral("Desktop Entry");
const QLatin1Char kSeparator('\\');

// The MIME type of an extension or of a type text; empty for one we do not know.
QString mimeTypeOf(const QString &type)
{
    return type.compare(QLatin1String("mp3"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("audio/mpeg")
               : QString();
}

QString folderFrom(const char *variable, const QString &fallback)
{
    const QString set = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(set) ? set : QDir::homePath() + fallback;
}

// A program name usable as a file name in the applications folder.
bool isEntryName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar());
}

// The escapes of a desktop-entry string value.
QString escaped(QString value)
{
    return value.replace(kSeparator, QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString withoutIconIndex(QString iconValue)
{
    static const QRegularExpression index(QStringLiteral(",-?\\d+$"));
    return iconValue.remove(index);
}

QString entryId(const QString &name) { return name + QLatin1String(".desktop"); }
} // namespace

DesktopRegistry::DesktopRegistry()
    : m_configHome(folderFrom("XDG_CONFIG_HOME", QStringLiteral("/.config"))),
      m_dataHome(folderFrom("XDG_DATA_HOME", QStringLiteral("/.local/share")))
{
}

QString DesktopRegistry::mimeAppsPath() const
{
    return m_configHome + QLatin1String("/mimeapps.list");
}

QString DesktopRegistry::entryPath(const QString &name) const
{
    return m_dataHome + QLatin1String("/applications/") + entryId(name);
}

QString DesktopRegistry::readDefaultValue(const QString &key) const
{
    const QString mimeType = key.startsWith(QLatin1Char('.')) ? mimeTypeOf(key.mid(1)) : QString();
    DesktopKeyFile list;
    if (mimeType.isEmpty() || !list.load(mimeAppsPath()))
        return {};
    const QString first = list.value(kDefaults, mimeType).section(QLatin1Char(';'), 0, 0).trimmed();
    return first.endsWith(QLatin1String(".desktop")) ? first.chopped(8) : first;
}

bool DesktopRegistry::setDefaultValue(const QString &key, const QString &value)
{
    const QStringList path = key.split(kSeparator);
    const QString &name = path.first();
    if (path.size() == 1 && name.startsWith(QLatin1Char('.')))
        return isEntryName(value) && setDefaultApplication(mimeTypeOf(name.mid(1)), entryId(value));
    if (!isEntryName(name))
        return false;
    if (path.size() == 1) {
        const QString mimeType = mimeTypeOf(value);
        return !mimeType.isEmpty() &&
               setEntryValues(name, {{QStringLiteral("Type"), QStringLiteral("Application")},
                                     {QStringLiteral("Name"), name},
                                     {QStringLiteral("MimeType"), mimeType + QLatin1Char(';')}});
    }
    const QString subkey = path.mid(1).join(kSeparator);
    if (subkey == QLatin1String("DefaultIcon"))
        return setEntryValues(name, {{QStringLiteral("Icon"), escaped(withoutIconIndex(value))}});
    if (subkey == QLatin1String("shell\\open\\command"))
        return setEntryValues(name, {{QStringLiteral("Exec"), escaped(value)}});
    return false;
}

bool DesktopRegistry::deleteKey(const QString &key)
{
    if (key.startsWith(QLatin1Char('.')))
        return deleteDefaultApplication(mimeTypeOf(key.mid(1)));
    if (!isEntryName(key))
        return false;
    QFile entry(entryPath(key));
    return !entry.exists() || entry.remove();
}

bool DesktopRegistry::setDefaultApplication(const QString &mimeType, const QString &entryId)
{
    DesktopKeyFile list;
    if (mimeType.isEmpty() || !list.load(mimeAppsPath()))
        return false;
    const QString applications = list.value(kDefaults, mimeType);
    if (applications.section(QLatin1Char(';'), 0, 0).trimmed() == entryId)
        return true;
    // What this one replaces stays behind it, as it was, for deleteKey to bring back.
    list.setValue(kDefaults, mimeType, entryId + QLatin1Char(';') + applications);
    return list.save(mimeAppsPath());
}

bool DesktopRegistry::deleteDefaultApplication(const QString &mimeType)
{
    DesktopKeyFile list;
    if (mimeType.isEmpty() || !list.load(mimeAppsPath()))
        return false;
    const QString applications = list.value(kDefaults, mimeType);
    if (applications.isNull())
        return true;
    const QString rest = applications.section(QLatin1Char(';'), 1);
    if (QString(rest).remove(QLatin1Char(';')).trimmed().isEmpty())
        list.removeKey(kDefaults, mimeType);
    else
        list.setValue(kDefaults, mimeType, rest);
    if (list.isBlank())
        return QFile::remove(mimeAppsPath());
    return list.save(mimeAppsPath());
}

bool DesktopRegistry::setEntryValues(const QString &name,
                                     const QList<std::pair<QString, QString>> &values)
{
    DesktopKeyFile entry;
    if (!entry.load(entryPath(name)))
        return false;
    for (const auto &[key, value] : values)
        entry.setValue(kEntry, key, value);
    return entry.save(entryPath(name));
}

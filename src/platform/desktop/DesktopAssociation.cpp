#include "DesktopAssociation.h"

#include <algorithm>

#include <QFileInfo>

#include "DesktopRegistry.h"
#include "ProgramIcon.h"

namespace {
// Characters that make an Exec argument need quotes.
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

QString programName(const QString &programPath) { return QFileInfo(programPath).fileName(); }
} // namespace

bool DesktopAssociation::Make(const QString &extension, const QString &programPath)
{
    const QString name = programName(programPath);
    bool done = m_registry.setDefaultValue(QLatin1Char('.') + extension, name);
    done = m_registry.setDefaultValue(name, extension) && done;
    const QString icon = ProgramIcon::install(m_registry.dataHome());
    done = !icon.isEmpty() &&
           m_registry.setDefaultValue(name + QLatin1String("\\DefaultIcon"),
                                      icon + QLatin1String(",0")) &&
           done;
    done = m_registry.setDefaultValue(name + QLatin1String("\\shell\\open\\command"),
                                      openCommand(programPath)) &&
           done;
    return done;
}

bool DesktopAssociation::Remove(const QString &extension, const QString &programPath)
{
    const QString type = m_registry.readDefaultValue(QLatin1Char('.') + extension);
    if (type.isEmpty() || type != programName(programPath))
        return true;
    bool done = m_registry.deleteKey(QLatin1Char('.') + extension);
    done = m_registry.deleteKey(type) && done;
    return ProgramIcon::remove(m_registry.dataHome()) && done;
}

QString DesktopAssociation::openCommand(const QString &programPath)
{
    QString argument = programPath;
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (std::any_of(argument.cbegin(), argument.cend(),
                    [](QChar c) { return kReserved.contains(c); })) {
        for (const QChar special :
             {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
            argument.replace(special, QLatin1Char('\\') + special);
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    return argument + QLatin1String(" %f");
}

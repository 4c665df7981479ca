#include "ConsoleMessageBox.h"

#include <cstdio>

MessageBox::Answer ConsoleMessageBox::show(const QString &prompt, Buttons buttons,
                                           const QString &title)
{
    const QString line = title.trimmed().isEmpty()
                             ? prompt.trimmed()
                             : title.trimmed() + QStringLiteral(": ") + prompt.trimmed();
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return defaultAnswer(buttons);
}

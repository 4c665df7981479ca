#pragma once

#include <QObject>
#include <QString>

// A window's control by its object name; a test that looks for one the window lacks stops at once.
template <typename T> T *child(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}

#pragma once

#include <QTest>
#include <QWidget>

#include "WidgetLookup.h"

// What window tests do with a control found by its object name.

// The text it shows (a label, a line edit, a button's caption).
inline QString text(const QObject &window, const QString &name)
{
    return child<QWidget>(window, name)->property("text").toString();
}

// A left click in its middle.
inline void click(const QObject &window, const QString &name)
{
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

#pragma once

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
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

// The texts of several controls, in the order named.
inline QStringList texts(const QObject &window, const QStringList &names)
{
    QStringList all;
    for (const QString &name : names)
        all << text(window, name);
    return all;
}

// Those of the named controls that are enabled.
inline QStringList enabled(const QObject &window, const QStringList &names)
{
    QStringList on;
    for (const QString &name : names)
        if (child<QWidget>(window, name)->isEnabled())
            on << name;
    return on;
}

// The cells of a tree's row.
inline QStringList cells(const QTreeWidgetItem *item)
{
    QStringList all;
    for (int column = 0; column < item->columnCount(); ++column)
        all << item->text(column);
    return all;
}

// The rows of a list.
inline QStringList rows(const QListWidget *list)
{
    QStringList all;
    for (int row = 0; row < list->count(); ++row)
        all << list->item(row)->text();
    return all;
}

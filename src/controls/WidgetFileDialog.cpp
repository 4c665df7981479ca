#include "WidgetFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

QString WidgetFileDialog::showOpen(const QString &filter, const QString &fileName)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), fileName,
                                        toQtFilter(filter));
}

QString WidgetFileDialog::showSave(const QString &filter, const QString &fileName)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), fileName,
                                        toQtFilter(filter));
}

QString WidgetFileDialog::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions << parts.at(i);
    return descriptions.join(QStringLiteral(";;"));
}

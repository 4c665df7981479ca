#include "ClockTexts.h"

#include <QLocale>

QString ClockTexts::dateText(const QDate &date)
{
    return QLocale::system().toString(date, QStringLiteral("dddd , dd MMMM , yyyy "));
}

QString ClockTexts::timeText(const QTime &time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed());
}

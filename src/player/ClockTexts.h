#pragma once

#include <QDateTime>
#include <QString>

// The main window's date and time lines, in the system's language.
class ClockTexts {
public:
    // "Sunday , 06 December , 2026 " (weekday , two-digit day month , year, trailing blank).
    static QString dateText(const QDate &date);
    // The system's long time format without a time zone, e.g. "8:55:31 PM" or "20:55:31".
    static QString timeText(const QTime &time);
};

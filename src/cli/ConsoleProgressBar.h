#pragma once

#include <QString>
#include <QTextStream>

// A one-line progress bar for a terminal, "Encoding [#########-----------]  45.0 %", redrawn in
// place only when its text changes. Callers show it only when the stream is a terminal.
class ConsoleProgressBar {
public:
    ConsoleProgressBar(QTextStream &out, const QString &label, int width = 30);

    // True when standard error is a terminal.
    static bool stderrIsTerminal();

    void update(qint64 done, qint64 total);
    // Ends the line, when a bar was drawn.
    void finish();

private:
    QTextStream &m_out;
    QString m_label;
    int m_width;
    QString m_shown;
};

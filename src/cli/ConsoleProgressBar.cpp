#include "ConsoleProgressBar.h"

#include <algorithm>

#include <unistd.h>

ConsoleProgressBar::ConsoleProgressBar(QTextStream &out, const QString &label, int width)
    : m_out(out), m_label(label), m_width(width)
{
}

bool ConsoleProgressBar::stderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void ConsoleProgressBar::update(qint64 done, qint64 total)
{
    const double fraction = total > 0 ? std::clamp(double(done) / double(total), 0.0, 1.0) : 1.0;
    const int filled = int(fraction * m_width);
    const QString text = QStringLiteral("%1 [%2%3] %4 %")
                             .arg(m_label, QString(filled, QLatin1Char('#')),
                                  QString(m_width - filled, QLatin1Char('-')))
                             .arg(fraction * 100.0, 5, 'f', 1);
    if (text == m_shown)
        return;
    m_shown = text;
    m_out << '\r' << text;
    m_out.flush();
}

void ConsoleProgressBar::finish()
{
    if (m_shown.isEmpty())
        return;
    m_out << '\n';
    m_out.flush();
    m_shown.clear();
}

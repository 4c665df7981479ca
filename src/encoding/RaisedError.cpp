#include "RaisedError.h"

RaisedError::RaisedError(int number, const QString &source, const QString &description)
    : std::runtime_error(
          QStringLiteral("%1 (%2, %3)").arg(description).arg(number).arg(source).toStdString()),
      m_number(number), m_source(source), m_description(description)
{
}

QString RaisedError::sourceFor(const QString &operation)
{
    // The executable's name whatever the process is called (tests, tavro-cli).
    return QStringLiteral("tavro.") + operation;
}

QString RaisedError::text() const
{
    return QStringLiteral("%1 (error %2, %3)")
        .arg(m_description)
        .arg(m_number)
        .arg(m_source)
        .trimmed();
}

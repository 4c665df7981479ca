#pragma once

#include <stdexcept>

#include <QByteArray>
#include <QString>

// The error the CD, WAV and encoder classes raise: number = the class's base + a small code,
// source = the program's name, "." and the operation, and a description callers may show.
class RaisedError : public std::runtime_error {
public:
    RaisedError(int number, const QString &source, const QString &description);

    // "tavro." + operation: the source text of an error raised by operation.
    static QString sourceFor(const QString &operation);

    int number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }
    // "description (error number, source)", for a status line or a console.
    QString text() const;

private:
    int m_number;
    QString m_source;
    QString m_description;
};

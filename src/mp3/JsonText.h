#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// Builds one JSON object as text, keys in the order they are added. Floats are written with the
// fewest digits that read back as the same float (250.05, not 250.0500030517578), texts keep
// every character (a zero byte becomes \u0000).
class JsonText {
public:
    // An invalid QVariant is null; bool, integer, float, double and text map to their JSON kinds.
    JsonText &add(const char *key, const QVariant &value);
    JsonText &addObject(const char *key, const JsonText &object);
    QString text() const { return QLatin1Char('{') + m_members + QLatin1Char('}'); }

private:
    void appendKey(const char *key);
    void appendQuoted(QStringView text);

    QString m_members;
};

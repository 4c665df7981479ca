#pragma once

#include <map>

#include <QString>
#include <QStringList>
#include <QVariant>

// The stored properties of a control, as a designer keeps them: a value equal to its default is
// not stored, and reading a key that is not stored gives the default back.
class PropertyBag {
public:
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const;

    // The stored keys, in the order they were first written.
    const QStringList &keys() const { return m_order; }

private:
    std::map<QString, QVariant> m_values;
    QStringList m_order;
};

#include "PropertyBag.h"

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    if (value == defaultValue) {
        m_values.erase(name);
        m_order.removeAll(name);
        return;
    }
    if (!m_values.count(name))
        m_order.append(name);
    m_values[name] = value;
}

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const auto it = m_values.find(name);
    return it == m_values.end() ? defaultValue : it->second;
}

#include "controls/propertybag.h"

#include <QStringList>

void PropertyBag::writeProperty(const QString &name, const QVariant &value)
{
    for (auto &entry : m_values) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    m_values.append({name, value});
}

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const
{
    for (const auto &entry : m_values)
        if (entry.first == name)
            return entry.second;
    return defaultValue;
}

bool PropertyBag::contains(const QString &name) const
{
    for (const auto &entry : m_values)
        if (entry.first == name)
            return true;
    return false;
}

void PropertyBag::remove(const QString &name)
{
    m_values.removeIf([&name](const QPair<QString, QVariant> &entry) { return entry.first == name; });
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_values)
        result << entry.first;
    return result;
}

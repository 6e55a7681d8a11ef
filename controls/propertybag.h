#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The stored settings of a control: named values kept in the order they were written, so
// that a reader can check the order as well as the values.
class PropertyBag
{
public:
    void writeProperty(const QString &name, const QVariant &value);
    // The stored value, or defaultValue when the name was never written.
    QVariant readProperty(const QString &name, const QVariant &defaultValue = QVariant()) const;
    bool contains(const QString &name) const;
    void remove(const QString &name);
    QStringList names() const;

private:
    QList<QPair<QString, QVariant>> m_values;
};

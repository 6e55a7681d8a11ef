#pragma once

#include <QAccessibleWidget>

class VistaButton;

// What a screen reader sees of a VistaButton: a push button named by its caption (or by
// the accessible name its holder gives a button without one), described by its tooltip,
// with the press action doing what a click does.
class VistaButtonAccessible : public QAccessibleWidget
{
public:
    explicit VistaButtonAccessible(QWidget *widget);

    // For QAccessible::installFactory: an interface for every VistaButton, none otherwise.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    VistaButton *button() const;
};

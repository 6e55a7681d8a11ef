#include "controls/vistabuttonaccessible.h"

#include "controls/accessiblecontainer.h"
#include "controls/vistabutton.h"

#include <QHash>

namespace {

// The captions are the program's own, English ones among them; a screen reader says each
// of those with its Dutch meaning after it, so the name still begins with what the button
// shows (a player using speech input says the caption).
QString spokenCaption(const QString &caption)
{
    static const QHash<QString, QString> meanings = {
        {QStringLiteral("Edit"), QStringLiteral("bewerken")},
        {QStringLiteral("Tools"), QStringLiteral("extra")},
        {QStringLiteral("About"), QStringLiteral("over het programma")},
        {QStringLiteral("Exit"), QStringLiteral("afsluiten")},
        {QStringLiteral("Delete"), QStringLiteral("verwijderen")},
        {QStringLiteral("Delete All"), QStringLiteral("alles verwijderen")},
    };
    const auto meaning = meanings.constFind(caption);
    return meaning == meanings.cend() ? caption : caption + QStringLiteral(", ") + *meaning;
}

} // namespace

VistaButtonAccessible::VistaButtonAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Button)
{
}

QAccessibleInterface *VistaButtonAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(VistaButton::staticMetaObject.className()) && object && object->isWidgetType())
        return new VistaButtonAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

VistaButton *VistaButtonAccessible::button() const
{
    return static_cast<VistaButton *>(widget());
}

QString VistaButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        // A name the holder gave wins; a button showing only a picture needs one.
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return spokenCaption(button()->caption());
    case QAccessible::Description:
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        // The tooltips carry a blank at either end for the look of the tip; a reader
        // would only pause on them.
        return widget()->toolTip().trimmed();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State VistaButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->mouseIsDown();
    // A disabled button keeps its click focus, but nothing can reach it.
    s.focusable = s.focusable && button()->enabled();
    return s;
}

QStringList VistaButtonAccessible::actionNames() const
{
    // A disabled button offers nothing to do, as it raises no click.
    if (!button()->enabled())
        return {};
    return {pressAction()};
}

void VistaButtonAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !button()->enabled() || AccessibleContainer::isBlockedByModalWindow(button()))
        return;
    // Queued: a click may open a modal window, and the screen reader's request must be
    // answered before that window's own event loop starts.
    QMetaObject::invokeMethod(button(), &VistaButton::click, Qt::QueuedConnection);
}

QStringList VistaButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    return {};
}

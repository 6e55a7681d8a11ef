#include "controls/accessiblecontainer.h"

#include <QApplication>
#include <QDialog>
#include <QFocusFrame>
#include <QMenu>

namespace {

const char *const s_decorative = "raadkwartetDecorative";

// The class that a program's own class derives from, the first one of Qt's.
const QMetaObject *qtBase(const QMetaObject *meta)
{
    while (meta && meta->className()[0] != 'Q')
        meta = meta->superClass();
    return meta;
}

QAccessible::Role roleOf(const QWidget *widget)
{
    if (qobject_cast<const QDialog *>(widget))
        return QAccessible::Dialog;
    if (widget->isWindow())
        return QAccessible::Window;
    return QAccessible::Pane;
}

} // namespace

AccessibleContainer::AccessibleContainer(QWidget *widget)
    : QAccessibleWidget(widget, roleOf(widget))
{
}

QAccessibleInterface *AccessibleContainer::create(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QMetaObject *meta = object->metaObject();
    // Asked once per class of the hierarchy; only the object's own class is answered, so
    // the classes of Qt keep their own interfaces.
    if (className != QLatin1String(meta->className()) || className.startsWith(QLatin1Char('Q')))
        return nullptr;
    // The button and the notice have interfaces of their own.
    if (object->inherits("VistaButton") || object->inherits("ScreenReaderNotice"))
        return nullptr;
    const QMetaObject *base = qtBase(meta);
    if (base != &QWidget::staticMetaObject && base != &QDialog::staticMetaObject)
        return nullptr;
    return new AccessibleContainer(static_cast<QWidget *>(object));
}

void AccessibleContainer::markDecorative(QWidget *widget)
{
    widget->setProperty(s_decorative, true);
}

bool AccessibleContainer::isDecorative(const QWidget *widget)
{
    return widget->property(s_decorative).toBool();
}

bool AccessibleContainer::isBlockedByModalWindow(const QWidget *widget)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != widget->window() && !modal->isAncestorOf(widget);
}

QList<QWidget *> AccessibleContainer::shownChildren() const
{
    // As Qt's own widget interface counts children, without the decorations.
    QList<QWidget *> shown;
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || qobject_cast<QFocusFrame *>(child) || qobject_cast<QMenu *>(child)
            || isDecorative(child))
            continue;
        shown.append(child);
    }
    return shown;
}

int AccessibleContainer::childCount() const
{
    return int(shownChildren().size());
}

QAccessibleInterface *AccessibleContainer::child(int index) const
{
    const QList<QWidget *> shown = shownChildren();
    if (index < 0 || index >= shown.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || !child->object() || !child->object()->isWidgetType())
        return -1;
    return int(shownChildren().indexOf(static_cast<QWidget *>(child->object())));
}

#pragma once

#include <QAccessibleWidget>

// What a screen reader sees of the program's own windows and panels (plain QWidget or
// QDialog subclasses): a window, dialog or pane whose children are the widgets it holds,
// less those marked as decoration. Qt's generic interface would call every one of these
// panels an unnamed filler and read out each picture on them.
class AccessibleContainer : public QAccessibleWidget
{
public:
    explicit AccessibleContainer(QWidget *widget);

    // For QAccessible::installFactory: an interface for the program's own container
    // classes, none for Qt's widgets or for classes that have an interface of their own.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    // Leaves a widget that only decorates (a picture, a second copy of a title) out of
    // what screen readers see. Only children of the program's own containers can be left out.
    static void markDecorative(QWidget *widget);
    static bool isDecorative(const QWidget *widget);
    // Whether a modal window that the widget is not in (a message box over it) keeps the
    // pointer and keys from it. A screen reader's press action must not reach past it either.
    static bool isBlockedByModalWindow(const QWidget *widget);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> shownChildren() const;
};

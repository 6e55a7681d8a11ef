#include "controls/screenreadernotice.h"

#include <QAccessibleWidget>

namespace {

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<ScreenReaderNotice *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget *parent)
    : QWidget(parent)
{
    // Nothing to see or click: the object exists only for screen readers.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
}

QAccessibleInterface *ScreenReaderNotice::createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()) && object && object->isWidgetType())
        return new NoticeAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

void ScreenReaderNotice::announce(const QString &text)
{
    m_text = text;
    ++m_count;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // Shown anew, so the same text twice (two finds in a row) is read twice.
    if (isVisible()) {
        QAccessibleEvent hidden(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
    }
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

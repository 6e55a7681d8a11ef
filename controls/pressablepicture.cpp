#include "controls/pressablepicture.h"

#include "controls/accessiblecontainer.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

class PressablePictureAccessible : public QAccessibleWidget
{
public:
    explicit PressablePictureAccessible(PressablePicture *picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled() && !AccessibleContainer::isBlockedByModalWindow(widget()))
            emit static_cast<PressablePicture *>(widget())->pressed();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

} // namespace

PressablePicture::PressablePicture(QWidget *parent)
    : QLabel(parent)
{
}

QAccessibleInterface *PressablePicture::createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()) && object && object->isWidgetType())
        return new PressablePictureAccessible(static_cast<PressablePicture *>(object));
    return nullptr;
}

void PressablePicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit pressed();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

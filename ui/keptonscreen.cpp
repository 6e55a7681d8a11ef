#include "ui/keptonscreen.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class KeptOnScreen : public QObject
{
public:
    explicit KeptOnScreen(QWidget *window) : QObject(window), m_window(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // Back once the window manager is done, not within its own change.
        if (event->type() == QEvent::WindowStateChange && m_window->isMinimized())
            QTimer::singleShot(0, this, [this] { bringBack(); });
        return false;
    }

private:
    void bringBack()
    {
        for (QWidget *owner = m_window->parentWidget(); owner; owner = owner->parentWidget()) {
            owner = owner->window();
            owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
        }
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
    }

    QWidget *m_window;
};

} // namespace

void keepOnScreen(QWidget *window)
{
    new KeptOnScreen(window);
}

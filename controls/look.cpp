#include "controls/look.h"

#include "common/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Look {

QFont arial(double points, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

QSize clientSize(const QWidget *widget, int width, int height)
{
    // A frame of 4 pixels each side and a title bar of 22: 120 and 450 twips.
    return Twips::rect(0, 0, width - 120, height - 450, widget->logicalDpiY()).size();
}

void setUpFixedWindow(QWidget *window, const QString &title, int width, int height)
{
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize(window, width, height));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

} // namespace Look

#include "shell/main.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Raadkwartet"));
    // Every text of the program is Dutch: a bare C locale gets Dutch number and date forms.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));

    Main window;
    QScreen *screen = QGuiApplication::primaryScreen();
    window.Form_Load(screen->size(), screen->logicalDotsPerInchY());
    QObject::connect(&window, &Main::beeindigd, &app, &QCoreApplication::quit);
    window.showFullScreen();
    return app.exec();
}

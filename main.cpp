#include "ui/printerchoice.h"
#include "controls/look.h"
#include "game/clock.h"
#include "game/folders.h"
#include "game/randomsource.h"
#include "shell/mainwindow.h"
#include "shell/singlecopylock.h"
#include "ui/focusringstyle.h"
#include "ui/translations.h"
#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char *argv[])
{
    // Reading the system's font configuration is the largest single step before the first
    // window can be laid out; the toolkit would do it at the first label. Started here, it
    // runs on a second core while the toolkit itself starts.
    std::jthread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    // The answer box cannot be made without its font. Looked up here too, once the toolkit
    // stands: the toolkit's font list and the fonts it finds to stand in for "Arial" are
    // shared by every thread, so the window only opens the font for itself. A lookup on
    // both threads at once is safe: the toolkit lets one wait for the other.
    std::jthread answerFont([&fontConfiguration] {
        fontConfiguration.join();
        QFontMetrics(Look::arial(18, true)).height();
    });
    QApplication::setStyle(new FocusRingStyle);
    Translations::installDutch(app);
    QApplication::setApplicationName(QStringLiteral("Raadkwartet"));
    // Every text of the program is Dutch: a bare C locale gets Dutch number and date forms.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));

    const Folders folders = Folders::forProgram(QCoreApplication::applicationFilePath(),
                                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    SingleCopyLock lock(folders.playerFolder());
    if (!lock.acquire()) {
        // Nothing is read or written: the running copy owns the player's files. Where no
        // one can see a window (the offscreen platform) the text goes to the error output.
        const QString text = SingleCopyLock::alreadyRunningText();
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            qCritical("%s", qPrintable(text));
        else
            QMessageBox::information(nullptr, QStringLiteral("Raadkwartet"), text);
        return 0;
    }
    folders.preparePlayerFolder();
    SystemRandom random;
    SystemClock clock;
    WidgetDialogs dialogs;
    PrinterChoice printers;
    const AppContext context{random, clock, folders, dialogs, printers};

    MainWindow window(context);
    QScreen *screen = QGuiApplication::primaryScreen();
    window.layOut(screen->size(), [&answerFont] { answerFont.join(); });
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    window.showFullScreen();
    return app.exec();
}

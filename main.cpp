#include "controls/look.h"
#include "game/clock.h"
#include "game/folders.h"
#include "game/randomsource.h"
#include "shell/mainwindow.h"
#include "shell/singlecopylock.h"
#include "ui/announcedsessionbus.h"
#include "ui/focusringstyle.h"
#include "ui/printerchoice.h"
#include "ui/terminationrequest.h"
#include "ui/translations.h"
#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDialog>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <fontconfig/fontconfig.h>

#include <latch>
#include <thread>

int main(int argc, char *argv[])
{
    // The toolkit takes the first thread that uses its threading for its main thread: this
    // one, before the session-bus thread below makes the first object of its own.
    QThread::currentThread();

    // Where no session bus is named, the one announced on the display is named here,
    // before any thread reads the environment; otherwise the D-Bus library would start a
    // helper program for it on the bus thread, beside the toolkit's own start.
    AnnouncedSessionBus::adoptIntoEnvironment();

    // Reading the system's font configuration is the largest single step before the first
    // window can be shown; the toolkit would do it at the first font. Started here, it runs
    // on a second core while the toolkit starts and the window is built. Once the toolkit
    // is up, the same core fills the toolkit's font list and finds the board's font and its
    // stand-ins, which all threads share. Only the answer box needs a font before the window
    // is shown (the labels' fonts wait for the first paint), and it finds them ready.
    std::latch toolkitStarted(1);
    std::jthread fontConfiguration([&toolkitStarted] {
        FcInit();
        toolkitStarted.wait();
        QFontMetrics(Look::arial(18, true)).height();
    });
    // The toolkit's screen-reader bridge connects to the session bus the first time a
    // control changes (the first label made), and the board waits for that connection:
    // a few milliseconds on a desktop, more where the bus must first be found or started.
    // Connected here, beside the toolkit's own start, the bridge finds it ready.
    std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    QApplication app(argc, argv);
    toolkitStarted.count_down();
    // Ended by the system while a box says why the program cannot start (a second copy), the
    // box closes and the program leaves. A request while the board is being made waits for
    // it, which then keeps what the player did.
    TerminationRequest termination;
    QObject::connect(&termination, &TerminationRequest::requested, &app, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->reject();
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
    // A start that cannot go on says why and leaves before anything is read or written.
    // Where no one can see a window (the offscreen platform) the text goes to the error output.
    const auto leaveSaying = [&](const QString &text, QMessageBox::Icon icon) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            qCritical("%s", qPrintable(text));
        else
            QMessageBox(icon, QStringLiteral("Raadkwartet"), text, QMessageBox::Ok).exec();
        // The font and bus threads may still be at work; they must end before the toolkit does.
        fontConfiguration.join();
        sessionBus.join();
    };
    SingleCopyLock lock(folders.playerFolder());
    if (!lock.acquire()) {
        // The running copy owns the player's files.
        leaveSaying(SingleCopyLock::alreadyRunningText(), QMessageBox::Information);
        return 0;
    }
    if (const QString reason = folders.preparePlayerFolder(); !reason.isEmpty()) {
        // Nothing the player does could be kept, and not even the puzzles can be read.
        leaveSaying(QStringLiteral("Raadkwartet kan niet starten: ") + reason
                        + QStringLiteral(". Daar komen de puzzels, scores en instellingen van deze speler."),
                    QMessageBox::Critical);
        return 1;
    }
    SystemRandom random;
    SystemClock clock;
    WidgetDialogs dialogs;
    PrinterChoice printers;
    const AppContext context{random, clock, folders, dialogs, printers};

    MainWindow window(context);
    QScreen *screen = QGuiApplication::primaryScreen();
    window.layOut(screen->size(), [&fontConfiguration] { fontConfiguration.join(); });
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    // A logout or shutdown keeps what the player changed, as Exit does.
    termination.disconnect();
    QObject::connect(&termination, &TerminationRequest::requested, &window, &MainWindow::leaveWithoutAsking);
    window.showBoard();
    return app.exec();
}

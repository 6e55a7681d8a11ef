// Every window as a screen reader and a keyboard-only player meet it: each control in the
// accessibility tree with a role and a Dutch name, decorations left out, buttons pressed
// through their action, the game's announcements, the Tab order, and a focus that can be
// seen on Qt's own buttons.
#include "controls/accessiblecontainer.h"
#include "controls/pressablepicture.h"
#include "controls/screenreadernotice.h"
#include "support/gamewindow.h"
#include "ui/focusringstyle.h"
#include "ui/paintpanel.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// Qt's composite widgets (lists, combo boxes) answer for the widgets inside them, and
// what lies inside a decoration is left out with it.
bool answeredForAbove(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(up) || qobject_cast<const QComboBox *>(up)
            || AccessibleContainer::isDecorative(up))
            return true;
    }
    return false;
}

// What a screen reader's press action does.
void press(QWidget *widget)
{
    QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QString nameOf(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    // Beside the check of every control: the Tab order by the names a screen reader reads,
    // from the control that has the focus as the window opens, round to it again. The names
    // in a game, and Tab in the main window, are read by the AT-SPI and keyboard-only games.
    void everyControlHasARoleAndADutchName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("main") << "main" << QStringList();
        QTest::newRow("editor") << "editor"
            << QStringList{"Puzzellijst", "Printer Keuze", "Trefwoord (Oplossing)", "Omschrijving 1", "Omschrijving 2",
                           "Omschrijving 3", "Omschrijving 4", "Toevoegen", "Wijzigen", "Verwijderen", "Afdrukken",
                           "Opslaan", "Exit, afsluiten", "Puzzellijst"};
        QTest::newRow("scores") << "scores" << QStringList{"Scorelijst", "Delete, verwijderen", "Delete All, alles verwijderen", "Ok",
                                                           "Scorelijst"};
        QTest::newRow("settings") << "settings"
            << QStringList{"Tekst bij het afdrukken onderaan elke pagina", "Randkleur hoofdscherm: Rood",
                           // On Linux the toolkit names a combo box by its text.
                           "Randkleur hoofdscherm: Groen", "Randkleur hoofdscherm: Blauw", "600",
                           "Reset", "Annuleren", "Ok", "Tekst bij het afdrukken onderaan elke pagina"};
        QTest::newRow("wordsearch") << "wordsearch" << QStringList();
        QTest::newRow("proverbs") << "proverbs" << QStringList{"Spreekwoorden en gezegden", "Exit, afsluiten",
                                                               "Spreekwoorden en gezegden"};
        QTest::newRow("about") << "about" << QStringList{"Ok", "Ok"};
    }
    void everyControlHasARoleAndADutchName()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, order);
        GameWindow game;
        // A side window as the player opens it, from the main window.
        game.dialogs.onWindow = [&](QWidget *side) { walk(side, order); };
        if (which == "main")
            walk(game.window.get(), order);
        else
            (game.window.get()->*sideWindowOpeners.value(which))();
    }
    // Start, Volgende and Exit pressed through the action a screen reader offers, and what
    // the game tells it meanwhile without moving the focus: the slots read as their clues or
    // as hidden, the new round with the letter counts its tiles show, a keyword bought, the
    // last minute once, as it begins, and the end with the score, which puts the focus on
    // Start. A keyword found is read back by the AT-SPI game; what No on the quit question
    // keeps is the main window's test.
    void gameThroughPressActions()
    {
        GameWindow game;
        game.prepareStart();
        MainWindow *main = game.window.get();
        QVERIFY(showActive(main));
        auto *notice = main->findChild<ScreenReaderNotice *>();
        QCOMPARE(nameOf(main->slotTexts[0]), QStringLiteral("Vak 1: verborgen"));
        // Read as shown: no score before the first game, the date and time as they stand.
        QCOMPARE(nameOf(main->scoreLabel), QStringLiteral("Score: nog geen"));
        QCOMPARE(nameOf(main->dateTimeLabel), main->dateTimeLabel->text());
        // Started from Start, the focus goes to the answer box, over none of the buttons
        // that go off.
        main->menuButtons[MainWindow::Start]->setFocus(Qt::TabFocusReason);
        QStringList focusedAtStart;
        QObject listeningAtStart;
        connect(qApp, &QApplication::focusChanged, &listeningAtStart,
                [&](QWidget *, QWidget *now) { focusedAtStart << nameOf(now); });
        press(main->menuButtons[MainWindow::Start]);
        // The click follows once the request has returned, as a screen reader needs it.
        QVERIFY(game.dialogs.shown.isEmpty());
        // The letter tiles are told: a blank between two words leaves a gap between tiles.
        const QString rows = "Trefwoord 1: 5 letters. Trefwoord 2: 5 letters. Trefwoord 3: 2 woorden, 4 en 4 letters.";
        QTRY_COMPARE(notice->text(), "Het spel begint. Nieuwe ronde: zoek 3 trefwoorden. " + rows);
        QCOMPARE(focusedAtStart, QStringList{"Oplossing"});
        QCOMPARE(main->board->accessibleDescription(), rows);
        QCOMPARE(nameOf(main->slotTexts[0]), QStringLiteral("Vak 1: fruit"));
        // Row 1 is APPEL: Volgende buys the first missing keyword.
        press(main->nextButton);
        QTRY_COMPARE(notice->text(), QStringLiteral("Gekocht: APPEL staat in het antwoordvak. Score -40."));
        QTest::keyClick(main->answerBox, Qt::Key_Return);
        QCOMPARE(main->board->accessibleDescription(), rows.sliced(rows.indexOf("Trefwoord 2")));
        QStringList told;
        // The focus goes from the answer box to Start at the end, over nothing between.
        QStringList focused;
        QObject listening;
        connect(qApp, &QApplication::focusChanged, &listening, [&](QWidget *, QWidget *now) { focused << nameOf(now); });
        for (const int seconds : {540, 1, 60}) {
            game.clock.advance(seconds * 1000);
            main->controller().updateClock();
            told << QStringLiteral("%1 %2 %3").arg(notice->count()).arg(notice->text(), nameOf(QApplication::focusWidget()));
        }
        QCOMPARE(told, (QStringList{"4 Nog één minuut. Oplossing", "4 Nog één minuut. Oplossing",
                                    "5 Einde van het spel, de tijd is om. Score -20. Start"}));
        QCOMPARE(focused, QStringList{"Start"});
        QCOMPARE(main->board->accessibleDescription(), QString()); // nothing left to find
        game.dialogs.answers = {true};
        QSignalSpy closed(main, &MainWindow::closed);
        press(main->menuButtons[MainWindow::Exit]);
        QTRY_COMPARE(closed.count(), 1);
    }

    // What the game announces while the board has not the keyboard (a box that just closed
    // gives it back a moment later) is said once it has: a screen reader stops speaking as
    // the focus moves, and would cut it.
    void announcementWaitsForTheKeyboard()
    {
        GameWindow game;
        MainWindow *main = game.window.get();
        QVERIFY(showActive(main));
        game.start();
        auto *notice = main->findChild<ScreenReaderNotice *>();
        QTRY_VERIFY(notice->text().startsWith("Het spel begint."));
        const int said = notice->count();
        QWidget elsewhere;
        QVERIFY(showActive(&elsewhere));
        press(main->nextButton);
        QTest::qWait(50);
        QCOMPARE(notice->count(), said);
        QVERIFY(showActive(main));
        QTRY_COMPARE(notice->text(), QStringLiteral("Gekocht: APPEL staat in het antwoordvak. Score -40."));
    }

    // The picture that minimises the game is read as a button, and its press action does
    // what a click does.
    void minimisingPictureIsAButton_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("press action") << false;
        QTest::newRow("click") << true;
    }
    void minimisingPictureIsAButton()
    {
        QFETCH(bool, click);
        GameWindow game;
        MainWindow *main = game.window.get();
        QVERIFY(showActive(main));
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(main->minimizeIcon);
        QCOMPARE(picture->role(), QAccessible::Button);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Scherm verkleinen"));
        QCOMPARE(picture->text(QAccessible::Description), QStringLiteral("Ctrl+M"));
        if (click)
            QTest::mouseClick(main->minimizeIcon, Qt::LeftButton);
        else
            picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(main->isMinimized());
    }

    // A box over the window keeps a screen reader's press actions from it, as it keeps the
    // pointer and keys; in the box they work.
    void pressActionsWaitForAnOpenBox()
    {
        GameWindow game;
        MainWindow *main = game.window.get();
        QVERIFY(showActive(main));
        QMessageBox box(QMessageBox::NoIcon, "Raadkwartet", "Een vraag", QMessageBox::Ok, main);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QSignalSpy started(main->menuButtons[MainWindow::Start], &VistaButton::clicked);
        press(main->menuButtons[MainWindow::Start]);
        press(main->minimizeIcon);
        QCoreApplication::processEvents(); // the press is queued
        QVERIFY(started.isEmpty() && !main->isMinimized());
        box.close();
        press(main->menuButtons[MainWindow::Start]);
        QTRY_COMPARE(started.count(), 1);
    }

    // Tools pressed from the keyboard opens its menu at the button with the first item
    // chosen, so Enter opens the settings.
    void toolsMenuFromTheKeyboard()
    {
        GameWindow game;
        MainWindow *main = game.window.get();
        QVERIFY(showActive(main));
        QCursor::setPos(main->mapToGlobal(QPoint(5, 5)));
        QString opened;
        game.dialogs.onWindow = [&](QWidget *side) { opened = side->metaObject()->className(); };
        VistaButton *tools = main->menuButtons[MainWindow::Tools];
        tools->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tools, Qt::Key_Space);
        QTRY_VERIFY(main->toolsMenu->isVisible());
        QCOMPARE(main->toolsMenu->activeAction(), main->toolsMenu->actions().constFirst());
        QTest::keyClick(main->toolsMenu, Qt::Key_Return);
        QTRY_COMPARE(opened, QStringLiteral("ConfigForm"));
    }

    // A control with the focus shows it by a ring at its edge where the style shows little
    // or nothing: a list with no line chosen, a text box, a scroll bar (the settings' colour
    // sliders); on a push button (the message boxes') it stands two pixels inside the edge.
    // Without the focus the edge is the style's own.
    void focusIsPlainOnListsBoxesAndSliders_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("list with no line chosen") << "list";
        QTest::newRow("text box") << "box";
        QTest::newRow("scroll bar") << "slider";
        QTest::newRow("push button") << "button";
    }
    void focusIsPlainOnListsBoxesAndSliders()
    {
        QFETCH(QString, kind);
        FocusRingStyle style;
        QWidget window;
        const auto make = [&] () -> QWidget * {
            if (kind == "list") {
                auto *list = new QListWidget(&window);
                list->addItem(QStringLiteral("0100 - Anna"));
                return list;
            }
            if (kind == "box")
                return new QLineEdit(QStringLiteral("appel"), &window);
            if (kind == "button")
                return new QPushButton(QStringLiteral("Ja"), &window);
            auto *slider = new QScrollBar(Qt::Horizontal, &window);
            slider->setFocusPolicy(Qt::StrongFocus);
            return slider;
        };
        QWidget *focused = make();
        QWidget *other = make();
        other->move(0, 120);
        for (QWidget *each : {focused, other}) {
            each->setStyle(&style);
            each->resize(100, kind == "list" ? 100 : each->sizeHint().height());
        }
        QVERIFY(showActive(&window));
        focused->setFocus(Qt::TabFocusReason);
        if (auto *list = qobject_cast<QListWidget *>(focused))
            list->setCurrentIndex(QModelIndex());
        QTRY_VERIFY(focused->hasFocus());
        for (QWidget *each : {focused, other}) {
            const QImage shot = each->grab().toImage();
            // The edge's outer line, or for a button the line two pixels in: the ring's outer pixel.
            const QPoint ring = kind == "button"
                ? QPoint(shot.width() / 2, FocusRingStyle::RingInset * int(shot.devicePixelRatio()))
                : QPoint(0, shot.height() / 2);
            QCOMPARE(shot.pixelColor(ring) == each->palette().color(QPalette::Highlight), each == focused);
        }
    }

    // Alt chooses the menu bar's first item from the keyboard, and it is lit as when open.
    void menuBarShowsAnItemChosenByKeys()
    {
        FocusRingStyle style;
        QWidget window;
        auto *bar = new QMenuBar(&window);
        bar->setStyle(&style);
        bar->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("Hulp bij dit onderdeel"));
        bar->resize(200, bar->sizeHint().height());
        QVERIFY(showActive(&window));
        const QRect item = bar->actionGeometry(bar->actions().constFirst());
        const auto lit = [&] {
            const QImage shot = bar->grab(item).toImage();
            return shot.pixelColor(2, shot.height() / 2) == bar->palette().color(QPalette::Highlight);
        };
        QVERIFY(!lit());
        QTest::keyPress(&window, Qt::Key_Alt);
        QTest::keyRelease(&window, Qt::Key_Alt);
        QCOMPARE(bar->activeAction(), bar->actions().constFirst());
        QVERIFY(lit());
    }

private:
    // Each visible control of the window in the tree with a role and a name, then the Tab
    // order from the control that has the focus as the window opens.
    void walk(QWidget *window, const QStringList &order)
    {
        QVERIFY(showActive(window));
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(window) || widget->isWindow() || answeredForAbove(widget, window))
                continue;
            const QString what = QString::fromLatin1(widget->metaObject()->className()) + ' ' + widget->objectName();
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            // Reachable from the window, as a screen reader walks down to it, unless it decorates.
            const bool decorative = AccessibleContainer::isDecorative(widget);
            QVERIFY2((QAccessible::queryAccessibleInterface(widget->parentWidget())->indexOfChild(iface) < 0) == decorative,
                     qPrintable(what + (decorative ? QStringLiteral(" is decoration") : QStringLiteral(" is not in the tree"))));
            if (decorative)
                continue;
            // A plain QWidget that only groups others (the editor's area below its menu bar)
            // is a filler, as AT-SPI means it; anything else needs a role of its own.
            const bool filler = widget->metaObject() == &QWidget::staticMetaObject
                && !widget->findChildren<QWidget *>().isEmpty();
            QVERIFY2(iface->role() != QAccessible::NoRole && (filler || iface->role() != QAccessible::Client),
                     qPrintable(what + QStringLiteral(" has no role")));
            const bool control = widget->findChildren<QWidget *>().isEmpty() || widget->focusPolicy() != Qt::NoFocus;
            if (!control || qobject_cast<ScreenReaderNotice *>(widget))
                continue;
            // A combo box on Linux is named by its text, as AT-SPI names it by its label; what
            // it is for is its description.
            const QString name = qobject_cast<QComboBox *>(widget) ? iface->text(QAccessible::Description)
                                                                    : iface->text(QAccessible::Name).trimmed();
            QVERIFY2(!name.isEmpty() && name != QLatin1String("?"), qPrintable(what + QStringLiteral(" has no name")));
            if (iface->role() == QAccessible::Button && widget->isEnabled()) {
                QVERIFY2(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                         qPrintable(what + QStringLiteral(" cannot be pressed")));
            }
        }
        if (order.isEmpty())
            return;

        QStringList visited{nameOf(QApplication::focusWidget())};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << nameOf(QApplication::focusWidget());
        }
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

// Every window as a screen reader and a keyboard-only player meet it: each control in the
// accessibility tree with a role and a Dutch name, decorations left out, buttons pressed
// through their action, the game's announcements, the Tab order, the obvious keys, and a
// focus that can be seen on Qt's own buttons.
#include "about/aboutform.h"
#include "controls/accessiblecontainer.h"
#include "controls/screenreadernotice.h"
#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "game/gamesettings.h"
#include "game/scorelist.h"
#include "shell/configform.h"
#include "shell/mainwindow.h"
#include "shell/scoreform.h"
#include "support/fakes.h"
#include "tools/proverbswindow.h"
#include "tools/wordsearchwindow.h"
#include "ui/focusringstyle.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

const QByteArray s_puzzles = "Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                             "Fiets,wiel,trappen,zadel,bel\r\nrode kool,groente,paars,stamppot,blad\r\n";

// Everything one window needs; the window is made last and deleted first.
struct WindowUnderTest {
    TestContext test;
    GameSettings settings;
    ScoreList scores;
    std::unique_ptr<QWidget> window;
};

// Rows 1, 2, 3 in that order and order 1 (reading order).
void startGame(TestContext &test, MainWindow &main, bool now = true)
{
    test.dialogs.inputs = {QStringLiteral("Anna")};
    test.random.values = {0.0, 0.34, 0.67, 0.0};
    if (now)
        main.startGame();
}

std::unique_ptr<WindowUnderTest> makeWindow(const QString &which)
{
    auto made = std::make_unique<WindowUnderTest>();
    TestContext &test = made->test;
    test.writeData("Puzzel.lib", s_puzzles);
    test.writeData("Spreekwoorden.lib", "Wie niet waagt -/- 123456789012wint niets\r\n");
    test.writeData("Nederlands.lib", "rood\r\nroodborst\r\nroos\r\n");
    test.random.values = {0.0};
    for (const ScoreEntry &entry : {ScoreEntry{80, "Bram"}, {340, "Cor"}})
        made->scores.add(entry);
    QWidget *window = nullptr;
    if (which.startsWith("main")) {
        auto *main = new MainWindow(test.context());
        main->layOut(QSize(1280, 1024));
        if (which == "main in a game") {
            startGame(test, *main);
            main->controller().submitAnswer(QStringLiteral("appel"));
        }
        window = main;
    } else if (which == "editor") {
        window = new EditForm(test.context(), made->settings);
    } else if (which == "scores") {
        window = new ScoreForm(test.context(), made->scores);
    } else if (which == "settings") {
        window = new ConfigForm(made->settings, [](const QColor &) {}, test.dialogs);
    } else {
        window = which == "word search" ? static_cast<QWidget *>(new WordSearchWindow(test.context()))
               : which == "proverbs"    ? static_cast<QWidget *>(new ProverbsWindow(test.context()))
                                        : new AboutForm(test.context());
    }
    made->window.reset(window);
    return made;
}

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

QStringList namesInTree(QAccessibleInterface *iface)
{
    // A combo box on Linux is named by its text, as AT-SPI names it by its label; what it is
    // for is its description.
    QStringList names{iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface *child = iface->child(i))
            names += namesInTree(child);
    }
    return names;
}

bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

QWidget *focusOwner()
{
    // A combo box's line edit has the focus for the box.
    QWidget *focus = QApplication::focusWidget();
    if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
        return focus->parentWidget();
    return focus;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    // Names a screen reader must find in the window, beside the check of every control,
    // and the Tab order, round to the first again.
    void everyControlHasARoleAndADutchName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("order");
        // Volgende is off before a game, so Tab goes from the box to the bar and round.
        QTest::newRow("main, idle") << "main idle"
            << QStringList{"Spelbord", "Vak 12: verborgen", "Naam speler: nog geen", "Aantal puzzels: 3", "Volgende"}
            << QStringList{"Oplossing", "Start", "Edit", "Tools", "Help", "Score", "About", "Exit", "Oplossing"};
        QTest::newRow("main, a keyword found") << "main in a game"
            << QStringList{"Vak 1: fruit", "Trefwoord 1: APPEL", "Naam speler: Anna", "Score: 20"}
            << QStringList{"Oplossing", "Exit", "Volgende", "Oplossing"};
        QTest::newRow("editor") << "editor" << QStringList()
            << QStringList{"Puzzellijst", "Printer Keuze", "Trefwoord (Oplossing)", "Omschrijving 1", "Omschrijving 2",
                           "Omschrijving 3", "Omschrijving 4", "Toevoegen", "Wijzigen", "Verwijderen", "Afdrukken",
                           "Opslaan", "Exit", "Puzzellijst"};
        QTest::newRow("scores") << "scores" << QStringList{"Scorelijst", "0340 - Cor", "Delete", "Delete All", "Ok"}
                                << QStringList();
        QTest::newRow("settings") << "settings" << QStringList{"Randkleur hoofdscherm: Rood", "Annuleren"} << QStringList();
        QTest::newRow("word search") << "word search" << QStringList{"Woorden die eindigen op het trefwoord."}
            << QStringList{"Gevonden woorden", "Trefwoord (Min.3 tekens)", "Woorden die beginnen met het trefwoord.",
                           "Start", "Exit", "Gevonden woorden"};
        QTest::newRow("proverbs") << "proverbs" << QStringList{"Spreekwoorden en gezegden", "Wie niet waagt", "Exit"}
                                  << QStringList();
        QTest::newRow("about") << "about" << QStringList{"Ok"} << QStringList();
    }
    void everyControlHasARoleAndADutchName()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, names);
        QFETCH(QStringList, order);
        const auto made = makeWindow(which);
        QWidget *window = made->window.get();
        QVERIFY(showActive(window));

        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        int controls = 0;
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(window) || widget->isWindow() || answeredForAbove(widget, window))
                continue;
            const QString what = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
                + widget->objectName() + QLatin1Char(' ') + widget->accessibleName();
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, qPrintable(what));
            QAccessibleInterface *parent = QAccessible::queryAccessibleInterface(widget->parentWidget());
            if (AccessibleContainer::isDecorative(widget)) {
                QVERIFY2(parent->indexOfChild(iface) < 0, qPrintable(what + QStringLiteral(" is decoration")));
                continue;
            }
            // Reachable from the window, as a screen reader walks down to it.
            QVERIFY2(parent->indexOfChild(iface) >= 0, qPrintable(what + QStringLiteral(" is not in the tree")));
            // A plain QWidget that only groups others (the editor's area below its menu bar)
            // is a filler, as AT-SPI means it; anything else needs a role of its own.
            const bool filler = widget->metaObject() == &QWidget::staticMetaObject
                && !widget->findChildren<QWidget *>().isEmpty();
            QVERIFY2(iface->role() != QAccessible::NoRole && (filler || iface->role() != QAccessible::Client),
                     qPrintable(what + QStringLiteral(" has no role")));
            const bool control = widget->findChildren<QWidget *>().isEmpty() || widget->focusPolicy() != Qt::NoFocus;
            if (!control || qobject_cast<ScreenReaderNotice *>(widget))
                continue;
            ++controls;
            const QString name = qobject_cast<QComboBox *>(widget) ? iface->text(QAccessible::Description)
                                                                    : iface->text(QAccessible::Name).trimmed();
            QVERIFY2(!name.isEmpty() && name != QLatin1String("?"), qPrintable(what + QStringLiteral(" has no name")));
            if (iface->role() == QAccessible::Button && widget->isEnabled()) {
                QVERIFY2(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                         qPrintable(what + QStringLiteral(" cannot be pressed")));
            }
        }
        QVERIFY(controls >= 2);
        const QStringList inTree = namesInTree(QAccessible::queryAccessibleInterface(window));
        for (const QString &name : names + order)
            QVERIFY2(inTree.contains(name), qPrintable(name + QStringLiteral(" is not in the tree")));
        if (order.isEmpty())
            return;

        const auto nameOf = [](QWidget *widget) {
            return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
        };
        QWidget *first = nullptr;
        for (QWidget *widget : widgets) {
            if (nameOf(widget) == order.first() && widget->focusPolicy() & Qt::TabFocus)
                first = widget;
        }
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{nameOf(focusOwner())};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << nameOf(focusOwner());
        }
        QCOMPARE(visited, order);
    }

    void pressActionDoesWhatAClickDoes_data()
    {
        QTest::addColumn<QString>("button");
        // What No on the quit question keeps is the main window's test; here Yes leaves.
        for (const char *button : {"Start", "Volgende", "Exit"})
            QTest::newRow(button) << QString::fromLatin1(button);
    }
    void pressActionDoesWhatAClickDoes()
    {
        QFETCH(QString, button);
        const auto made = makeWindow(QStringLiteral("main idle"));
        auto *main = static_cast<MainWindow *>(made->window.get());
        FakeDialogs &dialogs = made->test.dialogs;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const bool volgende = button == "Volgende";
        startGame(made->test, *main, volgende);
        dialogs.answers = {true};
        dialogs.shown.clear();
        QSignalSpy closed(main, &MainWindow::closed);

        VistaButton *target = volgende ? main->nextButton : main->menuButtons[button == "Start" ? MainWindow::Start : MainWindow::Exit];
        QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The click follows once the request has returned, as a screen reader needs it.
        QVERIFY(dialogs.shown.isEmpty());
        QTRY_VERIFY(volgende ? main->answerBox->text() != QString() : !dialogs.shown.isEmpty());

        // Row 1 is APPEL: the first missing keyword is bought. What each press then does is
        // the main window's and the controller's test.
        if (button == "Start")
            QCOMPARE(main->controller().playerName(), QStringLiteral("Anna"));
        else if (volgende)
            QCOMPARE(main->answerBox->text(), QStringLiteral("APPEL"));
        else
            QCOMPARE(closed.count(), 1);
    }

    void gameIsAnnouncedWithoutMovingTheFocus()
    {
        const auto made = makeWindow(QStringLiteral("main idle"));
        auto *main = static_cast<MainWindow *>(made->window.get());
        QVERIFY(showActive(main));
        auto *notice = main->findChild<ScreenReaderNotice *>();
        QAccessibleInterface *noticeIface = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(noticeIface->role(), QAccessible::Notification);
        GameController &game = main->controller();
        startGame(made->test, *main);
        QCOMPARE(notice->text(), QStringLiteral("Het spel begint. Nieuwe ronde: zoek 3 trefwoorden."));

        const int before = notice->count();
        main->answerBox->setText(QStringLiteral("fiets"));
        QTest::keyClick(main->answerBox, Qt::Key_Return);
        QCOMPARE(notice->text(), QStringLiteral("Gevonden: FIETS. Score 20."));
        QCOMPARE(noticeIface->text(QAccessible::Name), notice->text());
        QCOMPARE(notice->count(), before + 1);
        QCOMPARE(QApplication::focusWidget(), main->answerBox);

        game.revealNext();
        QTRY_COMPARE(notice->text(), QStringLiteral("Gekocht: APPEL staat in het antwoordvak. Score -20."));

        // The last minute is told once, as it begins.
        made->test.clock.advance(540 * 1000);
        game.updateClock();
        QCOMPARE(notice->text(), QStringLiteral("Nog één minuut."));
        const int toldOnce = notice->count();
        made->test.clock.advance(1000);
        game.updateClock();
        QCOMPARE(notice->count(), toldOnce);

        made->test.clock.advance(60 * 1000);
        game.updateClock();
        QCOMPARE(notice->text(), QStringLiteral("Einde van het spel, de tijd is om. Score -20."));
        QCOMPARE(QApplication::focusWidget(), main->menuButtons[MainWindow::Start]);
    }

    void keysDoTheObviousAction_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("left"); // lines left or found; -1: none counted
        // Enter searches in the term box; in the proverbs list it opens the meaning.
        QTest::newRow("word search, Enter") << "word search" << int(Qt::Key_Return) << "" << 3;
        QTest::newRow("proverbs, Enter") << "proverbs" << int(Qt::Key_Return) << "Wint niets" << -1;
        // Delete removes the selected line after its question.
        QTest::newRow("editor, Delete") << "editor" << int(Qt::Key_Delete) << "Wil je (appel) verwijderen uit de lijst?"
                                        << 2;
        QTest::newRow("scores, Delete") << "scores" << int(Qt::Key_Delete) << "Wilt u 'Cor' verwijderen uit de lijst?"
                                        << 1;
        // Escape closes every side window; nothing else does.
        for (const char *which : {"scores", "settings", "word search", "proverbs", "about"})
            QTest::newRow(qPrintable(QStringLiteral("%1, Escape").arg(QLatin1String(which))))
                << which << int(Qt::Key_Escape) << "" << -1;
    }
    void keysDoTheObviousAction()
    {
        QFETCH(QString, which);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(int, left);
        const auto made = makeWindow(which);
        QWidget *window = made->window.get();
        made->test.dialogs.answers = {true};
        QVERIFY(showActive(window));
        QWidget *target = window;
        std::function<int()> count; // what is left or found after the key
        if (auto *words = qobject_cast<WordSearchWindow *>(window)) {
            words->searchTermBox()->setText(QStringLiteral("roo"));
            target = words->searchTermBox();
            count = [words] { return words->resultList()->model()->rowCount(); };
        } else if (auto *proverbs = qobject_cast<ProverbsWindow *>(window)) {
            proverbs->proverbList()->setCurrentRow(0);
            target = proverbs->proverbList();
        } else if (auto *editor = qobject_cast<EditForm *>(window); editor && key == Qt::Key_Delete) {
            editor->puzzleTable()->setCurrentIndex(editor->list().index(0, 0));
            target = editor->puzzleTable();
            count = [editor] { return editor->list().rowCount(); };
        } else if (auto *scores = qobject_cast<ScoreForm *>(window); scores && key == Qt::Key_Delete) {
            scores->scoreListBox()->setCurrentRow(0);
            target = scores->scoreListBox();
            count = [&made] { return made->scores.count(); };
        }
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(window->isVisible(), key != Qt::Key_Escape);
        const QList<ShownDialog> &dialogs = made->test.dialogs.shown;
        QCOMPARE(dialogs.size(), shown.isEmpty() ? 0 : 1);
        QCOMPARE(dialogs.value(0).text, shown);
        QCOMPARE(count && key != Qt::Key_Escape ? count() : -1, left);
    }

    void focusIsPlainOnQtButtons()
    {
        // The ring stands two pixels inside the edge of the focused button, and only there.
        FocusRingStyle style;
        QMessageBox box(QMessageBox::Question, QStringLiteral(" Exit programma"), QStringLiteral("Afsluiten?"),
                        QMessageBox::Yes | QMessageBox::No);
        box.setStyle(&style);
        for (QPushButton *button : box.findChildren<QPushButton *>())
            button->setStyle(&style);
        box.setDefaultButton(QMessageBox::Yes);
        QVERIFY(showActive(&box));
        QAbstractButton *yes = box.button(QMessageBox::Yes);
        QAbstractButton *no = box.button(QMessageBox::No);
        yes->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(yes->hasFocus());
        const QColor ring = yes->palette().color(QPalette::Highlight);
        const auto ringAt = [](QAbstractButton *button) {
            const QImage shot = button->grab().toImage();
            const int at = FocusRingStyle::RingInset * int(shot.devicePixelRatio());
            return shot.pixelColor(shot.width() / 2, at);
        };
        QCOMPARE(ringAt(yes), ring);
        QVERIFY(ringAt(no) != ring);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

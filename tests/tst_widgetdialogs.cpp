#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

// The boxes of the seam that stand open now.
QList<QDialog *> openBoxes()
{
    QList<QDialog *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QDialog *>(window); box && box->isVisible())
            boxes << box;
    return boxes;
}

QSize iconSizeOf(const QMessageBox *box)
{
    const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    return label ? label->pixmap().deviceIndependentSize().toSize() : QSize();
}

} // namespace

// The real message boxes: what the fake of the other tests stands in for.
class TestWidgetDialogs : public QObject
{
    Q_OBJECT
private slots:
    // Boxes that do not wait run what waits for them only once answered. At the end of a
    // game every open box gets its harmless answer: a notice closes without what follows it,
    // a later question and a waiting question say No, whatever their default, and nothing
    // stays open. A board drawn 1.4 times larger gets its boxes 1.4 times larger, their
    // icons drawn at the new size, each box keeping its kind.
    void laterBoxesRunWhatWaitsOnlyWhenAnswered_data()
    {
        QTest::addColumn<bool>("gameEnds");
        QTest::newRow("answered") << false;
        QTest::newRow("closed as the game ends") << true;
    }
    void laterBoxesRunWhatWaitsOnlyWhenAnswered()
    {
        QFETCH(bool, gameEnds);
        const double scale = 1.40625;
        WidgetDialogs dialogs(0); // answered at once, as by a player after the quiet second
        dialogs.setScale(scale);
        bool noticeClosed = false;
        std::optional<bool> answer;
        const auto defaultAnswer = gameEnds ? Dialogs::Answer::Yes : Dialogs::Answer::No;
        dialogs.notify(QStringLiteral("Goed geraden"), QStringLiteral("De Trefkoning"), [&] { noticeClosed = true; });
        dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), defaultAnswer, [&](bool yes) { answer = yes; });
        const QList<QDialog *> boxes = openBoxes();
        auto *question = qobject_cast<QMessageBox *>(boxes[0]->windowTitle() == Dialogs::applicationTitle() ? boxes[0] : boxes[1]);
        auto *notice = qobject_cast<QMessageBox *>(question == boxes[0] ? boxes[1] : boxes[0]);
        QCOMPARE(question->defaultButton(), question->button(gameEnds ? QMessageBox::Yes : QMessageBox::No));
        QVERIFY(!noticeClosed && !answer);
        QCOMPARE(notice->font().pointSizeF(), QApplication::font(notice).pointSizeF() * scale);
        if (gameEnds) {
            qsizetype openWhileAsking = 0;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QSize iconSize;
            QTimer::singleShot(0, this, [&] {
                openWhileAsking = openBoxes().size();
                auto *waiting = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                icon = waiting->icon();
                iconSize = iconSizeOf(waiting);
                dialogs.closeOpen();
            });
            QVERIFY(!dialogs.ask(QStringLiteral("Verwijderen?"), QString(), Dialogs::Icon::Exclamation, Dialogs::Answer::Yes));
            QCOMPARE(openWhileAsking, 3);
            QCOMPARE(icon, QMessageBox::Warning);
            QMessageBox plain(QMessageBox::Warning, QString(), QString());
            QCOMPARE(iconSize, iconSizeOf(&plain) * scale);
        } else {
            question->button(QMessageBox::Yes)->click();
            notice->button(QMessageBox::Ok)->click();
        }
        QCOMPARE(answer, std::optional<bool>(!gameEnds));
        QCOMPARE(noticeClosed, !gameEnds);
        QTRY_VERIFY(openBoxes().isEmpty());
    }
    // Keys meant for where the player was typing do not answer a box that has just come: a
    // box that opens by itself (the end of a round or game) takes no key for a moment, and a
    // held key's repeats answer no box; a key pressed anew does.
    void keysOnTheirWayAnswerNoBox_data()
    {
        QTest::addColumn<bool>("byItself");
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<bool>("repeated");
        QTest::addColumn<bool>("answered");
        QTest::newRow("notice, Enter as it opens") << true << 60000 << false << false;
        QTest::newRow("notice, Enter after its quiet moment") << true << 20 << false << true;
        QTest::newRow("notice, a held Enter") << true << 0 << true << false;
        QTest::newRow("question, a held Enter") << false << 60000 << true << false;
        QTest::newRow("question, Enter") << false << 60000 << false << true;
    }
    void keysOnTheirWayAnswerNoBox()
    {
        QFETCH(bool, byItself);
        QFETCH(int, quietMs);
        QFETCH(bool, repeated);
        QFETCH(bool, answered);
        WidgetDialogs dialogs(quietMs);
        bool closed = false;
        if (byItself)
            dialogs.notify(QStringLiteral("Einde"), QString(), [&] { closed = true; });
        else
            dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), Dialogs::Answer::No, [&](bool) { closed = true; });
        auto *box = qobject_cast<QMessageBox *>(openBoxes().value(0));
        QVERIFY(box);
        // Meanwhile its button shows, and a screen reader says, that it takes no answer yet;
        // then it is on again, and Enter on the box, where the keyboard stayed, answers it.
        QCOMPARE(box->buttons().constFirst()->isEnabled(), !(byItself && quietMs > 0));
        if (quietMs < 1000)
            QTRY_VERIFY(box->buttons().constFirst()->isEnabled());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeated);
        QApplication::sendEvent(box, &enter);
        QTRY_COMPARE(closed, answered);
        QTest::qWait(1);
        QCOMPARE(closed, answered);
        dialogs.closeOpen();
    }
    // A side window is not closed by the repeats of Enter held since the box before it, nor,
    // where it follows the end of a game by itself (the scores), by Enter in its first
    // moment; Enter pressed anew as asked closes it.
    void sideWindowTakesNoKeyOnItsWay_data()
    {
        QTest::addColumn<bool>("byItself");
        QTest::addColumn<bool>("repeated");
        QTest::addColumn<bool>("closes");
        QTest::newRow("as asked, a held Enter") << false << true << false;
        QTest::newRow("as asked, Enter") << false << false << true;
        QTest::newRow("by itself, Enter as it opens") << true << false << false;
    }
    void sideWindowTakesNoKeyOnItsWay()
    {
        QFETCH(bool, byItself);
        QFETCH(bool, repeated);
        QFETCH(bool, closes);
        WidgetDialogs dialogs(60000);
        auto *window = new QDialog;
        auto *ok = new QPushButton(QStringLiteral("OK"), window);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
        bool accepted = false;
        QObject::connect(window, &QDialog::accepted, window, [&] { accepted = true; });
        QTimer::singleShot(0, window, [window, ok, repeated] {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeated);
            QApplication::sendEvent(ok, &enter);
            if (window->isVisible())
                window->reject();
        });
        dialogs.showModal(window, byItself ? Dialogs::Opening::ByItself : Dialogs::Opening::AsAsked);
        QCOMPARE(accepted, closes);
    }
    // Minimised by a window manager (some draw the button on any window, and take the
    // box's owner with it), a box comes back at once with the window it stands over:
    // without a task bar nothing else would bring the game back.
    void minimisedBoxComesBackWithItsOwner()
    {
        QWidget board;
        board.show();
        QApplication::setActiveWindow(&board);
        QVERIFY(QTest::qWaitForWindowActive(&board));
        WidgetDialogs dialogs;
        dialogs.notify(QStringLiteral("Einde"), QString(), {});
        QDialog *box = openBoxes().value(0);
        QVERIFY(box && box->parentWidget() == &board);
        board.setWindowState(Qt::WindowMinimized);
        box->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!box->isMinimized() && !board.isMinimized());
        dialogs.closeOpen();
    }
    // A box that does not wait still blocks every window of the program, and stands over
    // the board, also where no window is active as it opens (the clock ends a game while the
    // player is elsewhere): a box opened for the active window alone would then block
    // nothing, and the board's buttons would start a game under it.
    void laterBoxesBlockEveryWindow_data()
    {
        QTest::addColumn<bool>("boardActive");
        QTest::newRow("board active") << true;
        QTest::newRow("no window active") << false;
    }
    void laterBoxesBlockEveryWindow()
    {
        QFETCH(bool, boardActive);
        QWidget board;
        board.show();
        if (boardActive) {
            QApplication::setActiveWindow(&board);
            QVERIFY(QTest::qWaitForWindowActive(&board));
        } else {
            QApplication::setActiveWindow(nullptr);
        }
        WidgetDialogs dialogs;
        dialogs.notify(QStringLiteral("Einde van het Spel, de tijd is om."), QStringLiteral("De Trefkoning"), {});
        dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), Dialogs::Answer::No, {});
        const QList<QDialog *> boxes = openBoxes();
        QCOMPARE(boxes.size(), 2);
        // Each stands over the board (the second over the first), so a window manager
        // keeps it in front of it.
        for (QDialog *box : boxes) {
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QWidget *owner = box->parentWidget();
            while (owner && owner != &board)
                owner = owner->parentWidget();
            QCOMPARE(owner, &board);
        }
        QVERIFY(QApplication::activeModalWidget());
        dialogs.closeOpen();
        QTRY_VERIFY(openBoxes().isEmpty());
    }
    // A text in lines of its own (the game's help) keeps them, also where the box would
    // wrap it again (wider than half the screen, or with a grown font): each line fits the
    // label.
    void linesOfTheirOwnStayWhole_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("grown") << 1.40625;
    }
    void linesOfTheirOwnStayWhole()
    {
        QFETCH(double, scale);
        const QString line = QStringLiteral("speelbal van anderen = promotie, acht aan elke kant, mens-erger-je-niet, lift");
        WidgetDialogs dialogs;
        dialogs.setScale(scale);
        int labelWidth = 0, needed = 1, shownHeight = 0, linesHeight = 1;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            labelWidth = label->contentsRect().width();
            const QFontMetrics metrics(label->font());
            needed = metrics.horizontalAdvance(line);
            // Laid out as the label lays it out: two lines, none wrapped again.
            shownHeight = label->heightForWidth(label->width());
            linesHeight = label->heightForWidth(100000);
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message(line + QStringLiteral("\r\n") + line + QStringLiteral("\r\n"), QStringLiteral("De Trefkoning"),
                        Dialogs::Icon::None);
        QVERIFY2(labelWidth >= needed, qPrintable(QStringLiteral("%1 < %2").arg(labelWidth).arg(needed)));
        QCOMPARE(shownHeight, linesHeight);
    }
    // Paragraphs (a line longer than a printed line, as in the editor's refusals) are left to
    // the box's own wrapping, so the box stays within the screen.
    void paragraphsAreWrappedByTheBox()
    {
        QString paragraph;
        for (int i = 0; i < 40; ++i)
            paragraph += QStringLiteral("woord%1 ").arg(i);
        WidgetDialogs dialogs;
        int boxWidth = 0;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            boxWidth = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message(paragraph + QStringLiteral("\n\nEr is niets bewaard."), QString(), Dialogs::Icon::None);
        QVERIFY(boxWidth > 0 && boxWidth <= QGuiApplication::primaryScreen()->availableGeometry().width());
    }
    // The text box of a question hands back what it was given and what is typed into it,
    // however long: a name of 40,000 characters is not cut to the line edit's usual 32,767.
    void textBoxKeepsLongTextWhole()
    {
        WidgetDialogs dialogs;
        const QString proposed(40000, u'a');
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QLineEdit *line = box->findChild<QLineEdit *>();
            shown = line->text();
            line->end(false);
            line->insert(QString(40000, u'b'));
            box->accept();
        });
        QCOMPARE(dialogs.input(QStringLiteral("Naam?"), QString(), proposed), proposed + QString(40000, u'b'));
        QCOMPARE(shown, proposed);
    }
};

QTEST_MAIN(TestWidgetDialogs)
#include "tst_widgetdialogs.moc"

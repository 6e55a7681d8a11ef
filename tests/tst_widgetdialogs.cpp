#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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
    void cleanup()
    {
        for (QDialog *box : openBoxes())
            delete box;
    }

    void laterBoxesRunWhatWaitsOnlyWhenAnswered()
    {
        WidgetDialogs dialogs;
        bool noticeClosed = false;
        std::optional<bool> answer;
        dialogs.notify(QStringLiteral("Goed geraden"), QStringLiteral("De Trefkoning"), [&] { noticeClosed = true; });
        dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), Dialogs::Answer::No, [&](bool yes) { answer = yes; });
        const QList<QDialog *> boxes = openBoxes();
        auto *question = qobject_cast<QMessageBox *>(boxes[0]->windowTitle() == Dialogs::applicationTitle() ? boxes[0] : boxes[1]);
        auto *notice = qobject_cast<QMessageBox *>(question == boxes[0] ? boxes[1] : boxes[0]);
        QCOMPARE(question->defaultButton(), question->button(QMessageBox::No));
        QVERIFY(!noticeClosed && !answer);
        question->button(QMessageBox::Yes)->click();
        QCOMPARE(answer, std::optional<bool>(true));
        notice->button(QMessageBox::Ok)->click();
        QVERIFY(noticeClosed);
        QTRY_VERIFY(openBoxes().isEmpty());
    }

    // At the end of a game: a notice closes without what follows it, a later question and a
    // waiting question say No, and nothing stays open.
    void closeOpenGivesEveryOpenBoxItsHarmlessAnswer()
    {
        WidgetDialogs dialogs;
        bool noticeClosed = false;
        std::optional<bool> laterAnswer;
        dialogs.notify(QStringLiteral("Goed geraden"), QString(), [&] { noticeClosed = true; });
        dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), Dialogs::Answer::Yes, [&](bool yes) { laterAnswer = yes; });
        qsizetype openWhileAsking = 0;
        QTimer::singleShot(0, this, [&] {
            openWhileAsking = openBoxes().size();
            dialogs.closeOpen();
        });
        const bool yes = dialogs.ask(QStringLiteral("Verwijderen?"), QString(), Dialogs::Icon::None, Dialogs::Answer::Yes);
        QCOMPARE(openWhileAsking, 3);
        QVERIFY(!yes);
        QCOMPARE(laterAnswer, std::optional<bool>(false));
        QVERIFY(!noticeClosed && openBoxes().isEmpty());
    }

    void boxesGrowByTheScale_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("scale");
        for (const char *kind : {"notice", "later question", "message", "question", "input"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 1").arg(kind))) << QString::fromLatin1(kind) << 1.0;
            QTest::newRow(qPrintable(QStringLiteral("%1 1.40625").arg(kind))) << QString::fromLatin1(kind) << 1.40625;
        }
    }

    // A board drawn 1.4 times larger gets its messages, their icons and the name question 1.4 times larger.
    void boxesGrowByTheScale()
    {
        QFETCH(QString, kind);
        QFETCH(double, scale);
        WidgetDialogs dialogs;
        dialogs.setScale(scale);
        QFont shown, designed;
        QSize iconSize;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const auto look = [&] {
            const QList<QDialog *> boxes = openBoxes();
            shown = boxes[0]->font();
            designed = QApplication::font(boxes[0]);
            if (auto *box = qobject_cast<QMessageBox *>(boxes[0])) {
                icon = box->icon();
                iconSize = iconSizeOf(box);
            }
            dialogs.closeOpen();
        };
        if (kind == "notice" || kind == "later question") {
            if (kind == "notice")
                dialogs.notify(QStringLiteral("Einde"), QString(), {});
            else
                dialogs.askLater(QStringLiteral("Afsluiten?"), QString(), Dialogs::Answer::No, {});
            look();
        } else {
            QTimer::singleShot(0, this, look);
            if (kind == "message")
                dialogs.message(QStringLiteral("Er staan te weinig puzzels in de database"), QString(), Dialogs::Icon::Exclamation);
            else if (kind == "question")
                QVERIFY(!dialogs.ask(QStringLiteral("Verwijderen?"), QString(), Dialogs::Icon::None, Dialogs::Answer::Yes));
            else
                QCOMPARE(dialogs.input(QStringLiteral("Typ hieronder jouw naam in..."), QStringLiteral("Naam Speler"),
                                       QStringLiteral("Anna")),
                         QString());
        }
        QCOMPARE(shown.pointSizeF(), designed.pointSizeF() * scale);
        QCOMPARE(shown.family(), designed.family());
        // The icon grows with the text, drawn at its new size; the box keeps its kind.
        if (kind == "message") {
            QCOMPARE(icon, QMessageBox::Warning);
            QMessageBox plain(QMessageBox::Warning, QString(), QString());
            QCOMPARE(iconSize, iconSizeOf(&plain) * scale);
        }
    }
};

QTEST_MAIN(TestWidgetDialogs)
#include "tst_widgetdialogs.moc"

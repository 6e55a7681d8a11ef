#include "controls/vistabutton.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "shell/scoreform.h"
#include "support/fakes.h"
#include "ui/windowscaler.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

class TestScoreForm : public QObject
{
    Q_OBJECT
private slots:
    // A file longer than any old limit shows whole. A line counts as chosen only when the
    // player picks it: not at opening, when the list takes focus, and not after a deletion,
    // when the list would move on to the next line. A deletion writes back every other line
    // (how the file keeps lines in a form the program would not write, and the order among
    // equal scores, are tst_scorelist's). Each question is answered Yes.
    void deletesOnlyWhatThePlayerPicked()
    {
        TestContext test;
        QByteArray file = fileHeader + "\"0100 - quote\"inside\"\r\n\"9999 - Anna\"\r\n\"9999 - Anna\"\r\n";
        for (int i = 0; i < 40000; ++i)
            file += "\"" + QByteArray::number(1000 + i % 8000) + " - speler" + QByteArray::number(i) + "\"\r\n";
        test.writeData("Scorelijst.lib", file);
        ScoreList scores;
        QVERIFY(ScoreFile::load(test.dataPath("Scorelijst.lib"), scores));
        ScoreForm form(test.context(), scores);
        QVERIFY(showActive(&form));
        QListWidget *list = form.scoreListBox();
        QCOMPARE(form.countLabel()->text(), QString("40003 namen in de lijst"));
        list->setFocus(Qt::TabFocusReason);
        test.dialogs.answers = {true, true, true, true};
        for (int pick : {-1, 1, -1}) {
            QVERIFY(!list->currentItem() && list->selectedItems().isEmpty());
            if (pick >= 0)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(pick)).center());
            QTest::mouseClick(form.deleteButton(), Qt::LeftButton);
        }

        // One of two equal lines went, from the window, the list and the file at once.
        const QByteArray written = test.readData("Scorelijst.lib");
        QVERIFY(list->count() == 40002 && scores.count() == 40002 && written.count("\r\n") == 40004);
        QVERIFY(written.endsWith("\"8999 - speler7999\"\r\n\"9999 - Anna\"\r\n"));
        QCOMPARE(form.countLabel()->text(), QString("40002 namen in de lijst"));

        // Enter would answer "Nee": emptying the list takes a deliberate "Ja".
        QTest::mouseClick(form.deleteAllButton(), Qt::LeftButton);
        QCOMPARE(test.dialogs.texts(), (QStringList{"Wilt u '...' verwijderen uit de lijst?", "Eerst een naam selecteren...",
                                     "Wilt u 'Anna' verwijderen uit de lijst?", "Wilt u '...' verwijderen uit de lijst?",
                                     "Eerst een naam selecteren...", "Wilt u alle 40002 namen verwijderen? [Nee]"}));
        QCOMPARE(list->count() + scores.count(), 0);
        QCOMPARE(form.countLabel()->text(), QString("0 namen in de lijst"));
        QCOMPARE(test.readData("Scorelijst.lib"), fileHeader);
    }
    // After a deletion the keyboard goes on where the line stood: Down chooses the line
    // that followed it, Up the one before; nothing is framed as if chosen meanwhile.
    void keyboardGoesOnWhereTheLineStood_data()
    {
        QTest::addColumn<int>("deleted"); // the row, highest first
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("down") << 2 << int(Qt::Key_Down) << "0002 - b";
        QTest::newRow("up") << 2 << int(Qt::Key_Up) << "0004 - d";
        QTest::newRow("up from the top") << 0 << int(Qt::Key_Up) << "0004 - d";
    }
    void keyboardGoesOnWhereTheLineStood()
    {
        QFETCH(int, deleted);
        QFETCH(int, key);
        QFETCH(QString, chosen);
        TestContext test;
        test.writeData("Scorelijst.lib", fileHeader + "\"0001 - a\"\r\n\"0002 - b\"\r\n\"0003 - c\"\r\n\"0004 - d\"\r\n"
                                                      "\"0005 - e\"\r\n");
        ScoreList scores;
        QVERIFY(ScoreFile::load(test.dataPath("Scorelijst.lib"), scores));
        ScoreForm form(test.context(), scores);
        QVERIFY(showActive(&form));
        QListWidget *list = form.scoreListBox();
        list->setFocus(Qt::TabFocusReason);
        list->setCurrentRow(deleted);
        test.dialogs.answers = {true};
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(!list->currentItem() && list->selectedItems().isEmpty());
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(list->selectedItems().value(0) ? list->selectedItems().value(0)->text() : QString(), chosen);
    }

    // After a game the list opens where the game's line stands, that line chosen.
    void opensAtTheGamesLine()
    {
        TestContext test;
        QByteArray file = fileHeader;
        for (int i = 0; i < 500; ++i)
            file += "\"" + QByteArray::number(1000 + i) + " - speler\"\r\n";
        test.writeData("Scorelijst.lib", file);
        ScoreList scores;
        QVERIFY(ScoreFile::load(test.dataPath("Scorelijst.lib"), scores));
        const ScoreEntry game = ScoreEntry::ofGame(-40, QStringLiteral("Anna"));
        scores.add(game);
        ScoreForm form(test.context(), scores);
        form.showLine(game);
        WindowScaler::scaleWindow(&form, 1.5); // as the main window opens it, grown with the board
        QVERIFY(showActive(&form));
        QListWidget *list = form.scoreListBox();
        QCOMPARE(list->item(500)->text(), QStringLiteral("-040 - Anna"));
        QTRY_VERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(500))));
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(500)});
        // Read, Enter goes on, as Ok does.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!form.isVisible() && form.result() == QDialog::Accepted);
    }
};

QTEST_MAIN(TestScoreForm)
#include "tst_scoreform.moc"

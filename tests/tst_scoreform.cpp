#include "controls/vistabutton.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "shell/scoreform.h"
#include "support/fakes.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

static const QByteArray s_header = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";

class TestScoreForm : public QObject
{
    Q_OBJECT
private slots:
    // A line counts as chosen only when the player picks it: not at opening, when the list
    // takes focus, and not after a deletion, when the list would move on to the next line.
    // Each question is answered Yes.
    void deletesOnlyWhatThePlayerPicked()
    {
        TestContext test;
        ScoreList scores;
        for (const ScoreEntry &entry : {ScoreEntry{80, "Bram"}, {120, "Anna"}, {340, "Cor"}, {120, "Anna"}})
            scores.add(entry);
        ScoreForm form(test.context(), scores);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QListWidget *list = form.scoreListBox();
        list->setFocus(Qt::TabFocusReason);
        test.dialogs.answers = {true, true, true, true};
        for (int pick : {-1, 1, -1}) {
            QVERIFY(!list->currentItem() && list->selectedItems().isEmpty());
            if (pick >= 0)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(pick)).center());
            QTest::mouseClick(form.deleteButton(), Qt::LeftButton);
        }
        // One of two equal lines went, from the window, the list and the file at once.
        QCOMPARE(list->count(), 3);
        QCOMPARE(test.readData("Scorelijst.lib"), s_header + "\"0080 - Bram\"\r\n\"0120 - Anna\"\r\n\"0340 - Cor\"\r\n");
        // Enter would answer "Nee": emptying the list takes a deliberate "Ja".
        QTest::mouseClick(form.deleteAllButton(), Qt::LeftButton);
        QCOMPARE(test.dialogs.shown.last().defaultAnswer, Dialogs::Answer::No);
        QStringList shown;
        for (const ShownDialog &dialog : test.dialogs.shown)
            shown << dialog.text;
        QCOMPARE(shown, (QStringList{"Wilt u '...' verwijderen uit de lijst?", "Eerst een naam selecteren...",
                                     "Wilt u 'Anna' verwijderen uit de lijst?", "Wilt u '...' verwijderen uit de lijst?",
                                     "Eerst een naam selecteren...", "Wilt u alle 3 namen verwijderen?"}));
        QCOMPARE(list->count() + scores.count(), 0);
        QCOMPARE(test.readData("Scorelijst.lib"), s_header);
    }

    // A file longer than any old limit shows whole, and a deletion writes back every other
    // line, also one the file holds in a form the program would not write.
    void deletionKeepsEveryOtherLineOfALongFile()
    {
        TestContext test;
        QByteArray file = s_header + "\"0100 - quote\"inside\"\r\n";
        for (int i = 0; i < 40000; ++i)
            file += "\"" + QByteArray::number(1000 + i % 8000) + " - speler" + QByteArray::number(i) + "\"\r\n";
        test.writeData("Scorelijst.lib", file);
        ScoreList scores;
        QVERIFY(ScoreFile::load(test.dataPath("Scorelijst.lib"), scores));
        ScoreForm form(test.context(), scores);
        QCOMPARE(form.countLabel()->text(), QString("40001 namen in de lijst"));
        QCOMPARE(form.scoreListBox()->item(0)->text(), QString("8999 - speler7999")); // by text among equal scores
        form.scoreListBox()->setCurrentRow(0);
        test.dialogs.answers = {true};
        QTest::mouseClick(form.deleteButton(), Qt::LeftButton);
        const QByteArray written = test.readData("Scorelijst.lib");
        QCOMPARE(written.count("\r\n"), 40002);
        QVERIFY(!written.contains("speler7999\"") && written.contains("speler39999\""));
        QVERIFY(written.contains("\r\n\"0100 - quote\"inside\"\r\n"));
    }
};

QTEST_MAIN(TestScoreForm)
#include "tst_scoreform.moc"

#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/helppanel.h"
#include "editor/listprintjob.h"
#include "editor/progressstrip.h"
#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

using Answer = Dialogs::Answer;
const QString lib = QStringLiteral("Puzzel.lib");

QByteArray puzzleFile(int rows)
{
    QByteArray bytes = "Brovelt Software 2019\r\n----------\r\n";
    for (int i = 1; i <= rows; ++i)
        bytes += QStringLiteral("woord%1,een%1,twee%1,drie%1,vier%1\r\n").arg(i).toLatin1();
    return bytes;
}

// Rows and boxes are compared as "keyword|description 1|...|description 4".
QStringList fileRows(int count)
{
    QStringList all;
    for (int i = 1; i <= count; ++i)
        all << QStringLiteral("woord%1|een%1|twee%1|drie%1|vier%1").arg(i);
    return all;
}

QStringList rows(const EditForm &form)
{
    QStringList all;
    for (const PuzzleEntry &e : form.list().entries())
        all << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    return all;
}

// Box 0 is the keyword, 1 to 4 the descriptions.
QLineEdit *box(const EditForm &form, int k)
{
    return k == 0 ? form.keywordBox() : form.descriptionBox(k - 1);
}

QString boxes(const EditForm &form)
{
    QStringList texts;
    for (int k = 0; k < 5; ++k)
        texts << box(form, k)->text();
    return texts.join(u'|');
}

void fillBoxes(EditForm &form, const QString &joined)
{
    for (int k = 0; k < 5; ++k)
        box(form, k)->setText(joined.split(u'|').at(k));
}

void clickRow(EditForm &form, int index)
{
    const QRect rect = form.puzzleTable()->visualRect(form.list().index(index, 1));
    QTest::mouseClick(form.puzzleTable()->viewport(), Qt::LeftButton, {}, rect.center());
}

void click(EditForm &form, EditForm::Button which)
{
    QTest::mouseClick(form.button(which), Qt::LeftButton);
}

} // namespace

class TestEditForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_t = std::make_unique<TestContext>();
        m_t->writeData(lib, puzzleFile(3));
    }
    void cleanup()
    {
        m_form.reset();
        m_t.reset();
    }

    // A refusal leaves list, boxes and file as they were. 'focus' is the box the cursor is
    // put in, -1 none.
    void refusals_data()
    {
        QTest::addColumn<EditForm::Button>("button");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // after the title
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<int>("focus");

        const QString game = "Raadkwartet: ", incomplete = game + "Niet alle gegevens zijn ingevuld!";
        const QString limit = "Error: Er kunnen maximaal 999 items worden ingevoerd!";
        const QString unstorable = " kan niet worden bewaard. Laat het weg of kies een ander teken.";
        const QString separator = " kan niet worden bewaard: het puzzelbestand gebruikt dit teken om de velden van "
                                  "elkaar te scheiden. Laat het weg of kies een ander teken.";
        const auto add = EditForm::AddButton, change = EditForm::ChangeButton;
        const auto critical = Dialogs::Icon::Critical, none = Dialogs::Icon::None, mark = Dialogs::Icon::Exclamation;
        // The order of the checks shows at 999 rows: an empty box first, the limit before a blank keyword.
        QTest::newRow("add, keyword empty") << add << 3 << "|a|b|c|d" << incomplete << critical << -1;
        QTest::newRow("add, 999 rows, a box empty") << add << 999 << "k|a|b||d" << incomplete << critical << -1;
        QTest::newRow("add, 999 rows") << add << 999 << "k|a|b|c|d" << limit << critical << -1;
        QTest::newRow("add, 999 rows, blank keyword") << add << 999 << "   |a|b|c|d" << limit << critical << -1;
        QTest::newRow("add, blank keyword") << add << 3 << "   |a|b|c|d" << game + "Oplossing invullen a.u.b." << none
                                            << 0;
        QTest::newRow("change, blank keyword") << change << 3 << "  ||||" << game + "Eerst een item selecteren a.u.b."
                                               << none << 0;
        QTest::newRow("add, emoji") << add << 3 << "k|a|lach 😀|c|d"
                                    << game + "Het teken \"😀\" in Omschrijving 2" + unstorable << mark << 2;
        QTest::newRow("change, Chinese") << change << 3 << "thee 茶|a|b|c|d"
                                         << game + "Het teken \"茶\" in Trefwoord" + unstorable << mark << 0;
        QTest::newRow("add, comma") << add << 3 << "k|a|b|c|zoet, sappig"
                                    << game + "Het teken \",\" in Omschrijving 4" + separator << mark << 4;
        QTest::newRow("change, quote") << change << 3 << "k|\"a\"|b|c|d"
                                       << game + "Het teken '\"' in Omschrijving 1" + separator << mark << 1;
    }
    void refusals()
    {
        QFETCH(EditForm::Button, button);
        QFETCH(int, count);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(Dialogs::Icon, icon);
        QFETCH(int, focus);

        m_t->writeData(lib, puzzleFile(count));
        QVERIFY(open());
        clickRow(*m_form, 1);
        fillBoxes(*m_form, typed);
        m_form->descriptionBox(3)->setFocus();
        click(*m_form, button);

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title + ": " + shown[0].text, message);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(rows(*m_form), fileRows(count));
        QCOMPARE(boxes(*m_form), typed);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(box(*m_form, k)->hasFocus(), k == focus);
        QVERIFY(!m_form->hasUnsavedChanges());
        QCOMPARE(m_t->readData(lib), puzzleFile(count));
    }
    void editingRowsThenTheHelpPanel()
    {
        QVERIFY(open());
        EditForm &form = *m_form;

        // Added as typed, except a blank description, which becomes "-".
        fillBoxes(form, " peer |fruit|   |geel |stoof");
        click(form, EditForm::AddButton);
        QCOMPARE(rows(form).at(3), " peer |fruit|-|geel |stoof");
        QCOMPARE(boxes(form), "||||");
        QCOMPARE(form.countLabel()->text(), QStringLiteral("4 Items"));
        QVERIFY(form.keywordBox()->hasFocus());

        // Selecting fills the boxes; Tab into a box keeps its text, a click empties it.
        clickRow(form, 1);
        form.keywordBox()->setFocus();
        QTest::keyClick(form.keywordBox(), Qt::Key_Tab);
        QVERIFY(form.descriptionBox(0)->hasFocus());
        QTest::mouseClick(form.descriptionBox(1), Qt::LeftButton);
        QCOMPARE(boxes(form), "woord2|een2||drie2|vier2");
        form.keywordBox()->setText(QStringLiteral("woordje"));
        click(form, EditForm::ChangeButton);
        QCOMPARE(rows(form).at(1), "woordje|een2|-|drie2|vier2");

        // Delete asks, naming the selected row rather than what the box holds; No keeps the row.
        form.keywordBox()->setText(QStringLiteral("iets anders"));
        m_t->dialogs.answers = {false, true};
        click(form, EditForm::DeleteButton);
        click(form, EditForm::DeleteButton);
        QCOMPARE(m_t->dialogs.shown[1].text, QStringLiteral("Wil je (woordje) verwijderen uit de lijst?"));
        QCOMPARE(rows(form), (QStringList{fileRows(1)[0], fileRows(3)[2], " peer |fruit|-|geel |stoof"}));

        // While the help shows, only Exit works.
        fillBoxes(form, "peer|a|b|c|d");
        form.helpAction()->trigger();
        QVERIFY(form.puzzleTable()->isHidden() && !form.helpPanel()->isHidden());
        for (int k = 0; k < EditForm::ButtonCount; ++k)
            QCOMPARE(form.button(EditForm::Button(k))->isEnabled(), k == EditForm::ExitButton);
        form.addItem();
        QCOMPARE(form.list().count(), 3);
        form.helpAction()->trigger();
        QVERIFY(!form.puzzleTable()->isHidden() && form.helpPanel()->isHidden());
        QVERIFY(form.button(EditForm::AddButton)->isEnabled() && form.button(EditForm::SaveButton)->isEnabled());

        // Exit, Escape and the close button ask about the unsaved rows; Cancel stays, Yes saves and goes.
        m_t->dialogs.threeWayAnswers = {Answer::Cancel, Answer::Cancel, Answer::Cancel, Answer::Yes};
        click(form, EditForm::ExitButton);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible() && form.hasUnsavedChanges());
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_t->dialogs.shown.size(), 6);
        QCOMPARE(m_t->dialogs.shown[2].text, QStringLiteral("De lijst is gewijzigd. Wil je de wijzigingen opslaan?"));
        QCOMPARE(m_t->readData(lib), puzzleFile(1) + "woord3,een3,twee3,drie3,vier3\r\npeer,fruit,-,geel,stoof\r\n");
    }
    // Whatever moves the selection, the boxes show that row and "Wijzigen" writes only it.
    // After a delete the table selects a neighbour and the boxes show it, so the deleted
    // row's texts can never go over the row that took its place.
    void changeWritesTheRowShown_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<int>("shown"); // in the list as it is then
        QTest::newRow("down") << 0 << QKeySequence("Down") << false << 1;
        QTest::newRow("home") << 2 << QKeySequence("Home") << false << 0;
        // The search runs in the column clicked.
        QTest::newRow("type-ahead") << 0 << QKeySequence("E, E, N, 3") << false << 2;
        QTest::newRow("delete first") << 0 << QKeySequence() << true << 0;
        QTest::newRow("delete last") << 2 << QKeySequence() << true << 1;
    }
    void changeWritesTheRowShown()
    {
        QFETCH(int, clicked);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, deleted);
        QFETCH(int, shown);

        QVERIFY(open());
        clickRow(*m_form, clicked);
        QTest::keySequence(m_form->puzzleTable(), keys);
        QStringList expected = fileRows(3);
        if (deleted) {
            m_t->dialogs.answers = {true};
            click(*m_form, EditForm::DeleteButton);
            expected.removeAt(clicked);
        }
        QCOMPARE(boxes(*m_form), expected.at(shown));

        m_form->keywordBox()->setText(QStringLiteral("nieuw"));
        click(*m_form, EditForm::ChangeButton);
        expected[shown] = "nieuw" + expected[shown].mid(expected[shown].indexOf(u'|'));
        QCOMPARE(rows(*m_form), expected);
        QCOMPARE(m_t->dialogs.shown.size(), int(deleted));
    }
    void savingWritesTheFileWhileResponsive()
    {
        QVERIFY(open());
        EditForm &form = *m_form;
        fillBoxes(form, " peer |fruit | boom|geel|stoof");
        click(form, EditForm::AddButton);

        // While saving, the window handles events but refuses list changes, a second save and closing.
        bool probed = false, secondSaveStarted = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, &form, [&] {
            if (!form.isSaving() || std::exchange(probed, true))
                return;
            QVERIFY(!form.button(EditForm::SaveButton)->isEnabled() && !form.button(EditForm::ExitButton)->isEnabled());
            fillBoxes(form, "kers|a|b|c|d");
            form.addItem();
            form.saveList(); // a nested save would run to its end here and fill the strip
            secondSaveStarted = form.progressStrip()->image().pixelColor(496, 10) == QColor(0, 190, 0);
            form.close();
        });
        probe.start(0);
        click(form, EditForm::SaveButton);
        probe.stop();

        QVERIFY(probed && !secondSaveStarted && form.isVisible());
        QCOMPARE(form.list().count(), 4);
        QVERIFY(form.button(EditForm::SaveButton)->isEnabled() && form.button(EditForm::ExitButton)->isEnabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(m_t->readData(lib), puzzleFile(3) + "peer,fruit,boom,geel,stoof\r\n");
        // Saved: Exit closes unasked.
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible() && m_t->dialogs.shown.isEmpty());
    }
    // A folder in the file's place, put there after the file was read, stops root as well.
    void failedSaveIsReported()
    {
        QVERIFY(open());
        fillBoxes(*m_form, "peer|a|b|c|d");
        click(*m_form, EditForm::AddButton);
        QVERIFY(QFile::remove(m_t->dataPath(lib)));
        QVERIFY(QDir().mkpath(m_t->dataPath(lib + "/oud")));

        m_t->dialogs.threeWayAnswers = {Answer::Yes, Answer::No};
        click(*m_form, EditForm::SaveButton);
        click(*m_form, EditForm::ExitButton); // Yes: the save fails again and the editor stays
        QVERIFY(m_form->isVisible());
        click(*m_form, EditForm::ExitButton);
        QVERIFY(!m_form->isVisible());

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 4);
        for (const int k : {0, 2}) {
            QVERIFY2(shown[k].text.startsWith("De puzzels konden niet worden bewaard: ") && shown[k].text.size() > 40,
                     qPrintable(shown[k].text));
            QCOMPARE(shown[k].icon, Dialogs::Icon::Critical);
        }
        QVERIFY(QFileInfo(m_t->dataPath(lib + "/oud")).isDir());
    }
    // Without a printer the list goes to a PDF in the program's folder; a failure to write it is reported.
    void printingWithoutPrinterWritesPdf()
    {
        m_t->writeData(lib, puzzleFile(36)); // two pages: the form prints its own list
        const QString path = ListPrintJob::pdfPath(m_t->context());
        EditForm form(m_t->context(), m_settings);
        click(form, EditForm::PrintButton);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/MediaBox [0 0 842.000000 595.000000]"), 2); // A4 landscape
        QVERIFY(pdf.remove() && QDir().mkdir(path)); // a folder in the file's place
        click(form, EditForm::PrintButton);

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 2);
        for (const ShownDialog &told : shown)
            QVERIFY(told.text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(shown[0].icon, Dialogs::Icon::Information);
        QCOMPARE(shown[1].icon, Dialogs::Icon::Exclamation);
    }

private:
    bool open()
    {
        m_form = std::make_unique<EditForm>(m_t->context(), m_settings);
        m_form->show();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<EditForm> m_form;
    GameSettings m_settings;
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"

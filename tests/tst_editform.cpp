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

QByteArray puzzleFile(int rows)
{
    QByteArray bytes = "Brovelt Software 2019\r\n----------\r\n";
    for (int i = 1; i <= rows; ++i)
        bytes += QStringLiteral("woord%1,een%1,twee%1,drie%1,vier%1\r\n").arg(i).toLatin1();
    return bytes;
}

// Rows and boxes as "keyword|description 1|...|description 4".
QString boxes(const EditForm &form)
{
    QStringList texts{form.keywordBox()->text()};
    for (int k = 0; k < 4; ++k)
        texts << form.descriptionBox(k)->text();
    return texts.join(u'|');
}

void fillBoxes(EditForm &form, const QString &joined)
{
    const QStringList texts = joined.split(u'|');
    form.keywordBox()->setText(texts.at(0));
    for (int k = 0; k < 4; ++k)
        form.descriptionBox(k)->setText(texts.at(k + 1));
}

QString row(const EditForm &form, int index)
{
    const PuzzleEntry &e = form.list().entry(index);
    return QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
}

QStringList rows(const EditForm &form)
{
    QStringList all;
    for (int i = 0; i < form.list().count(); ++i)
        all << row(form, i);
    return all;
}

// Row n of puzzleFile(), counted from 0.
QString fileRow(int index)
{
    return QStringLiteral("woord%1|een%1|twee%1|drie%1|vier%1").arg(index + 1);
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

const QString lib = QStringLiteral("Puzzel.lib");

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
    void cleanup() { m_t.reset(); }

    // Positions are designed in twips, 15 to a pixel at 96 dots per inch.
    void layoutInPixels()
    {
        EditForm form(m_t->context(), m_settings);
        QCOMPARE(form.logicalDpiY(), 96);
        QCOMPARE(form.size(), QSize(752, 336));
        QCOMPARE(form.puzzleTable()->geometry(), QRect(8, 10, 500, 234));
        QCOMPARE(form.progressStrip()->geometry(), QRect(8, 250, 502, 20));
        QCOMPARE(form.keywordBox()->geometry(), QRect(520, 58, 226, 24));
        QCOMPARE(form.descriptionBox(3)->geometry(), QRect(520, 185, 226, 24));
        QCOMPARE(form.button(EditForm::SaveButton)->geometry(), QRect(436, 280, 74, 24));
        QCOMPARE(form.button(EditForm::ExitButton)->geometry(), QRect(668, 280, 74, 24));
    }
    // 'focus' is the box the cursor is put in: 0 the keyword, 1 to 4 the descriptions, -1 none.
    void refusals_data()
    {
        QTest::addColumn<EditForm::Button>("button");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<int>("focus");

        const QString incomplete = "Niet alle gegevens zijn ingevuld!", select = "Eerst een item selecteren a.u.b.";
        const QString limit = "Er kunnen maximaal 999 items worden ingevoerd!", game = "Raadkwartet";
        const QString unstorable = " kan niet worden bewaard. Laat het weg of kies een ander teken.";
        const QString separator = " kan niet worden bewaard: het puzzelbestand gebruikt dit teken om de velden van "
                                  "elkaar te scheiden. Laat het weg of kies een ander teken.";
        const auto add = EditForm::AddButton, change = EditForm::ChangeButton;
        const auto critical = Dialogs::Icon::Critical, none = Dialogs::Icon::None;
        const auto exclamation = Dialogs::Icon::Exclamation;
        QTest::newRow("add, keyword empty") << add << 3 << "|a|b|c|d" << incomplete << game << critical << -1;
        QTest::newRow("add, a description empty") << add << 3 << "k|a|b||d" << incomplete << game << critical << -1;
        QTest::newRow("add, 999 rows") << add << 999 << "k|a|b|c|d" << limit << "Error" << critical << -1;
        QTest::newRow("add, 999 rows, a box empty") << add << 999 << "k||b|c|d" << incomplete << game << critical << -1;
        QTest::newRow("add, 999 rows, blank keyword") << add << 999 << "   |a|b|c|d" << limit << "Error" << critical << -1;
        QTest::newRow("add, blank keyword") << add << 3 << "   |a|b|c|d" << "Oplossing invullen a.u.b." << game << none << 0;
        QTest::newRow("change, keyword empty") << change << 3 << "|a|b|c|d" << select << game << none << 0;
        QTest::newRow("change, blank keyword") << change << 3 << "  ||||" << select << game << none << 0;
        QTest::newRow("add, emoji") << add << 3 << "k|a|lach 😀|c|d"
                                    << "Het teken \"😀\" in Omschrijving 2" + unstorable << game << exclamation << 2;
        QTest::newRow("change, Chinese") << change << 3 << "thee 茶|a|b|c|d"
                                         << "Het teken \"茶\" in Trefwoord" + unstorable << game << exclamation << 0;
        QTest::newRow("add, comma") << add << 3 << "k|a|b|c|zoet, sappig"
                                    << "Het teken \",\" in Omschrijving 4" + separator << game << exclamation << 4;
        QTest::newRow("change, quote") << change << 3 << "k|\"a\"|b|c|d"
                                       << "Het teken '\"' in Omschrijving 1" + separator << game << exclamation << 1;
    }
    void refusals()
    {
        QFETCH(EditForm::Button, button);
        QFETCH(int, rows);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(Dialogs::Icon, icon);
        QFETCH(int, focus);

        m_t->writeData(lib, puzzleFile(rows));
        EditForm form(m_t->context(), m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        clickRow(form, 1);
        fillBoxes(form, typed);
        form.descriptionBox(3)->setFocus();
        click(form, button);

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, title);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(form.list().count(), rows);
        QCOMPARE(row(form, 1), fileRow(1));
        QCOMPARE(boxes(form), typed);
        QCOMPARE(form.countLabel()->text(), QStringLiteral("%1 Items").arg(rows));
        for (int k = 0; k < 5; ++k)
            QCOMPARE((k == 0 ? form.keywordBox() : form.descriptionBox(k - 1))->hasFocus(), k == focus);
        QVERIFY(!form.hasUnsavedChanges());
        QCOMPARE(m_t->readData(lib), puzzleFile(rows));
    }
    void editingRowsThenTheHelpPanel()
    {
        EditForm form(m_t->context(), m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        // Added as typed, except a blank description, which becomes "-".
        fillBoxes(form, " peer |fruit|   |geel |stoof");
        click(form, EditForm::AddButton);
        QCOMPARE(row(form, 3), " peer |fruit|-|geel |stoof");
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
        QCOMPARE(row(form, 1), "woordje|een2|-|drie2|vier2");

        // Delete asks, naming the selected row rather than what the box holds; No keeps the row.
        form.keywordBox()->setText(QStringLiteral("iets anders"));
        m_t->dialogs.answers = {false, true};
        click(form, EditForm::DeleteButton);
        click(form, EditForm::DeleteButton);
        QCOMPARE(m_t->dialogs.shown[1].text, QStringLiteral("Wil je (woordje) verwijderen uit de lijst?"));
        QCOMPARE(m_t->dialogs.shown[1].title, QStringLiteral(" Delete"));
        QCOMPARE(row(form, 1), fileRow(2));
        QCOMPARE(form.countLabel()->text(), QStringLiteral("3 Items"));

        // While the help shows, only Exit works.
        fillBoxes(form, "peer|a|b|c|d");
        form.helpAction()->trigger();
        QVERIFY(form.puzzleTable()->isHidden() && !form.helpPanel()->isHidden() && form.helpAction()->isChecked());
        for (int k = 0; k < EditForm::ButtonCount; ++k)
            QCOMPARE(form.button(EditForm::Button(k))->isEnabled(), k == EditForm::ExitButton);
        form.addItem();
        QCOMPARE(form.countLabel()->text(), QStringLiteral("3 Items"));
        form.helpAction()->trigger();
        QVERIFY(!form.puzzleTable()->isHidden() && form.helpPanel()->isHidden());
        QVERIFY(form.button(EditForm::AddButton)->isEnabled() && form.button(EditForm::SaveButton)->isEnabled());

        // Exit, Escape and the close button ask about the unsaved rows; Cancel stays, Yes saves and goes.
        m_t->dialogs.threeWayAnswers = {Answer::Cancel, Answer::Cancel, Answer::Cancel, Answer::Yes};
        click(form, EditForm::ExitButton);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QVERIFY(form.hasUnsavedChanges());
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_t->dialogs.shown.size(), 6);
        QCOMPARE(m_t->dialogs.shown[2].text, QStringLiteral("De lijst is gewijzigd. Wil je de wijzigingen opslaan?"));
        QCOMPARE(m_t->dialogs.shown[2].icon, Dialogs::Icon::Question);
        QCOMPARE(m_t->readData(lib), puzzleFile(1) + "woord3,een3,twee3,drie3,vier3\r\npeer,fruit,-,geel,stoof\r\n");
    }
    // Whatever moves the selection, the boxes show that row and "Wijzigen" writes only it.
    // After a delete the table selects a neighbour and the boxes show it, so the deleted
    // row's texts can never go over the row that took its place.
    void changeWritesTheRowShown_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<int>("shown"); // in the list as it is then
        QTest::newRow("down") << 0 << QList<int>{Qt::Key_Down} << "" << false << 1;
        QTest::newRow("up twice") << 2 << QList<int>{Qt::Key_Up, Qt::Key_Up} << "" << false << 0;
        QTest::newRow("end") << 0 << QList<int>{Qt::Key_End} << "" << false << 2;
        QTest::newRow("home") << 2 << QList<int>{Qt::Key_Home} << "" << false << 0;
        // The search runs in the column clicked.
        QTest::newRow("type-ahead") << 0 << QList<int>() << "een3" << false << 2;
        QTest::newRow("delete first") << 0 << QList<int>() << "" << true << 0;
        QTest::newRow("delete middle") << 1 << QList<int>() << "" << true << 1;
        QTest::newRow("delete last") << 2 << QList<int>() << "" << true << 1;
    }
    void changeWritesTheRowShown()
    {
        QFETCH(int, clicked);
        QFETCH(QList<int>, keys);
        QFETCH(QString, typed);
        QFETCH(bool, deleted);
        QFETCH(int, shown);

        EditForm form(m_t->context(), m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        clickRow(form, clicked);
        QCOMPARE(boxes(form), fileRow(clicked));
        for (const int key : keys)
            QTest::keyClick(form.puzzleTable(), Qt::Key(key));
        QTest::keyClicks(form.puzzleTable(), typed);
        QStringList expected{fileRow(0), fileRow(1), fileRow(2)};
        if (deleted) {
            m_t->dialogs.answers = {true};
            click(form, EditForm::DeleteButton);
            expected.removeAt(clicked);
        }
        QCOMPARE(boxes(form), expected.at(shown));

        form.keywordBox()->setText(QStringLiteral("nieuw"));
        click(form, EditForm::ChangeButton);
        expected[shown] = "nieuw" + expected[shown].mid(expected[shown].indexOf(u'|'));
        QCOMPARE(rows(form), expected);
        QCOMPARE(m_t->dialogs.shown.size(), int(deleted));
    }
    void savingWritesTheFileWhileResponsive()
    {
        EditForm form(m_t->context(), m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        fillBoxes(form, " peer |fruit | boom|geel|stoof");
        click(form, EditForm::AddButton);

        // While saving, the window handles events but refuses list changes, a second save and closing.
        int ticksWhileSaving = 0;
        bool secondSaveStarted = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, &form, [&] {
            if (!form.isSaving() || ticksWhileSaving++ > 0)
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

        QVERIFY(ticksWhileSaving > 0);
        QVERIFY(!secondSaveStarted);
        QVERIFY(form.isVisible());
        QCOMPARE(form.list().count(), 4);
        QVERIFY(form.button(EditForm::SaveButton)->isEnabled() && form.button(EditForm::ExitButton)->isEnabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(m_t->readData(lib), puzzleFile(3) + "peer,fruit,boom,geel,stoof\r\n");
        // Saved: Exit closes unasked.
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible());
        QVERIFY(m_t->dialogs.shown.isEmpty());
    }
    // A folder in the file's place, put there after the file was read, stops root as well.
    void failedSaveIsReported()
    {
        EditForm form(m_t->context(), m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        fillBoxes(form, "peer|a|b|c|d");
        click(form, EditForm::AddButton);
        QVERIFY(QFile::remove(m_t->dataPath(lib)));
        QVERIFY(QDir().mkpath(m_t->dataPath(lib + "/oud")));

        m_t->dialogs.threeWayAnswers = {Answer::Yes, Answer::No};
        click(form, EditForm::SaveButton);
        click(form, EditForm::ExitButton); // Yes: the save fails again and the editor stays
        QVERIFY(form.isVisible());
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible());

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 4);
        for (const int k : {0, 2}) {
            QVERIFY2(shown[k].text.startsWith("De puzzels konden niet worden bewaard: ") && shown[k].text.size() > 40,
                     qPrintable(shown[k].text));
            QCOMPARE(shown[k].icon, Dialogs::Icon::Critical);
        }
        QCOMPARE(form.progressStrip()->image().pixelColor(10, 10), QColor(0, 60, 0));
        QVERIFY(QFileInfo(m_t->dataPath(lib + "/oud")).isDir());
    }
    void printingWithoutPrinterWritesPdf_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("written") << true;
        QTest::newRow("cannot be written") << false;
    }
    void printingWithoutPrinterWritesPdf()
    {
        QFETCH(bool, writable);

        m_t->writeData(lib, puzzleFile(36));
        const QString path = ListPrintJob::pdfPath(m_t->context());
        if (!writable) // a folder in the file's place
            QVERIFY(QDir().mkdir(path));
        EditForm form(m_t->context(), m_settings);
        click(form, EditForm::PrintButton);

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Raadkwartet"));
        QVERIFY(shown[0].text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(shown[0].icon, writable ? Dialogs::Icon::Information : Dialogs::Icon::Exclamation);
        QFile pdf(path); // a folder does not open
        QCOMPARE(pdf.open(QIODevice::ReadOnly) ? pdf.readAll().count("/Type /Page\n") : 0, writable ? 2 : 0);
    }

private:
    std::unique_ptr<TestContext> m_t;
    GameSettings m_settings;
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"

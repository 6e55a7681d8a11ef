#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/listprintjob.h"
#include "editor/progressstrip.h"
#include "editor/saveprogress.h"
#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
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
    return QString::fromLatin1(puzzleFile(count)).replace(u',', u'|').split("\r\n").mid(2, count);
}

QStringList rows(const EditForm &form)
{
    QStringList all;
    for (const PuzzleEntry &e : form.list().entries())
        all << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    return all;
}

QString boxes(const EditForm &form)
{
    QStringList texts;
    for (int k = 0; k < 5; ++k)
        texts << (k == 0 ? form.keywordBox() : form.descriptionBox(k - 1))->text();
    return texts.join(u'|');
}

void fillBoxes(EditForm &form, const QString &joined)
{
    for (int k = 0; k < 5; ++k)
        (k == 0 ? form.keywordBox() : form.descriptionBox(k - 1))->setText(joined.split(u'|').at(k));
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
        m_form.reset();
        m_t = std::make_unique<TestContext>();
        m_t->writeData(lib, puzzleFile(3));
    }

    // A refusal leaves list and boxes as they were.
    void refusals_data()
    {
        QTest::addColumn<EditForm::Button>("button");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // how it starts, after the title
        QTest::addColumn<Dialogs::Icon>("icon");

        const QString game = "Raadkwartet: ";
        const auto add = EditForm::AddButton, change = EditForm::ChangeButton;
        const auto critical = Dialogs::Icon::Critical, none = Dialogs::Icon::None, mark = Dialogs::Icon::Exclamation;
        // At 999 rows the limit is checked before a blank keyword. How each character is
        // named is the field check's own test; here each kind once, on each button.
        QTest::newRow("add, keyword empty") << add << 3 << "|a|b|c|d" << game + "Niet alle gegevens zijn ingevuld!" << critical;
        QTest::newRow("add, 999 rows, blank keyword") << add << 999 << "   |a|b|c|d"
                                                      << "Error: Er kunnen maximaal 999 items worden ingevoerd!" << critical;
        QTest::newRow("add, blank keyword") << add << 3 << "   |a|b|c|d" << game + "Oplossing invullen a.u.b." << none;
        QTest::newRow("change, blank keyword") << change << 3 << "  ||||" << game + "Eerst een item selecteren a.u.b." << none;
        QTest::newRow("change, emoji") << change << 3 << "k|a|lach 😀|c|d" << game + "Het teken \"😀\" in Omschrijving 2 " << mark;
        QTest::newRow("add, comma") << add << 3 << "k|a|b|c|zoet, sappig" << game + "Het teken \",\" in Omschrijving 4 " << mark;
    }
    void refusals()
    {
        QFETCH(EditForm::Button, button);
        QFETCH(int, count);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(Dialogs::Icon, icon);

        m_t->writeData(lib, puzzleFile(count));
        QVERIFY(open());
        clickRow(*m_form, 1);
        fillBoxes(*m_form, typed);
        click(*m_form, button);

        const QList<ShownDialog> &shown = m_t->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE((shown[0].title + ": " + shown[0].text).left(message.size()), message);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(rows(*m_form), fileRows(count));
        QCOMPARE(boxes(*m_form), typed);
        QVERIFY(!m_form->hasUnsavedChanges());
    }
    void editingRowsThenExit()
    {
        QVERIFY(open());
        EditForm &form = *m_form;

        // Added without the blanks around the texts, which the file could not keep; a
        // blank description becomes "-". After "Toevoegen" no row stays selected, so
        // "Wijzigen" cannot write over the row the boxes showed before.
        clickRow(form, 1);
        fillBoxes(form, " peer |fruit|   |geel |stoof");
        click(form, EditForm::AddButton);
        QVERIFY(form.puzzleTable()->selectionModel()->selectedRows().isEmpty());
        fillBoxes(form, "kers|e|f|g|h");
        click(form, EditForm::ChangeButton);
        QCOMPARE(m_t->dialogs.shown.value(0).text, QString("Eerst een item selecteren a.u.b."));
        QCOMPARE(rows(form), fileRows(3) << "peer|fruit|-|geel|stoof");

        // Delete asks, naming the selected row rather than what the box holds; No keeps the row.
        clickRow(form, 1);
        form.keywordBox()->setText(QStringLiteral("iets anders"));
        m_t->dialogs.answers = {false, true};
        click(form, EditForm::DeleteButton);
        click(form, EditForm::DeleteButton);
        QCOMPARE(m_t->dialogs.shown[2].text, QStringLiteral("Wil je (woord2) verwijderen uit de lijst?"));
        QCOMPARE(rows(form), (QStringList{fileRows(1)[0], fileRows(3)[2], "peer|fruit|-|geel|stoof"}));

        // Exit, Escape and the close button ask about text typed and not applied ("Nee"
        // stays), then about the unsaved rows: Cancel stays, Yes saves and goes.
        form.descriptionBox(0)->setText(QStringLiteral("getypt"));
        m_t->dialogs.answers = {false, true, true, true};
        m_t->dialogs.threeWayAnswers = {Answer::Cancel, Answer::Cancel, Answer::Yes};
        click(form, EditForm::ExitButton);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.close());
        click(form, EditForm::ExitButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_t->dialogs.shown.size(), 10);
        QCOMPARE(m_t->dialogs.shown[3].text, QStringLiteral("De tekst in de vakken staat nog niet in de lijst. Wil je die tekst weggooien?"));
        QCOMPARE(m_t->dialogs.shown[3].defaultAnswer, Answer::No);
        QCOMPARE(m_t->dialogs.shown[5].text, QStringLiteral("De lijst is gewijzigd. Wil je de wijzigingen opslaan?"));
        QCOMPARE(m_t->readData(lib), puzzleFile(1) + "woord3,een3,twee3,drie3,vier3\r\npeer,fruit,-,geel,stoof\r\n");
    }
    // Every edit marks the list as changed, so that leaving asks about it; what changes
    // nothing, or a save, leaves without a question.
    void leavingAsksAfterEveryEdit_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("asks");
        QTest::newRow("Toevoegen") << "add" << true;
        QTest::newRow("Wijzigen") << "change" << true;
        QTest::newRow("Verwijderen") << "delete" << true;
        QTest::newRow("Verwijderen, answered No") << "keep" << false;
        QTest::newRow("Wijzigen, the same texts") << "same" << false;
        QTest::newRow("Wijzigen, then Opslaan") << "change save" << false;
        QTest::newRow("Opslaan, then Toevoegen") << "save add" << true;
        QTest::newRow("text typed, not applied") << "type" << true;
    }
    void leavingAsksAfterEveryEdit()
    {
        QFETCH(QString, edits);
        QFETCH(bool, asks);
        QVERIFY(open());
        clickRow(*m_form, 1);
        m_t->dialogs.answers = {edits != "keep"};
        const QHash<QString, EditForm::Button> buttons{{"add", EditForm::AddButton},
            {"save", EditForm::SaveButton}, {"delete", EditForm::DeleteButton}, {"keep", EditForm::DeleteButton}};
        for (const QString &edit : edits.split(u' ')) {
            if (edit == "add" || edit == "change" || edit == "type")
                m_form->keywordBox()->setText(QStringLiteral("nieuw"));
            if (edit != "type")
                click(*m_form, buttons.value(edit, EditForm::ChangeButton));
        }
        const qsizetype before = m_t->dialogs.shown.size();
        m_t->dialogs.threeWayAnswers = {Answer::No};
        click(*m_form, EditForm::ExitButton);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_t->dialogs.shown.size() - before, asks ? 1 : 0);
    }
    // Whatever moves the selection, the boxes show that row and "Wijzigen" writes only it.
    // Text typed and not applied is asked about first, once, "Nee" the default. After a
    // delete the table selects a neighbour and the boxes show it, so the deleted row's
    // texts can never go over the row that took its place.
    void boxesFollowTheSelection_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("typed"); // into Omschrijving 2, not applied
        QTest::addColumn<QString>("move"); // "Down", "click" on row 2 or "delete"
        QTest::addColumn<bool>("drop"); // the answer
        QTest::addColumn<int>("shown"); // in the list as it is then
        QTest::newRow("Down") << 0 << "" << "Down" << false << 1;
        QTest::newRow("delete first") << 0 << "" << "delete" << true << 0;
        QTest::newRow("delete last") << 2 << "" << "delete" << true << 1;
        QTest::newRow("typed, click, keep") << 0 << "nieuw" << "click" << false << 0;
        QTest::newRow("typed, click, drop") << 0 << "nieuw" << "click" << true << 2;
        QTest::newRow("typed, Down, keep") << 0 << "nieuw" << "Down" << false << 0;
    }
    void boxesFollowTheSelection()
    {
        QFETCH(int, clicked);
        QFETCH(QString, typed);
        QFETCH(QString, move);
        QFETCH(bool, drop);
        QFETCH(int, shown);

        QVERIFY(open());
        clickRow(*m_form, clicked);
        if (!typed.isEmpty())
            m_form->descriptionBox(1)->setText(typed);
        m_t->dialogs.answers = {drop};
        QStringList expected = fileRows(3);
        if (move == "click") {
            clickRow(*m_form, 2);
        } else if (move == "delete") {
            click(*m_form, EditForm::DeleteButton);
            expected.removeAt(clicked);
        } else {
            QTest::keyClick(m_form->puzzleTable(), Qt::Key_Down);
        }
        QTest::qWait(10); // the question waits until the view has settled
        const QList<ShownDialog> &dialogs = m_t->dialogs.shown;
        QCOMPARE(dialogs.size(), typed.isEmpty() && move != "delete" ? 0 : 1);
        if (!typed.isEmpty()) {
            QCOMPARE(dialogs[0].text, QString("De tekst in de vakken staat nog niet in de lijst. Wil je die tekst weggooien?"));
            QCOMPARE(dialogs[0].defaultAnswer, Answer::No);
            if (!drop)
                expected[shown].replace("twee1", typed);
        }
        QCOMPARE(m_form->puzzleTable()->selectionModel()->selectedRows(), QModelIndexList{m_form->list().index(shown, 0)});
        QCOMPARE(boxes(*m_form), expected[shown]);

        m_form->keywordBox()->setText(QStringLiteral("nieuw"));
        click(*m_form, EditForm::ChangeButton);
        expected[shown] = "nieuw" + expected[shown].mid(expected[shown].indexOf(u'|'));
        QCOMPARE(rows(*m_form), expected);
    }
    // A row loaded from the file that a save cannot write back is named before the save,
    // shown in the boxes, and the file is left as it was until the row is changed.
    void loadedRowThatCannotBeWrittenIsNamed()
    {
        const QByteArray file = "Brovelt Software 2019\r\n----------\r\nappel,a,b,c,d\r\n\"a,b\",c,d,e,f\r\n";
        m_t->writeData(lib, file);
        QVERIFY(open());
        click(*m_form, EditForm::SaveButton);
        // The text itself is the puzzle database's test (tst_puzzledatabase).
        QVERIFY(m_t->dialogs.shown.value(0).text.startsWith("Rij 2 (a,b) kan niet worden bewaard zoals hij nu is."));
        QCOMPARE(m_t->readData(lib), file);
        QCOMPARE(boxes(*m_form), QString("a,b|c|d|e|f"));

        m_form->keywordBox()->setText("a en b");
        click(*m_form, EditForm::ChangeButton);
        click(*m_form, EditForm::SaveButton);
        QCOMPARE(m_t->readData(lib), "Brovelt Software 2019\r\n----------\r\nappel,a,b,c,d\r\na en b,c,d,e,f\r\n");
    }
    // A folder in the place of the file or its backup, put there after the file was read,
    // stops root as well. The file's is an error, and the strip shows no part of the save;
    // the backup's a question, "Nee" the default, that keeps everything as it was. A save
    // that ends fills the strip, and Escape then leaves at once with nothing to ask.
    void saveProblemsAreSaid_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("saveAnyway");
        QTest::newRow("file") << lib << false;
        QTest::newRow("backup, no") << "Puzzel.bak" << false;
        QTest::newRow("backup, yes") << "Puzzel.bak" << true;
    }
    void saveProblemsAreSaid()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, saveAnyway);
        QVERIFY(open());
        fillBoxes(*m_form, "peer|a|b|c|d");
        click(*m_form, EditForm::AddButton);
        QFile::remove(m_t->dataPath(blocked));
        QVERIFY(QDir().mkpath(m_t->dataPath(blocked + "/oud")));
        m_t->dialogs.answers = {saveAnyway};
        click(*m_form, EditForm::SaveButton);
        const QString where = "op de plaats van " + QDir::toNativeSeparators(m_t->dataPath(blocked)) + " staat een map.";
        const ShownDialog &shown = m_t->dialogs.shown.value(0);
        if (blocked == lib) {
            QCOMPARE(shown.text, "De puzzels konden niet worden bewaard: " + where);
            QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        } else {
            QCOMPARE(shown.text, "De reservekopie kon niet worden gemaakt: " + where
                                     + " Wil je de lijst toch opslaan, zonder reservekopie?");
            QCOMPARE(shown.defaultAnswer, Answer::No);
            QCOMPARE(m_t->readData(lib), saveAnyway ? puzzleFile(3) + "peer,a,b,c,d\r\n" : puzzleFile(3));
        }
        const QImage strip = m_form->progressStrip()->image();
        QCOMPARE(strip.pixelColor(strip.width() - 1, strip.height() - 1), saveAnyway ? saveBarColour() : saveBarBackground());
        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QCOMPARE(m_form->isVisible(), !saveAnyway);
        QCOMPARE(m_t->dialogs.shown.size(), saveAnyway ? 1 : 2);
    }
    // A printer that refuses the job, or a name typed into the chooser that is no printer,
    // is said in Dutch, and nothing goes to another printer.
    void printerProblemsAreSaid_data()
    {
        QTest::addColumn<QString>("typed"); // empty: no printer installed
        QTest::addColumn<bool>("refuses");
        QTest::addColumn<QString>("message");
        // Without any printer the list goes to an A4 landscape PDF in the program's folder.
        QTest::newRow("no printer") << "" << false << "Er is geen printer geïnstalleerd. De lijst is bewaard in ";
        QTest::newRow("refused") << "Kantoor" << true << "De printer \"Kantoor\" heeft de opdracht geweigerd. Er is niets afgedrukt.";
        QTest::newRow("no such printer") << "Zolder" << false
                                         << "De printer \"Zolder\" bestaat niet. Kies een printer uit de lijst. Er is niets afgedrukt.";
    }
    void printerProblemsAreSaid()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refuses);
        QFETCH(QString, message);
        if (!typed.isEmpty())
            m_t->printers.names = {"Thuis", "Kantoor"};
        m_t->printers.defaultName = m_t->printers.names.value(0);
        m_t->printers.refusesJobs = refuses;
        QVERIFY(open());
        QComboBox *chooser = m_form->printerBox();
        chooser->lineEdit()->selectAll();
        QTest::keyClicks(chooser->lineEdit(), typed);
        if (chooser->findText(typed) >= 0)
            chooser->activated(chooser->findText(typed));
        click(*m_form, EditForm::PrintButton);
        QFile pdf(ListPrintJob::pdfPath(m_t->context()));
        if (typed.isEmpty())
            message += QDir::toNativeSeparators(pdf.fileName());
        QCOMPARE(pdf.open(QIODevice::ReadOnly) && pdf.readAll().contains("/MediaBox [0 0 842.000000 595.000000]"), typed.isEmpty());
        QCOMPARE(m_t->printers.jobs, refuses ? QStringList{typed} : QStringList());
        QCOMPARE(m_t->dialogs.shown.value(0).text, message);
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

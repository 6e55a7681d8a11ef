#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/listprintjob.h"
#include "editor/progressstrip.h"
#include "editor/saveprogress.h"
#include "game/gamesettings.h"
#include "support/fakes.h"
#include "support/roundtrip.h"

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

    // Each row plays its steps on the file's rows, the questions answered in turn, then
    // compares every question and message shown, the selected row (-1: none), the boxes,
    // the rows and whether the window is still open.
    void stepsThroughTheWindow_data()
    {
        // Steps: "row N" clicks a row, "boxes a|b|c|d|e" fills the boxes, "keyword k" the
        // first; "Down", "Escape" and "close"; the rest are buttons.
        QTest::addColumn<QString>("steps");
        // "ja" or "nee" to a yes/no question; "Ja", "Nee" or "Annuleren" to the three-way one.
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("shown"); // a question with "Nee" as its default ends " [Nee]"
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("boxTexts");
        QTest::addColumn<QStringList>("listRows");
        QTest::addColumn<bool>("stays");
        const QStringList f = QString::fromLatin1(puzzleFile(3)).replace(u',', u'|').split("\r\n").mid(2, 3);
        const QString boxText = "De tekst in de vakken staat nog niet in de lijst. Wil je die tekst weggooien? [Nee]";
        const QString changed = "De lijst is gewijzigd. Wil je de wijzigingen opslaan?";
        const QString new2 = "nieuw|een2|twee2|drie2|vier2";
        const auto deleteRow = [](int n) { return QStringLiteral("Wil je (woord%1) verwijderen uit de lijst?").arg(n); };

        // A refusal leaves list and boxes as they were. These rows are the only test of how
        // a character is named: each kind once, on each button.
        QTest::newRow("Toevoegen, a box empty") << "row 1; boxes |a|b|c|d; Toevoegen" << ""
            << QStringList{"Niet alle gegevens zijn ingevuld!"} << 1 << "|a|b|c|d" << f << true;
        QTest::newRow("Toevoegen, blank keyword") << "row 1; boxes    |a|b|c|d; Toevoegen" << ""
            << QStringList{"Oplossing invullen a.u.b."} << 1 << "   |a|b|c|d" << f << true;
        QTest::newRow("Wijzigen, blank keyword") << "row 1; boxes   ||||; Wijzigen" << ""
            << QStringList{"Eerst een item selecteren a.u.b."} << 1 << "  ||||" << f << true;
        QTest::newRow("Wijzigen, emoji") << "row 1; boxes k|a|lach 😀|c|d; Wijzigen" << ""
            << QStringList{"Het teken \"😀\" (U+1F600) in Omschrijving 2 kan niet worden bewaard. Laat het weg of kies een "
                           "ander teken."}
            << 1 << "k|a|lach 😀|c|d" << f << true;
        // A letter the code page lacks that looks like one it holds is told by its number.
        QTest::newRow("Wijzigen, Greek capital E") << "row 1; boxes \u0395lla|a|b|c|d; Wijzigen" << ""
            << QStringList{"Het teken \"\u0395\" (U+0395) in Trefwoord kan niet worden bewaard. Laat het weg of kies een "
                           "ander teken."}
            << 1 << "\u0395lla|a|b|c|d" << f << true;
        // The file holds them, but no player could type them: the keyword could not be found.
        QTest::newRow("Toevoegen, no-break space ending the keyword") << "row 1; boxes fiets\u00a0|a|b|c|d; Toevoegen" << ""
            << QStringList{"Het teken \"\u00a0\" (U+00A0) in Trefwoord kan niet worden bewaard: een speler kan het niet "
                           "intypen. Laat het weg of kies een ander teken."}
            << 1 << "fiets\u00a0|a|b|c|d" << f << true;
        QTest::newRow("Wijzigen, tab as the keyword") << "row 1; boxes \t|a|b|c|d; Wijzigen" << ""
            << QStringList{"Het teken U+0009 (onzichtbaar) in Trefwoord kan niet worden bewaard: een speler kan het niet "
                           "intypen. Laat het weg of kies een ander teken."}
            << 1 << "\t|a|b|c|d" << f << true;
        // A character with nothing to see is named by its number, an accent on its own on a
        // dotted circle; an accent typed apart from its letter is the letter that has it.
        QTest::newRow("Wijzigen, zero-width space") << "row 1; boxes k|a|b\u200bc|c|d; Wijzigen" << ""
            << QStringList{"Het teken U+200B (onzichtbaar) in Omschrijving 2 kan niet worden bewaard. Laat het weg of kies "
                           "een ander teken."}
            << 1 << "k|a|b\u200bc|c|d" << f << true;
        QTest::newRow("Wijzigen, accent with no letter of its own") << "row 1; boxes q\u0301|a|b|c|d; Wijzigen" << ""
            << QStringList{"Het teken \"\u25cc\u0301\" (U+0301) in Trefwoord kan niet worden bewaard. Laat het weg of kies "
                           "een ander teken."}
            << 1 << "q\u0301|a|b|c|d" << f << true;
        QTest::newRow("Wijzigen, accent typed apart") << "row 1; boxes cafe\u0301|a|b|c|d; Wijzigen" << ""
            << QStringList{} << 1 << "café|a|b|c|d" << QStringList{f[0], "café|a|b|c|d", f[2]} << true;
        QTest::newRow("Toevoegen, comma") << "row 1; boxes k|a|b|c|zoet, sappig; Toevoegen" << ""
            << QStringList{"Het teken \",\" in Omschrijving 4 kan niet worden bewaard: het puzzelbestand gebruikt dit "
                           "teken om de velden van elkaar te scheiden. Laat het weg of kies een ander teken."}
            << 1 << "k|a|b|c|zoet, sappig" << f << true;
        // Added without the blanks the file could not keep, a blank description as "-"; then
        // nothing is selected, so "Wijzigen" cannot write over the row the boxes showed.
        QTest::newRow("Toevoegen, Wijzigen, Exit") << "row 1; boxes  peer |fruit|   |geel |stoof; Toevoegen; "
                                                      "boxes kers|e|f|g|h; Wijzigen; Exit"
            << "ja Nee" << QStringList{"Eerst een item selecteren a.u.b.", boxText, changed} << -1 << "kers|e|f|g|h"
            << (f + QStringList{"peer|fruit|-|geel|stoof"}) << false;
        // The question names the selected row, not what the box holds; after a delete the
        // boxes show the neighbour selected, never the deleted row's texts.
        QTest::newRow("Verwijderen, No then Yes") << "row 1; keyword iets anders; Verwijderen; Verwijderen" << "nee ja"
            << QStringList{deleteRow(2), deleteRow(2)} << 1 << f[2] << QStringList{f[0], f[2]} << true;
        QTest::newRow("Verwijderen first, Wijzigen") << "row 0; Verwijderen; keyword nieuw; Wijzigen" << "ja"
            << QStringList{deleteRow(1)} << 0 << new2 << QStringList{new2, f[2]} << true;
        QTest::newRow("Verwijderen last, Wijzigen") << "row 2; Verwijderen; keyword nieuw; Wijzigen" << "ja"
            << QStringList{deleteRow(3)} << 1 << new2 << QStringList{f[0], new2} << true;
        // Exit, Escape and the close button ask about box text not applied ("Nee" stays),
        // then about the changed list: Cancel stays, Yes saves and goes.
        QTest::newRow("Verwijderen, typed, Exit, Escape, close, Exit")
            << "row 1; Verwijderen; keyword getypt; Exit; Escape; close; Exit" << "ja nee ja Annuleren ja Annuleren ja Ja"
            << QStringList{deleteRow(2), boxText, boxText, changed, boxText, changed, boxText, changed} << 1
            << "getypt|een3|twee3|drie3|vier3" << QStringList{f[0], f[2]} << false;
        // Every edit marks the list as changed, also one after a save.
        QTest::newRow("Down, Wijzigen, Exit") << "row 0; Down; keyword nieuw; Wijzigen; Exit" << "Nee"
            << QStringList{changed} << 1 << new2 << QStringList{f[0], new2, f[2]} << false;
        QTest::newRow("Opslaan, Toevoegen, Exit") << "row 1; Opslaan; keyword nieuw; Toevoegen; Exit" << "Nee"
            << QStringList{changed} << -1 << "||||" << (f + QStringList{new2}) << false;
        // Text typed and not applied is asked about, once, before the selection moves.
        QTest::newRow("typed, click, keep") << "row 0; boxes woord1|een1|getypt|drie1|vier1; row 2; keyword nieuw; Wijzigen"
            << "nee" << QStringList{boxText} << 0 << "nieuw|een1|getypt|drie1|vier1"
            << QStringList{"nieuw|een1|getypt|drie1|vier1", f[1], f[2]} << true;
        QTest::newRow("typed, click, drop") << "row 0; boxes woord1|een1|getypt|drie1|vier1; row 2; keyword nieuw; Wijzigen"
            << "ja" << QStringList{boxText} << 2 << "nieuw|een3|twee3|drie3|vier3"
            << QStringList{f[0], f[1], "nieuw|een3|twee3|drie3|vier3"} << true;
    }
    void stepsThroughTheWindow()
    {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QStringList, shown);
        QFETCH(int, selected);
        QFETCH(QString, boxTexts);
        QFETCH(QStringList, listRows);
        QFETCH(bool, stays);

        FakeDialogs &dialogs = m_t->dialogs;
        for (const QString &answer : answers.split(u' ', Qt::SkipEmptyParts)) {
            if (answer == "ja" || answer == "nee")
                dialogs.answers.push_back(answer == "ja");
            else
                dialogs.threeWayAnswers.push_back(answer == "Ja" ? Answer::Yes : answer == "Nee" ? Answer::No : Answer::Cancel);
        }
        const QStringList buttons{"Toevoegen", "Wijzigen", "Verwijderen", "Afdrukken", "Opslaan", "Exit"};
        QVERIFY(open());
        for (const QString &step : steps.split("; ")) {
            const QString word = step.section(u' ', 0, 0), rest = step.mid(word.size() + 1);
            if (word == "row")
                clickRow(*m_form, rest.toInt());
            else if (word == "boxes")
                fillBoxes(*m_form, rest);
            else if (word == "keyword")
                m_form->keywordBox()->setText(rest);
            else if (word == "Down")
                QTest::keyClick(m_form->puzzleTable(), Qt::Key_Down);
            else if (word == "Escape")
                QTest::keyClick(m_form.get(), Qt::Key_Escape);
            else if (word == "close")
                m_form->close();
            else
                click(*m_form, EditForm::Button(buttons.indexOf(word)));
            QTest::qWait(1); // a question about box text waits until the view has settled
        }
        QCOMPARE(dialogs.texts(), shown);
        const QModelIndexList selection = m_form->puzzleTable()->selectionModel()->selectedRows();
        QCOMPARE(selection, selected < 0 ? QModelIndexList() : QModelIndexList{m_form->list().index(selected, 0)});
        QCOMPARE(boxes(*m_form), boxTexts);
        QCOMPARE(RoundTrip::rowTexts(m_form->list().entries()), listRows);
        QCOMPARE(m_form->isVisible(), stays);
        if (answers.endsWith("Ja"))
            QCOMPARE(m_t->readData(lib), puzzleFile(0) + listRows.join("\r\n").replace(u'|', u',').toLatin1() + "\r\n");
    }
    // A save that cannot be done is said, and the file stays as it was: a row loaded from
    // the file that a save cannot write back (named, and shown in the boxes), or a folder
    // put in the place of the file (an error) or of its backup (a question), after the file
    // was read, which stops root as well. The strip then shows no part of a save; a save
    // that ends fills it.
    void saveProblemsAreSaid_data()
    {
        QTest::addColumn<QString>("blocked"); // the file a folder takes the place of; empty: rows loaded
        QTest::addColumn<bool>("saveAnyway");
        QTest::addColumn<QString>("message"); // how it starts; %1 the folder
        const QString folder = "op de plaats van %1 staat een map.";
        const QString backup = "De reservekopie kon niet worden gemaakt: " + folder
            + " Wil je de lijst toch opslaan, zonder reservekopie? Het bestand bevat dan alleen de 4 puzzels van deze "
              "lijst. [Nee]";
        // The first such row in full, the rest by number.
        QTest::newRow("rows loaded") << "" << false << "Rij 4 (a,b) kan niet worden bewaard zoals hij nu is. Het teken \",\" in "
            "Trefwoord kan niet worden bewaard: het puzzelbestand gebruikt dit teken om de velden van elkaar te scheiden. "
            "Laat het weg of kies een ander teken.\n\nOok deze rij moet worden aangepast: 6.\n\nPas de rijen aan met "
            "\"Wijzigen\" of verwijder ze. Er is niets bewaard.";
        QTest::newRow("file") << lib << false << "De puzzels konden niet worden bewaard: " + folder;
        QTest::newRow("backup, no") << "Puzzel.bak" << false << backup;
        QTest::newRow("backup, yes") << "Puzzel.bak" << true << backup;
    }
    void saveProblemsAreSaid()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, saveAnyway);
        QFETCH(QString, message);
        const bool loaded = blocked.isEmpty();
        if (loaded)
            m_t->writeData(lib, puzzleFile(3) + "\"a,b\",c,d,e,f\r\nappel,a,b,c,d\r\n\"k\" x,c,d,e,f\r\n");
        const QByteArray file = m_t->readData(lib);
        QVERIFY(open());
        fillBoxes(*m_form, "peer|a|b|c|d");
        click(*m_form, EditForm::AddButton);
        if (!loaded) {
            QFile::remove(m_t->dataPath(blocked));
            QVERIFY(QDir().mkpath(m_t->dataPath(blocked + "/oud")));
        }
        m_t->dialogs.answers = {saveAnyway};
        click(*m_form, EditForm::SaveButton);
        message.replace("%1", QDir::toNativeSeparators(m_t->dataPath(blocked)));
        QCOMPARE(m_t->dialogs.texts().value(0).left(message.size()), message);
        if (blocked != lib)
            QCOMPARE(m_t->readData(lib), saveAnyway ? file + "peer,a,b,c,d\r\n" : file);
        QCOMPARE(boxes(*m_form), loaded ? "a,b|c|d|e|f" : "||||");
        QCOMPARE(m_form->hasUnsavedChanges(), !saveAnyway);
        const QImage strip = m_form->progressStrip()->image();
        QCOMPARE(strip.pixelColor(strip.width() - 1, strip.height() - 1), saveAnyway ? saveBarColour() : saveBarBackground());
    }
    // A field longer than a line edit holds by default (32,767 characters), keyword or
    // description, is shown, changed and saved whole: the row is not taken for one with
    // text typed into it, and nothing is cut.
    void longFieldsStayWhole()
    {
        const QByteArray row = QByteArray(33000, 'k') + ',' + QByteArray(40000, 'x') + "Z,b,c,d";
        m_t->writeData(lib, puzzleFile(3) + row + "\r\n");
        QVERIFY(open());
        clickRow(*m_form, 3);
        QCOMPARE(boxes(*m_form), QString::fromLatin1(row).replace(u',', u'|'));
        m_form->descriptionBox(3)->setText(QStringLiteral("nieuw"));
        click(*m_form, EditForm::ChangeButton);
        click(*m_form, EditForm::SaveButton);
        QCOMPARE(m_t->dialogs.texts(), QStringList());
        QCOMPARE(m_t->readData(lib), puzzleFile(3) + row.left(row.lastIndexOf(',') + 1) + "nieuw\r\n");
    }
    // A loaded row shown in the boxes is not taken for typed text when the player moves on,
    // also where the boxes show what a save could not write back as it is.
    void loadedRowsAreNotTakenForTypedText_data()
    {
        QTest::addColumn<QByteArray>("row"); // the file's fourth row
        QTest::newRow("blanks inside quotes") << QByteArray("\" spatie \",b,c,d,e");
        QTest::newRow("blank description in quotes") << QByteArray("x,\"  \",b,c,d");
    }
    void loadedRowsAreNotTakenForTypedText()
    {
        QFETCH(QByteArray, row);
        m_t->writeData(lib, puzzleFile(3) + row + "\r\n");
        QVERIFY(open());
        clickRow(*m_form, 3);
        clickRow(*m_form, 0);
        QTest::qWait(1);
        QCOMPARE(m_t->dialogs.texts(), QStringList());
        QCOMPARE(boxes(*m_form), QStringLiteral("woord1|een1|twee1|drie1|vier1"));
    }
    // What the reading of the file passed over or read shifted is said once the window is
    // shown, before anything is saved; a missing file, a new list, is not.
    void readingProblemsAreSaidOnOpening_data()
    {
        QTest::addColumn<QString>("file"); // "missing", "folder", or the rows after the header
        QTest::addColumn<QString>("message");
        QTest::newRow("whole lines") << "a,b,c,d,e\r\n" << QString();
        QTest::newRow("missing") << "missing" << QString();
        QTest::newRow("folder") << "folder" << "Puzzel.lib kon niet worden gelezen, daarom is de lijst leeg.";
        QTest::newRow("blank line") << "a,b,c,d,e\r\n\r\nf,g,h,i,j\r\n"
                                    << "Niet alles in Puzzel.lib kon als puzzel van vijf velden worden gelezen: regel 4.";
    }
    void readingProblemsAreSaidOnOpening()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFile::remove(m_t->dataPath(lib));
        if (file == "folder")
            QVERIFY(QDir().mkpath(m_t->dataPath(lib)));
        else if (file != "missing")
            m_t->writeData(lib, puzzleFile(0) + file.toLatin1());
        QVERIFY(open());
        QTest::qWait(1);
        const QStringList shown = m_t->dialogs.texts();
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(shown.value(0).left(message.size()), message);
    }
    // Puzzel.bak holds the file before the last change: a save that changes nothing leaves
    // it, so a file the editor read shifted stays there after a second "Opslaan".
    void backupKeepsTheFileBeforeTheLastChange()
    {
        const QByteArray original = puzzleFile(1) + "\r\n" + "b,1,2,3,4\r\nc,1,2,3,4\r\n";
        m_t->writeData(lib, original);
        QVERIFY(open());
        QTest::qWait(1);
        click(*m_form, EditForm::SaveButton);
        const QByteArray firstSave = m_t->readData(lib);
        QVERIFY(firstSave != original);
        QCOMPARE(m_t->readData("Puzzel.bak"), original);
        click(*m_form, EditForm::SaveButton);
        QCOMPARE(m_t->readData("Puzzel.bak"), original);
        fillBoxes(*m_form, "peer|a|b|c|d");
        click(*m_form, EditForm::AddButton);
        click(*m_form, EditForm::SaveButton);
        QCOMPARE(m_t->readData("Puzzel.bak"), firstSave);
        QCOMPARE(m_t->readData(lib), firstSave + "peer,a,b,c,d\r\n");
    }
    // The list holds at most 999 rows; the limit is said before any other refusal.
    void addsNoThousandthRow()
    {
        m_t->writeData(lib, puzzleFile(999));
        QVERIFY(open());
        fillBoxes(*m_form, "   |a|b|c|d");
        click(*m_form, EditForm::AddButton);
        QCOMPARE(m_t->dialogs.shown.value(0).text, QStringLiteral("Er kunnen maximaal 999 items worden ingevoerd!"));
        QCOMPARE(m_form->list().count(), 999);
    }
    // A printer that refuses the job, or a name typed into the chooser that is no printer,
    // is said in Dutch, and nothing goes to another printer.
    void printerProblemsAreSaid_data()
    {
        QTest::addColumn<QString>("typed"); // empty: no printer installed
        QTest::addColumn<QString>("message");
        // Without any printer the list goes to an A4 landscape PDF in the program's folder.
        QTest::newRow("no printer") << "" << "Er is geen printer geïnstalleerd. De lijst is bewaard in ";
        QTest::newRow("refused") << "Kantoor" << "De printer \"Kantoor\" heeft de opdracht geweigerd. Er is niets afgedrukt.";
        QTest::newRow("no such printer") << "Zolder" << "De printer \"Zolder\" bestaat niet. Kies een printer uit de lijst. Er is niets afgedrukt.";
    }
    void printerProblemsAreSaid()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        if (!typed.isEmpty())
            m_t->printers.names = {"Thuis", "Kantoor"};
        m_t->printers.defaultName = m_t->printers.names.value(0);
        m_t->printers.refusesJobs = true; // every job that reaches a printer
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
        QCOMPARE(m_t->printers.jobs, m_t->printers.names.contains(typed) ? QStringList{typed} : QStringList());
        QCOMPARE(m_t->dialogs.shown.value(0).text, message);
    }
private:
    bool open()
    {
        m_form = std::make_unique<EditForm>(m_t->context(), m_settings);
        return showActive(m_form.get());
    }

    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<EditForm> m_form;
    GameSettings m_settings;
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"

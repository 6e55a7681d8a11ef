#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/helppanel.h"
#include "editor/listprintjob.h"
#include "editor/printerchoice.h"
#include "editor/progressstrip.h"
#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

const QByteArray header = "Brovelt Software 2019\r\n----------\r\n";

QByteArray puzzleFile(int rows)
{
    QByteArray bytes = header;
    for (int i = 1; i <= rows; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "woord" + n + ",een" + n + ",twee" + n + ",drie" + n + ",vier" + n + "\r\n";
    }
    return bytes;
}

QStringList boxes(const EditForm &form)
{
    QStringList texts{form.Text0->text()};
    for (const QLineEdit *box : form.Text1)
        texts << box->text();
    return texts;
}

void fillBoxes(EditForm &form, const QStringList &texts)
{
    form.Text0->setText(texts.at(0));
    for (int k = 0; k < 4; ++k)
        form.Text1[k]->setText(texts.at(k + 1));
}

QStringList row(const EditForm &form, int index)
{
    const PuzzleEntry &e = form.list().entry(index);
    return {e.Trefwoord, e.Omschrijving[0], e.Omschrijving[1], e.Omschrijving[2], e.Omschrijving[3]};
}

void clickRow(EditForm &form, int index)
{
    const QRect rect = form.ListView1->visualRect(form.list().index(index, 1));
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, rect.center());
}

bool containsColour(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestEditForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheFileRows();
    void buttonsFollowTheRunningLeftEdge_data();
    void buttonsFollowTheRunningLeftEdge();
    void refusals_data();
    void refusals();
    void addingAppendsAndEmptiesTheBoxes();
    void changingOverwritesTheSelectedRow();
    void onlyAMouseClickEmptiesABox();
    void changingWithoutSelectionChangesNothing();
    void deletingAsks_data();
    void deletingAsks();
    void helpPanelHoldsOffTheListButtons();
    void exitLeavesTheFileAlone();
    void savingWritesTheFileWhileResponsive();
    void printingWithoutPrinterWritesPdf_data();
    void printingWithoutPrinterWritesPdf();
    void printerChoiceOutlivesTheWindow();
    void printerFailureIsSurvived();

private:
    std::unique_ptr<TestPlatform> m_platform;
    GameSettings m_settings;
};

void TestEditForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
}

void TestEditForm::init()
{
    m_platform = std::make_unique<TestPlatform>();
    m_platform->writeData(QStringLiteral("Puzzel.lib"), puzzleFile(3));
    // No test may reach a real printer.
    PrinterChoice::setInstalledForTesting(QStringList());
    PrinterChoice::resetCurrent();
    m_settings = GameSettings();
}

void TestEditForm::cleanup()
{
    PrinterChoice::setInstalledForTesting(std::nullopt);
    PrinterChoice::resetCurrent();
    m_platform.reset();
}

void TestEditForm::opensWithTheFileRows()
{
    EditForm form(m_settings);
    QCOMPARE(form.windowTitle(), QStringLiteral("Lijst bewerken"));
    QCOMPARE(form.list().count(), 3);
    QCOMPARE(row(form, 2), (QStringList{"woord3", "een3", "twee3", "drie3", "vier3"}));
    QCOMPARE(form.Label2->text(), QStringLiteral("3 Items"));
    QCOMPARE(boxes(form), QStringList(5));
    QVERIFY(form.HelpPic->isHidden());
    QVERIFY(!form.ListView1->isHidden());
    QVERIFY(!form.HelpHelp->isChecked());
    QCOMPARE(form.Combo1->count(), 0);
}

void TestEditForm::buttonsFollowTheRunningLeftEdge_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Toevoegen") << 0 << 120 << "Toevoegen";
    QTest::newRow("Wijzigen") << 1 << 1260 << "Wijzigen";
    QTest::newRow("Verwijderen") << 2 << 2400 << "Verwijderen";
    QTest::newRow("Afdrukken") << 3 << 3540 << "Afdrukken";
    QTest::newRow("Opslaan stands apart") << 4 << 6540 << "Opslaan";
    QTest::newRow("Exit at the right edge") << 5 << 10020 << "Exit";
}

void TestEditForm::buttonsFollowTheRunningLeftEdge()
{
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(QString, caption);

    EditForm form(m_settings);
    const double dpi = form.logicalDpiX();
    QCOMPARE(form.Knop[index]->x(), qRound(left * dpi / 1440.0));
    QCOMPARE(form.Knop[index]->caption(), caption);
    // Everything fits inside the window.
    QVERIFY(form.rect().contains(form.Knop[index]->mapTo(&form, form.Knop[index]->rect().bottomRight())));
}

void TestEditForm::refusals_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("focusInKeyword");

    const QStringList full{"peer", "fruit", "boom", "geel", "stoof"};
    const int critical = int(Dialogs::Icon::Critical);
    const int none = int(Dialogs::Icon::None);
    QTest::newRow("add, keyword empty") << 0 << 3 << QStringList{"", "a", "b", "c", "d"}
                                        << "Niet alle gegevens zijn ingevuld!" << "Raadkwartet" << critical << false;
    QTest::newRow("add, a description empty") << 0 << 3 << QStringList{"k", "a", "b", "", "d"}
                                              << "Niet alle gegevens zijn ingevuld!" << "Raadkwartet" << critical
                                              << false;
    QTest::newRow("add, 999 rows") << 0 << 999 << full << "Er kunnen maximaal 999 items worden ingevoerd!" << "Error"
                                   << critical << false;
    QTest::newRow("add, 999 rows and a box empty is the empty box first")
        << 0 << 999 << QStringList{"k", "", "b", "c", "d"} << "Niet alle gegevens zijn ingevuld!" << "Raadkwartet"
        << critical << false;
    QTest::newRow("add, 999 rows and a blank keyword is the limit first")
        << 0 << 999 << QStringList{"   ", "a", "b", "c", "d"} << "Er kunnen maximaal 999 items worden ingevoerd!"
        << "Error" << critical << false;
    QTest::newRow("add, keyword of blanks") << 0 << 3 << QStringList{"   ", "a", "b", "c", "d"}
                                            << "Oplossing invullen a.u.b." << "Raadkwartet" << none << true;
    QTest::newRow("change, keyword empty") << 1 << 3 << QStringList{"", "a", "b", "c", "d"}
                                           << "Eerst een item selecteren a.u.b." << "Raadkwartet" << none << true;
    QTest::newRow("change, keyword of blanks") << 1 << 3 << QStringList{"  ", "", "", "", ""}
                                               << "Eerst een item selecteren a.u.b." << "Raadkwartet" << none << true;
}

void TestEditForm::refusals()
{
    QFETCH(int, button);
    QFETCH(int, rows);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(bool, focusInKeyword);

    m_platform->writeData(QStringLiteral("Puzzel.lib"), puzzleFile(rows));
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    clickRow(form, 1);
    fillBoxes(form, typed);
    form.Text1[3]->setFocus();
    const QByteArray before = m_platform->readData(QStringLiteral("Puzzel.lib"));

    QTest::mouseClick(form.Knop[button], Qt::LeftButton);

    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, ShownDialog::Message);
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].title, title);
    QCOMPARE(int(shown[0].icon), icon);
    QCOMPARE(form.list().count(), rows);
    QCOMPARE(row(form, 1), (QStringList{"woord2", "een2", "twee2", "drie2", "vier2"}));
    QCOMPARE(boxes(form), typed);
    QCOMPARE(form.Label2->text(), QStringLiteral("%1 Items").arg(rows));
    QCOMPARE(form.Text0->hasFocus(), focusInKeyword);
    QCOMPARE(m_platform->readData(QStringLiteral("Puzzel.lib")), before);
}

void TestEditForm::addingAppendsAndEmptiesTheBoxes()
{
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    fillBoxes(form, {" peer ", "fruit", "   ", "geel ", "stoof"});
    form.Text1[0]->setFocus();

    QTest::mouseClick(form.Knop[0], Qt::LeftButton);

    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QCOMPARE(form.list().count(), 4);
    // Stored as typed, except a blank description, which becomes "-".
    QCOMPARE(row(form, 3), (QStringList{" peer ", "fruit", "-", "geel ", "stoof"}));
    QCOMPARE(boxes(form), QStringList(5));
    QCOMPARE(form.Label2->text(), QStringLiteral("4 Items"));
    QVERIFY(form.Text0->hasFocus());
    QVERIFY(form.ListView1->selectionModel()->selectedRows().isEmpty());
}

void TestEditForm::changingOverwritesTheSelectedRow()
{
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    clickRow(form, 1);
    QCOMPARE(boxes(form), (QStringList{"woord2", "een2", "twee2", "drie2", "vier2"}));
    QTest::mouseClick(form.Text1[1], Qt::LeftButton);
    QCOMPARE(boxes(form), (QStringList{"woord2", "een2", "", "drie2", "vier2"}));
    form.Text0->setText(QStringLiteral("woordje"));

    QTest::mouseClick(form.Knop[1], Qt::LeftButton);

    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QCOMPARE(form.list().count(), 3);
    QCOMPARE(row(form, 0), (QStringList{"woord1", "een1", "twee1", "drie1", "vier1"}));
    QCOMPARE(row(form, 1), (QStringList{"woordje", "een2", "-", "drie2", "vier2"}));
    QCOMPARE(row(form, 2), (QStringList{"woord3", "een3", "twee3", "drie3", "vier3"}));
    QCOMPARE(boxes(form), (QStringList{"woordje", "een2", "-", "drie2", "vier2"}));
    QCOMPARE(form.Label2->text(), QStringLiteral("3 Items"));
}

void TestEditForm::onlyAMouseClickEmptiesABox()
{
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    clickRow(form, 0);

    form.Text0->setFocus();
    QTest::keyClick(form.Text0, Qt::Key_Tab);
    QVERIFY(form.Text1[0]->hasFocus());
    QTest::keyClick(form.Text1[0], Qt::Key_Tab);
    QVERIFY(form.Text1[1]->hasFocus());
    QCOMPARE(boxes(form), (QStringList{"woord1", "een1", "twee1", "drie1", "vier1"}));

    QTest::mouseClick(form.Text0, Qt::LeftButton);
    QTest::mouseClick(form.Text1[3], Qt::LeftButton);
    QCOMPARE(boxes(form), (QStringList{"", "een1", "twee1", "drie1", ""}));
}

void TestEditForm::changingWithoutSelectionChangesNothing()
{
    EditForm form(m_settings);
    fillBoxes(form, {"nieuw", "a", "b", "c", "d"});
    QTest::mouseClick(form.Knop[1], Qt::LeftButton);
    QTest::mouseClick(form.Knop[2], Qt::LeftButton);
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(form.list().entry(i).Trefwoord, QStringLiteral("woord%1").arg(i + 1));
}

void TestEditForm::deletingAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("no keeps the row") << false << QStringList{"woord1", "woord2", "woord3"};
    QTest::newRow("yes removes it") << true << QStringList{"woord1", "woord3"};
}

void TestEditForm::deletingAsks()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, remaining);

    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(form, 1);
    form.Text0->setText(QStringLiteral("iets anders"));
    m_platform->dialogs().answers = {yes};

    QTest::mouseClick(form.Knop[2], Qt::LeftButton);

    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, ShownDialog::Question);
    // The question names the selected row, not what the box holds.
    QCOMPARE(shown[0].text, QStringLiteral("Wil je (woord2) verwijderen uit de lijst?"));
    QCOMPARE(shown[0].title, QStringLiteral(" Delete"));
    QCOMPARE(shown[0].icon, Dialogs::Icon::None);
    QStringList keywords;
    for (const PuzzleEntry &e : form.list().entries())
        keywords << e.Trefwoord;
    QCOMPARE(keywords, remaining);
    QCOMPARE(form.Label2->text(), QStringLiteral("%1 Items").arg(remaining.size()));
    QCOMPARE(boxes(form), (QStringList{"iets anders", "een2", "twee2", "drie2", "vier2"}));
}

void TestEditForm::helpPanelHoldsOffTheListButtons()
{
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fillBoxes(form, {"peer", "a", "b", "c", "d"});

    form.HelpHelp->trigger();
    QVERIFY(form.ListView1->isHidden());
    QVERIFY(!form.HelpPic->isHidden());
    QVERIFY(form.HelpHelp->isChecked());
    for (int k = 0; k < 5; ++k)
        QVERIFY(!form.Knop[k]->isEnabled());
    QVERIFY(form.Knop[5]->isEnabled());
    form.Knop_Click(0);
    QCOMPARE(form.list().count(), 3);

    // The help text: cyan heading from y 10, grey body, yellow closing line from y 202,
    // on the dark background, and nothing above the heading.
    const QImage help = form.HelpPic->grab().toImage();
    QCOMPARE(help.pixelColor(2, 2), QColor(0, 0, 30));
    QVERIFY(!containsColour(help, QRect(0, 0, help.width(), 10), QColor(0, 230, 230)));
    QVERIFY(containsColour(help, QRect(10, 10, 300, 20), QColor(0, 230, 230)));
    QVERIFY(containsColour(help, QRect(10, 30, 300, 144), QColor(200, 200, 200)));
    QVERIFY(!containsColour(help, QRect(0, 175, help.width(), 27), QColor(200, 200, 200)));
    QVERIFY(containsColour(help, QRect(10, 202, 300, 20), QColor(240, 230, 0)));

    form.HelpHelp->trigger();
    QVERIFY(!form.ListView1->isHidden());
    QVERIFY(form.HelpPic->isHidden());
    QVERIFY(!form.HelpHelp->isChecked());
    for (int k = 0; k < 6; ++k)
        QVERIFY(form.Knop[k]->isEnabled());

    // Exit works while the panel is shown.
    form.HelpHelp->trigger();
    QTest::mouseClick(form.Knop[5], Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

void TestEditForm::exitLeavesTheFileAlone()
{
    const QByteArray before = m_platform->readData(QStringLiteral("Puzzel.lib"));
    {
        EditForm form(m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        fillBoxes(form, {"peer", "a", "b", "c", "d"});
        QTest::mouseClick(form.Knop[0], Qt::LeftButton);
        // Escape does not close the window and lose the rows; "Exit" does, unasked.
        QTest::keyClick(form.Text0, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QTest::mouseClick(form.Knop[5], Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QCOMPARE(m_platform->readData(QStringLiteral("Puzzel.lib")), before);
    EditForm again(m_settings);
    QCOMPARE(again.list().count(), 3);
}

void TestEditForm::savingWritesTheFileWhileResponsive()
{
    m_platform->writeData(QStringLiteral("Puzzel.lib"), puzzleFile(7));
    EditForm form(m_settings);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fillBoxes(form, {" peer ", "fruit ", " boom", "geel", "stoof"});
    QTest::mouseClick(form.Knop[0], Qt::LeftButton);
    QCOMPARE(form.list().count(), 8);

    // While the rows are written, the window handles events but refuses list changes,
    // a second save and closing.
    int ticksWhileSaving = 0;
    bool secondSaveStarted = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, &form, [&] {
        if (!form.isSaving() || ticksWhileSaving++ > 0)
            return;
        QVERIFY(!form.Knop[4]->isEnabled());
        QVERIFY(!form.Knop[5]->isEnabled());
        fillBoxes(form, {"kers", "a", "b", "c", "d"});
        form.Knop_Click(0);
        form.Knop_Click(2);
        // A nested save would run to its end here and leave the strip full.
        form.Knop_Click(4);
        secondSaveStarted = form.Bar->image().pixelColor(496, 10) == QColor(0, 190, 0);
        form.close();
    });
    probe.start(0);

    QTest::mouseClick(form.Knop[4], Qt::LeftButton);
    probe.stop();

    QVERIFY(ticksWhileSaving > 0);
    QVERIFY(!secondSaveStarted);
    QVERIFY(form.isVisible());
    QVERIFY(!form.isSaving());
    QCOMPARE(form.list().count(), 8);
    for (int k = 0; k < 6; ++k)
        QVERIFY(form.Knop[k]->isEnabled());
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    QCOMPARE(m_platform->readData(QStringLiteral("Puzzel.lib")), puzzleFile(7) + "peer,fruit,boom,geel,stoof\r\n");
    // Eight rows: a step of 62, so the strip is green up to x = 496.
    const QImage strip = form.Bar->image();
    QCOMPARE(strip.pixelColor(0, 0), QColor(0, 190, 0));
    QCOMPARE(strip.pixelColor(496, 19), QColor(0, 190, 0));
    QCOMPARE(strip.pixelColor(497, 10), QColor(0, 60, 0));
}

void TestEditForm::printingWithoutPrinterWritesPdf_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("written") << true;
    QTest::newRow("cannot be written") << false;
}

void TestEditForm::printingWithoutPrinterWritesPdf()
{
    QFETCH(bool, writable);

    m_platform->writeData(QStringLiteral("Puzzel.lib"), puzzleFile(36));
    const QString path = ListPrintJob::pdfPath();
    QCOMPARE(path, m_platform->folder() + QStringLiteral("/Datalijst.pdf"));
    // A folder in the file's place makes it unwritable.
    if (!writable)
        QVERIFY(QDir(m_platform->folder()).mkdir(QStringLiteral("Datalijst.pdf")));

    EditForm form(m_settings);
    QTest::mouseClick(form.Knop[3], Qt::LeftButton);

    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Raadkwartet"));
    QVERIFY(shown[0].text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(shown[0].icon, writable ? Dialogs::Icon::Information : Dialogs::Icon::Exclamation);
    if (writable) {
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n"), 2);
    }
}

void TestEditForm::printerChoiceOutlivesTheWindow()
{
    PrinterChoice::setInstalledForTesting(QStringList{"Laser", "Inkjet", "Etiket"});
    {
        EditForm form(m_settings);
        QCOMPARE(form.Combo1->count(), 3);
        QCOMPARE(form.Combo1->currentText(), QStringLiteral("Laser"));

        form.Combo1->setCurrentIndex(2);
        form.Combo1_Click();
        QCOMPARE(form.PrinterIndex(), QStringLiteral("2"));
        QCOMPARE(PrinterChoice::current(), QStringLiteral("Etiket"));

        // Typing a name that is no entry of the list chooses nothing.
        QTest::keyClicks(form.Combo1->lineEdit(), QStringLiteral("x"));
        QCOMPARE(form.PrinterIndex(), QStringLiteral("-1"));
        QCOMPARE(PrinterChoice::current(), QStringLiteral("Etiket"));
    }
    EditForm again(m_settings);
    QCOMPARE(again.Combo1->currentText(), QStringLiteral("Etiket"));
}

void TestEditForm::printerFailureIsSurvived()
{
    PrinterChoice::setInstalledForTesting(QStringList{"Nergens"});
    EditForm form(m_settings);
    QTest::mouseClick(form.Knop[3], Qt::LeftButton);
    // Printing has no messages of its own; the window simply goes on.
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    fillBoxes(form, {"peer", "a", "b", "c", "d"});
    QTest::mouseClick(form.Knop[0], Qt::LeftButton);
    QCOMPARE(form.list().count(), 4);
}

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"

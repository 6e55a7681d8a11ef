#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/helppanel.h"
#include "editor/printerchoice.h"
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

#include <memory>

namespace {

QByteArray puzzleFile(int rows)
{
    QByteArray bytes = "Brovelt Software 2019\r\n----------\r\n";
    for (int i = 1; i <= rows; ++i)
        bytes += QStringLiteral("woord%1,een%1,twee%1,drie%1,vier%1\r\n").arg(i).toLatin1();
    return bytes;
}

QStringList boxes(const EditForm &form)
{
    return {form.Text0->text(), form.Text1[0]->text(), form.Text1[1]->text(), form.Text1[2]->text(),
            form.Text1[3]->text()};
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
    return {e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]};
}

void clickRow(EditForm &form, int index)
{
    const QRect rect = form.ListView1->visualRect(form.list().index(index, 1));
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, rect.center());
}

const QString lib = QStringLiteral("Puzzel.lib");

} // namespace

class TestEditForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_platform = std::make_unique<TestPlatform>();
        m_platform->writeData(lib, puzzleFile(3));
        PrinterChoice::setInstalledForTesting(QStringList()); // no test may reach a real printer
        PrinterChoice::resetCurrent();
    }
    void cleanup()
    {
        PrinterChoice::setInstalledForTesting(std::nullopt);
        PrinterChoice::resetCurrent();
        m_platform.reset();
    }
    // The boxes are typed as "keyword,description 1,...,description 4".
    void refusals_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Dialogs::Icon>("icon");

        const QString incomplete = "Niet alle gegevens zijn ingevuld!", select = "Eerst een item selecteren a.u.b.";
        const QString limit = "Er kunnen maximaal 999 items worden ingevoerd!", game = "Raadkwartet";
        const auto critical = Dialogs::Icon::Critical, none = Dialogs::Icon::None;
        QTest::newRow("add, keyword empty") << 0 << 3 << ",a,b,c,d" << incomplete << game << critical;
        QTest::newRow("add, a description empty") << 0 << 3 << "k,a,b,,d" << incomplete << game << critical;
        QTest::newRow("add, 999 rows") << 0 << 999 << "k,a,b,c,d" << limit << "Error" << critical;
        QTest::newRow("add, 999 rows, a box empty") << 0 << 999 << "k,,b,c,d" << incomplete << game << critical;
        QTest::newRow("add, 999 rows, blank keyword") << 0 << 999 << "   ,a,b,c,d" << limit << "Error" << critical;
        // The last three put the cursor in the keyword box.
        QTest::newRow("add, blank keyword") << 0 << 3 << "   ,a,b,c,d" << "Oplossing invullen a.u.b." << game << none;
        QTest::newRow("change, keyword empty") << 1 << 3 << ",a,b,c,d" << select << game << none;
        QTest::newRow("change, blank keyword") << 1 << 3 << "  ,,,," << select << game << none;
    }
    void refusals()
    {
        QFETCH(int, button);
        QFETCH(int, rows);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(Dialogs::Icon, icon);

        m_platform->writeData(lib, puzzleFile(rows));
        EditForm form(m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        clickRow(form, 1);
        fillBoxes(form, typed.split(u','));
        form.Text1[3]->setFocus();
        QTest::mouseClick(form.Knop[button], Qt::LeftButton);

        const QList<ShownDialog> &shown = m_platform->dialogs().shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, title);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(row(form, 1), (QStringList{"woord2", "een2", "twee2", "drie2", "vier2"}));
        QCOMPARE(boxes(form), typed.split(u','));
        QCOMPARE(form.Label2->text(), QStringLiteral("%1 Items").arg(rows));
        QCOMPARE(form.Text0->hasFocus(), icon == Dialogs::Icon::None);
    }
    void editingRowsThenTheHelpPanel()
    {
        EditForm form(m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        // Added as typed, except a blank description, which becomes "-".
        fillBoxes(form, {" peer ", "fruit", "   ", "geel ", "stoof"});
        QTest::mouseClick(form.Knop[0], Qt::LeftButton);
        QCOMPARE(row(form, 3), (QStringList{" peer ", "fruit", "-", "geel ", "stoof"}));
        QCOMPARE(boxes(form), QStringList(5));
        QCOMPARE(form.Label2->text(), QStringLiteral("4 Items"));
        QVERIFY(form.Text0->hasFocus());

        // Selecting fills the boxes; Tab into a box keeps its text, a click empties it.
        clickRow(form, 1);
        form.Text0->setFocus();
        QTest::keyClick(form.Text0, Qt::Key_Tab);
        QVERIFY(form.Text1[0]->hasFocus());
        QTest::mouseClick(form.Text1[1], Qt::LeftButton);
        QCOMPARE(boxes(form), (QStringList{"woord2", "een2", "", "drie2", "vier2"}));
        form.Text0->setText(QStringLiteral("woordje"));
        QTest::mouseClick(form.Knop[1], Qt::LeftButton);
        QCOMPARE(row(form, 1), (QStringList{"woordje", "een2", "-", "drie2", "vier2"}));

        // Delete asks, naming the selected row rather than what the box holds; No keeps the row.
        form.Text0->setText(QStringLiteral("iets anders"));
        m_platform->dialogs().answers = {false, true};
        QTest::mouseClick(form.Knop[2], Qt::LeftButton);
        QTest::mouseClick(form.Knop[2], Qt::LeftButton);
        QCOMPARE(m_platform->dialogs().shown[1].text, QStringLiteral("Wil je (woordje) verwijderen uit de lijst?"));
        QCOMPARE(m_platform->dialogs().shown[1].title, QStringLiteral(" Delete"));
        QCOMPARE(row(form, 1).at(0), QStringLiteral("woord3"));
        QCOMPARE(form.Label2->text(), QStringLiteral("3 Items"));

        // While the help shows, only Exit works; Exit then closes unasked, the changes unsaved.
        fillBoxes(form, {"peer", "a", "b", "c", "d"});
        form.HelpHelp->trigger();
        QVERIFY(form.ListView1->isHidden() && !form.HelpPic->isHidden() && form.HelpHelp->isChecked());
        for (int k = 0; k < 6; ++k)
            QCOMPARE(form.Knop[k]->isEnabled(), k == 5);
        form.Knop_Click(0);
        QCOMPARE(form.Label2->text(), QStringLiteral("3 Items"));
        form.HelpHelp->trigger();
        QVERIFY(!form.ListView1->isHidden() && form.HelpPic->isHidden());
        QVERIFY(form.Knop[0]->isEnabled() && form.Knop[4]->isEnabled());
        form.HelpHelp->trigger();
        QTest::mouseClick(form.Knop[5], Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_platform->dialogs().shown.size(), 2); // the two questions only
        QCOMPARE(m_platform->readData(lib), puzzleFile(3));
    }
    void savingWritesTheFileWhileResponsive()
    {
        EditForm form(m_settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        fillBoxes(form, {" peer ", "fruit ", " boom", "geel", "stoof"});
        QTest::mouseClick(form.Knop[0], Qt::LeftButton);

        // While saving, the window handles events but refuses list changes, a second save and closing.
        int ticksWhileSaving = 0;
        bool secondSaveStarted = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, &form, [&] {
            if (!form.isSaving() || ticksWhileSaving++ > 0)
                return;
            QVERIFY(!form.Knop[4]->isEnabled() && !form.Knop[5]->isEnabled());
            fillBoxes(form, {"kers", "a", "b", "c", "d"});
            form.Knop_Click(0);
            form.Knop_Click(4); // a nested save would run to its end here and fill the strip
            secondSaveStarted = form.Bar->image().pixelColor(496, 10) == QColor(0, 190, 0);
            form.close();
        });
        probe.start(0);
        QTest::mouseClick(form.Knop[4], Qt::LeftButton);
        probe.stop();

        QVERIFY(ticksWhileSaving > 0);
        QVERIFY(!secondSaveStarted);
        QVERIFY(form.isVisible());
        QCOMPARE(form.list().count(), 4);
        QVERIFY(form.Knop[4]->isEnabled() && form.Knop[5]->isEnabled());
        QVERIFY(m_platform->dialogs().shown.isEmpty());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(m_platform->readData(lib), puzzleFile(3) + "peer,fruit,boom,geel,stoof\r\n");
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

        m_platform->writeData(lib, puzzleFile(36));
        const QString path = m_platform->folder() + QStringLiteral("/Datalijst.pdf");
        if (!writable) // a folder in the file's place
            QVERIFY(QDir().mkdir(path));
        EditForm form(m_settings);
        QTest::mouseClick(form.Knop[3], Qt::LeftButton);

        const QList<ShownDialog> &shown = m_platform->dialogs().shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Raadkwartet"));
        QVERIFY(shown[0].text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(shown[0].icon, writable ? Dialogs::Icon::Information : Dialogs::Icon::Exclamation);
        QFile pdf(path); // a folder does not open
        QCOMPARE(pdf.open(QIODevice::ReadOnly) ? pdf.readAll().count("/Type /Page\n") : 0, writable ? 2 : 0);
    }

private:
    std::unique_ptr<TestPlatform> m_platform;
    GameSettings m_settings;
};

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"

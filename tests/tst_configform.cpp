#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
#include "support/fakes.h"
#include "ui/translations.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class TestConfigForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_settings = GameSettings();
        m_settings.printFooter = "  Mijn voettekst  ";
        m_settings.speeltijd = 45;
        m_border.clear();
        m_dialogs.shown.clear();
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; },
                                              m_dialogs);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }
    // What is typed stays as typed, however it begins like an entry of the list; OK takes
    // only a time the game will play as shown, and otherwise says so and stays open.
    void typedTimeShowsMinutesAndOkStoresIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("minutes"); // empty: no minutes shown, OK refuses
        QTest::addColumn<qint32>("seconds");

        QTest::newRow("45, as 450 begins") << "45" << "0,75" << 45;
        QTest::newRow("longest") << "2147483647" << "35791394,12" << 2147483647;
        QTest::newRow("fraction") << "12.5" << "" << 45;
        QTest::newRow("zero") << "0" << "" << 45;
        QTest::newRow("too large") << "9999999999" << "" << 45;
    }
    void typedTimeShowsMinutesAndOkStoresIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, minutes);
        QFETCH(qint32, seconds);

        QComboBox *box = m_form->playingTimeBox();
        // Completion works only in a box that has the focus, as when the player types.
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_form->minutesLabel()->text(),
                 minutes.isEmpty() ? QString("Speeltijd in seconden") : "Speeltijd in seconden (" + minutes + " Min.)");

        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, seconds);
        QCOMPARE(m_form->isVisible(), minutes.isEmpty());
        QCOMPARE(m_dialogs.shown.size(), minutes.isEmpty() ? 1 : 0);
        if (minutes.isEmpty()) {
            QCOMPARE(m_dialogs.shown[0].text, "De speeltijd \"" + typed + "\" kan niet worden gespeeld. Typ een heel "
                                              "aantal seconden, van 1 tot en met 2147483647, zonder teken of komma.");
            QCOMPARE(QApplication::focusWidget(), box);
        }
    }
    // The footer obeys the file's refusals: a quote or a character outside the code page
    // is named, and nothing of the record changes; a comma is kept, outer blanks are not.
    // A slider recolours the border at once, OK once more.
    void footerTheFileCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: stored
        QTest::newRow("quote") << "Zeg \"hoi\" tegen jou"
                               << "Het teken '\"' in de tekst bij het afdrukken kan niet worden bewaard: het "
                                  "instellingenbestand gebruikt dit teken om de velden van elkaar te scheiden. Laat het "
                                  "weg of kies een ander teken.";
        QTest::newRow("comma, blanks around") << "  Smit, Jansen & Zn. " << "";
    }
    void footerTheFileCannotHoldIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        m_form->footerBox()->setText(typed);
        QTest::keyClick(m_form->redSlider(), Qt::Key_End); // green 30 and blue 40 as they were
        QCOMPARE(m_form->colourSample()->grab().toImage().pixelColor(10, 10), QColor(255, 30, 40));
        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        if (message.isEmpty()) {
            QCOMPARE(m_settings.printFooter, typed.trimmed());
            QCOMPARE(m_border, (QList<QColor>{QColor(255, 30, 40), QColor(255, 30, 40)}));
            QCOMPARE(m_settings.borderRed, 255.0);
            return;
        }
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].text, message);
        QCOMPARE(m_settings.printFooter, QString("  Mijn voettekst  "));
        QCOMPARE(m_settings.borderRed, 30.0);
        QVERIFY(m_form->isVisible());
    }
    // The list opens with the time set highlighted, not its first entry; a time it does not
    // hold stands in the box as it is, the list opening at the nearest entry.
    void playingTimeListOpensAtTheTimeSet_data()
    {
        QTest::addColumn<qint32>("speeltijd");
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("600") << 600 << "600";
        QTest::newRow("45") << 45 << "60";
        QTest::newRow("615, halfway") << 615 << "600";
        QTest::newRow("616") << 616 << "630";
        QTest::newRow("longest") << 2147483647 << "900";
    }
    void playingTimeListOpensAtTheTimeSet()
    {
        QFETCH(qint32, speeltijd);
        QFETCH(QString, highlighted);
        m_settings.speeltijd = speeltijd;
        ConfigForm form(m_settings, {}, m_dialogs);
        form.show();
        QComboBox *box = form.playingTimeBox();
        box->showPopup();
        QCOMPARE(box->view()->currentIndex().data().toString(), highlighted);
        box->hidePopup();
        QCOMPARE(box->currentText(), QString::number(speeltijd));
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, speeltijd);
    }
    // Reset chooses 600 even when that entry is chosen already with other text typed over it.
    void resetThenCancelKeepsTheResetValues()
    {
        QComboBox *box = m_form->playingTimeBox();
        box->setCurrentIndex(box->findText("600"));
        box->setEditText("75");
        QTest::mouseClick(m_form->resetButton(), Qt::LeftButton);
        QCOMPARE(box->currentText(), QString("600"));

        // Cancel keeps what Reset put in the record, but not the footer Reset showed.
        QTest::mouseClick(m_form->cancelButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, 600);
        QCOMPARE(m_settings.printFooter, QString("  Mijn voettekst  "));
    }
    // Qt's own buttons, as the program's message boxes show them.
    void standardButtonsReadDutch()
    {
        QVERIFY(Translations::installDutch(*qApp));
        QMessageBox box(QMessageBox::NoIcon, "t", "x", QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QString("Annuleren"));
    }

private:
    FakeDialogs m_dialogs;
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

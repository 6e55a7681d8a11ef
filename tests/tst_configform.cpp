#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class TestConfigForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        // A time the list does not hold.
        m_settings = GameSettings{.speeltijd = 615, .printFooter = "  Mijn voettekst  "};
        m_border.clear();
        m_dialogs.shown.clear();
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; },
                                              m_dialogs);
        QVERIFY(showActive(m_form.get()));
    }
    // A time the list does not hold stands in the box as it is. What is typed stays as typed,
    // however it begins like an entry of the list. OK takes only a time the game will play
    // as shown, and otherwise says so and stays open.
    void playingTimeShowsMinutesAndOkStoresIt_data()
    {
        QTest::addColumn<QString>("typed"); // empty: nothing typed
        QTest::addColumn<QString>("minutes"); // empty: no minutes shown, OK refuses
        QTest::addColumn<qint32>("seconds");
        QTest::newRow("as set") << "" << "10,25" << 615;
        QTest::newRow("45, as 450 begins") << "45" << "0,75" << 45;
        QTest::newRow("longest") << "2147483647" << "35791394,12" << 2147483647;
        QTest::newRow("zero") << "0" << "" << 615;
        QTest::newRow("too large") << "9999999999" << "" << 615;
    }
    void playingTimeShowsMinutesAndOkStoresIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, minutes);
        QFETCH(qint32, seconds);
        QComboBox *box = m_form->playingTimeBox();
        if (!typed.isEmpty()) {
            // Completion works only in a box that has the focus, as when the player types.
            QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), typed);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(m_form->minutesLabel()->text(),
                 minutes.isEmpty() ? QString("Speeltijd in seconden") : "Speeltijd in seconden (" + minutes + " Min.)");
        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, seconds);
        QCOMPARE(m_form->isVisible(), minutes.isEmpty());
        QCOMPARE(m_dialogs.shown.value(0).text,
                 minutes.isEmpty() ? "De speeltijd \"" + typed + "\" kan niet worden gespeeld. Typ een heel aantal "
                                     "seconden, van 1 tot en met 2147483647, zonder teken of komma."
                                   : QString());
        if (minutes.isEmpty())
            QCOMPARE(QApplication::focusWidget(), box);
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
        const bool stored = message.isEmpty();
        QCOMPARE(m_dialogs.shown.value(0).text, message);
        QCOMPARE(m_form->isVisible(), !stored);
        QCOMPARE(m_settings.printFooter, stored ? typed.trimmed() : QString("  Mijn voettekst  "));
        QCOMPARE(m_settings.borderRed, stored ? 255.0 : 30.0);
        QCOMPARE(m_border, QList<QColor>(stored ? 2 : 1, QColor(255, 30, 40)));
    }

private:
    FakeDialogs m_dialogs;
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

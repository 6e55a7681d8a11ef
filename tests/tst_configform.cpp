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
        m_settings = GameSettings{.speeltijd = 615, .printFooter = m_footer};
        m_border.clear();
        m_dialogs.shown.clear();
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; },
                                              m_dialogs);
        QVERIFY(showActive(m_form.get()));
    }
    // A time the list does not hold stands in the box as it is. What is typed stays as typed,
    // however it begins like an entry of the list. OK takes only a time the game will play
    // as shown, and a footer the file can hold: a quote or a character outside the code page
    // is named, and nothing of the record changes; a comma is kept, outer blanks are not.
    // Refused, the window says so and stays open. A slider recolours the border at once,
    // OK once more.
    void okStoresWhatTheGameCanPlayAndTheFileHold_data()
    {
        QTest::addColumn<QString>("time"); // empty: nothing typed
        QTest::addColumn<QString>("footer"); // empty: the one set
        QTest::addColumn<QString>("minutes"); // empty: no minutes shown
        QTest::addColumn<QString>("refusal"); // empty: OK stores and closes
        const QString time = "De speeltijd \"%1\" kan niet worden gespeeld. Typ een heel aantal seconden, van 1 tot en "
                             "met 2147483647, zonder teken of komma.";
        QTest::newRow("time as set") << "" << "" << "10,25" << "";
        QTest::newRow("45, as 450 begins") << "45" << "" << "0,75" << "";
        QTest::newRow("longest") << "2147483647" << "" << "35791394,12" << "";
        QTest::newRow("zero") << "0" << "" << "" << time.arg("0");
        QTest::newRow("too large") << "9999999999" << "" << "" << time.arg("9999999999");
        // A long paste is named by its beginning, so the message fits the screen.
        QTest::newRow("long") << QString(100, u'9') << "" << "" << time.arg(QString(60, u'9') + u'…');
        QTest::newRow("footer, quote") << "" << "Zeg \"hoi\" tegen jou" << "10,25"
            << "Het teken '\"' in de tekst bij het afdrukken kan niet worden bewaard: het instellingenbestand gebruikt "
               "dit teken om velden te omsluiten. Laat het weg of kies een ander teken.";
        QTest::newRow("footer, comma, blanks around") << "" << "  Smit, Jansen & Zn. " << "10,25" << "";
    }
    void okStoresWhatTheGameCanPlayAndTheFileHold()
    {
        QFETCH(QString, time);
        QFETCH(QString, footer);
        QFETCH(QString, minutes);
        QFETCH(QString, refusal);
        QComboBox *box = m_form->playingTimeBox();
        footer = footer.isEmpty() ? m_footer : footer;
        m_form->footerBox()->setText(footer);
        QTest::keyClick(m_form->redSlider(), Qt::Key_End); // green 30 and blue 40 as they were
        QCOMPARE(m_form->colourSample()->grab().toImage().pixelColor(10, 10), QColor(255, 30, 40));
        if (!time.isEmpty()) {
            // Completion works only in a box that has the focus, as when the player types.
            QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), time);
        }
        QCOMPARE(m_form->minutesLabel()->text(),
                 minutes.isEmpty() ? QString("Speeltijd in seconden") : "Speeltijd in seconden (" + minutes + " Min.)");
        // Enter in the box confirms, as Ok does; the keypad's Enter too.
        if (time.isEmpty())
            QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        else if (time.size() % 2)
            QTest::keyClick(box->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        const bool stored = refusal.isEmpty();
        QCOMPARE(m_dialogs.texts().value(0), refusal);
        QCOMPARE(m_form->isVisible(), !stored);
        QCOMPARE(m_settings.speeltijd, stored && !time.isEmpty() ? time.toInt() : 615);
        // The footer as it was set is left as the record holds it, blanks and all.
        QCOMPARE(m_settings.printFooter, stored && footer != m_footer ? footer.trimmed() : m_footer);
        QCOMPARE(m_settings.borderRed, stored ? 255.0 : 30.0);
        QCOMPARE(m_border, QList<QColor>(stored ? 2 : 1, QColor(255, 30, 40)));
        if (!stored && !time.isEmpty())
            QCOMPARE(QApplication::focusWidget(), box);
    }

    // Opening the window and pressing OK changes nothing of the record, also values the
    // window cannot show as they are: the game plays 600 seconds for 0, a colour part is
    // shown within 0 to 255.
    void okAtOnceLeavesTheRecord_data()
    {
        QTest::addColumn<qint32>("speeltijd");
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::newRow("playing time 0") << 0 << 30.0 << 30.0;
        QTest::newRow("colour parts beyond the sliders") << 615 << 300.0 << -7.0;
    }
    void okAtOnceLeavesTheRecord()
    {
        QFETCH(qint32, speeltijd);
        QFETCH(double, red);
        QFETCH(double, green);
        GameSettings settings{.speeltijd = speeltijd, .borderRed = red, .borderGreen = green, .printFooter = m_footer};
        const GameSettings before = settings;
        ConfigForm form(settings, {}, m_dialogs);
        QVERIFY(showActive(&form));
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
        QCOMPARE(m_dialogs.texts(), QStringList());
        QVERIFY(!form.isVisible());
        QVERIFY(settings.speeltijd == before.speeltijd && settings.borderRed == before.borderRed
                && settings.borderGreen == before.borderGreen && settings.printFooter == before.printFooter);
    }

private:
    const QString m_footer = QStringLiteral("  Mijn voettekst  ");
    FakeDialogs m_dialogs;
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

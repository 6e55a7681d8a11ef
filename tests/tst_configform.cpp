#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
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
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }
    // What is typed stays as typed, however it begins like an entry of the list; the
    // minutes are those OK stores.
    void typedTimeShowsMinutesAndOkStoresIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<qint32>("seconds");

        QTest::newRow("45, as 450 begins") << "45" << "0,75" << 45;
        QTest::newRow("100: two decimals") << "100" << "1,67" << 100;
        QTest::newRow("fraction as stored") << "12.5" << "0,2" << 12;
        QTest::newRow("longest") << "99999999999999999999" << "35791394,12" << 2147483647;
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
        QCOMPARE(m_form->minutesLabel()->text(), "Speeltijd in seconden (" + minutes + " Min.)");

        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, seconds);
    }
    // A slider recolours the border at once, OK once more; OK stores a trimmed footer.
    // The list opens with the time set highlighted, not its first entry; a time it does not
    // hold stands in the box as it is, the list opening at the nearest entry.
    void playingTimeListOpensAtTheTimeSet_data()
    {
        QTest::addColumn<qint32>("speeltijd");
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("600") << 600 << "600";
        QTest::newRow("60") << 60 << "60";
        QTest::newRow("900") << 900 << "900";
        QTest::newRow("45") << 45 << "60";
        QTest::newRow("615, halfway") << 615 << "600";
        QTest::newRow("616") << 616 << "630";
        QTest::newRow("0") << 0 << "60";
        QTest::newRow("longest") << 2147483647 << "900";
    }
    void playingTimeListOpensAtTheTimeSet()
    {
        QFETCH(qint32, speeltijd);
        QFETCH(QString, highlighted);
        m_settings.speeltijd = speeltijd;
        ConfigForm form(m_settings, {});
        form.show();
        QComboBox *box = form.playingTimeBox();
        QCOMPARE(box->currentText(), QString::number(speeltijd));
        box->showPopup();
        QVERIFY(box->view()->isVisible());
        QCOMPARE(box->view()->currentIndex().data().toString(), highlighted);
        box->hidePopup();
        QCOMPARE(box->currentText(), QString::number(speeltijd));
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, speeltijd);
    }
    void slidersRecolourAtOnceAndOkStores()
    {
        QTest::keyClick(m_form->redSlider(), Qt::Key_End); // green 30 and blue 40 as they were
        QCOMPARE(m_form->colourSample()->grab().toImage().pixelColor(10, 10), QColor(255, 30, 40));

        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        QCOMPARE(m_border, (QList<QColor>{QColor(255, 30, 40), QColor(255, 30, 40)}));
        QCOMPARE(m_settings.borderRed, 255.0);
        QCOMPARE(m_settings.printFooter, QString("Mijn voettekst"));
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
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

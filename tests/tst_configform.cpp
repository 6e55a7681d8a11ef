#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
#include "shell/translations.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

class TestConfigForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_settings = GameSettings();
        m_settings.printFooter = "  Mijn voettekst  ";
        m_settings.borderRed = 10; // green 30, blue 40
        m_settings.speeltijd = 45;
        m_border.clear();
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }
    // What is typed stays as typed, however it begins like an entry of the list; the
    // minutes are those OK stores, within the window however long the number.
    void typedTimeShowsMinutesAndOkStoresIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<qint32>("seconds");

        QTest::newRow("45, as 450 begins") << "45" << "0,75" << 45;
        QTest::newRow("100: two decimals") << "100" << "1,67" << 100;
        QTest::newRow("90: one decimal") << "90" << "1,5" << 90;
        QTest::newRow("600: none") << "600" << "10" << 600;
        QTest::newRow("negative") << "-1" << "-0,02" << -1;
        QTest::newRow("fraction as stored") << "12.5" << "0,2" << 12;
        QTest::newRow("letters") << "abc" << "0" << 0;
        QTest::newRow("longest") << "99999999999999999999" << "35791394,12" << 2147483647;
        QTest::newRow("longest negative") << "-99999999999999999999" << "-35791394,13" << -2147483647 - 1;
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
        QCOMPARE(box->currentText(), typed);
        const QLabel *label = m_form->minutesLabel();
        QCOMPARE(label->text(), "Speeltijd in seconden (" + minutes + " Min.)");
        // All of the text shows, inside the window and above the buttons.
        const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), QSize(label->width(), 1000)),
                                                               Qt::TextWordWrap, label->text());
        QVERIFY(needed.width() <= label->width() && needed.height() <= label->height());
        QVERIFY(m_form->rect().contains(label->geometry()));
        QVERIFY(label->geometry().bottom() < m_form->okButton()->y());

        QTest::mouseClick(m_form->okButton(), Qt::LeftButton);
        QCOMPARE(m_settings.speeltijd, seconds);
    }
    // OK gives the border the record's colour once more and stores a trimmed footer.
    void slidersRecolourAtOnceAndOkStores()
    {
        QTest::keyClick(m_form->redSlider(), Qt::Key_End);
        QCOMPARE(m_border, QList<QColor>{QColor(255, 30, 40)});
        const QImage shown = m_form->colourSample()->grab().toImage();
        QCOMPARE(QColor(shown.pixel(shown.rect().center())), QColor(255, 30, 40));

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
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), "75");
        QTest::mouseClick(m_form->resetButton(), Qt::LeftButton);
        QCOMPARE(m_form->footerBox()->text(), QString("Brovelt Software 2019"));
        QCOMPARE(m_form->minutesLabel()->text(), QString("Speeltijd in seconden (10 Min.)"));
        QCOMPARE(m_border.last(), QColor(30, 0, 0));

        // Cancel keeps what Reset put in the record, but not the footer it showed.
        QTest::mouseClick(m_form->cancelButton(), Qt::LeftButton);
        QCOMPARE(m_settings.borderGreen, 0.0);
        QCOMPARE(m_settings.speeltijd, 600);
        QCOMPARE(m_settings.printFooter, QString("  Mijn voettekst  "));
    }
    // Qt's own buttons, as the program's message boxes show them.
    void standardButtonsReadDutch()
    {
        QVERIFY(Translations::installDutch(*qApp));
        QMessageBox box(QMessageBox::NoIcon, "t", "x", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QString("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString("Nee"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QString("Annuleren"));
    }

private:
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

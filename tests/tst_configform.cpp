#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
        m_platform = std::make_unique<TestPlatform>();
        m_settings = GameSettings();
        m_settings.printFooter = "  Mijn voettekst  ";
        m_settings.borderRed = 10; // green 30, blue 40
        m_settings.speeltijd = 45;
        m_border.clear();
        m_form = std::make_unique<ConfigForm>(m_settings, [this](const QColor &colour) { m_border << colour; });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_platform.reset();
    }
    void typedTimeShowsMinutesAndOkStoresIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<qint32>("seconds");

        QTest::newRow("60") << "60" << "1" << 60;
        QTest::newRow("600") << "600" << "10" << 600;
        QTest::newRow("630") << "630" << "10,5" << 630;
        QTest::newRow("900") << "900" << "15" << 900;
        QTest::newRow("100: fifteen digits") << "100" << "1,66666666666667" << 100;
        QTest::newRow("letters") << "abc" << "0" << 0;
    }
    void typedTimeShowsMinutesAndOkStoresIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, minutes);
        QFETCH(qint32, seconds);

        type(typed);
        QCOMPARE(m_form->Label6->text(), "Speeltijd in seconden (" + minutes + " Min.)");
        QTest::mouseClick(m_form->OkKnop, Qt::LeftButton);
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        QCOMPARE(m_settings.speeltijd, seconds);
    }
    // OK gives the border the record's colour once more and stores a trimmed footer.
    void slidersRecolourAtOnceAndOkStores()
    {
        QTest::keyClick(m_form->HScroll1[0], Qt::Key_End);
        QCOMPARE(m_border, QList<QColor>{QColor(255, 30, 40)});
        const QImage shown = m_form->Label3->grab().toImage();
        QCOMPARE(QColor(shown.pixel(shown.rect().center())), QColor(255, 30, 40));

        QTest::mouseClick(m_form->OkKnop, Qt::LeftButton);
        QCOMPARE(m_border, (QList<QColor>{QColor(255, 30, 40), QColor(255, 30, 40)}));
        QCOMPARE(m_settings.borderRed, 255.0);
        QCOMPARE(m_settings.printFooter, QString("Mijn voettekst"));
    }
    // Reset chooses 600 even when that entry is chosen already with other text typed over it.
    void resetThenCancelKeepsTheResetValues()
    {
        m_form->Combo1->setCurrentIndex(m_form->Combo1->findText("600"));
        type("75");
        QTest::mouseClick(m_form->ResetKnop, Qt::LeftButton);
        QCOMPARE(m_form->Text1->text(), QString("Brovelt Software 2019"));
        QCOMPARE(m_form->Label6->text(), QString("Speeltijd in seconden (10 Min.)"));
        QCOMPARE(m_border.last(), QColor(30, 0, 0));

        // Cancel keeps what Reset put in the record, but not the footer it showed.
        QTest::mouseClick(m_form->CancelKnop, Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_settings.borderGreen, 0.0);
        QCOMPARE(m_settings.speeltijd, 600);
        QCOMPARE(m_settings.printFooter, QString("  Mijn voettekst  "));
    }

private:
    void type(const QString &text)
    {
        m_form->Combo1->lineEdit()->selectAll();
        QTest::keyClicks(m_form->Combo1->lineEdit(), text);
    }

    std::unique_ptr<TestPlatform> m_platform;
    GameSettings m_settings;
    QList<QColor> m_border;
    std::unique_ptr<ConfigForm> m_form;
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

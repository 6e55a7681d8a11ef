#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/configform.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <limits>

class TestConfigForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void minutesTextFollowsTheBox_data();
    void minutesTextFollowsTheBox();
    void openShowsTheRecord();
    void okStoresThePlayingTime_data();
    void okStoresThePlayingTime();
    void okAtOnceKeepsTheRecord();
    void sliderRecoloursAtOnceAndCancelKeepsRecord();
    void resetThenCancelKeepsTheResetValues();
    void resetAfterTypingShows600Again();

private:
    ConfigForm *makeForm();
    void type(const QString &text);

    TestPlatform *m_platform = nullptr;
    GameSettings m_settings;
    QList<QColor> m_border;
    ConfigForm *m_form = nullptr;
};

void TestConfigForm::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
    m_settings = GameSettings();
    m_settings.Afdruktekst = "  Mijn voettekst  ";
    m_settings.RandkleurRood = 10;
    m_settings.RandkleurGroen = 20;
    m_settings.RandkleurBlauw = 30;
    m_settings.Speeltijd = 45;
    m_border.clear();
    m_form = nullptr;
}

void TestConfigForm::cleanup()
{
    delete m_form;
    delete m_platform;
}

ConfigForm *TestConfigForm::makeForm()
{
    m_form = new ConfigForm(m_settings, [this](const QColor &colour) { m_border << colour; });
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form))
        qWarning("settings window not exposed");
    return m_form;
}

void TestConfigForm::type(const QString &text)
{
    QLineEdit *edit = m_form->Combo1->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void TestConfigForm::minutesTextFollowsTheBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("minutes");

    QTest::newRow("60") << "60" << "1";
    QTest::newRow("600") << "600" << "10";
    QTest::newRow("630") << "630" << "10,5";
    QTest::newRow("900") << "900" << "15";
    QTest::newRow("100: fifteen digits") << "100" << "1,66666666666667";
    QTest::newRow("45") << "45" << "0,75";
    QTest::newRow("no group separator") << "6000000" << "100000";
    QTest::newRow("number then letters") << "90 sec" << "1,5";
    QTest::newRow("point is the decimal separator") << "90.6" << "1,51";
    QTest::newRow("comma ends the number") << "90,6" << "1,5";
    QTest::newRow("negative") << "-30" << "-0,5";
    QTest::newRow("letters read as 0") << "abc" << "0";
    QTest::newRow("empty reads as 0") << "" << "0";
}

void TestConfigForm::minutesTextFollowsTheBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, minutes);
    makeForm();
    type(typed);
    QCOMPARE(m_form->Combo1->currentText(), typed);
    QCOMPARE(m_form->Label6->text(), "Speeltijd in seconden (" + minutes + " Min.)");
}

void TestConfigForm::openShowsTheRecord()
{
    m_settings.Speeltijd = 630;
    makeForm();
    QCOMPARE(m_form->Text1->text(), QString("  Mijn voettekst  "));
    QCOMPARE(m_form->Combo1->count(), 29);
    QCOMPARE(m_form->Combo1->itemText(0), QString("60"));
    QCOMPARE(m_form->Combo1->itemText(28), QString("900"));
    QCOMPARE(m_form->Combo1->currentText(), QString("630"));
    QCOMPARE(m_form->Label6->text(), QString("Speeltijd in seconden (10,5 Min.)"));
    QCOMPARE(m_form->HScroll1[1]->value(), 20);
    QCOMPARE(m_form->Label5[2]->text(), QString("30"));
    QVERIFY(m_border.isEmpty());

    // Choosing from the list, as a click in the drop-down does.
    m_form->Combo1->setCurrentIndex(28);
    emit m_form->Combo1->activated(28);
    QCOMPARE(m_form->Label6->text(), QString("Speeltijd in seconden (15 Min.)"));
}

void TestConfigForm::okStoresThePlayingTime_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint32>("speeltijd");

    QTest::newRow("outside the list") << "45" << 45;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("half to even, down") << "630.5" << 630;
    QTest::newRow("half to even, up") << "631.5" << 632;
    QTest::newRow("leading blanks") << "  90" << 90;
    QTest::newRow("exponent") << "1e3" << 1000;
    QTest::newRow("comma is no decimal separator") << "12,7" << 12;
    QTest::newRow("negative, unchecked") << "-30" << -30;
    QTest::newRow("too large") << "99999999999" << std::numeric_limits<qint32>::max();
}

void TestConfigForm::okStoresThePlayingTime()
{
    QFETCH(QString, typed);
    QFETCH(qint32, speeltijd);
    makeForm();
    type(typed);
    QTest::mouseClick(m_form->OkKnop, Qt::LeftButton);
    QCOMPARE(m_settings.Speeltijd, speeltijd);
    QCOMPARE(m_form->result(), int(QDialog::Accepted));
}

void TestConfigForm::okAtOnceKeepsTheRecord()
{
    makeForm();
    QTest::mouseClick(m_form->OkKnop, Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_settings.Afdruktekst, QString("Mijn voettekst"));
    QCOMPARE(m_settings.RandkleurRood, 10.0);
    QCOMPARE(m_settings.RandkleurGroen, 20.0);
    QCOMPARE(m_settings.RandkleurBlauw, quint8(30));
    QCOMPARE(m_settings.Speeltijd, 45);
    QCOMPARE(m_border, QList<QColor>{QColor(10, 20, 30)});
}

void TestConfigForm::sliderRecoloursAtOnceAndCancelKeepsRecord()
{
    makeForm();
    QTest::keyClick(m_form->HScroll1[0], Qt::Key_End);
    QCOMPARE(m_form->HScroll1[0]->value(), 255);
    QCOMPARE(m_border.value(m_border.size() - 1), QColor(255, 20, 30));
    QCOMPARE(m_form->Label5[0]->text(), QString("255"));
    const QImage shown = m_form->Label3->grab().toImage();
    QCOMPARE(QColor(shown.pixel(shown.rect().center())), QColor(255, 20, 30));

    QTest::keyClick(m_form->HScroll1[2], Qt::Key_Left);
    QCOMPARE(m_border.value(m_border.size() - 1), QColor(255, 20, 29));
    QCOMPARE(m_form->Label5[2]->text(), QString("29"));

    const qsizetype calls = m_border.size();
    QTest::mouseClick(m_form->CancelKnop, Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_border.size(), calls); // the border keeps the colour the sliders gave it
    QCOMPARE(m_settings.RandkleurRood, 10.0);
    QCOMPARE(m_settings.RandkleurBlauw, quint8(30));
    QCOMPARE(m_settings.Afdruktekst, QString("  Mijn voettekst  "));
}

void TestConfigForm::resetThenCancelKeepsTheResetValues()
{
    makeForm();
    QTest::mouseClick(m_form->ResetKnop, Qt::LeftButton);
    QCOMPARE(m_form->Text1->text(), QString("Brovelt Software 2019"));
    QCOMPARE(m_form->Label5[0]->text() + m_form->Label5[1]->text() + m_form->Label5[2]->text(), QString("3000"));
    QCOMPARE(m_form->Combo1->currentText(), QString("600"));
    QCOMPARE(m_form->Label6->text(), QString("Speeltijd in seconden (10 Min.)"));
    QCOMPARE(m_border.value(m_border.size() - 1), QColor(30, 0, 0));

    QTest::mouseClick(m_form->CancelKnop, Qt::LeftButton);
    QCOMPARE(m_settings.RandkleurRood, 30.0);
    QCOMPARE(m_settings.RandkleurGroen, 0.0);
    QCOMPARE(m_settings.RandkleurBlauw, quint8(0));
    QCOMPARE(m_settings.Speeltijd, 600);
    QCOMPARE(m_settings.Afdruktekst, QString("  Mijn voettekst  "));
}

// Reset chooses the entry that may be chosen already, with other text typed over it.
void TestConfigForm::resetAfterTypingShows600Again()
{
    m_settings.Speeltijd = 600;
    makeForm();
    m_form->Combo1->setCurrentIndex(18);
    type("75");
    QTest::mouseClick(m_form->ResetKnop, Qt::LeftButton);
    QCOMPARE(m_form->Combo1->currentText(), QString("600"));
    QCOMPARE(m_form->Label6->text(), QString("Speeltijd in seconden (10 Min.)"));
    QTest::mouseClick(m_form->OkKnop, Qt::LeftButton);
    QCOMPARE(m_settings.Speeltijd, 600);
}

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

#include "controls/vistabutton.h"
#include "shell/mainwindow.h"
#include "shell/paintpanel.h"
#include "shell/scoreform.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndSlotFramesOnA1280By1024Screen();
    void startsIdle();
    void firstStartWithoutSettingsKeepsTheFirstBorder();
    void playsAWholeGame();
    void scoreFormListsHighestFirstAndDeletes();

private:
    Main *makeWindow();
    TestPlatform *m_platform = nullptr;
    Main *m_window = nullptr;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
    m_platform->writeData("Puzzel.lib", "Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                                        "Fiets,wiel,trappen,zadel,bel\r\nrode kool,groente,paars,stamppot,blad\r\n");
    m_platform->random().values = {0.0}; // colour scheme 1
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_platform;
}

Main *TestMainWindow::makeWindow()
{
    m_window = new Main;
    m_window->Form_Load(QSize(1280, 1024), 96);
    return m_window;
}

void TestMainWindow::layoutAndSlotFramesOnA1280By1024Screen()
{
    Main *w = makeWindow();
    // In twips, 15 to a pixel: Pic 300, 300, 18600 x 13710; PicKnoppen 300, 14160, 18600 x 870; CoorLabel top 15090.
    QCOMPARE(w->Pic->geometry(), QRect(20, 20, 1240, 914));
    QCOMPARE(w->PicKnoppen->geometry(), QRect(20, 944, 1240, 58));
    QCOMPARE(w->CoorLabel->y(), 1006);
    const std::pair<int, QPoint> tops[] = {{1, {20, 20}}, {3, {664, 20}}, {4, {20, 125}}, {12, {664, 335}}};
    for (const auto &[slot, topLeft] : tops)
        QCOMPARE(w->KnopLabel[slot - 1]->geometry(), QRect(topLeft, QSize(317, 100)));
    // The slot frames in the drawn colour scheme, ring j of nine.
    QCOMPARE(w->kleurSchema(), 1);
    const QImage slot = w->KnopLabel[0]->canvas();
    for (int j = 0; j <= 8; ++j) {
        const QColor ring(60 + 23 * j, 60, 60);
        QCOMPARE(slot.pixelColor(j, 50), ring);
        QCOMPARE(slot.pixelColor(150, 99 - j), ring);
    }
}

void TestMainWindow::startsIdle()
{
    Main *w = makeWindow();
    QCOMPARE(w->TekstLabel[11]->text(), QStringLiteral("?"));
    QVERIFY(w->WoordLabel[0]->isHidden());
    QCOMPARE(w->Text1->text(), QStringLiteral("?"));
    QVERIFY(w->Text1->isEnabled() && !w->NextKnop->isEnabled() && w->MenuKnop[0]->isEnabled());
    QVERIFY(!w->Timer1->isActive() && w->Timer2->isActive());
    QCOMPARE(w->InfoLabel->text(), QStringLiteral("3 / "));
}

void TestMainWindow::firstStartWithoutSettingsKeepsTheFirstBorder()
{
    Main *w = makeWindow();
    QCOMPARE(w->palette().color(QPalette::Window), QColor(30, 0, 0));
    delete m_window;
    m_platform->random().values = {0.0};
    w = makeWindow();
    QCOMPARE(w->palette().color(QPalette::Window), QColor(30, 30, 40));
}

void TestMainWindow::playsAWholeGame()
{
    Main *w = makeWindow();
    w->controller().settings().speeltijd = 60;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    m_platform->dialogs().inputs = {QStringLiteral("Anna")};
    m_platform->random().values = {0.0, 0.34, 0.67, 0.0};
    QTest::mouseClick(w->MenuKnop[0], Qt::LeftButton);
    QVERIFY(w->Timer1->isActive() && w->NextKnop->isEnabled() && !w->MenuKnop[0]->isEnabled());
    QCOMPARE(w->NaamLabel->text(), QStringLiteral("Anna"));
    QCOMPARE(w->TekstLabel[11]->text(), QStringLiteral("blad"));
    // The board keeps its drawing when covered (the answer box is left out: its cursor blinks).
    const QRect rows(0, 500, 600, 170);
    const QImage before = w->Pic->grab(rows).toImage();
    const QImage slotBefore = w->KnopLabel[4]->grab().toImage();
    w->hide();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->Pic->grab(rows).toImage(), before);
    QCOMPARE(w->KnopLabel[4]->grab().toImage(), slotBefore);
    // "rode kool": eight tiles, a gap at x = 230 on the third keyword row.
    QCOMPARE(w->Pic->canvas().pixelColor(235, 624 + 14), QColor(30, 30, 40));
    QVERIFY(w->Pic->canvas().pixelColor(255, 624 + 14) != QColor(30, 30, 40));

    QTest::keyClicks(w->Text1, QStringLiteral("Appel"));
    QTest::keyClick(w->Text1, Qt::Key_Return);
    QVERIFY(w->WoordLabel[0]->isVisible() && w->Img20[0]->isVisible());
    QCOMPARE(w->WoordLabel[0]->text(), QStringLiteral("APPEL"));
    QCOMPARE(w->RondeLabel->text(), QStringLiteral("20"));
    QTest::mouseClick(w->NextKnop, Qt::LeftButton);
    QCOMPARE(w->Text1->text(), QStringLiteral("FIETS"));
    QCOMPARE(w->RondeLabel->text(), QStringLiteral("-20"));

    for (int i = 0; i < 60; ++i)
        w->controller().Timer1_Timer();
    QVERIFY(!w->Timer1->isActive() && !w->Text1->isEnabled() && w->MenuKnop[0]->isEnabled());
    QCOMPARE(m_platform->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"-020 - Anna\"\r\n"));
}

void TestMainWindow::scoreFormListsHighestFirstAndDeletes()
{
    ScoreList list;
    for (const char *line : {"0080 - Bram", "0120 - Anna", "0340 - Cor", "0120 - Anna"})
        list.add(QString::fromLatin1(line));
    auto &dialogs = m_platform->dialogs();
    ScoreForm form(list);
    QCOMPARE(form.List1->item(0)->text(), QStringLiteral("0340 - Cor"));
    QCOMPARE(form.Label2->text(), QStringLiteral("4 namen in de lijst"));

    // Nothing selected: the question names "...", and Yes brings the selection message.
    dialogs.answers = {true};
    form.DeleteKnop_Click();
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Wilt u '...' verwijderen uit de lijst?"));
    QCOMPARE(dialogs.shown[1].text, QStringLiteral("Eerst een naam selecteren..."));

    // One of two equal lines goes; the other stays in both lists. The count line stays.
    form.List1->setCurrentRow(1);
    dialogs.answers = {true};
    form.DeleteKnop_Click();
    QCOMPARE(form.List1->count(), 3);
    QCOMPARE(list.lines(), (QStringList{"0080 - Bram", "0120 - Anna", "0340 - Cor"}));
    QCOMPARE(form.Label2->text(), QStringLiteral("4 namen in de lijst"));

    dialogs.answers = {true};
    form.DeleteAllKnop_Click();
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Wilt u alle 3 namen verwijderen?"));
    QCOMPARE(form.List1->count() + list.count(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

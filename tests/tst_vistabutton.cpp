// The button as a window sees it: mouse, space bar, focus, Tab order, hover tracking between
// neighbours, the events it raises and when, redraws, and its stored settings.
#include "controls/propertybag.h"
#include "controls/vistabutton.h"
#include "controls/vistapalette.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

// Lets the test say where the pointer is and counts how often the face is drawn.
class TestButton : public VistaButton
{
public:
    explicit TestButton(QWidget *parent = nullptr)
        : VistaButton(parent)
    {
        const auto log = [this](const QString &entry) { m_log << entry; };
        const auto mouse = [log](const char *name) {
            return [log, name](int &button, int &shift, float &x, float &y) {
                log(QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y));
            };
        };
        connect(this, &VistaButton::Click, this, [log] { log(QStringLiteral("Click")); });
        connect(this, &VistaButton::MouseIn, this, [log] { log(QStringLiteral("MouseIn")); });
        connect(this, &VistaButton::MouseOut, this, [log] { log(QStringLiteral("MouseOut")); });
        connect(this, &VistaButton::MouseDown, this, mouse("MouseDown"));
        connect(this, &VistaButton::MouseMove, this, mouse("MouseMove"));
        connect(this, &VistaButton::MouseUp, this, mouse("MouseUp"));
        connect(this, &VistaButton::KeyDown, this,
                [log](int &code, int &shift) { log(QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift)); });
        connect(this, &VistaButton::KeyUp, this,
                [log](int &code, int &shift) { log(QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift)); });
        connect(this, &VistaButton::KeyPress, this,
                [log](int &ascii) { log(QStringLiteral("KeyPress(%1)").arg(ascii)); });
    }

    bool isMouseOver() const override { return m_over; }
    void draw(int state) override
    {
        ++m_draws;
        VistaButton::draw(state);
    }
    QTimer *hover() const { return findChild<QTimer *>(QStringLiteral("Hover")); }
    // Only the entries named, in order.
    QStringList logOf(const QStringList &names) const
    {
        QStringList result;
        for (const QString &entry : m_log)
            if (names.contains(entry.section(QLatin1Char('('), 0, 0)))
                result << entry;
        return result;
    }

    bool m_over = false;
    int m_draws = 0;
    QStringList m_log;
};

void sendSpace(QWidget *w, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(w, &event);
}

const QStringList allNames = {"Click", "MouseIn", "MouseOut", "MouseDown", "MouseMove", "MouseUp",
                              "KeyDown", "KeyUp", "KeyPress"};

} // namespace

class TestVistaButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickNeedsPressAndReleaseInside_data();
    void clickNeedsPressAndReleaseInside();
    void spaceBarPressesThenClicksOnce_data();
    void spaceBarPressesThenClicksOnce();
    void disabledButtonRaisesNothingAndLeavesTabOrder();
    void enablingRestoresTheHoldersTabStop_data();
    void enablingRestoresTheHoldersTabStop();
    void mouseInOnEveryMoveRedrawOnlyOnStateChange();
    void hoverEndsWhenPointerMovesToNeighbour();
    void pointerTestAsksForTheWindowUnderThePointer();
    void disablingUnderPointerShowsDisabledAtOnce();
    void propertyWritesRedraw_data();
    void propertyWritesRedraw();
    void picturesClampedOnWrite_data();
    void picturesClampedOnWrite();
    void newButtonWritesEveryKeyInOrder();
    void settingsSurviveWriteAndRead();
    void readingKeepsFieldsOfMissingKeys_data();
    void readingKeepsFieldsOfMissingKeys();

private:
    QWidget *m_window = nullptr;
    TestButton *m_button = nullptr;
};

void TestVistaButton::init()
{
    m_window = new QWidget;
    m_window->resize(200, 80);
    m_button = new TestButton(m_window);
    m_button->setGeometry(20, 20, 66, 22);
    m_button->setCaption(QStringLiteral("Start"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The window's first focus may land on the button; start every test without focus.
    m_button->clearFocus();
    m_button->m_log.clear();
    m_button->m_draws = 0;
}

void TestVistaButton::cleanup()
{
    // QTest remembers held buttons across tests.
    QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(150, 70));
    delete m_window;
}

void TestVistaButton::clickNeedsPressAndReleaseInside_data()
{
    QTest::addColumn<Qt::FocusPolicy>("policy");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<int>("stateWhileHeld");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("stateAfter");

    const QPoint in(30, 10);
    const QPoint out(-15, 10);
    QTest::newRow("press and release") << Qt::StrongFocus << Qt::LeftButton << QList<QPoint>{} << 2 << in << 1 << 1;
    QTest::newRow("moved within") << Qt::StrongFocus << Qt::LeftButton << QList<QPoint>{QPoint(10, 5)} << 2 << in << 1 << 1;
    // The press gave the button the focus, so it falls back to the focused look.
    QTest::newRow("dragged out, released outside")
        << Qt::StrongFocus << Qt::LeftButton << QList<QPoint>{out} << 1 << out << 0 << 3;
    QTest::newRow("dragged out, released outside, no focus")
        << Qt::NoFocus << Qt::LeftButton << QList<QPoint>{out} << 1 << out << 0 << 0;
    QTest::newRow("dragged out and back") << Qt::StrongFocus << Qt::LeftButton << QList<QPoint>{out, in} << 2 << in << 1 << 1;
    QTest::newRow("right button") << Qt::StrongFocus << Qt::RightButton << QList<QPoint>{} << 2 << in << 0 << 1;
}

void TestVistaButton::clickNeedsPressAndReleaseInside()
{
    QFETCH(Qt::FocusPolicy, policy);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<QPoint>, moves);
    QFETCH(int, stateWhileHeld);
    QFETCH(QPoint, release);
    QFETCH(int, clicks);
    QFETCH(int, stateAfter);

    TestButton &b = *m_button;
    b.setFocusPolicy(policy);
    b.m_over = true;
    QTest::mouseMove(&b, QPoint(30, 10));
    QTest::mousePress(&b, button, {}, QPoint(30, 10));
    QCOMPARE(b.state(), 2);
    for (const QPoint &p : moves)
        QTest::mouseMove(&b, p);
    QCOMPARE(b.state(), stateWhileHeld);
    QTest::mouseRelease(&b, button, {}, release);
    QCOMPARE(b.m_log.count(QStringLiteral("Click")), clicks);
    QCOMPARE(b.state(), stateAfter);
    const int mask = button == Qt::LeftButton ? 1 : 2;
    QCOMPARE(b.logOf({"MouseDown", "MouseUp"}),
             QStringList({QStringLiteral("MouseDown(%1,0,30,10)").arg(mask),
                          QStringLiteral("MouseUp(%1,0,%2,%3)").arg(mask).arg(release.x()).arg(release.y())}));
    if (clicks)
        QCOMPARE(b.m_log.last(), QStringLiteral("Click"));
}

void TestVistaButton::spaceBarPressesThenClicksOnce_data()
{
    QTest::addColumn<bool>("pointerOver");
    QTest::addColumn<int>("releaseX");
    QTest::addColumn<int>("stateAfter");
    QTest::newRow("pointer elsewhere") << false << -1 << 3;
    QTest::newRow("pointer over") << true << 0 << 1;
}

void TestVistaButton::spaceBarPressesThenClicksOnce()
{
    QFETCH(bool, pointerOver);
    QFETCH(int, releaseX);
    QFETCH(int, stateAfter);

    TestButton &b = *m_button;
    b.m_over = pointerOver;
    QApplication::setActiveWindow(m_window);
    b.setFocus();
    sendSpace(&b, QEvent::KeyPress, false);
    QCOMPARE(b.state(), 2);
    QCOMPARE(b.grab().toImage().pixel(10, 0), VistaPalette::forState(2).c[0]);
    // Holding the bar repeats press and release; only the last release is real.
    for (int i = 0; i < 3; ++i) {
        sendSpace(&b, QEvent::KeyRelease, true);
        sendSpace(&b, QEvent::KeyPress, true);
    }
    QCOMPARE(b.state(), 2);
    QCOMPARE(b.m_log.count(QStringLiteral("Click")), 0);
    sendSpace(&b, QEvent::KeyRelease, false);

    QCOMPARE(b.state(), stateAfter);
    QCOMPARE(b.m_log.count(QStringLiteral("Click")), 1);
    QCOMPARE(b.m_log.mid(0, 3), QStringList({"MouseDown(0,0,0,0)", "KeyDown(32,0)", "KeyPress(32)"}));
    QCOMPARE(b.m_log.mid(b.m_log.size() - 3),
             QStringList({QStringLiteral("MouseUp(0,0,%1,0)").arg(releaseX), "Click", "KeyUp(32,0)"}));

    // Enter does nothing special.
    b.m_log.clear();
    QTest::keyClick(&b, Qt::Key_Return);
    QCOMPARE(b.m_log, QStringList({"KeyDown(13,0)", "KeyPress(13)", "KeyUp(13,0)"}));
}

void TestVistaButton::disabledButtonRaisesNothingAndLeavesTabOrder()
{
    auto *before = new QLineEdit(m_window);
    before->setGeometry(100, 20, 40, 22);
    auto *after = new QLineEdit(m_window);
    after->setGeometry(150, 20, 40, 22);
    before->show();
    after->show();
    QWidget::setTabOrder(before, m_button);
    QWidget::setTabOrder(m_button, after);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    TestButton &b = *m_button;
    b.setEnabled(false);
    QCOMPARE(b.state(), 4);
    QVERIFY(!(b.focusPolicy() & Qt::TabFocus));
    b.m_over = true;
    QTest::mouseMove(&b, QPoint(10, 10));
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(12, 10));
    sendSpace(&b, QEvent::KeyPress, false);
    sendSpace(&b, QEvent::KeyRelease, false);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&b, &in);
    QCOMPARE(b.m_log, QStringList());
    QCOMPARE(b.state(), 4);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);

    b.m_over = false;
    b.setEnabled(true);
    QCOMPARE(b.state(), 0);
    QCOMPARE(b.focusPolicy(), Qt::StrongFocus);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &b);
    QCOMPARE(b.state(), 3);
}

void TestVistaButton::enablingRestoresTheHoldersTabStop_data()
{
    QTest::addColumn<Qt::FocusPolicy>("initial");
    QTest::addColumn<Qt::FocusPolicy>("setWhileEnabled");
    QTest::addColumn<Qt::FocusPolicy>("afterSecondCycle");
    QTest::newRow("tab stop on") << Qt::StrongFocus << Qt::StrongFocus << Qt::StrongFocus;
    QTest::newRow("tab stop off stays off") << Qt::ClickFocus << Qt::ClickFocus << Qt::ClickFocus;
    QTest::newRow("switched off after enabling stays off") << Qt::StrongFocus << Qt::ClickFocus << Qt::ClickFocus;
    QTest::newRow("tab only") << Qt::TabFocus << Qt::TabFocus << Qt::TabFocus;
}

void TestVistaButton::enablingRestoresTheHoldersTabStop()
{
    QFETCH(Qt::FocusPolicy, initial);
    QFETCH(Qt::FocusPolicy, setWhileEnabled);
    QFETCH(Qt::FocusPolicy, afterSecondCycle);
    TestButton &b = *m_button;
    b.setFocusPolicy(initial);
    b.setEnabled(false);
    QVERIFY(!(b.focusPolicy() & Qt::TabFocus));
    b.setEnabled(true);
    QCOMPARE(b.focusPolicy(), initial);
    b.setFocusPolicy(setWhileEnabled);
    b.setEnabled(false);
    b.setEnabled(true);
    QCOMPARE(b.focusPolicy(), afterSecondCycle);
    // A disabled container disables the button too.
    m_window->setEnabled(false);
    QCOMPARE(b.state(), 4);
    QVERIFY(!(b.focusPolicy() & Qt::TabFocus));
    m_window->setEnabled(true);
    QCOMPARE(b.state(), 0);
    QCOMPARE(b.focusPolicy(), afterSecondCycle);
}

void TestVistaButton::mouseInOnEveryMoveRedrawOnlyOnStateChange()
{
    TestButton &b = *m_button;
    b.m_over = true;
    for (int x = 5; x < 30; x += 5)
        QTest::mouseMove(&b, QPoint(x, 8));
    QCOMPARE(b.m_log.count(QStringLiteral("MouseIn")), 5);
    QCOMPARE(b.m_log.count(QStringLiteral("MouseMove(0,0,25,8)")), 1);
    QCOMPARE(b.m_draws, 1);
    QCOMPARE(b.state(), 1);
    QVERIFY(b.hover());
    QCOMPARE(b.hover()->interval(), 10);

    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(25, 8));
    QTest::mouseMove(&b, QPoint(26, 8));
    QTest::mouseMove(&b, QPoint(27, 8));
    QCOMPARE(b.m_draws, 2);
    QCOMPARE(b.m_log.count(QStringLiteral("MouseIn")), 7);
    QCOMPARE(b.findChildren<QTimer *>().size(), 1);
}

void TestVistaButton::hoverEndsWhenPointerMovesToNeighbour()
{
    auto *next = new TestButton(m_window);
    next->setGeometry(86, 20, 66, 22);
    next->show();
    TestButton &b = *m_button;
    QVERIFY(!b.hover());

    b.m_over = true;
    QTest::mouseMove(&b, QPoint(60, 10));
    QVERIFY(b.hover());
    QVERIFY(!next->hover());

    // The pointer crosses to the neighbour: the window under it is no longer this button.
    b.m_over = false;
    next->m_over = true;
    QTest::mouseMove(next, QPoint(2, 10));
    QCOMPARE(next->state(), 1);
    QVERIFY(next->hover());
    QTRY_COMPARE(b.m_log.count(QStringLiteral("MouseOut")), 1);
    QVERIFY(!b.hover());
    QCOMPARE(b.state(), 0);
    QTest::qWait(50);
    QCOMPARE(b.m_log.count(QStringLiteral("MouseOut")), 1);
    QCOMPARE(next->m_log.count(QStringLiteral("MouseOut")), 0);
    QCOMPARE(next->state(), 1);

    // Leaving with the focus returns to the focused look.
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    next->setFocus();
    QVERIFY(next->hasFocus());
    QCOMPARE(next->state(), 1);
    next->m_over = false;
    QTRY_COMPARE(next->m_log.count(QStringLiteral("MouseOut")), 1);
    QCOMPARE(next->state(), 3);
}

void TestVistaButton::pointerTestAsksForTheWindowUnderThePointer()
{
    // The plain button, asking the platform where the pointer is.
    VistaButton plain(m_window);
    plain.setGeometry(100, 20, 66, 22);
    plain.show();
    auto *cover = new QWidget(&plain);
    cover->setGeometry(40, 0, 26, 22);
    cover->show();
    int outs = 0;
    connect(&plain, &VistaButton::MouseOut, this, [&outs] { ++outs; });
    QCursor::setPos(plain.mapToGlobal(QPoint(10, 10)));
    if (QApplication::widgetAt(QCursor::pos()) != &plain)
        QSKIP("this platform does not report the pointer's position");
    QTest::mouseMove(&plain, QPoint(10, 10));
    QCOMPARE(plain.state(), 1);
    QTest::qWait(50);
    QCOMPARE(outs, 0);
    // A child lying on top counts as not over.
    QCursor::setPos(plain.mapToGlobal(QPoint(50, 10)));
    QTRY_COMPARE(outs, 1);
    QCOMPARE(plain.state(), 0);
    QVERIFY(!plain.findChild<QTimer *>(QStringLiteral("Hover")));
}

void TestVistaButton::disablingUnderPointerShowsDisabledAtOnce()
{
    TestButton &b = *m_button;
    b.m_over = true;
    QTest::mouseMove(&b, QPoint(10, 10));
    QVERIFY(b.hover());
    b.m_log.clear();
    const int draws = b.m_draws;
    b.setEnabled(false);
    QCOMPARE(b.state(), 4);
    QCOMPARE(b.m_draws, draws + 1);
    QCOMPARE(b.grab().toImage().pixel(10, 0), VistaPalette::forState(4).c[0]);
    QTest::mouseMove(&b, QPoint(12, 10));
    // The hover that began while enabled still ends with its MouseOut, and nothing else.
    b.m_over = false;
    QTRY_COMPARE(b.m_log, QStringList{QStringLiteral("MouseOut")});
    QCOMPARE(b.state(), 4);
    QVERIFY(!b.hover());
}

void TestVistaButton::propertyWritesRedraw_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("draws");
    for (const char *name : {"Caption", "ForeColor", "BackColor", "NoBackground", "MaskColor", "UseMaskColor",
                             "Pictures", "Picture", "Font", "Enabled"})
        QTest::newRow(name) << QString::fromLatin1(name) << 1;
    QTest::newRow("PictureOffset") << QStringLiteral("PictureOffset") << 0;
}

void TestVistaButton::propertyWritesRedraw()
{
    QFETCH(QString, property);
    QFETCH(int, draws);
    TestButton &b = *m_button;
    if (property == "Caption")
        b.setCaption(QStringLiteral("Stop"));
    else if (property == "ForeColor")
        b.setForeColor(Qt::red);
    else if (property == "BackColor")
        b.setBackColor(Qt::blue);
    else if (property == "NoBackground")
        b.setNoBackground(true);
    else if (property == "MaskColor")
        b.setMaskColor(Qt::magenta);
    else if (property == "UseMaskColor")
        b.setUseMaskColor(false);
    else if (property == "Pictures")
        b.setPictures(1);
    else if (property == "Picture")
        b.setPicture(QImage(8, 8, QImage::Format_RGB32));
    else if (property == "Font")
        b.setFont(QFont(QStringLiteral("Arial"), 14));
    else if (property == "Enabled")
        b.setEnabled(false);
    else if (property == "PictureOffset")
        b.setPictureOffset(2);
    QCOMPARE(b.m_draws, draws);
}

void TestVistaButton::picturesClampedOnWrite_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("-3") << -3 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("5") << 5 << 2;
}

void TestVistaButton::picturesClampedOnWrite()
{
    QFETCH(int, written);
    QFETCH(int, stored);
    m_button->setPictures(written);
    QCOMPARE(m_button->pictures(), stored);
}

void TestVistaButton::newButtonWritesEveryKeyInOrder()
{
    VistaButton b;
    b.setObjectName(QStringLiteral("VistaButton1"));
    b.initProperties();
    PropertyBag bag;
    b.writeProperties(bag);
    QCOMPARE(bag.names(), QStringList({"Caption", "ForeColor", "Font", "Picture", "Pictures", "UseMaskColor",
                                       "MaskColor", "Enabled", "NoBackground", "BackColor", "PictureOffset"}));
    QCOMPARE(bag.readProperty("Caption").toString(), QStringLiteral("VistaButton1"));
    QCOMPARE(bag.readProperty("ForeColor").toInt(), 0);
    QCOMPARE(bag.readProperty("Font").value<QFont>().family(), QStringLiteral("Arial"));
    QVERIFY(bag.readProperty("Picture").value<QImage>().isNull());
    QCOMPARE(bag.readProperty("Pictures").toInt(), 2);
    QCOMPARE(bag.readProperty("UseMaskColor").toBool(), true);
    QCOMPARE(bag.readProperty("MaskColor").toInt(), 65280);
    QCOMPARE(bag.readProperty("Enabled").toBool(), true);
    QCOMPARE(bag.readProperty("NoBackground").toBool(), false);
    QCOMPARE(bag.readProperty("BackColor").toInt(), 0xffffff);
    QCOMPARE(bag.readProperty("PictureOffset").toInt(), 0);
}

void TestVistaButton::settingsSurviveWriteAndRead()
{
    TestButton &a = *m_button;
    QImage picture(12, 6, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    a.setCaption(QStringLiteral("Opslaan"));
    a.setForeColor(QColor(1, 2, 3));
    a.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    a.setPicture(picture);
    a.setPictures(1);
    a.setUseMaskColor(false);
    a.setMaskColor(QColor(255, 0, 255));
    a.setNoBackground(true);
    a.setBackColor(QColor(70, 70, 90));
    a.setPictureOffset(1);
    PropertyBag bag;
    a.writeProperties(bag);
    QCOMPARE(bag.readProperty("BackColor").toInt(), 70 | (70 << 8) | (90 << 16));

    auto *b = new TestButton(m_window);
    b->setGeometry(100, 20, 66, 22);
    b->m_draws = 0;
    b->readProperties(bag);
    QCOMPARE(b->m_draws, 1);
    PropertyBag again;
    b->writeProperties(again);
    QCOMPARE(again.names(), bag.names());
    for (const QString &name : bag.names())
        QCOMPARE(again.readProperty(name), bag.readProperty(name));
    QCOMPARE(b->grab().toImage(), a.grab().toImage());
}

void TestVistaButton::readingKeepsFieldsOfMissingKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("tabStop");
    QTest::newRow("empty bag") << QString() << QVariant() << 0 << 2 << true;
    QTest::newRow("disabled") << QStringLiteral("Enabled") << QVariant(false) << 4 << 2 << false;
    QTest::newRow("pictures not clamped") << QStringLiteral("Pictures") << QVariant(5) << 0 << 5 << true;
    QTest::newRow("enabled again") << QStringLiteral("Enabled") << QVariant(true) << 0 << 2 << true;
}

void TestVistaButton::readingKeepsFieldsOfMissingKeys()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(int, state);
    QFETCH(int, pictures);
    QFETCH(bool, tabStop);
    TestButton &b = *m_button;
    b.setForeColor(QColor(9, 8, 7));
    b.setBackColor(Qt::black);
    // Reading over a disabled button must be able to enable it again.
    if (value == QVariant(true))
        b.setEnabled(false);
    PropertyBag bag;
    if (!key.isEmpty())
        bag.writeProperty(key, value);
    b.readProperties(bag);
    QCOMPARE(b.caption(), QStringLiteral("Start"));
    QCOMPARE(b.foreColor(), QColor(9, 8, 7));
    QCOMPARE(b.backColor(), QGuiApplication::palette().color(QPalette::Button));
    QCOMPARE(b.state(), state);
    QCOMPARE(b.pictures(), pictures);
    QCOMPARE(bool(b.focusPolicy() & Qt::TabFocus), tabStop);
}

QTEST_MAIN(TestVistaButton)
#include "tst_vistabutton.moc"

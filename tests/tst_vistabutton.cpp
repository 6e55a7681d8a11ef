// The button as a window sees it: mouse, space bar, focus, Tab order, hover by enter and
// leave events, the face after a modal window, the signals it raises, and the pixels of its
// face in each state as grab() shows them.
#include "controls/propertybag.h"
#include "controls/vistabutton.h"
#include "controls/vistapalette.h"

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

// Logs the signals.
class TestButton : public VistaButton
{
public:
    explicit TestButton(QWidget *parent = nullptr)
        : VistaButton(parent)
    {
        const auto plain = [this](QString name) { return [this, name] { m_log << name; }; };
        const auto key = [this](QString name) { return [this, name](int code, int) { m_log << name.arg(code); }; };
        const auto mouse = [this](QString name) {
            return [this, name](int button, int shift, float x, float y) { m_log << name.arg(button).arg(shift).arg(x).arg(y); };
        };
        connect(this, &VistaButton::clicked, this, plain("clicked"));
        connect(this, &VistaButton::mouseEntered, this, plain("mouseEntered"));
        connect(this, &VistaButton::mouseLeft, this, plain("mouseLeft"));
        connect(this, &VistaButton::mousePressed, this, mouse("mousePressed(%1,%2,%3,%4)"));
        connect(this, &VistaButton::mouseReleased, this, mouse("mouseReleased(%1,%2,%3,%4)"));
        connect(this, &VistaButton::keyDown, this, key("keyDown(%1)"));
        connect(this, &VistaButton::keyUp, this, key("keyUp(%1)"));
    }
    QStringList m_log;
};

void sendKey(QWidget *w, QEvent::Type type, int key = Qt::Key_Space, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"), autoRepeat);
    QApplication::sendEvent(w, &event);
}

// Colours as text, so that a failing comparison names both.
QString hex(QRgb c)
{
    return QColor::fromRgba(c).name(QColor::HexArgb);
}

} // namespace

class TestVistaButton : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new QWidget;
        m_window->resize(200, 80);
        // Red shows wherever the button's window shape leaves the holder visible.
        m_window->setAutoFillBackground(true);
        m_window->setPalette(QPalette(QColor(200, 0, 0)));
        m_button = new TestButton(m_window);
        m_button->setGeometry(20, 20, 66, 22);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        // The pointer stays where the last test left it, perhaps where the new button now is.
        QTest::mouseMove(m_window, QPoint(190, 75));
        // The window's first focus may land on the button; start every test without focus.
        m_button->clearFocus();
        m_button->m_log.clear();
    }
    void cleanup()
    {
        // QTest remembers held buttons across tests.
        QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(150, 70));
        delete m_window;
    }

    void disabledButtonRaisesNothingAndLeavesTabOrder()
    {
        // The only other stop in the Tab order; beside the button, which must still get the pointer.
        auto *edit = new QLineEdit(m_window);
        edit->setGeometry(100, 20, 40, 22);
        edit->show();
        TestButton &b = *m_button;
        PropertyBag stored;
        stored.writeProperty("Enabled", false);
        b.readProperties(stored);
        QTest::mouseMove(&b, QPoint(10, 10));
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(12, 10));
        sendKey(&b, QEvent::KeyPress);
        sendKey(&b, QEvent::KeyRelease);
        QTest::mouseMove(m_window, QPoint(150, 70));
        QCOMPARE(b.m_log, QStringList());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    void faceAndSignalsAlongUserPath_data()
    {
        // Steps: focus, blur, disable, enable, in (two spots on the button), out (two on the
        // holder), press, release, all where the pointer is, a click that opens a modal window,
        // and the space bar down, held (a repeated release) and up. The state after each step;
        // over the whole path the signals.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QStringList>("raised");
        // Every move over the button raises mouseEntered; leaving goes back to normal, or to
        // focused once the button has the focus.
        QTest::newRow("hover and leave, then focused") << "in in2 out focus in out" << "110313"
            << QStringList({"mouseEntered", "mouseEntered", "mouseLeft", "mouseEntered", "mouseLeft"});
        // No click; the press gave the focus; the leave event Qt sends after the release raises nothing.
        QTest::newRow("released outside") << "in press out release out2" << "12133"
            << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseLeft", "mouseReleased(1,0,130,50)"});
        // With the pointer elsewhere: pressed at once, one click at the last, real release.
        QTest::newRow("space bar") << "focus down repeat up" << "3223"
            << QStringList({"mousePressed(0,0,0,0)", "keyDown(32)", "mouseReleased(0,0,-1,0)", "clicked", "keyUp(32)"});
        // Enter works as the space bar; a second release (of an Enter pressed in a dialog it closed) clicks nothing.
        QTest::newRow("enter") << "focus enter enterup enterup" << "3233"
            << QStringList({"mousePressed(0,0,0,0)", "keyDown(13)", "mouseReleased(0,0,-1,0)", "clicked", "keyUp(13)", "keyUp(13)"});
        // The modal window takes the pointer and the focus; the focus comes back, the pointer not.
        QTest::newRow("modal window after a click") << "in modal out" << "133"
            << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseReleased(1,0,30,10)", "clicked",
                            "mouseLeft"});
        // Focus that comes or goes while the pointer is over the button or a press holds it
        // changes no face; lost outside during a press, it leaves the normal face.
        QTest::newRow("focus in and out, hovered and pressed") << "in focus press blur out in release out" << "11221210"
            << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseLeft", "mouseEntered",
                            "mouseReleased(1,0,30,10)", "clicked", "mouseLeft"});
        QTest::newRow("focus lost, pressed outside") << "in press out blur release out2" << "121000"
            << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseLeft", "mouseReleased(1,0,130,50)"});
        // Disabled while hovered: the disabled face at once; the leave still owed is raised.
        QTest::newRow("disabled while hovered") << "in disable out enable" << "1440"
            << QStringList({"mouseEntered", "mouseLeft"});
        // Disabling ends a press: no click from it once enabled again.
        QTest::newRow("disabled while pressed") << "in press disable enable release out" << "124010"
            << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseReleased(1,0,30,10)", "mouseLeft"});
    }
    void faceAndSignalsAlongUserPath()
    {
        QFETCH(QString, steps);
        QFETCH(QString, states);
        QFETCH(QStringList, raised);
        TestButton &b = *m_button;
        const QHash<QString, QPoint> spots = {
            {"in", {50, 30}}, {"in2", {60, 30}}, {"out", {150, 70}}, {"out2", {160, 70}}};
        const QStringList keys{"down", "up", "repeat", "enter", "enterup"};
        QPoint pointer(150, 60);
        QString seen;
        for (const QString &step : steps.split(' ')) {
            if (step == "focus" || step == "blur") {
                step == "focus" ? b.setFocus() : b.clearFocus();
            } else if (step == "disable" || step == "enable") {
                b.setEnabled(step == "enable");
            } else if (step == "press") {
                QTest::mousePress(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
            } else if (step == "release") {
                QTest::mouseRelease(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
            } else if (keys.contains(step)) {
                sendKey(&b, step.endsWith("up") || step == "repeat" ? QEvent::KeyRelease : QEvent::KeyPress,
                        step.startsWith("enter") ? Qt::Key_Return : Qt::Key_Space, step == "repeat");
            } else if (step == "modal") {
                const auto opener = connect(&b, &VistaButton::clicked, &b, [&b] {
                    QDialog dialog(b.window());
                    dialog.setModal(true);
                    QTimer::singleShot(20, &dialog, &QDialog::accept);
                    dialog.exec();
                });
                QTest::mouseClick(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
                disconnect(opener);
                // The platform used by the tests has no window manager to hand the activation back.
                QApplication::setActiveWindow(m_window);
                QTRY_VERIFY(b.hasFocus());
            } else { // held, the move goes to the button as its press holds the pointer
                QTest::mouseMove(&b, b.mapFrom(m_window, pointer = spots.value(step)));
            }
            seen += QString::number(b.state());
            QCOMPARE(b.grab().toImage().pixel(b.width() / 2, 1), VistaPalette::forState(b.state()).outline[1]);
        }
        QCOMPARE(seen, states);
        QCOMPARE(b.m_log, raised);
    }

    void faceOfEachState_data()
    {
        QTest::addColumn<int>("state");
        int state = 0;
        for (const char *name : {"normal", "hover", "pressed", "focused", "disabled"})
            QTest::newRow(name) << state++;
    }
    void faceOfEachState()
    {
        QFETCH(int, state);
        TestButton &b = *m_button;
        b.setFocusPolicy(Qt::NoFocus);
        // Into the state the way a user would: pointer, press, focus, Enabled.
        // m: the row where the lower face begins, H / 2.2 rounded half to even.
        const int w = 66, h = 22, m = 10, mid = w / 2;
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        if (state == 1) {
            // Two moves: a move to where the pointer already is would not be delivered.
            QTest::mouseMove(&b, QPoint(mid - 1, h / 2));
            QTest::mouseMove(&b, QPoint(mid, h / 2));
        } else if (state == 2) {
            QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(mid, h / 2));
        } else if (state == 3) {
            QApplication::sendEvent(&b, &in);
        }
        b.setEnabled(state != 4);
        const QImage img = m_window->grab().toImage().convertToFormat(QImage::Format_ARGB32).copy(b.geometry());
        const VistaPalette &pal = VistaPalette::forState(state);
        // The window shape leaves out the four outermost corner pixels; the holder shows there.
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(hex(img.pixel(corner.x(), corner.y())), hex(qRgb(200, 0, 0)));
        // (x, y, colour): border, inner lines, corner pixels on both sides, gradient end rows.
        QList<std::tuple<int, int, QRgb>> expected = {
            {mid, 0, pal.outline[0]}, {w - 1, h - 4, pal.outline[0]}, {mid, 1, pal.outline[1]},
            {mid, h - 2, pal.outline[20]}, {1, 0, pal.outline[2]}, {w - 3, 2, pal.outline[9]},
            {w - 2, h - 1, pal.outline[12]}, {2, h - 3, pal.outline[19]}, {mid, m - 1, pal.fill[1]},
            {mid, m, pal.fill[2]}, {1, m - 1, pal.fill[5]}, {w - 2, m, pal.fill[6]}, {1, h - 4, pal.fill[7]}};
        if (state == 2) {
            expected += {{3, 2, qRgb(220, 237, 246)}, {6, h - 3, qRgb(109, 181, 220)}, {7, 2, pal.fill[0]}};
        } else if (state == 3) {
            expected += {{3, 2, qRgb(166, 233, 251)}, {w - 4, h - 3, qRgb(132, 213, 239)}, {2, m, qRgb(146, 222, 245)}};
        } else {
            // No extras: the face's own colours reach rows 2 and h-3 and the column x = 2.
            expected += {{mid, 2, pal.fill[0]}, {mid, h - 3, pal.fill[3]}, {2, m - 1, pal.fill[1]}};
        }
        for (const auto &[x, y, colour] : expected)
            QCOMPARE(QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(hex(img.pixel(x, y))), QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(hex(colour)));
    }

    void screenReaderSeesAButton_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("givenName");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("name");
        QTest::newRow("caption") << "Start" << "" << true << "Start";
        // A button showing only a picture is named by its holder.
        QTest::newRow("picture only") << "" << "Trefwoord kopen" << true << "Trefwoord kopen";
        QTest::newRow("disabled") << "Volgende" << "" << false << "Volgende";
    }
    void screenReaderSeesAButton()
    {
        QFETCH(QString, caption);
        QFETCH(QString, givenName);
        QFETCH(bool, enabled);
        QFETCH(QString, name);
        TestButton &b = *m_button;
        b.setCaption(caption);
        b.setAccessibleName(givenName);
        b.setToolTip(QStringLiteral(" Programma starten "));
        b.setEnabled(enabled);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&b);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Programma starten"));
        QCOMPARE(iface->state().disabled, !enabled);
        QAccessibleActionInterface *action = iface->actionInterface();
        QCOMPARE(action->actionNames(), enabled ? QStringList{QAccessibleActionInterface::pressAction()} : QStringList());

        // The press action clicks once, after the request returns; a disabled button ignores it.
        action->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(b.m_log, enabled ? QStringList{QStringLiteral("clicked")} : QStringList());
        // The focus and a press by the space bar show in the state it reads.
        b.setFocus();
        sendKey(&b, QEvent::KeyPress);
        QCOMPARE(iface->state().focused && iface->state().pressed, enabled);
    }

    void captionInk()
    {
        TestButton &b = *m_button;
        QFont crisp(QStringLiteral("Arial"));
        crisp.setPixelSize(12);
        crisp.setStyleStrategy(QFont::NoAntialias);
        b.setFont(crisp);
        b.setForeColor(QColor(200, 30, 40));
        // Enabled: ForeColor; disabled: grey, whatever ForeColor is.
        for (const auto &[enabled, ink] : {std::pair{true, qRgb(200, 30, 40)}, {false, qRgb(131, 131, 131)}}) {
            b.setEnabled(enabled);
            b.setCaption(QString());
            const QImage plain = b.grab().toImage();
            b.setCaption(QStringLiteral("Wijzig"));
            const QImage text = b.grab().toImage();
            int inked = 0;
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 66; ++x)
                    if (plain.pixel(x, y) != text.pixel(x, y) && ++inked)
                        QCOMPARE(hex(text.pixel(x, y)), hex(ink));
            QVERIFY(inked > 20);
        }
    }

    void pictureFrameWhilePressed()
    {
        // The picture tells each pixel's column (red) and row (green), but column 4 is mask green.
        QImage picture(20, 10, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, x == 4 ? qRgb(0, 255, 0) : qRgb(x, y, 100));
        TestButton &b = *m_button;
        b.setPictureOffset(2);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(33, 11));
        const QImage face = b.grab().toImage();
        b.setPicture(picture);
        b.setPictures(2);
        b.setUseMaskColor(false);
        const QImage img = b.grab().toImage();
        // The first of two frames, centred and moved by PictureOffset 2: from (30, 8) to (39, 17).
        QCOMPARE(hex(img.pixel(30, 8)), hex(qRgb(0, 0, 100)));
        QCOMPARE(hex(img.pixel(39, 17)), hex(qRgb(9, 9, 100)));
        // Without the mask its green shows; nothing of the picture just outside the frame.
        QCOMPARE(hex(img.pixel(34, 11)), hex(qRgb(0, 255, 0)));
        for (const QPoint p : {QPoint(29, 8), QPoint(40, 17)})
            QCOMPARE(hex(img.pixel(p.x(), p.y())), hex(face.pixel(p.x(), p.y())));
    }

private:
    QWidget *m_window = nullptr;
    TestButton *m_button = nullptr;
};

QTEST_MAIN(TestVistaButton)
#include "tst_vistabutton.moc"

// The button as a window sees it: mouse, space bar, focus, Tab order, hover by enter and
// leave events, the face after a modal window, drag answers, the signals it raises, redraws,
// its stored settings, and the pixels of its face in each state as grab() shows them.
#include "controls/propertybag.h"
#include "controls/vistabutton.h"
#include "controls/vistapalette.h"

#include <QDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QtTest>

namespace {

// Logs the signals and counts how often the face is drawn.
class TestButton : public VistaButton
{
public:
    explicit TestButton(QWidget *parent = nullptr)
        : VistaButton(parent)
    {
        const auto mouse = [this](const char *name) {
            return [this, name](int button, int shift, float x, float y) {
                m_log << QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        connect(this, &VistaButton::clicked, this, [this] { m_log << QStringLiteral("clicked"); });
        connect(this, &VistaButton::mouseEntered, this, [this] { m_log << QStringLiteral("mouseEntered"); });
        connect(this, &VistaButton::mouseLeft, this, [this] { m_log << QStringLiteral("mouseLeft"); });
        connect(this, &VistaButton::mousePressed, this, mouse("mousePressed"));
        connect(this, &VistaButton::mouseReleased, this, mouse("mouseReleased"));
        connect(this, &VistaButton::keyDown, this, [this](int code, int) { m_log << QStringLiteral("keyDown(%1)").arg(code); });
        connect(this, &VistaButton::keyUp, this, [this](int code, int) { m_log << QStringLiteral("keyUp(%1)").arg(code); });
    }
    void drawFace(int state) override
    {
        ++m_draws;
        VistaButton::drawFace(state);
    }
    int count(const QString &entry) const { return m_log.count(entry); }
    // Past QApplication, which routes drag events by the outcome of earlier ones.
    bool deliver(QEvent *event) { return VistaButton::event(event); }

    int m_draws = 0;
    QStringList m_log;
};

void sendSpace(QWidget *w, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(w, &event);
}

// Colours as text, so that a failing comparison names both; the expected colour is opaque.
QString at(const QImage &img, int x, int y)
{
    return QColor::fromRgba(img.pixel(x, y)).name(QColor::HexArgb);
}
QString rgb(QRgb c)
{
    return QColor(c).name(QColor::HexArgb);
}

// Puts the button into the state the way a user would: pointer, press, focus, Enabled.
void enterState(TestButton &b, int state)
{
    const QPoint mid(b.width() / 2, b.height() / 2);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    if (state == 1) {
        // Two moves: a move to where the pointer already is would not be delivered.
        QTest::mouseMove(&b, mid - QPoint(1, 0));
        QTest::mouseMove(&b, mid);
    } else if (state == 2) {
        QTest::mousePress(&b, Qt::LeftButton, {}, mid);
    } else if (state == 3) {
        QApplication::sendEvent(&b, &in);
    }
    b.setEnabled(state != 4);
}

} // namespace

class TestVistaButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void spaceBarClicksAtLastRelease();
    void disabledButtonRaisesNothingAndLeavesTabOrder();
    void faceAndSignalsAlongUserPath_data();
    void faceAndSignalsAlongUserPath();
    void dragAnsweredByHolder_data();
    void dragAnsweredByHolder();
    void settingsWrittenInOrderAndReadBack();
    void faceOfEachState_data();
    void faceOfEachState();
    void captionInk();
    void pictureFrameAndClipping_data();
    void pictureFrameAndClipping();

private:
    QWidget *m_window = nullptr;
    TestButton *m_button = nullptr;
};

void TestVistaButton::init()
{
    m_window = new QWidget;
    m_window->resize(200, 80);
    // Red shows wherever the button's window shape leaves the holder visible.
    m_window->setAutoFillBackground(true);
    m_window->setPalette(QPalette(QColor(200, 0, 0)));
    m_button = new TestButton(m_window);
    m_button->setGeometry(20, 20, 66, 22);
    m_button->setCaption(QStringLiteral("Start"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The pointer stays where the last test left it, perhaps where the new button now is.
    QTest::mouseMove(m_window, QPoint(190, 75));
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

void TestVistaButton::spaceBarClicksAtLastRelease()
{
    TestButton &b = *m_button;
    enterState(b, 3);
    // With the pointer elsewhere: pressed at once, one click at the last release.
    sendSpace(&b, QEvent::KeyPress);
    QCOMPARE(b.grab().toImage().pixel(10, 0), VistaPalette::forState(2).outline[0]);
    QCOMPARE(b.m_log, QStringList({"mousePressed(0,0,0,0)", "keyDown(32)"}));
    // Holding the bar repeats press and release; only the last release is real.
    for (int i = 0; i < 3; ++i) {
        sendSpace(&b, QEvent::KeyRelease, true);
        sendSpace(&b, QEvent::KeyPress, true);
    }
    QCOMPARE(b.count(QStringLiteral("clicked")), 0);
    b.m_log.clear();
    sendSpace(&b, QEvent::KeyRelease);
    QCOMPARE(b.state(), 3);
    QCOMPARE(b.m_log, QStringList({"mouseReleased(0,0,-1,0)", "clicked", "keyUp(32)"}));
}

void TestVistaButton::disabledButtonRaisesNothingAndLeavesTabOrder()
{
    // The only other stop in the Tab order; placed beside the button, which must still get the pointer.
    auto *edit = new QLineEdit(m_window);
    edit->setGeometry(100, 20, 40, 22);
    edit->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    TestButton &b = *m_button;
    b.setEnabled(false);
    QTest::mouseMove(&b, QPoint(10, 10));
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(12, 10));
    sendSpace(&b, QEvent::KeyPress);
    sendSpace(&b, QEvent::KeyRelease);
    QTest::mouseMove(m_window, QPoint(150, 70));
    QCOMPARE(b.m_log, QStringList());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edit);

    b.setEnabled(true);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &b);
    QCOMPARE(b.state(), 3);
}

void TestVistaButton::faceAndSignalsAlongUserPath_data()
{
    // Steps: focus, in (two spots on the button), out (two on the holder), press, release, all
    // where the pointer is, and a click by mouse or space bar that opens a modal window. After
    // each step the state; over the whole path the signals.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QStringList>("raised");
    QTest::newRow("hover and leave") << QStringList({"in", "in2", "out"}) << QList<int>({1, 1, 0})
                                     << QStringList({"mouseEntered", "mouseEntered", "mouseLeft"});
    QTest::newRow("hover and leave, focused") << QStringList({"focus", "in", "out"}) << QList<int>({3, 1, 3})
                                              << QStringList({"mouseEntered", "mouseLeft"});
    QTest::newRow("dragged out and back") << QStringList({"in", "press", "out", "in", "release"})
                                          << QList<int>({1, 2, 1, 2, 1})
                                          << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseLeft",
                                                          "mouseEntered", "mouseReleased(1,0,30,10)", "clicked"});
    // The press gave the focus; the leave event that Qt sends after the release raises nothing.
    QTest::newRow("released outside") << QStringList({"in", "press", "out", "release", "out2"})
                                      << QList<int>({1, 2, 1, 3, 3})
                                      << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseLeft",
                                                      "mouseReleased(1,0,130,50)"});
    // The modal window takes the pointer and the focus; the focus comes back, the pointer not.
    QTest::newRow("modal window after a click")
        << QStringList({"in", "modal click", "out"}) << QList<int>({1, 3, 3})
        << QStringList({"mouseEntered", "mousePressed(1,0,30,10)", "mouseReleased(1,0,30,10)", "clicked", "mouseLeft"});
    QTest::newRow("modal window after the space bar")
        << QStringList({"focus", "modal space"}) << QList<int>({3, 3})
        << QStringList({"mousePressed(0,0,0,0)", "keyDown(32)", "mouseReleased(0,0,-1,0)", "clicked", "keyUp(32)"});
}

void TestVistaButton::faceAndSignalsAlongUserPath()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, states);
    QFETCH(QStringList, raised);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    TestButton &b = *m_button;
    const QHash<QString, QPoint> spots = {
        {"in", {50, 30}}, {"in2", {60, 30}}, {"out", {150, 70}}, {"out2", {160, 70}}};
    QPoint pointer(150, 60);
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        const int draws = b.m_draws;
        if (step == QLatin1String("focus")) {
            b.setFocus();
        } else if (step == QLatin1String("press")) {
            QTest::mousePress(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
        } else if (step == QLatin1String("release")) {
            QTest::mouseRelease(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
        } else if (step.startsWith(QLatin1String("modal"))) {
            const auto opener = connect(&b, &VistaButton::clicked, &b, [&b] {
                QDialog dialog(b.window());
                dialog.setModal(true);
                QTimer::singleShot(20, &dialog, &QDialog::accept);
                dialog.exec();
            });
            if (step == QLatin1String("modal click")) {
                QTest::mouseClick(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
            } else {
                sendSpace(&b, QEvent::KeyPress);
                sendSpace(&b, QEvent::KeyRelease);
            }
            disconnect(opener);
            // The platform used by the tests has no window manager to hand the activation back.
            QApplication::setActiveWindow(m_window);
            QTRY_VERIFY(b.hasFocus());
        } else { // held, the move goes to the button as its press holds the pointer
            QTest::mouseMove(&b, b.mapFrom(m_window, pointer = spots.value(step)));
            // The face is drawn again only when the state changes.
            if (step == QLatin1String("in2"))
                QCOMPARE(b.m_draws, draws);
        }
        QVERIFY2(b.state() == states.at(i), qPrintable(QStringLiteral("%1: state %2").arg(step).arg(b.state())));
        QCOMPARE(b.grab().toImage().pixel(b.width() / 2, 1), VistaPalette::forState(b.state()).outline[1]);
    }
    QCOMPARE(b.m_log, raised);
}

void TestVistaButton::dragAnsweredByHolder_data()
{
    // The answer a slot gives, -1 for none; what the drag events carry back.
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("action");
    QTest::newRow("no answer: the proposed copy") << -1 << true << int(Qt::CopyAction);
    QTest::newRow("refused") << 0 << false << int(Qt::IgnoreAction);
    QTest::newRow("move") << 2 << true << int(Qt::MoveAction);
}

void TestVistaButton::dragAnsweredByHolder()
{
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QFETCH(int, action);
    TestButton &b = *m_button;
    b.setAcceptDrops(true);
    QStringList seen;
    connect(&b, &VistaButton::dragOver, &b,
            [&](const QMimeData *data, int effect, int buttons, int, float x, float y, VistaButton::DragState state) {
                seen << QStringLiteral("over %1 %2 %3 %4,%5 %6").arg(data ? data->text() : "-").arg(effect).arg(buttons)
                            .arg(x).arg(y).arg(int(state));
                if (answer >= 0)
                    b.answerDrag(answer);
            });
    connect(&b, &VistaButton::dropped, &b, [&](const QMimeData *data, int effect, int, int, float, float) {
        seen << QStringLiteral("drop %1 %2").arg(data->text()).arg(effect);
        if (answer >= 0)
            b.answerDrag(answer);
    });
    QMimeData mime;
    mime.setText(QStringLiteral("woord"));
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 6), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    b.deliver(&enter);
    QDropEvent drop(QPointF(5, 6), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    b.deliver(&drop);
    QDragLeaveEvent leave;
    b.deliver(&leave);
    QCOMPARE(seen, QStringList({"over woord 1 1 5,6 0", "drop woord 1", "over - 0 0 0,0 1"}));
    for (const QDropEvent *event : {static_cast<QDropEvent *>(&enter), &drop}) {
        QCOMPARE(event->isAccepted(), accepted);
        QCOMPARE(int(event->dropAction()), action);
    }
}

void TestVistaButton::settingsWrittenInOrderAndReadBack()
{
    VistaButton fresh;
    fresh.setObjectName(QStringLiteral("VistaButton1"));
    fresh.initProperties();
    PropertyBag defaults;
    fresh.writeProperties(defaults);
    QCOMPARE(defaults.names(), QStringList({"Caption", "ForeColor", "Font", "Picture", "Pictures", "UseMaskColor",
                                            "MaskColor", "Enabled", "NoBackground", "BackColor", "PictureOffset"}));
    QStringList values;
    for (const QString &name : defaults.names())
        values << (name == QLatin1String("Font") ? defaults.readProperty(name).value<QFont>().family()
                                                 : defaults.readProperty(name).toString());
    QCOMPARE(values, QStringList({"VistaButton1", "0", "Arial", "", "2", "true", "65280", "true", "false", "16777215", "0"}));
    QVERIFY(defaults.readProperty("Picture").value<QImage>().isNull());

    TestButton &b = *m_button;
    // Pictures is clamped to 1..2 when written.
    for (const auto &[written, kept] : {std::pair{-3, 1}, {0, 1}, {1, 1}, {5, 2}, {2, 2}}) {
        b.setPictures(written);
        QCOMPARE(b.pictures(), kept);
    }
    // Every field comes back as written.
    VistaButton copy;
    copy.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    copy.setPicture(b.grab().toImage());
    copy.setUseMaskColor(false);
    copy.setNoBackground(true);
    copy.setPictureOffset(1);
    PropertyBag written, again;
    copy.writeProperties(written);
    fresh.readProperties(written);
    fresh.writeProperties(again);
    for (const QString &name : written.names())
        QCOMPARE(again.readProperty(name), written.readProperty(name));

    // Missing keys keep the fields; one key at a time, in this order: reading over a disabled
    // button enables it again.
    b.setForeColor(QColor(9, 8, 7));
    b.setBackColor(Qt::black);
    const QList<std::tuple<QString, QVariant, int, int>> reads = {
        {QString(), QVariant(), 0, 2}, {"Enabled", false, 4, 2}, {"Pictures", 5, 4, 5}, {"Enabled", true, 0, 5}};
    for (const auto &[key, value, state, pictures] : reads) {
        PropertyBag bag;
        if (!key.isEmpty())
            bag.writeProperty(key, value);
        b.readProperties(bag);
        QCOMPARE(b.foreColor(), QColor(9, 8, 7));
        QCOMPARE(b.backColor(), QGuiApplication::palette().color(QPalette::Button));
        QCOMPARE(b.state(), state);
        // Not clamped when read.
        QCOMPARE(b.pictures(), pictures);
        QCOMPARE(bool(b.focusPolicy() & Qt::TabFocus), state != 4);
    }
}

void TestVistaButton::faceOfEachState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QSize>("size");
    // m: the row where the lower face begins, H / 2.2 rounded half to even.
    QTest::addColumn<int>("m");
    const char *names[] = {"normal", "hover", "pressed", "focused", "disabled"};
    for (const auto &[size, m] : {std::pair{QSize(66, 22), 10}, {QSize(40, 23), 10}, {QSize(90, 24), 11}})
        for (int state = 0; state < 5; ++state)
            QTest::addRow("%s %dx%d", names[state], size.width(), size.height()) << state << size << m;
}

void TestVistaButton::faceOfEachState()
{
    QFETCH(int, state);
    QFETCH(QSize, size);
    QFETCH(int, m);
    TestButton &b = *m_button;
    b.setFocusPolicy(Qt::NoFocus);
    b.setCaption(QString());
    b.resize(size);
    enterState(b, state);
    const QImage holder = m_window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage img = holder.copy(b.geometry());
    const VistaPalette &pal = VistaPalette::forState(state);
    const int w = size.width();
    const int h = size.height();
    const int mid = w / 2;
    // The window shape leaves out the four outermost corner pixels; the holder shows there.
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QCOMPARE(at(img, corner.x(), corner.y()), rgb(qRgb(200, 0, 0)));

    // (x, y, colour): border, inner lines, corner pixels on both sides, gradient end rows.
    QList<std::tuple<int, int, QRgb>> expected = {
        {mid, 0, pal.outline[0]}, {mid, h - 1, pal.outline[0]}, {0, 4, pal.outline[0]}, {w - 1, h - 4, pal.outline[0]},
        {mid, 1, pal.outline[1]}, {mid, h - 2, pal.outline[20]}, {1, 0, pal.outline[2]}, {w - 3, 0, pal.outline[3]},
        {0, 1, pal.outline[4]}, {w - 3, 2, pal.outline[9]}, {1, 3, pal.outline[11]}, {w - 2, h - 1, pal.outline[12]},
        {0, h - 2, pal.outline[14]}, {w - 3, h - 2, pal.outline[16]}, {2, h - 3, pal.outline[19]},
        {mid, m - 1, pal.fill[1]}, {mid, m, pal.fill[2]}, {1, m - 1, pal.fill[5]}, {w - 2, m, pal.fill[6]}, {1, h - 4, pal.fill[7]}};
    if (state == 2) {
        expected += {{3, 2, qRgb(220, 237, 246)}, {w - 4, 2, qRgb(220, 237, 246)}, {6, h - 3, qRgb(109, 181, 220)},
                     {2, 3, qRgb(220, 237, 245)}, {w - 3, 3, qRgb(220, 237, 245)}, {7, 2, pal.fill[0]},
                     {w - 8, h - 3, pal.fill[3]}};
    } else if (state == 3) {
        expected += {{3, 2, qRgb(166, 233, 251)}, {w - 4, h - 3, qRgb(132, 213, 239)}, {2, 3, qRgb(165, 232, 251)},
                     {w - 3, m - 1, qRgb(161, 230, 249)}, {2, m, qRgb(146, 222, 245)},
                     {w - 3, h - 4, qRgb(133, 213, 240)}, {3, m - 1, pal.fill[1]}};
    } else {
        // No extras: the face's own colours reach rows 2 and h-3 and the column x = 2.
        expected += {{mid, 2, pal.fill[0]}, {mid, h - 3, pal.fill[3]}, {2, m - 1, pal.fill[1]}};
    }
    for (const auto &[x, y, colour] : expected)
        QVERIFY2(at(img, x, y) == rgb(colour),
                 qPrintable(QStringLiteral("(%1, %2) is %3, expected %4").arg(x).arg(y).arg(at(img, x, y), rgb(colour))));
}

void TestVistaButton::captionInk()
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
                    QCOMPARE(at(text, x, y), rgb(ink));
        QVERIFY(inked > 20);
    }
}

void TestVistaButton::pictureFrameAndClipping_data()
{
    // The picture tells each pixel's column (red) and row (green), but column 4 is mask green.
    // The part of it in `shown` appears on the button with its top left pixel at topLeft.
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QRect>("shown");
    const QSize two(20, 10);
    QTest::newRow("two frames, disabled: second") << two << 2 << 4 << true << QPoint(28, 6) << QRect(10, 0, 10, 10);
    QTest::newRow("one frame, disabled: whole") << two << 1 << 4 << true << QPoint(23, 6) << QRect(0, 0, 20, 10);
    // Pressed: the first frame, moved by PictureOffset 2; without the mask its green shows.
    QTest::newRow("pressed, no mask") << two << 2 << 2 << false << QPoint(30, 8) << QRect(0, 0, 10, 10);
    // Centred at (-7, -4): pushed to the 3-pixel margin, losing 10 columns and 7 rows, and cut
    // at the right and bottom margins.
    QTest::newRow("clipped to the margin") << QSize(80, 30) << 1 << 0 << true << QPoint(3, 3) << QRect(10, 7, 60, 16);
}

void TestVistaButton::pictureFrameAndClipping()
{
    QFETCH(QSize, pictureSize);
    QFETCH(int, pictures);
    QFETCH(int, state);
    QFETCH(bool, useMask);
    QFETCH(QPoint, topLeft);
    QFETCH(QRect, shown);
    QImage picture(pictureSize, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x == 4 ? qRgb(0, 255, 0) : qRgb(x, y, 100));
    TestButton &b = *m_button;
    b.setFocusPolicy(Qt::NoFocus);
    b.setCaption(QString());
    // The offset shows only while pressed.
    b.setPictureOffset(2);
    enterState(b, state);
    const QImage face = b.grab().toImage();
    b.setPicture(picture);
    b.setPictures(pictures);
    b.setUseMaskColor(useMask);
    const QImage img = b.grab().toImage();
    const QRect onButton(topLeft, shown.size());
    QCOMPARE(at(img, topLeft.x(), topLeft.y()), rgb(qRgb(shown.left(), shown.top(), 100)));
    QCOMPARE(at(img, onButton.right(), onButton.bottom()), rgb(qRgb(shown.right(), shown.bottom(), 100)));
    for (const QPoint p : {onButton.topLeft() - QPoint(1, 0), onButton.topLeft() - QPoint(0, 1),
                           onButton.bottomRight() + QPoint(1, 0), onButton.bottomRight() + QPoint(0, 1)})
        QCOMPARE(at(img, p.x(), p.y()), at(face, p.x(), p.y()));
    const int maskX = topLeft.x() + 4 - shown.left();
    if (shown.left() <= 4 && shown.right() >= 4)
        QCOMPARE(at(img, maskX, topLeft.y() + 3), useMask ? at(face, maskX, topLeft.y() + 3) : rgb(qRgb(0, 255, 0)));
}

QTEST_MAIN(TestVistaButton)
#include "tst_vistabutton.moc"

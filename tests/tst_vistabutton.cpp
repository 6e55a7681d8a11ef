// The button as a window sees it: mouse, space bar, Enter, focus, hover by enter and leave
// events, the face after a modal window, the clicks it raises, also by a screen reader's
// press action, and the pixels of each kind of face and of its caption as grab() shows them.
#include "controls/vistabutton.h"
#include "controls/vistapalette.h"
#include "support/fakes.h"
#include "ui/windowscaler.h"

#include <QAccessible>
#include <QDialog>
#include <QTimer>
#include <QtTest>

namespace {

// Each place where the image shows another colour than the one expected there, with both.
QString wrongPixels(const QImage &image, const QList<std::tuple<int, int, QRgb>> &expected)
{
    QString wrong;
    for (const auto &[x, y, colour] : expected)
        if (image.pixel(x, y) != colour)
            wrong += QStringLiteral("%1,%2: %3, not %4; ").arg(x).arg(y).arg(image.pixel(x, y), 8, 16).arg(colour, 8, 16);
    return wrong;
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
        m_button = new VistaButton(m_window);
        m_button->setGeometry(20, 20, 66, 22);
        QVERIFY(showActive(m_window));
        // The pointer stays where the last test left it, perhaps where the new button now is.
        QTest::mouseMove(m_window, QPoint(190, 75));
        // The window's first focus may land on the button; start every test without focus.
        m_button->clearFocus();
    }
    void cleanup()
    {
        // QTest remembers held buttons across tests.
        QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(150, 70));
        delete m_window;
    }

    void faceAndClicksAlongUserPath_data()
    {
        // The steps as walk() takes them; the state after each, a '!' before it for each click.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        // Leaving goes back to normal, or to focused once the button has the focus.
        QTest::newRow("hover and leave, then focused") << "in in2 out focus in out" << "110313";
        QTest::newRow("hovered") << "in" << "1";
        // A press held shows the pressed face; released outside, it clicks nothing, and the
        // press gave the focus.
        QTest::newRow("held") << "in press" << "12";
        QTest::newRow("released outside") << "in press out release out2" << "12133";
        // With the pointer elsewhere: pressed at once, one click at the real release.
        QTest::newRow("space bar") << "focus down repeat up" << "322!3";
        // Enter works as the space bar; a second release (of an Enter pressed in a dialog it closed) clicks nothing.
        QTest::newRow("enter") << "focus enter enterup enterup" << "32!33";
        // The modal window takes the pointer and the focus; the focus comes back, the pointer not.
        QTest::newRow("modal window after a click") << "in modal out" << "1!33";
        // Focus that comes or goes while the pointer is over the button or a press holds it
        // changes no face; lost outside during a press, it leaves the normal face.
        QTest::newRow("focus in and out, hovered and pressed") << "in focus press blur out in release out" << "112212!10";
        QTest::newRow("focus lost, pressed outside") << "in press out blur release out2" << "121000";
        // Disabled, neither pointer nor keys click.
        QTest::newRow("disabled") << "disable in press release down up out" << "4444444";
        // A screen reader's press action clicks once; a disabled button ignores it.
        QTest::newRow("press action") << "act disable act" << "!044";
        // Disabled while hovered: the disabled face at once.
        QTest::newRow("disabled while hovered") << "in disable out enable" << "1440";
        // Disabling ends a press: no click from it once enabled again.
        QTest::newRow("disabled while pressed") << "in press disable enable release out" << "124010";
    }
    // The face after the last step, in every pixel that tells its kind: plain (in the
    // colours of its state), pressed or focused.
    void faceAndClicksAlongUserPath()
    {
        QFETCH(QString, steps);
        QFETCH(QString, states);
        QCOMPARE(walk(steps), states);
        const int state = m_button->state();
        const QImage img = m_window->grab().toImage().convertToFormat(QImage::Format_ARGB32).copy(m_button->geometry());
        const VistaPalette &pal = VistaPalette::forState(state);
        // m: the row where the lower face begins, H / 2.2 rounded half to even.
        const int w = 66, h = 22, m = 10, mid = w / 2;
        const QRgb holder = qRgb(200, 0, 0);
        // The window shape leaves out the four outermost corner pixels, where the holder shows;
        // then border, inner lines, corner pixels on both sides, gradient end rows.
        QList<std::tuple<int, int, QRgb>> expected = {
            {0, 0, holder}, {w - 1, 0, holder}, {0, h - 1, holder}, {w - 1, h - 1, holder},
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
        QCOMPARE(wrongPixels(img, expected), QString());
    }

    // A button without a background is flat in its normal, focused and disabled states,
    // yet focused it keeps the focused face's frame and glow round the flat middle, so the
    // focus can be seen.
    void flatButtonShowsItsFocus_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("normal") << 0;
        QTest::newRow("focused") << 3;
        QTest::newRow("disabled") << 4;
    }
    void flatButtonShowsItsFocus()
    {
        QFETCH(int, state);
        VistaFace face;
        face.noBackground = true;
        face.backColor = QColor(128, 255, 128);
        const int w = 66, h = 22, m = 10, mid = w / 2;
        QImage img(w, h, QImage::Format_ARGB32);
        face.draw(img, state);
        const QRgb back = face.backColor.rgb();
        const VistaPalette &pal = VistaPalette::forState(3);
        QList<std::tuple<int, int, QRgb>> expected = {{mid, m, back}, {mid, m - 1, back}, {5, 5, back}};
        if (state == 3) {
            expected += {{mid, 0, pal.outline[0]}, {0, m, pal.outline[0]}, {mid, 1, pal.outline[1]},
                         {1, 0, pal.outline[2]}, {3, 2, qRgb(166, 233, 251)}, {w - 4, h - 3, qRgb(132, 213, 239)},
                         {2, m, qRgb(146, 222, 245)}};
        } else {
            expected += {{mid, 0, back}, {0, m, back}, {mid, 1, back}, {1, 0, back}, {3, 2, back}, {2, m, back}};
        }
        QCOMPARE(wrongPixels(img, expected), QString());
    }

    // A caption wider than the room inside the face's margins, that would wrap into lines
    // taller than the face, stays on one line, drawn a little smaller, instead of being cut.
    void captionFillingTheFaceStaysWhole_data()
    {
        QTest::addColumn<int>("room"); // the face's width beyond the caption's
        QTest::newRow("fills the face") << 3;
        QTest::newRow("wider than the face") << -2;
    }
    void captionFillingTheFaceStaysWhole()
    {
        QFETCH(int, room);
        VistaFace face;
        face.caption = QStringLiteral("Delete All");
        face.font = QFont(QStringLiteral("Arial"));
        face.font.setPixelSize(16);
        const int w = QFontMetrics(face.font).horizontalAdvance(face.caption) + room, h = 24;
        QImage bare(w, h, QImage::Format_ARGB32);
        face.draw(bare, 0);
        QImage plain(w, h, QImage::Format_ARGB32);
        VistaFace empty = face;
        empty.caption.clear();
        empty.draw(plain, 0);
        int first = w, last = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (bare.pixel(x, y) != plain.pixel(x, y)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        // "Delete" alone, the first of two lines, would cover about two thirds of it.
        QVERIFY2(last - first + 1 >= 0.85 * (w - 6), qPrintable(QStringLiteral("%1 to %2 of %3").arg(first).arg(last).arg(w)));
    }

    // A button that takes its window's font grows once when the window is scaled, as its
    // neighbours with fonts of their own do, not once with the window and again itself.
    void fontGrowsOnceWithItsWindow()
    {
        QWidget window;
        window.setFixedSize(200, 100);
        auto *button = new VistaButton(&window);
        const double design = button->font().pointSizeF();
        WindowScaler::scaleWindow(&window, 1.40625);
        QCOMPARE(button->font().pointSizeF(), design * 1.40625);
    }

    void captionInk()
    {
        VistaButton &b = *m_button;
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
            QList<std::tuple<int, int, QRgb>> inked;
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 66; ++x)
                    if (plain.pixel(x, y) != text.pixel(x, y))
                        inked.append({x, y, ink});
            QVERIFY(inked.size() > 20);
            QCOMPARE(wrongPixels(text, inked), QString());
        }
    }

private:
    // Takes the button along the steps: focus, blur, disable, enable, in (two spots on the
    // button), out (two on the holder), press, release, all where the pointer is, a click
    // that opens a modal window, a screen reader's press action, and the space bar down,
    // held (a repeated release) and up, or Enter down and up. Gives the state after each
    // step, '?' after it where the face shows another, and a '!' for each click where it came.
    QString walk(const QString &steps)
    {
        VistaButton &b = *m_button;
        const QHash<QString, QPoint> spots = {
            {"in", {50, 30}}, {"in2", {60, 30}}, {"out", {150, 70}}, {"out2", {160, 70}}};
        QPoint pointer(150, 60);
        QString seen;
        const auto clicks = connect(&b, &VistaButton::clicked, &b, [&seen] { seen += u'!'; });
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "focus" || step == "blur") {
                step == "focus" ? b.setFocus() : b.clearFocus();
            } else if (step == "disable" || step == "enable") {
                b.setEnabled(step == "enable");
            } else if (step == "press") {
                QTest::mousePress(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
            } else if (step == "release") {
                QTest::mouseRelease(&b, Qt::LeftButton, {}, b.mapFrom(m_window, pointer));
            } else if (step == "act") {
                QAccessibleActionInterface *action = QAccessible::queryAccessibleInterface(&b)->actionInterface();
                action->doAction(QAccessibleActionInterface::pressAction());
                QCoreApplication::processEvents();
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
                std::ignore = QTest::qWaitFor([&b] { return b.hasFocus(); });
            } else if (spots.contains(step)) { // to the button, as a press in progress holds the pointer
                QTest::mouseMove(&b, b.mapFrom(m_window, pointer = spots.value(step)));
            } else { // down, repeat, up, enter, enterup
                const bool enter = step.startsWith("enter");
                QKeyEvent key(step.endsWith("up") || step == "repeat" ? QEvent::KeyRelease : QEvent::KeyPress,
                              enter ? Qt::Key_Return : Qt::Key_Space, Qt::NoModifier, enter ? "\r" : " ", step == "repeat");
                QApplication::sendEvent(&b, &key);
            }
            const QRgb outline = VistaPalette::forState(b.state()).outline[1];
            seen += QString::number(b.state()) + (b.grab().toImage().pixel(b.width() / 2, 1) == outline ? "" : "?");
        }
        disconnect(clicks);
        return seen;
    }

    QWidget *m_window = nullptr;
    VistaButton *m_button = nullptr;
};

QTEST_MAIN(TestVistaButton)
#include "tst_vistabutton.moc"

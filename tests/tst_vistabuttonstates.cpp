// The state machine of the button: which sequences of mouse, space bar, focus, hover and
// Enabled inputs end in which look, and how many of them changed the look (each change is
// one redraw of the face).
#include "controls/vistastatemachine.h"

#include <QtTest>

class TestVistaButtonStates : public QObject
{
    Q_OBJECT

private slots:
    void inputsLeadToState_data();
    void inputsLeadToState();
};

void TestVistaButtonStates::inputsLeadToState_data()
{
    // Inputs: P press, Mi/Mo move inside/outside, Ri/Ro release inside/outside,
    // Fi/Fo focus in/out with the pointer elsewhere, Fi*/Fo* with the pointer over the
    // button, H hover ended, E0/E1 disabled/enabled.
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("mouseIsDown");
    QTest::addColumn<int>("changes");

    QTest::newRow("pointer enters") << "Mi" << 1 << false << 1;
    QTest::newRow("moving within redraws once") << "Mi Mi Mi Mi" << 1 << false << 1;
    QTest::newRow("press") << "Mi P" << 2 << true << 2;
    QTest::newRow("press and release inside") << "Mi P Ri" << 1 << false << 3;
    QTest::newRow("dragged out shows hover") << "Mi P Mo" << 1 << true << 3;
    QTest::newRow("dragged out and back in") << "Mi P Mo Mi" << 2 << true << 4;
    QTest::newRow("released outside, no focus") << "Mi P Mo Ro" << 0 << false << 4;
    QTest::newRow("released outside with focus") << "Fi* Mi P Mo Ro" << 3 << false << 4;
    QTest::newRow("hover ends while pressed") << "Mi P Mo H" << 1 << true << 3;
    QTest::newRow("hover ends") << "Mi H" << 0 << false << 2;
    QTest::newRow("hover ends with focus") << "Fi* Mi H" << 3 << false << 2;
    QTest::newRow("focus away from pointer") << "Fi" << 3 << false << 1;
    QTest::newRow("focus under pointer keeps hover") << "Mi Fi*" << 1 << false << 1;
    QTest::newRow("focus during a press keeps pressed") << "P Fi" << 2 << true << 1;
    QTest::newRow("focus lost away from pointer") << "Fi Fo" << 0 << false << 2;
    QTest::newRow("focus lost under pointer keeps hover") << "Mi Fi* Fo*" << 1 << false << 1;
    QTest::newRow("space bar without pointer") << "Fi P Ro" << 3 << false << 3;
    QTest::newRow("disable") << "Mi E0" << 4 << false << 2;
    QTest::newRow("disabled ignores everything")
        << "E0 P Mi Mo Ri Ro Fi Fo Fi* H" << 4 << false << 1;
    QTest::newRow("disabled during a press forgets it") << "Mi P E0 E1 Mi" << 1 << false << 5;
    QTest::newRow("enable") << "E0 E1" << 0 << false << 2;
    QTest::newRow("enable under pointer is normal until moved") << "Mi E0 E1" << 0 << false << 3;
}

void TestVistaButtonStates::inputsLeadToState()
{
    QFETCH(QString, inputs);
    QFETCH(int, state);
    QFETCH(bool, mouseIsDown);
    QFETCH(int, changes);

    VistaStateMachine machine;
    int changed = 0;
    for (const QString &input : inputs.split(QLatin1Char(' '))) {
        bool result = false;
        if (input == QLatin1String("P"))
            result = machine.press();
        else if (input == QLatin1String("Mi") || input == QLatin1String("Mo"))
            result = machine.move(input == QLatin1String("Mi"));
        else if (input == QLatin1String("Ri") || input == QLatin1String("Ro"))
            result = machine.release(input == QLatin1String("Ri"));
        else if (input.startsWith(QLatin1String("Fi")))
            result = machine.focusIn(input.endsWith(QLatin1Char('*')));
        else if (input.startsWith(QLatin1String("Fo")))
            result = machine.focusOut(input.endsWith(QLatin1Char('*')));
        else if (input == QLatin1String("H"))
            result = machine.hoverEnded();
        else if (input.startsWith(QLatin1Char('E')))
            result = machine.setEnabled(input == QLatin1String("E1"));
        else
            QFAIL(qPrintable(QStringLiteral("unknown input ") + input));
        changed += result ? 1 : 0;
    }
    QCOMPARE(machine.state(), state);
    QCOMPARE(machine.mouseIsDown(), mouseIsDown);
    QCOMPARE(changed, changes);
}

QTEST_MAIN(TestVistaButtonStates)
#include "tst_vistabuttonstates.moc"

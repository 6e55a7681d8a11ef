#include "editor/listprinter.h"
#include "editor/painterprintsink.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Every drawing operation in order, pages parted by "new page". Fonts and colours are
// the printer's constants; only the bands' alternation is kept.
class RecordingSink final : public PrintSink
{
public:
    void text(const QPoint &at, const QString &text, const PrintFont &, const QColor &) override
    {
        ops << QStringLiteral("%1,%2 ").arg(at.x()).arg(at.y()) + text;
    }
    void fill(const QRect &area, const QColor &colour) override
    {
        ops << QStringLiteral("fill %1,%2 to %3,%4 %5").arg(area.left()).arg(area.top()).arg(area.right())
                   .arg(area.bottom()).arg(colour.name());
    }
    void newPage() override { ops << QStringLiteral("new page"); }

    QStringList ops;
};

const QDateTime moment(QDate(2026, 3, 4), QTime(14, 5, 3));
const QString footer = QStringLiteral("Brovelt Software 2019");

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void pagesHoldThirtyFiveRows_data()
    {
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("empty list") << QList<int>{0};
        // The break after the 35th row comes before the end of the list is noticed.
        QTest::newRow("35 rows") << QList<int>{35, 0};
        QTest::newRow("36 rows") << QList<int>{35, 1};
    }
    // Title and moment on page 1; heads and rule on each; a band and seven texts a row; a
    // footer on each page of a list with rows. Bands come first, or they would cover the texts.
    void pagesHoldThirtyFiveRows()
    {
        QFETCH(QList<int>, rowsPerPage);
        QList<PuzzleEntry> list;
        for (int i = 1; i <= rowsPerPage.value(0) + rowsPerPage.value(1); ++i) // the third wider than its column
            list << PuzzleEntry{"woord" + QString::number(i), {"een", QString(100, u'x'), "drie", "vier"}};
        RecordingSink sink;
        ListPrinter(sink, list, footer, moment).printDocument();

        const QStringList heads{"Aantal", "Oplossing", "Omschrijving 1", "Omschrijving 2", "Omschrijving 3", "Omschrijving 4"};
        const QList<int> lefts{300, 1200, 3600, 6900, 10200, 13500};
        QStringList expected{"300,300 Datalijst", "14100,420 14:05:03 / 04-03-2026"};
        int number = 0;
        for (const int count : rowsPerPage) {
            if (number > 0)
                expected << "new page";
            for (int k = 0; k < 6; ++k)
                expected << QStringLiteral("%1,900 ").arg(lefts[k]) + heads[k];
            expected << "300,1140 " + QString(238, u'-');
            for (int y = 1380; y < 1380 + 270 * count; y += 270) {
                const PuzzleEntry &entry = list.at(number++);
                expected << QStringLiteral("fill 300,%1 to 16290,%2 %3").arg(y).arg(y + 240).arg(number % 2 ? "#f0f0f0" : "#fafafa")
                         << QStringLiteral("300,%1  %2").arg(y).arg(number) << QStringLiteral("1200,%1 ").arg(y) + entry.keyword;
                for (int k = 0; k < 4; ++k)
                    expected << QStringLiteral("%1,%2 ").arg(lefts[k + 2]).arg(y) + entry.descriptions[k];
            }
            if (!list.isEmpty())
                expected << "300,11160 " + footer;
        }
        QCOMPARE(sink.ops, expected);
    }
    // On paper, at 144 dots per inch (ten twips a dot): the first band fills exactly the dots
    // from (30, 138) to (1628, 161), and a text's position is its top, not its baseline.
    void painterDrawsAtTwipsFromTopLeft()
    {
        QImage page(1700, 200, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(144 / 0.0254)), page.setDotsPerMeterY(qRound(144 / 0.0254));
        page.fill(Qt::white);
        QPainter painter(&page);
        PainterPrintSink sink(painter, [] { return true; });
        ListPrinter(sink, {PuzzleEntry{"woord", {"een", "twee", "drie", "vier"}}}, footer, moment).printDocument();
        painter.end();
        for (const auto &[x, y, inside] : {std::tuple{30, 138, true}, {1628, 161, true}, {29, 150, false},
                                           {1629, 150, false}, {100, 137, false}, {100, 162, false}})
            QCOMPARE(page.pixelColor(x, y), inside ? QColor(240, 240, 240) : QColor(Qt::white));
        // "Datalijst" at 300 twips: its ink starts at the cap height below dot 30.
        int top = 0;
        while (top < 100 && page.copy(30, top, 220, 1) == page.copy(30, 0, 220, 1))
            ++top;
        QVERIFY2(top >= 30 && top <= 40, qPrintable(QString::number(top)));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

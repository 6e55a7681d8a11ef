#include "editor/listprinter.h"
#include "editor/painterprintsink.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One drawing operation; a band when 'area' is set, else a text.
struct Op {
    QPoint at;
    QRect area;
    QString text;
    PrintFont font;
    QColor colour;
};

class RecordingSink final : public PrintSink
{
public:
    void text(const QPoint &at, const QString &text, const PrintFont &font, const QColor &colour) override
    {
        pages.last().append({at, {}, text, font, colour});
    }
    void fill(const QRect &area, const QColor &colour) override { pages.last().append({{}, area, {}, {}, colour}); }
    void newPage() override { pages.append(QList<Op>()); }

    QList<QList<Op>> pages = QList<QList<Op>>(1);
};

QList<PuzzleEntry> makeRows(int count)
{
    QList<PuzzleEntry> rows;
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        rows.append(PuzzleEntry{"woord" + n, {"een" + n, "twee" + n, "drie" + n, "vier" + n}});
    }
    return rows;
}

const QDateTime moment(QDate(2026, 3, 4), QTime(14, 5, 3));
const QString footer = QStringLiteral("Brovelt Software 2019");
const QColor grey(90, 90, 90);
const PrintFont bold{10, true};
const PrintFont plain{10, false};

void expectText(const QList<Op> &page, const QPoint &at, const QString &text, const PrintFont &font,
                const QColor &colour)
{
    const auto op = std::find_if(page.begin(), page.end(), [&](const Op &o) { return o.area.isNull() && o.at == at; });
    QVERIFY2(op != page.end(), qPrintable(text));
    QCOMPARE(op->text, text);
    QCOMPARE(op->font, font);
    QCOMPARE(op->colour, colour);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void pagesHoldThirtyFiveRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("rowsPerPage");

        QTest::newRow("empty list") << 0 << QList<int>{0};
        QTest::newRow("one row") << 1 << QList<int>{1};
        // The break after the 35th row comes before the end of the list is noticed.
        QTest::newRow("35 rows") << 35 << QList<int>{35, 0};
        QTest::newRow("36 rows") << 36 << QList<int>{35, 1};
    }
    void pagesHoldThirtyFiveRows()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, rowsPerPage);

        QList<PuzzleEntry> list = makeRows(rows);
        if (rows > 0) // wider than any column: printed whole
            list[0].Omschrijving[1] = QString(100, u'x');
        RecordingSink sink;
        ListPrinter(sink, list, footer, moment).LijstAfdrukken();
        QCOMPARE(sink.pages.size(), rowsPerPage.size());

        const QStringList heads{"Aantal", "Oplossing", "Omschrijving 1", "Omschrijving 2", "Omschrijving 3",
                                "Omschrijving 4"};
        const QList<int> lefts{300, 1200, 3600, 6900, 10200, 13500};
        int number = 0;
        for (int p = 0; p < sink.pages.size(); ++p) {
            const QList<Op> &page = sink.pages.at(p);
            // Title and moment on page 1; heads and rule on each; seven operations a row; a
            // footer on each page of a list with rows.
            QCOMPARE(page.size(), (p == 0 ? 2 : 0) + 7 + 7 * rowsPerPage[p] + (rows > 0 ? 1 : 0));
            if (p == 0) {
                expectText(page, {300, 300}, "Datalijst", {16, true}, QColor(0, 0, 90));
                expectText(page, {14100, 420}, "14:05:03 / 04-03-2026", bold, QColor(90, 0, 0));
            }
            for (int k = 0; k < 6; ++k)
                expectText(page, {lefts[k], 900}, heads[k], bold, grey);
            expectText(page, {300, 1140}, QString(238, u'-'), bold, grey);

            for (int i = 0; i < rowsPerPage[p]; ++i) {
                const PuzzleEntry &entry = list.at(number++);
                const int y = 1380 + 270 * i;
                const QColor band = number % 2 ? QColor(240, 240, 240) : QColor(250, 250, 250);
                QVERIFY(std::any_of(page.begin(), page.end(), [&](const Op &o) {
                    return o.area == QRect(QPoint(300, y), QPoint(16290, y + 240)) && o.colour == band;
                }));
                expectText(page, {300, y}, QStringLiteral(" %1").arg(number), bold, QColor(0, 90, 90));
                expectText(page, {1200, y}, entry.Trefwoord, plain, QColor(120, 0, 0));
                for (int k = 0; k < 4; ++k)
                    expectText(page, {lefts[k + 2], y}, entry.Omschrijving[k], plain, grey);
            }
            if (rows > 0) {
                expectText(page, {300, 11160}, footer, plain, grey);
                QCOMPARE(page.last().at, QPoint(300, 11160));
            }
        }
    }
    // At 144 dots per inch a dot is ten twips, so the page's twips read straight as dots.
    void painterDrawsAtTwipsFromTopLeft()
    {
        QImage page(1684, 1191, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(144 / 0.0254));
        page.setDotsPerMeterY(qRound(144 / 0.0254));
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            PainterPrintSink sink(painter, [] { return true; });
            ListPrinter(sink, makeRows(2), footer, moment).LijstAfdrukken();
        }
        // Bands from 300 to 16290 twips, 240 high, odd then even.
        const QColor white(Qt::white);
        QCOMPARE(page.pixelColor(30, 140), QColor(240, 240, 240));
        QCOMPARE(page.pixelColor(1628, 160), QColor(240, 240, 240));
        QCOMPARE(page.pixelColor(1631, 150), white);
        QCOMPARE(page.pixelColor(29, 150), white);
        QCOMPARE(page.pixelColor(1600, 175), QColor(250, 250, 250));
        QCOMPARE(page.pixelColor(1600, 164), white);

        // The title's position is its top-left corner, not its baseline: ink starts below 30 dots.
        QImage blankRow(220, 1, QImage::Format_RGB32);
        blankRow.fill(Qt::white);
        int top = 0;
        while (top < 100 && page.copy(30, top, 220, 1) == blankRow)
            ++top;
        QVERIFY2(top >= 30 && top <= 40, qPrintable(QString::number(top)));
    }
    void pdfHasTheSamePages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lijst.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(path);
            QVERIFY(PainterPrintSink::printList(printer, makeRows(35), footer, moment));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(pdf.count("/Type /Page\n"), 2);
        // Landscape: the first page is wider than high.
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch());
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

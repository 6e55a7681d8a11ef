#include "editor/listprinter.h"
#include "editor/painterprintsink.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One drawing operation as the printer would get it.
struct Op {
    enum Kind { Text, Fill, NewPage } kind;
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
        ops.append({Op::Text, at, {}, text, font, colour});
    }
    void fill(const QRect &area, const QColor &colour) override { ops.append({Op::Fill, {}, area, {}, {}, colour}); }
    void newPage() override { ops.append({Op::NewPage, {}, {}, {}, {}, {}}); }

    QList<QList<Op>> pages() const
    {
        QList<QList<Op>> result(1);
        for (const Op &op : ops) {
            if (op.kind == Op::NewPage)
                result.append(QList<Op>());
            else
                result.last().append(op);
        }
        return result;
    }

    QList<Op> ops;
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

const QDateTime moment(QDate(2026, 12, 4), QTime(9, 5, 3));
const QString footer = QStringLiteral("Brovelt Software 2019");
const QColor grey(90, 90, 90);

// The text drawn at 'at' on 'page', or null when there is none.
const Op *textAt(const QList<Op> &page, const QPoint &at)
{
    for (const Op &op : page) {
        if (op.kind == Op::Text && op.at == at)
            return &op;
    }
    return nullptr;
}

int countTexts(const QList<Op> &page, const QString &text)
{
    return int(std::count_if(page.begin(), page.end(), [&](const Op &op) { return op.kind == Op::Text && op.text == text; }));
}

// The number of pages a PDF written by Qt declares, and whether its first page lies wide.
std::pair<int, bool> pdfPages(const QByteArray &pdf)
{
    const int pages = int(pdf.count(QByteArrayLiteral("/Type /Page\n")));
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    const bool landscape = m.hasMatch() && m.captured(1).toDouble() > m.captured(2).toDouble();
    return {pages, landscape};
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void pagesHoldThirtyFiveRows_data();
    void pagesHoldThirtyFiveRows();
    void rowsSitOnAlternatingBands_data();
    void rowsSitOnAlternatingBands();
    void momentShowsTwentyFourHourClock_data();
    void momentShowsTwentyFourHourClock();
    void painterDrawsAtTwipsFromTopLeft();
    void pdfHasTheSamePages_data();
    void pdfHasTheSamePages();
};

void TestPrinting::pagesHoldThirtyFiveRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("rowsPerPage");

    QTest::newRow("empty list") << 0 << 1 << QList<int>{0};
    QTest::newRow("one row") << 1 << 1 << QList<int>{1};
    QTest::newRow("34 rows") << 34 << 1 << QList<int>{34};
    // The break after the 35th row comes before the end of the list is noticed.
    QTest::newRow("35 rows") << 35 << 2 << QList<int>{35, 0};
    QTest::newRow("36 rows") << 36 << 2 << QList<int>{35, 1};
    QTest::newRow("70 rows") << 70 << 3 << QList<int>{35, 35, 0};
    QTest::newRow("71 rows") << 71 << 3 << QList<int>{35, 35, 1};
}

void TestPrinting::pagesHoldThirtyFiveRows()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(QList<int>, rowsPerPage);

    const QList<PuzzleEntry> list = makeRows(rows);
    RecordingSink sink;
    ListPrinter(sink, list, footer, moment).LijstAfdrukken();
    const QList<QList<Op>> printed = sink.pages();
    QCOMPARE(printed.size(), pages);

    for (int p = 0; p < pages; ++p) {
        const QList<Op> &page = printed.at(p);

        // Title and moment on the first page only.
        const Op *title = textAt(page, {300, 300});
        const Op *when = textAt(page, {14100, 420});
        QCOMPARE(title != nullptr, p == 0);
        QCOMPARE(when != nullptr, p == 0);
        if (p == 0) {
            QCOMPARE(title->text, QStringLiteral("Datalijst"));
            QCOMPARE(title->font, (PrintFont{16, true}));
            QCOMPARE(title->colour, QColor(0, 0, 90));
            QCOMPARE(when->text, QStringLiteral("09:05:03 / 04-12-2026"));
            QCOMPARE(when->font, (PrintFont{10, true}));
            QCOMPARE(when->colour, QColor(90, 0, 0));
        }

        // Heads and rule on every page, bold grey.
        const QStringList heads{"Aantal", "Oplossing", "Omschrijving 1", "Omschrijving 2", "Omschrijving 3",
                                "Omschrijving 4"};
        const QList<int> lefts{300, 1200, 3600, 6900, 10200, 13500};
        for (int k = 0; k < 6; ++k) {
            const Op *head = textAt(page, {lefts[k], 900});
            QVERIFY2(head, qPrintable(QStringLiteral("page %1 head %2").arg(p + 1).arg(k)));
            QCOMPARE(head->text, heads[k]);
            QCOMPARE(head->font, (PrintFont{10, true}));
            QCOMPARE(head->colour, grey);
        }
        const Op *rule = textAt(page, {300, 1140});
        QVERIFY(rule);
        QCOMPARE(rule->text, QString(238, u'-'));
        QCOMPARE(rule->font, (PrintFont{10, true}));

        const int bands = int(std::count_if(page.begin(), page.end(), [](const Op &op) { return op.kind == Op::Fill; }));
        QCOMPARE(bands, rowsPerPage.at(p));

        // A footer on every page of a list with rows, always last, plain grey 10 point;
        // the single page of an empty list has none.
        const Op *foot = textAt(page, {300, 11160});
        QCOMPARE(foot != nullptr, rows > 0);
        if (foot) {
            QCOMPARE(foot->text, footer);
            QCOMPARE(foot->font, (PrintFont{10, false}));
            QCOMPARE(foot->colour, grey);
            QCOMPARE(page.last().at, QPoint(300, 11160));
        }
        QCOMPARE(countTexts(page, footer), rows > 0 ? 1 : 0);
    }
    // A page after the last full one carries nothing but heads, rule and footer.
    if (rowsPerPage.last() == 0 && rows > 0)
        QCOMPARE(printed.last().size(), 8);
}

void TestPrinting::rowsSitOnAlternatingBands_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("band");

    QTest::newRow("row 1") << 1 << 0 << 1380 << QColor(240, 240, 240);
    QTest::newRow("row 2") << 2 << 0 << 1650 << QColor(250, 250, 250);
    QTest::newRow("row 35 ends at the page bottom") << 35 << 0 << 10560 << QColor(240, 240, 240);
    QTest::newRow("row 36 starts page 2, even") << 36 << 1 << 1380 << QColor(250, 250, 250);
    QTest::newRow("row 71 starts page 3, odd") << 71 << 2 << 1380 << QColor(240, 240, 240);
    QTest::newRow("row 100 on page 3") << 100 << 2 << 1380 + 29 * 270 << QColor(250, 250, 250);
}

void TestPrinting::rowsSitOnAlternatingBands()
{
    QFETCH(int, number);
    QFETCH(int, page);
    QFETCH(int, y);
    QFETCH(QColor, band);

    QList<PuzzleEntry> list = makeRows(100);
    // Wider than any column: printed whole, running into the next column.
    const QString longText(100, u'x');
    list[number - 1].Omschrijving[1] = longText;
    RecordingSink sink;
    ListPrinter(sink, list, footer, moment).LijstAfdrukken();
    const QList<Op> printed = sink.pages().at(page);

    const auto fill = std::find_if(printed.begin(), printed.end(),
                                   [&](const Op &op) { return op.kind == Op::Fill && op.area.top() == y; });
    QVERIFY(fill != printed.end());
    QCOMPARE(fill->area, QRect(QPoint(300, y), QPoint(16290, y + 240)));
    QCOMPARE(fill->colour, band);

    const Op *numberOp = textAt(printed, {300, y});
    QVERIFY(numberOp);
    QCOMPARE(numberOp->text, QStringLiteral(" %1").arg(number));
    QCOMPARE(numberOp->font, (PrintFont{10, true}));
    QCOMPARE(numberOp->colour, QColor(0, 90, 90));

    const Op *keyword = textAt(printed, {1200, y});
    QVERIFY(keyword);
    QCOMPARE(keyword->text, QStringLiteral("woord%1").arg(number));
    QCOMPARE(keyword->font, (PrintFont{10, false}));
    QCOMPARE(keyword->colour, QColor(120, 0, 0));

    const QStringList descriptions{QStringLiteral("een%1").arg(number), longText, QStringLiteral("drie%1").arg(number),
                                   QStringLiteral("vier%1").arg(number)};
    const QList<int> lefts{3600, 6900, 10200, 13500};
    for (int k = 0; k < 4; ++k) {
        const Op *description = textAt(printed, {lefts[k], y});
        QVERIFY(description);
        QCOMPARE(description->text, descriptions[k]);
        QCOMPARE(description->font, (PrintFont{10, false}));
        QCOMPARE(description->colour, grey);
    }
}

void TestPrinting::momentShowsTwentyFourHourClock_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");

    QTest::newRow("midnight") << QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)) << "00:00:00 / 01-01-2026";
    QTest::newRow("afternoon") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << "23:59:59 / 31-12-2026";
    QTest::newRow("minutes and months differ") << QDateTime(QDate(2027, 3, 9), QTime(14, 5, 9))
                                               << "14:05:09 / 09-03-2027";
}

void TestPrinting::momentShowsTwentyFourHourClock()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(ListPrinter::momentText(when), text);
}

void TestPrinting::painterDrawsAtTwipsFromTopLeft()
{
    // 144 dots per inch: ten twips a dot, so the page's twips read straight as dots.
    QImage page(1684, 1191, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(144 / 0.0254));
    page.setDotsPerMeterY(qRound(144 / 0.0254));
    page.fill(Qt::white);

    QList<PuzzleEntry> rows = makeRows(2);
    rows[0].Trefwoord = QString(60, u'W');
    rows[0].Omschrijving[0].clear();
    int pagesStarted = 0;
    {
        QPainter painter(&page);
        PainterPrintSink sink(painter, [&] { ++pagesStarted; return true; });
        ListPrinter(sink, rows, footer, moment).LijstAfdrukken();
    }
    QCOMPARE(pagesStarted, 0);

    // The bands: from 300 to 16290 twips, 240 high, odd then even.
    QCOMPARE(page.pixelColor(30, 140), QColor(240, 240, 240));
    QCOMPARE(page.pixelColor(1628, 160), QColor(240, 240, 240));
    QCOMPARE(page.pixelColor(1631, 150), QColor(Qt::white));
    QCOMPARE(page.pixelColor(29, 150), QColor(Qt::white));
    QCOMPARE(page.pixelColor(1600, 175), QColor(250, 250, 250));
    QCOMPARE(page.pixelColor(1600, 164), QColor(Qt::white));

    // The title's position is its top-left corner, not its baseline: its ink starts just
    // below y = 30 dots and nothing of it stands above.
    int firstInk = -1;
    for (int y = 0; y < 100 && firstInk < 0; ++y) {
        for (int x = 30; x < 250; ++x) {
            if (page.pixelColor(x, y) != QColor(Qt::white)) {
                firstInk = y;
                break;
            }
        }
    }
    QVERIFY2(firstInk >= 30 && firstInk <= 40, qPrintable(QString::number(firstInk)));

    // The long keyword runs on past the next column's left edge (360 dots), uncut.
    bool keywordBeyondColumn = false;
    for (int x = 700; x < 900 && !keywordBeyondColumn; ++x) {
        for (int y = 140; y < 160; ++y) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < 200 && c.red() > c.green() + 40)
                keywordBeyondColumn = true;
        }
    }
    QVERIFY(keywordBeyondColumn);
}

void TestPrinting::pdfHasTheSamePages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");

    QTest::newRow("empty list") << 0 << 1;
    QTest::newRow("35 rows") << 35 << 2;
    QTest::newRow("36 rows") << 36 << 2;
}

void TestPrinting::pdfHasTheSamePages()
{
    QFETCH(int, rows);
    QFETCH(int, pages);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lijst.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        QVERIFY(PainterPrintSink::printList(printer, makeRows(rows), footer, moment));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto [count, landscape] = pdfPages(file.readAll());
    QCOMPARE(count, pages);
    QVERIFY(landscape);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

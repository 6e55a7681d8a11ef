#include "editor/listprinter.h"

namespace {

const QColor titleColour(0, 0, 90);
const QColor momentColour(90, 0, 0);
const QColor headColour(90, 90, 90);
const QColor numberColour(0, 90, 90);
const QColor keywordColour(120, 0, 0);
const QColor descriptionColour(90, 90, 90);
const QColor oddBand(240, 240, 240);
const QColor evenBand(250, 250, 250);

constexpr int BandLeft = 300;
constexpr int BandRight = 16290;

} // namespace

ListPrinter::ListPrinter(PrintSink &sink, const QList<PuzzleEntry> &rows, const QString &footer,
                         const QDateTime &moment)
    : m_sink(sink)
    , m_rows(rows)
    , m_footer(footer)
    , m_moment(moment)
{
}

const std::array<int, 6> &ListPrinter::columnLefts()
{
    static const std::array<int, 6> lefts = {300, 1200, 3600, 6900, 10200, 13500};
    return lefts;
}

QString ListPrinter::momentText(const QDateTime &moment)
{
    // Spelled out rather than left to the locale: the page always shows this shape.
    return moment.toString(QStringLiteral("hh:mm:ss' / 'dd-MM-yyyy"));
}

QString ListPrinter::numberText(int number)
{
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(qAbs(number));
}

void ListPrinter::print(int x, int y, const QString &text)
{
    m_sink.text(QPoint(x, y), text, m_font, m_colour);
}

void ListPrinter::printDocument()
{
    m_font = {16, true};
    m_colour = titleColour;
    print(300, 300, QStringLiteral("Datalijst"));

    m_font.pointSize = 10;
    m_colour = momentColour;
    print(14100, 420, momentText(m_moment));

    printHeads();
    m_font.bold = false;
    m_y = RowsTop;
    // An empty list gets its single page without a footer.
    if (m_rows.isEmpty())
        return;

    for (int i = 1; i <= int(m_rows.size()); ++i) {
        printRow(i, m_rows.at(i - 1));
        m_y += RowPitch;
        // The break comes right after the 35th row of a page, before the end of the list
        // is noticed: a list of 35 rows ends on a page with only the heads and the footer.
        if (m_y > PageBottom) {
            print(300, FooterTop, m_footer);
            m_sink.newPage();
            printHeads();
            m_font.bold = false;
            m_y = RowsTop;
        }
    }
    print(300, FooterTop, m_footer);
}

void ListPrinter::printRow(int number, const PuzzleEntry &row)
{
    m_sink.fill(QRect(QPoint(BandLeft, m_y), QPoint(BandRight, m_y + BandHeight)),
                number % 2 == 0 ? evenBand : oddBand);

    const std::array<int, 6> &lefts = columnLefts();
    m_font.bold = true;
    m_colour = numberColour;
    print(lefts[0], m_y, numberText(number));

    m_font.bold = false;
    m_colour = keywordColour;
    print(lefts[1], m_y, row.keyword);

    m_colour = descriptionColour;
    for (int k = 0; k < 4; ++k)
        print(lefts[2 + k], m_y, row.descriptions[k]);
}

void ListPrinter::printHeads()
{
    static const std::array<const char *, 6> heads = {"Aantal", "Oplossing", "Omschrijving 1",
                                                      "Omschrijving 2", "Omschrijving 3", "Omschrijving 4"};
    m_font = {10, true};
    m_colour = headColour;
    const std::array<int, 6> &lefts = columnLefts();
    for (int k = 0; k < 6; ++k)
        print(lefts[k], 900, QString::fromLatin1(heads[k]));
    print(300, 1140, QString(RuleLength, u'-'));
}

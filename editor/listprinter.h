#pragma once

#include "editor/printsink.h"
#include "game/puzzlelist.h"

#include <QDateTime>
#include <QList>

#include <array>

// Lays out the puzzle list as a printed table: title and moment of printing on the
// first page, column heads and a rule on every page, 35 rows a page on alternating
// bands, and the footer text at the foot of every page that holds rows.
class ListPrinter
{
public:
    static constexpr int RowsTop = 1380;
    static constexpr int RowPitch = 270;
    static constexpr int BandHeight = 240;
    static constexpr int PageBottom = 10800; // a row that brings y past this ends the page
    static constexpr int FooterTop = 11160;
    static constexpr int RuleLength = 238;

    ListPrinter(PrintSink &sink, const QList<PuzzleEntry> &rows, const QString &footer, const QDateTime &moment);

    // The whole document: the caller has set landscape before and ends the document after.
    void printDocument();
    // The column heads and the rule under them on the current page; leaves bold on.
    void printHeads();

    // "hh:mm:ss / dd-mm-yyyy", as printed beside the title.
    static QString momentText(const QDateTime &moment);
    // Numbers on this page carry one blank where a minus sign would stand.
    static QString numberText(int number);
    // The left edges of the six columns, in twips.
    static const std::array<int, 6> &columnLefts();

private:
    void print(int x, int y, const QString &text);
    void printRow(int number, const PuzzleEntry &row);

    PrintSink &m_sink;
    const QList<PuzzleEntry> &m_rows;
    QString m_footer;
    QDateTime m_moment;
    // The printer's current text settings, which the steps change as a printer's would.
    PrintFont m_font;
    QColor m_colour = Qt::black;
    int m_y = RowsTop;
};

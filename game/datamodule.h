#pragma once

#include <QList>
#include <QString>

#include <array>

class PuzzleList;

// The current round: three keywords with four descriptions each, and the order in
// which the twelve descriptions are spread over the slots.
struct Ronde {
    std::array<QString, 3> RondeWoord;                     // keyword n at index n - 1
    std::array<std::array<QString, 4>, 3> RondeOmschrijving; // [n - 1][k - 1]
    qint32 MatrixNummer = 0;                               // 1..26, 0 before the first round
    QString MatrixTekst;
    std::array<qint32, 12> Positie{};                      // slot (1..12) of description j at index j - 1

    // Description j (1..12): keyword (j - 1) / 4 + 1, description (j - 1) % 4 + 1.
    QString omschrijving(int j) const { return RondeOmschrijving[(j - 1) / 4][(j - 1) % 4]; }
};

// The 26 fixed orders; order number i (1..26) at index i - 1.
const std::array<QString, 26> &matrixOrders();

// Draws three different rows from rows 1..aantalItems of 'list' into the round's words
// and descriptions. False (and the round untouched) when fewer than three rows exist.
bool KiesTrefwoorden(const PuzzleList &list, int aantalItems, Ronde &ronde);

// Draws the order number into ronde.MatrixNummer and returns the order's text.
QString KiesMatrix(Ronde &ronde);

// What ToonRonde puts on the board, computed without widgets.
struct RondeBeeld {
    std::array<QString, 3> woordCaption;    // the keywords in capitals
    std::array<QString, 12> slotCaption;    // slot i (1..12) at index i - 1
    std::array<QList<int>, 3> tileX;        // x of every letter tile of keyword n (a blank leaves a gap)
    static constexpr std::array<int, 3> rowY{510, 565, 620};   // Picture1 at (80, y), 60 x 36
    static constexpr std::array<int, 3> tileY{514, 569, 624};  // tiles 20 x 28
};

// Draws the order (KiesMatrix), sets MatrixTekst and Positie, and returns the board's content.
RondeBeeld ToonRonde(Ronde &ronde);

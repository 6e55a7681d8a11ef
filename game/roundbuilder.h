#pragma once

#include <QList>
#include <QString>

#include <array>

class PuzzleList;

// The current round: three keywords with four descriptions each, and the order in
// which the twelve descriptions are spread over the slots.
struct Round {
    std::array<QString, 3> keywords;                     // keyword n at index n - 1
    std::array<std::array<QString, 4>, 3> descriptions; // [n - 1][k - 1]
    qint32 orderNumber = 0;                               // 1..26, 0 before the first round
    QString orderText;
    std::array<qint32, 12> slotOf{};                      // slot (1..12) of description j at index j - 1

    // Description j (1..12): keyword (j - 1) / 4 + 1, description (j - 1) % 4 + 1.
    QString description(int j) const { return descriptions[(j - 1) / 4][(j - 1) % 4]; }
};

// A keyword in capitals as its tiles show it: letter for letter, one tile each. A letter
// whose capital is more than one letter ("ß", which would become "SS") or no letter of the
// data files' code page ("µ", whose capital is Greek) stays as it is.
QString keywordInCapitals(const QString &keyword);

// The 26 fixed orders; order number i (1..26) at index i - 1.
const std::array<QString, 26> &matrixOrders();

// What the board shows of a round, computed without widgets.
struct RoundView {
    std::array<QString, 3> keywordCaptions;    // the keywords in capitals
    std::array<QString, 12> slotCaptions;    // slot i (1..12) at index i - 1
    std::array<QList<int>, 3> tileX;        // x of every letter tile of keyword n (a blank leaves a gap)
    static constexpr std::array<int, 3> rowY{510, 565, 620};   // row marker at (80, y), 60 x 36
    static constexpr std::array<int, 3> tileY{514, 569, 624};  // tiles 20 x 28
    // From one tile to the next of a keyword of so many characters: 20, or less where the
    // row's room for 40 tiles before the board's decoration would not hold them all (a
    // list made by hand), so they overlap within it.
    static double tileStep(qsizetype characters)
    {
        constexpr int tileWidth = 20, tilesInRow = 40;
        return characters > tilesInRow ? double(tileWidth * (tilesInRow - 1)) / double(characters - 1) : tileWidth;
    }
};

class RandomSource;

// Builds rounds: draws the keywords and the order of the slots, and computes what the
// board shows.
class RoundBuilder
{
public:
    explicit RoundBuilder(RandomSource &random) : m_random(random) {}

    // Draws three different rows from rows 1..itemCount of 'list' into the round's
    // words and descriptions. False (and the round untouched) when fewer than three rows exist.
    bool drawKeywords(const PuzzleList &list, int itemCount, Round &round) const;
    // Draws the order number into round.orderNumber and returns the order's text.
    QString drawOrder(Round &round) const;
    // Draws the order, sets orderText and slotOf, and returns the board's content.
    RoundView layOut(Round &round) const;

private:
    RandomSource &m_random;
};

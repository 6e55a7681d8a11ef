#include "game/roundbuilder.h"

#include "common/cp1252.h"
#include "game/randomsource.h"
#include "game/puzzlelist.h"

#include <cmath>

namespace {

// The row numbers the used-marks table covers; rows beyond it are never drawn.
constexpr int maxDrawRows = 999;
// Redraws of an already marked row before the draw settles for the next unmarked row.
// The real random source never repeats itself, so this only matters for a source that does.
constexpr int maxRedraws = 1000;

} // namespace

const std::array<QString, 26> &matrixOrders()
{
    static const std::array<QString, 26> orders{
        QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"),
        QStringLiteral("2,3,4,5,6,7,8,9,10,11,12,1"),
        QStringLiteral("3,4,5,6,7,8,9,10,11,12,1,2"),
        QStringLiteral("4,5,6,7,8,9,10,11,12,1,2,3"),
        QStringLiteral("5,6,7,8,9,10,11,12,1,2,3,4"),
        QStringLiteral("6,7,8,9,10,11,12,1,2,3,4,5"),
        QStringLiteral("7,8,9,10,11,12,1,2,3,4,5,6"),
        QStringLiteral("8,9,10,11,12,1,2,3,4,5,6,7"),
        QStringLiteral("9,10,11,12,1,2,3,4,5,6,7,8"),
        QStringLiteral("1,4,7,10,2,5,8,11,3,6,9,12"),
        QStringLiteral("4,7,10,2,5,8,11,3,6,9,12,1"),
        QStringLiteral("7,10,2,5,8,11,3,6,9,12,1,4"),
        QStringLiteral("10,2,5,8,11,3,6,9,12,1,4,7"),
        QStringLiteral("2,5,8,11,3,6,9,12,1,4,7,10"),
        QStringLiteral("5,8,11,3,6,9,12,1,4,7,10,2"),
        QStringLiteral("8,11,3,6,9,12,1,4,7,10,2,5"),
        QStringLiteral("11,3,6,9,12,1,4,7,10,2,5,8"),
        QStringLiteral("3,6,9,12,1,4,7,10,2,5,8,11"),
        QStringLiteral("6,9,12,1,4,7,10,2,5,8,11,3"),
        QStringLiteral("9,12,1,4,7,10,2,5,8,11,3,6"),
        QStringLiteral("12,1,4,7,10,2,5,8,11,3,6,9"),
        QStringLiteral("5,10,6,11,7,12,8,1,9,2,4,3"),
        QStringLiteral("10,6,11,7,12,8,1,9,2,4,3,5"),
        QStringLiteral("6,11,7,12,8,1,9,2,4,3,5,10"),
        QStringLiteral("11,7,12,8,1,9,2,4,3,5,10,6"),
        QStringLiteral("7,12,8,1,9,2,4,3,5,10,6,11"),
    };
    return orders;
}

bool RoundBuilder::drawKeywords(const PuzzleList &list, int itemCount, Round &round) const
{
    const int rows = qMin(itemCount, maxDrawRows);
    // Three different rows cannot be found in fewer, and a row the list lacks cannot be read.
    if (rows < 3 || list.count() < rows)
        return false;

    std::array<bool, maxDrawRows + 1> used{};
    std::array<int, 3> drawn{};
    for (int &row : drawn) {
        int r = m_random.drawWhole(rows);
        for (int redraws = 0; (r < 1 || r > rows || used[r]) && redraws < maxRedraws; ++redraws)
            r = m_random.drawWhole(rows);
        if (r < 1 || r > rows)
            r = 1;
        while (used[r])
            r = r % rows + 1;
        used[r] = true;
        row = r;
    }

    for (int n = 0; n < 3; ++n) {
        const PuzzleEntry &entry = list.entry(drawn[n] - 1);
        round.keywords[n] = entry.keyword;
        round.descriptions[n] = entry.descriptions;
    }
    return true;
}

QString RoundBuilder::drawOrder(Round &round) const
{
    round.orderNumber = m_random.drawWhole(int(matrixOrders().size()));
    return matrixOrders().at(round.orderNumber - 1);
}

QString keywordInCapitals(const QString &keyword)
{
    QString capitals = keyword;
    for (QChar &letter : capitals) {
        const QString capital = QString(letter).toUpper();
        if (capital.size() == 1 && Cp1252::canEncode(capital))
            letter = capital.front();
    }
    return capitals;
}

RoundView RoundBuilder::layOut(Round &round) const
{
    RoundView view;
    for (int n = 0; n < 3; ++n) {
        const QString &keyword = round.keywords[n];
        view.keywordCaptions[n] = keywordInCapitals(keyword);
        const double step = RoundView::tileStep(keyword.size());
        for (int i = 0; i < keyword.size(); ++i) {
            if (keyword.at(i) != u' ')
                view.tileX[n].append(150 + int(std::lround(step * i)));
        }
    }

    round.orderText = drawOrder(round);
    const QStringList numbers = round.orderText.split(u',');
    for (int j = 1; j <= 12; ++j) {
        round.slotOf[j - 1] = numbers.value(j - 1).toInt();
        const int slot = round.slotOf[j - 1];
        if (slot >= 1 && slot <= 12)
            view.slotCaptions[slot - 1] = round.description(j);
    }
    return view;
}

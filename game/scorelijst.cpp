#include "game/scorelijst.h"

#include <algorithm>

// Score texts are four characters wide, because the score window reads the name from the
// eighth character on. Scores above 9999 show as "9999". A negative score shows as "-"
// and three digits of its magnitude, capped at 999 (-40 gives "-040").
//
// Order: lines that start with such a negative score text come before all others, among
// themselves by their number (so -40 comes after -120), then by their text. Every other
// line is ordered by its whole text compared case-blind (QString::compare with
// Qt::CaseInsensitive: letters are folded to one case, then compared by character code,
// so accented letters sort after z). The highest score is therefore always last.

namespace {

// The magnitude of a line's negative score text, or -1 for a line without one.
int negativeMagnitude(const QString &line)
{
    if (line.size() < 4 || line.at(0) != u'-')
        return -1;
    int magnitude = 0;
    for (int i = 1; i < 4; ++i) {
        const char16_t c = line.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        magnitude = magnitude * 10 + (c - u'0');
    }
    return magnitude;
}

bool lessThan(const QString &a, const QString &b)
{
    const int negA = negativeMagnitude(a);
    const int negB = negativeMagnitude(b);
    if ((negA >= 0) != (negB >= 0))
        return negA >= 0;
    if (negA != negB)
        return negA > negB; // a larger magnitude is a lower score
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

bool Scorelijst::add(const QString &line)
{
    if (line.isEmpty() || count() >= MaxLines)
        return false;
    const auto place = std::upper_bound(m_lines.cbegin(), m_lines.cend(), line, lessThan);
    m_lines.insert(place - m_lines.cbegin(), line);
    return true;
}

bool Scorelijst::removeFirstEqual(const QString &line)
{
    const qsizetype position = m_lines.indexOf(line);
    if (position < 0)
        return false;
    m_lines.removeAt(position);
    return true;
}

QString scoreText(qint32 score)
{
    if (score > 9999)
        return QStringLiteral("9999");
    if (score < 0) {
        const qint64 magnitude = qMin<qint64>(-qint64(score), 999);
        return u'-' + QString::number(magnitude).rightJustified(3, u'0');
    }
    return QString::number(score).rightJustified(4, u'0');
}

QString scoreLine(qint32 score, const QString &name)
{
    return scoreText(score) + QStringLiteral(" - ") + name;
}

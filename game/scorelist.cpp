#include "game/scorelist.h"

#include <algorithm>

// score texts are four characters wide, because the score window reads the name from the
// eighth character on. Scores above 9999 show as "9999". A negative score shows as "-"
// and three digits of its magnitude, capped at 999 (-40 gives "-040").
//
// Order: negative scores come before all others, among themselves by their number (so
// -40 comes after -120), then by their text. Every other entry is ordered by its whole
// text compared case-blind (QString::compare with Qt::CaseInsensitive: letters are folded
// to one case, then compared by character code, so accented letters sort after z). The
// highest score is therefore always last.

namespace {

const QString s_separator = QStringLiteral(" - ");

// The number of a four-character score text, or nothing.
std::optional<qint32> scoreOfText(QStringView text)
{
    if (text.size() != 4)
        return std::nullopt;
    const bool negative = text.at(0) == u'-';
    qint32 value = 0;
    for (qsizetype i = negative ? 1 : 0; i < 4; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

bool lessThan(const ScoreEntry &a, const ScoreEntry &b)
{
    const bool negA = a.score < 0;
    const bool negB = b.score < 0;
    if (negA != negB)
        return negA;
    const QString textA = a.text();
    const QString textB = b.text();
    if (negA && scoreText(a.score) != scoreText(b.score))
        return a.score < b.score;
    return QString::compare(textA, textB, Qt::CaseInsensitive) < 0;
}

} // namespace

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

QString ScoreEntry::text() const
{
    return wholeLine ? name : scoreText(score) + s_separator + name;
}

ScoreEntry ScoreEntry::fromText(const QString &line)
{
    // Only a score text the program writes itself: "-000" would come back as "0000".
    const std::optional<qint32> score = scoreOfText(QStringView(line).left(4));
    if (score && scoreText(*score) == QStringView(line).left(4) && QStringView(line).mid(4, 3) == s_separator)
        return {*score, line.mid(7), {}};
    return {0, line, {}, true};
}

QStringList ScoreList::texts() const
{
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const ScoreEntry &entry : m_entries)
        texts.append(entry.text());
    return texts;
}

ScoreEntry ScoreEntry::ofGame(qint64 score, const QString &name)
{
    return {qint32(qBound(qint64(-999), score, qint64(9999))), name, {}};
}

void ScoreList::add(const ScoreEntry &entry)
{
    const auto place = std::upper_bound(m_entries.cbegin(), m_entries.cend(), entry, lessThan);
    m_entries.insert(place - m_entries.cbegin(), entry);
}

void ScoreList::addAll(const QList<ScoreEntry> &entries)
{
    // One stable sort instead of an insert each: a long file out of order stays quick.
    m_entries.append(entries);
    std::stable_sort(m_entries.begin(), m_entries.end(), lessThan);
}

#include "game/puzzleentrycheck.h"

PuzzleEntryCheck::PuzzleEntryCheck(const PuzzleEntry &entry)
{
    if (entry.keyword.isEmpty()) {
        m_field = 0;
        return;
    }
    for (int field = 0; field < 5; ++field) {
        const FieldCheck check(field == 0 ? entry.keyword : entry.descriptions[field - 1], FieldCheck::Form::Bare);
        if (!check.passed()) {
            m_field = field;
            m_check = check;
            return;
        }
        if (field == 0) {
            m_untypeable = untypeableIn(entry.keyword);
            if (!m_untypeable.isEmpty()) {
                m_field = 0;
                return;
            }
        }
    }
}

QString PuzzleEntryCheck::untypeableIn(const QString &keyword)
{
    for (const QChar c : keyword) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format
            || (category == QChar::Separator_Space && c != u' '))
            return c;
    }
    return QString();
}

QString PuzzleEntryCheck::fieldName(int field)
{
    return field == 0 ? QStringLiteral("Trefwoord") : QStringLiteral("Omschrijving %1").arg(field);
}

QString PuzzleEntryCheck::message() const
{
    if (passed())
        return QString();
    if (!m_untypeable.isEmpty()) {
        return QStringLiteral("Het teken %1 in Trefwoord kan niet worden bewaard: een speler kan het niet intypen. Laat "
                              "het weg of kies een ander teken.")
            .arg(FieldCheck::named(m_untypeable));
    }
    if (m_check.passed())
        return QStringLiteral("Een leeg trefwoord kan niet worden bewaard: het puzzelbestand slaat een regel zonder "
                              "trefwoord over.");
    return m_check.message(fieldName(m_field), QStringLiteral("het puzzelbestand"), QStringLiteral("puzzels"));
}
